#include "ConfigListings.h"
#include "FaultyFileSystem.h"
#include "GlowLabel.h"
#include "WindowTest.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <tuple>

namespace baritemp {
namespace {

// Start-up flows of the main window with the configuration file, in a documents folder of
// their own.
class ConfigFlow : public test::WindowTest {
protected:
    // Starts a run of the program and shows the main window; `onSettings` runs when the
    // settings window opens by itself.
    void start(const std::function<void()>& onSettings = {}) {
        createWindows();
        QTimer::singleShot(0, dialog.get(), [this, onSettings] {
            if (dialog->isVisible()) {
                settingsOpened = true;
                mainVisibleMeanwhile = window->isVisible() && !window->isHidden();
                if (onSettings)
                    onSettings();
                dialog->reject();
            }
        });
        window->show();
    }

    bool settingsOpened = false;
    bool mainVisibleMeanwhile = false;
};

// Each setting announces a real change once, and only that: by the settings window, by a read
// of the file (whose colour numbers a save writes back unchanged), by a put-back snapshot.
TEST_F(ConfigFlow, EachSettingAnnouncesOnlyARealChange) {
    writeFile("<Configuration><f_main><Color1>clBtnFace</Color1><Dec>4</Dec></f_main>"
              "</Configuration>");
    createMainWindow();
    QStringList heard;
    QObject::connect(&settings, &Settings::glassModeChanged, [&] { heard << "glass"; });
    QObject::connect(&settings, &Settings::titleColorChanged, [&] { heard << "title"; });
    QObject::connect(&settings, &Settings::fieldColorChanged, [&] { heard << "field"; });
    QObject::connect(&settings, &Settings::languageChanged, [&] { heard << "language"; });
    QObject::connect(&settings, &Settings::decimalsChanged, [&] { heard << "decimals"; });
    QObject::connect(&settings, &Settings::loaded, [&] { heard << "loaded"; });
    const std::pair<std::function<void()>, QStringList> steps[] = {
        // clBtnFace shows as its low bytes, 0x0F: a colour other than the first black.
        {[&] { settings.load(); }, {"title", "field", "language", "decimals", "loaded"}},
        {[&] { settings.load(); }, {"loaded"}},
        {[&] { settings.setDecimals(4); }, {}},
        {[&] { settings.setLanguage(Language::French); }, {}},
        {[&] { settings.setLanguage(Language::Other); }, {}}, // only a file names another
        {[&] { settings.setGlassMode(true); }, {"glass"}},
        {[&] { settings.setTitleColor(Qt::red); }, {"title"}},
        {[&] { settings.setTitleColor(Qt::red); }, {}},
        {[&] { settings.setValues({}); }, {"glass", "title", "field", "language", "decimals"}},
    };
    Settings::Values opened;
    for (const auto& [step, expected] : steps) {
        heard.clear();
        step();
        EXPECT_EQ(heard, expected);
        if (expected == QStringList{"loaded"})
            opened = settings.values();
    }
    settings.setValues(opened);
    ASSERT_FALSE(settings.save());
    EXPECT_TRUE(readFile().contains("<Color1>clBtnFace</Color1>")) << readFile().toStdString();
}

TEST_F(ConfigFlow, FirstStartOpensTheSettingsAndWritesNothing) {
    start();
    EXPECT_TRUE(settingsOpened);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Configuration"));
    EXPECT_FALSE(QDir(documents.path() + QStringLiteral("/Quorzen")).exists());
    EXPECT_EQ(settings.language(), Language::French);
    EXPECT_EQ(settings.decimals(), 4);
    EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pression"));
    window->close();
    EXPECT_FALSE(QDir(documents.path() + QStringLiteral("/Quorzen")).exists());
}

TEST_F(ConfigFlow, FirstStartSaveAndCloseGivesTheFirstListing) {
    platform.confirmAnswer = true;
    start([this] { saveSettings(); });
    EXPECT_TRUE(settingsOpened);
    window->close();
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(test::kFirstListing));
}

TEST_F(ConfigFlow, FolderWithoutFileIsWrittenBeforeTheSettingsAreRead) {
    makeConfigDir();
    start();
    EXPECT_FALSE(settingsOpened);
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(test::kSecondListing));
    EXPECT_EQ(settings.language(), Language::French);
    EXPECT_EQ(settings.fieldColor(), QColor(Qt::white));
}

TEST_F(ConfigFlow, StoredSettingsShowAtOnce) {
    writeFile("<Configuration><f_main><Lang>UK</Lang><Color1>clRed</Color1><Dec>2</Dec>"
              "</f_main></Configuration>");
    start();
    EXPECT_FALSE(settingsOpened);
    EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pressure"));
    EXPECT_EQ(settings.decimals(), 2);
    EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->palette().color(QPalette::WindowText),
              QColor(Qt::red));
    EXPECT_TRUE(platform.debugLines.contains(QStringLiteral("Dev myColor1         = clRed")));
    EXPECT_TRUE(platform.debugLines.contains(QStringLiteral("Dev Language         = UK")));
}

// Decimals from the file are taken whole: the decimals control's one-character limit is a
// limit on typing. 12 formats with 12, and a save keeps 12.
TEST_F(ConfigFlow, DecimalsOfTenOrMoreFromTheFileAreKeptWhole) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"12", "12", "1,000000000000 bar", "<Dec>12</Dec>"},
        {"$A", "10", "1,0000000000 bar", "<Dec>10</Dec>"},
    };
    for (const auto& [stored, shown, converted, saved] : cases) {
        SCOPED_TRACE(stored);
        writeFile(QByteArray("<Configuration><f_main><Dec>") + stored +
                  "</Dec></f_main></Configuration>");
        start();
        window->setSeparators({u',', u' '});
        EXPECT_EQ(inDialog<QLineEdit>("Ed_NbDec")->text(), QString::fromLatin1(shown));
        type(field("Ed_Bar"), QStringLiteral("1"));
        enter(field("Ed_Bar"));
        EXPECT_EQ(field("Ed_Bar")->text(), QString::fromUtf8(converted));
        dialog->show();
        platform.confirmAnswer = true;
        saveSettings();
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_TRUE(readFile().contains(saved));
        EXPECT_EQ(inDialog<QLineEdit>("Ed_NbDec")->text(), QString::fromLatin1(shown));
        window.reset();
    }
}

// A fresh account without a documents folder: the user's Save creates it with the rest, and
// the next start is no first start.
TEST_F(ConfigFlow, SaveCreatesAMissingDocumentsFolder) {
    const QString missing = documents.path() + QStringLiteral("/Documents");
    platform.documents = missing;
    platform.confirmAnswer = true;
    start([this] { saveSettings(); });
    EXPECT_TRUE(settingsOpened);
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
    EXPECT_TRUE(QFile::exists(missing + QStringLiteral("/Quorzen/CfgFiles/Baritemp.xml")));
    window.reset();
    settingsOpened = false;
    start();
    EXPECT_FALSE(settingsOpened);
}

// The user pressed Save and answered Yes: when nothing can be written, the box says why, the
// settings window stays open and the values chosen stay.
TEST_F(ConfigFlow, ASaveThatFailsSaysSoAndKeepsTheChoices) {
    struct Case {
        const char* name;
        const char* systemReason; // a fault injected into the file system; none: read-only
        const char* message;
    };
    const QString shownFile = QDir::toNativeSeparators(file());
    const Case cases[] = {
        {"read-only file", "",
         "Le fichier de configuration '%1' est en lecture seule : les paramètres n'ont pas été "
         "enregistrés."},
        {"full disk", "No space left on device",
         "Les paramètres n'ont pas pu être enregistrés dans '%1' : No space left on device."},
        {"folder not writable", "Permission denied",
         "Les paramètres n'ont pas pu être enregistrés dans '%1' : Permission denied."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QByteArray stored = "<Configuration><f_main><Lang>FR</Lang></f_main></Configuration>";
        writeFile(stored);
        test::FaultyFileSystem files;
        if (*c.systemReason == 0)
            QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        start();
        const QByteArray before = readFile(); // as the first show left it
        files.replaceFails = c.systemReason;
        platform.errorBoxes.clear();
        dialog->show();
        QTest::mouseClick(inDialog<GlowLabel>("Label_UK"), Qt::LeftButton);
        inDialog<QLineEdit>("Ed_NbDec")->setText(QStringLiteral("7"));
        platform.confirmAnswer = true;
        saveSettings();
        ASSERT_EQ(platform.errorBoxes.size(), 1);
        EXPECT_EQ(platform.errorBoxes[0].caption,
                  QStringLiteral("Quorzen® Convertisseur d'unités"));
        EXPECT_EQ(platform.errorBoxes[0].text, QString::fromUtf8(c.message).arg(shownFile));
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(settings.language(), Language::English);
        EXPECT_EQ(settings.decimals(), 7);
        EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pressure"));
        EXPECT_EQ(readFile(), before);
        EXPECT_TRUE(before.contains("<Lang>FR</Lang>"));
        dialog->hide();
        window.reset();
        QFile::setPermissions(file(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    }
}

TEST_F(ConfigFlow, ShowCommandsMinimiseOrMaximise) {
    writeFile("<Configuration><f_main><FormVersion>0</FormVersion><ShowCmd>3</ShowCmd>"
              "</f_main></Configuration>");
    start();
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    window.reset();
    writeFile("<Configuration><f_main><FormVersion>0</FormVersion><ShowCmd>2</ShowCmd>"
              "</f_main></Configuration>");
    start();
    QTest::qWait(50);
    EXPECT_TRUE(window->isMinimized());
}

TEST_F(ConfigFlow, ABadColourTextShowsTheErrorAndSkipsTheLook) {
    writeFile("<Configuration><f_main><Lang>UK</Lang><Color1>bleu</Color1></f_main>"
              "</Configuration>");
    start();
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].text,
              QStringLiteral("''bleu'' n'est pas une valeur entière valide."));
    EXPECT_TRUE(in<GlowLabel>("Label_TitlePression")->text().isEmpty()); // the look was not applied
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ConfigFlow, AnUnreadableFileIsReportedAtCreationAndTheBannerSkipped) {
    writeFile("<Configuration><f_main><Lang>UK</lang></f_main></Configuration>");
    createMainWindow();
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].text,
              QStringLiteral("Invalid XML Element: Erroneous end of tag, expecting </Lang> but "
                             "</lang> found at position 38."));
    EXPECT_TRUE(platform.debugLines.isEmpty()); // no banner
}

TEST_F(ConfigFlow, ClosingSavesTheShowState) {
    makeConfigDir();
    start();
    window->close();
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("<?xml version=\"1.0\" encoding=\"Windows-1252\" "
                                      "standalone=\"no\"?>\r\n<Configuration>\r\n  <f_main>\r\n"
                                      "    <FormVersion>0</FormVersion>\r\n"
                                      "    <ShowCmd>1</ShowCmd>\r\n  </f_main>\r\n"
                                      "</Configuration>\r\n"));
}

} // namespace
} // namespace baritemp
