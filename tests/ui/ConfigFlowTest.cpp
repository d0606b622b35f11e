#include "AppState.h"
#include "ConfigListings.h"
#include "FakePlatform.h"
#include "GlowLabel.h"
#include "VersionResource.h"
#include "u_main.h"
#include "u_settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace baritemp {
namespace {

using test::FakePlatform;

// Start-up flows of the main window with the configuration file, in a documents folder of
// their own.
class ConfigFlow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(documents.isValid());
        platform.documents = documents.path();
        AppState.ExecutablePath = QString::fromStdString(RunningExecutablePath());
        settings = std::make_unique<Tf_settings>();
        AppState.f_settings = settings.get();
    }
    void TearDown() override {
        window.reset();
        settings.reset();
        ResetAppState();
    }

    QString configDir() const { return documents.path() + QStringLiteral("/Quorzen/CfgFiles"); }
    QString file() const { return configDir() + QStringLiteral("/Baritemp.xml"); }
    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(configDir());
        QFile f(file());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    // Shows the main window; `onSettings` runs when the settings window opens by itself.
    void start(const std::function<void()>& onSettings = {}) {
        window = std::make_unique<Tf_main>();
        AppState.f_main = window.get();
        QTimer::singleShot(0, settings.get(), [this, onSettings] {
            if (settings->isVisible()) {
                settingsOpened = true;
                mainVisibleMeanwhile = window->isVisible() && !window->isHidden();
                if (onSettings)
                    onSettings();
                settings->reject();
            }
        });
        window->show();
    }

    QTemporaryDir documents;
    FakePlatform platform;
    std::unique_ptr<Tf_settings> settings;
    std::unique_ptr<Tf_main> window;
    bool settingsOpened = false;
    bool mainVisibleMeanwhile = false;
};

TEST_F(ConfigFlow, FirstStartOpensTheSettingsAndWritesNothing) {
    start();
    EXPECT_TRUE(settingsOpened);
    EXPECT_EQ(settings->windowTitle(), QStringLiteral("Configuration"));
    EXPECT_FALSE(QDir(documents.path() + QStringLiteral("/Quorzen")).exists());
    EXPECT_EQ(AppState.myLang, QStringLiteral("FR"));
    EXPECT_EQ(AppState.myNbDec, 4);
    EXPECT_EQ(window->Label_TitlePression->text(), QStringLiteral("Pression"));
    window->close();
    EXPECT_FALSE(QDir(documents.path() + QStringLiteral("/Quorzen")).exists());
}

TEST_F(ConfigFlow, FirstStartSaveAndCloseGivesTheFirstListing) {
    platform.confirmAnswer = 6;
    start([this] { settings->ASaveExecute(); });
    EXPECT_TRUE(settingsOpened);
    window->close();
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(test::kFirstListing));
}

TEST_F(ConfigFlow, FolderWithoutFileIsWrittenBeforeFormShow) {
    QDir().mkpath(configDir());
    start();
    EXPECT_FALSE(settingsOpened);
    QFile f(file());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray(test::kSecondListing));
    EXPECT_EQ(AppState.myLang, QStringLiteral("FR"));
    EXPECT_EQ(AppState.myColor2, 0xFFFFFFu);
}

TEST_F(ConfigFlow, StoredSettingsShowAtOnce) {
    writeFile("<Configuration><f_main><Lang>UK</Lang><Color1>clRed</Color1><Dec>2</Dec>"
              "</f_main></Configuration>");
    start();
    EXPECT_FALSE(settingsOpened);
    EXPECT_EQ(window->Label_TitlePression->text(), QStringLiteral("Pressure"));
    EXPECT_EQ(AppState.myNbDec, 2);
    EXPECT_EQ(window->Label_TitlePression->palette().color(QPalette::WindowText), QColor(Qt::red));
    EXPECT_TRUE(platform.debugLines.contains(QStringLiteral("Dev myColor1         = clRed")));
    EXPECT_TRUE(platform.debugLines.contains(QStringLiteral("Dev Language         = UK")));
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

TEST_F(ConfigFlow, ABadColourTextShowsTheErrorAndSkipsRefreshForm) {
    writeFile("<Configuration><f_main><Lang>UK</Lang><Color1>bleu</Color1></f_main>"
              "</Configuration>");
    start();
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].text,
              QStringLiteral("''bleu'' n'est pas une valeur entière valide."));
    EXPECT_TRUE(window->Label_TitlePression->text().isEmpty()); // RefreshForm did not run
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ConfigFlow, AnUnreadableFileIsReportedAtCreationAndTheBannerSkipped) {
    writeFile("<Configuration><f_main><Lang>UK</lang></f_main></Configuration>");
    window = std::make_unique<Tf_main>();
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].text,
              QStringLiteral("Invalid XML Element: Erroneous end of tag, expecting </Lang> but "
                             "</lang> found at position 38."));
    EXPECT_TRUE(platform.debugLines.isEmpty()); // no banner
}

TEST_F(ConfigFlow, ClosingSavesTheShowState) {
    QDir().mkpath(configDir());
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
