#include "ColorText.h"
#include "ConfigListings.h"
#include "ConfigSection.h"
#include "ConfigStore.h"
#include "FaultyFileSystem.h"
#include "GlowLabel.h"
#include "WindowTest.h"

#include <QDir>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace baritemp {
namespace {

// What a user saves through the real windows, with a file system that fails where the test
// says: the file holds the old bytes or the new ones, never a mix; the windows show what the
// file holds whenever the settings window closes; and nothing the user cancelled reaches the
// file later.
class SaveTransaction : public test::WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        platform.confirmAnswer = true;
    }

    // Shows the main window; `onSettings` runs in the settings window when it opens by itself,
    // which is then cancelled unless it closed.
    void start(const std::function<void()>& onSettings = {}) {
        createWindows();
        QTimer::singleShot(0, dialog.get(), [this, onSettings] {
            if (!dialog->isVisible())
                return;
            if (onSettings)
                onSettings();
            if (dialog->isVisible())
                dialog->reject();
        });
        window->show();
        QCoreApplication::processEvents(); // the check above, when nothing opened by itself
    }
    // The user's choice in the settings window: English, 7 decimals, then Save and "Oui".
    void chooseEnglishAndSave() {
        QTest::mouseClick(inDialog<GlowLabel>("Label_UK"), Qt::LeftButton);
        inDialog<QLineEdit>("Ed_NbDec")->setText(QStringLiteral("7"));
        saveSettings();
    }
    // Opens the settings window as the tools icon does, and runs `inside` in it; cancelled
    // when still open afterwards.
    void inSettings(const std::function<void()>& inside) {
        QTimer::singleShot(0, dialog.get(), [this, inside] {
            inside();
            if (dialog->isVisible())
                dialog->reject();
        });
        in<PictureButton>("JvImg_Tools")->click();
    }
    // After the settings window closed: the windows show the language and decimals the file
    // holds (the defaults when it holds none).
    void expectWindowsShowTheFile() {
        const QByteArray held = readFile();
        const bool english = held.contains("<Lang>UK</Lang>");
        EXPECT_EQ(settings.language(), english ? Language::English : Language::French);
        EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(),
                  english ? QStringLiteral("Pressure") : QStringLiteral("Pression"));
        EXPECT_EQ(settings.decimals(), held.contains("<Dec>7</Dec>") ? 7 : 4);
    }
};

// The first report, step by step: Save fails (the folder is not writable), the box says so,
// Cancel; the main window is back to the stored values, and once the folder is writable again
// the closing stores the placement, never the cancelled choices.
TEST_F(SaveTransaction, CancelAfterAFailedSaveShowsTheStoredValues) {
    writeFile(test::kFirstListing);
    test::FaultyFileSystem files;
    start();
    files.replaceFails = "Permission denied";
    inSettings([this] {
        chooseEnglishAndSave();
        ASSERT_EQ(platform.errorBoxes.size(), 1);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(),
                  QStringLiteral("Pressure")); // chosen
        dialog->close();
    });
    EXPECT_EQ(settings.language(), Language::French);
    EXPECT_EQ(settings.decimals(), 4);
    EXPECT_EQ(in<GlowLabel>("Label_TitlePression")->text(), QStringLiteral("Pression"));
    window->setSeparators({u',', u' '});
    type(field("Ed_Bar"), QStringLiteral("1"));
    enter(field("Ed_Bar"));
    EXPECT_EQ(field("Ed_Bar")->text(), QStringLiteral("1,0000 bar"));
    files.replaceFails.clear();
    window->close();
    EXPECT_EQ(readFile(), QByteArray(test::kFirstListing));
}

// Another running copy saves while this one runs: closing this one keeps that save, and this
// one's settings window shows it when it closes.
TEST_F(SaveTransaction, AnotherCopysSaveSurvivesThisOnesClosing) {
    writeFile(test::kFirstListing);
    start();
    {
        ConfigStore other;
        ConfigSection otherSection(other, "f_main");
        other.setFileName(file().toStdString());
        other.beginUpdate();
        otherSection.writeString("Lang", "UK");
        ASSERT_TRUE(other.endUpdateAsSave());
    }
    inSettings([] {});
    expectWindowsShowTheFile();
    EXPECT_EQ(settings.language(), Language::English);
    window->showMaximized();
    window->close();
    const QByteArray held = readFile();
    EXPECT_TRUE(held.contains("<Lang>UK</Lang>")) << held.toStdString();
    EXPECT_TRUE(held.contains("<ShowCmd>3</ShowCmd>")) << held.toStdString();
}

// This copy saves while another runs: the other's closing keeps the save.
TEST_F(SaveTransaction, ThisCopysSaveSurvivesAnothersClosing) {
    writeFile(test::kFirstListing);
    ConfigStore other;
    ConfigSection otherSection(other, "f_main");
    other.setFileName(file().toStdString());
    start();
    inSettings([this] { chooseEnglishAndSave(); });
    struct Normal : PlacementTarget {
        State state() override { return State::Normal; }
        bool applicationMinimised() override { return false; }
        void setState(State) override {}
        void minimiseApplication() override {}
    } otherWindow;
    otherSection.savePlacement(otherWindow);
    const QByteArray held = readFile();
    EXPECT_TRUE(held.contains("<Lang>UK</Lang>")) << held.toStdString();
    EXPECT_TRUE(held.contains("<Dec>7</Dec>")) << held.toStdString();
}

enum class Flow { FirstStart, Save, Closing };

struct FlowCase {
    const char* name;
    Flow flow;
};

void PrintTo(const FlowCase& c, std::ostream* os) {
    *os << c.name;
}

class EveryFailure : public SaveTransaction, public ::testing::WithParamInterface<FlowCase> {
protected:
    // The flow from the start of the program to its end, with the N-th file operation failing
    // (0: none). Returns the number of operations the flow asked for.
    int run(int failAt) {
        const Flow flow = GetParam().flow;
        dialog.reset(); // a new run of the program
        if (flow != Flow::FirstStart)
            writeFile(test::kFirstListing);
        const QByteArray old = readFile();
        test::FaultyFileSystem files;
        files.failAt = failAt;
        bool saved = false;
        qsizetype boxesBeforeSave = 0;
        const auto save = [&] {
            boxesBeforeSave = platform.errorBoxes.size();
            chooseEnglishAndSave();
            saved = !dialog->isVisible();
            if (!saved)
                dialog->close();
        };
        if (flow == Flow::FirstStart)
            start(save);
        else
            start();
        if (flow == Flow::Save)
            inSettings(save);
        if (flow != Flow::Closing)
            expectWindowsShowTheFile();
        const QByteArray afterSave = readFile();
        window->close();
        window.reset();
        const QByteArray held = readFile();
        // Old bytes or new ones, nothing in between: every file the flow leaves reads whole.
        for (const QByteArray& bytes : {afterSave, held}) {
            if (bytes != old) {
                EXPECT_TRUE(bytes.startsWith("<?xml ") && bytes.endsWith("</Configuration>\r\n"))
                    << bytes.toStdString();
            }
        }
        // What the user saw fail, and cancelled, never reaches the file.
        EXPECT_EQ(held.contains("<Lang>UK</Lang>"), saved) << held.toStdString();
        EXPECT_EQ(afterSave.contains("<Lang>UK</Lang>"), saved);
        if (flow != Flow::Closing) { // a failed save, and only that, says so
            EXPECT_EQ(platform.errorBoxes.size() - boxesBeforeSave, saved ? 0 : 1);
        }
        const QStringList left = QDir(configDir()).entryList(QDir::Files | QDir::Hidden);
        EXPECT_TRUE(left.isEmpty() || left == QStringList{QStringLiteral("Baritemp.xml")})
            << left.join(u' ').toStdString();
        QDir(documents.path()).removeRecursively();
        QDir().mkpath(documents.path());
        platform.errorBoxes.clear();
        return static_cast<int>(files.operations.size());
    }
};

TEST_P(EveryFailure, LeavesTheOldFileOrTheNewOne) {
    const int operations = run(0);
    ASSERT_GT(operations, 0);
    for (int failAt = 1; failAt <= operations; ++failAt) {
        SCOPED_TRACE("operation " + std::to_string(failAt) + " of " + std::to_string(operations));
        run(failAt);
    }
}

INSTANTIATE_TEST_SUITE_P(Flows, EveryFailure,
                         ::testing::Values(FlowCase{"FirstStart", Flow::FirstStart},
                                           FlowCase{"Save", Flow::Save},
                                           FlowCase{"Closing", Flow::Closing}),
                         [](const ::testing::TestParamInfo<FlowCase>& info) {
                             return info.param.name;
                         });

} // namespace
} // namespace baritemp
