#include "Startup.h"
#include "FakePlatform.h"
#include "Settings.h"
#include "VersionResource.h"
#include "VersionTexts.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

namespace baritemp {
namespace {

using test::FakePlatform;

// Start-up with stand-ins for the two windows, up to the release of the splash window.
class StartupSequence : public ::testing::Test {
protected:
    QStringList run(const QString& executable, bool failSettings = false) {
        StartupWindows windows;
        windows.createMainWindow = [this](Settings&, const VersionTexts&) {
            auto w = std::make_unique<QWidget>();
            w->setWindowTitle(QStringLiteral("main"));
            mainMade = true;
            return w;
        };
        windows.createSettingsWindow = [this, failSettings](Settings&) {
            if (failSettings)
                throw std::runtime_error("The settings window cannot be built");
            auto w = std::make_unique<QWidget>();
            settingsVisible = [window = w.get()] { return window->isVisible(); };
            return w;
        };
        StartupOptions options;
        options.executablePath = executable;
        options.runEventLoop = false;
        QStringList steps;
        options.trace = [&](const QString& step) {
            steps << step;
            if (step == QLatin1String("settings window created"))
                settingsHiddenAtCreation = !settingsVisible();
        };
        exitCode = RunStartup("baritemp", windows, platform, options);
        return steps;
    }

    FakePlatform platform;
    int exitCode = -1;
    bool mainMade = false;
    std::function<bool()> settingsVisible = [] { return false; };
    bool settingsHiddenAtCreation = false;
};

TEST_F(StartupSequence, WithThisBuildsRecord) {
    const QStringList steps = run(QString::fromStdString(RunningExecutablePath()));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(steps,
              (QStringList{
                  QStringLiteral("version line: [Quorzen® Baritemp v2011.1.2.0 ]"),
                  QStringLiteral("title: [Quorzen® Convertisseur d'unités]"),
                  QStringLiteral("splash shown: middle [Chargement en cours...] version [Baritemp "
                                 "2011.1.2.0] error [erreur(s)] hidden"),
                  QStringLiteral("splash version line: middle [Chargement en cours...] version "
                                 "[Quorzen® Baritemp v2011.1.2.0 ] error [erreur(s)] hidden"),
                  QStringLiteral("main window created"),
                  QStringLiteral("settings window created"),
                  QStringLiteral("splash finished: middle [Chargement en cours...] version "
                                 "[Quorzen® Baritemp v2011.1.2.0 ] error [Chargement terminé...]"),
                  QStringLiteral("splash released"),
              }));
    EXPECT_EQ(platform.pauses, (QList<int>{100, 50}));
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
    EXPECT_TRUE(mainMade);
    EXPECT_TRUE(settingsHiddenAtCreation);
}

TEST_F(StartupSequence, WithoutRecordTheVersionLineStaysHidden) {
    const QStringList steps = run(QStringLiteral("/bin/true"));
    EXPECT_EQ(steps[0], QStringLiteral("version line: [No FileVersion]"));
    EXPECT_EQ(steps[2], QStringLiteral("splash shown: middle [Chargement en cours...] version [] "
                                       "hidden error [erreur(s)] hidden"));
    EXPECT_EQ(steps[3], QStringLiteral("splash version line: middle [Chargement en cours...] "
                                       "version [No FileVersion] hidden error [erreur(s)] hidden"));
}

TEST_F(StartupSequence, AWindowThatCannotBeBuiltEndsItWithTheRunTimeReport) {
    const QStringList steps = run(QString::fromStdString(RunningExecutablePath()), true);
    EXPECT_EQ(exitCode, 1);
    // The closing stages still ran.
    EXPECT_TRUE(steps.contains(QStringLiteral("splash released")));
    EXPECT_TRUE(steps[5].contains(QStringLiteral("error [Chargement terminé...]")));
    ASSERT_EQ(platform.errorBoxes.size(), 1);
    EXPECT_EQ(platform.errorBoxes[0].caption, QStringLiteral("Erreur d'application"));
    EXPECT_TRUE(platform.errorBoxes[0].text.startsWith(
        QStringLiteral("Exception std::runtime_error dans le module test_")))
        << platform.errorBoxes[0].text.toStdString();
    EXPECT_TRUE(platform.errorBoxes[0].text.endsWith(
        QStringLiteral("The settings window cannot be built.\r\n")));
}

TEST(MainCaption, ComesFromTheRecord) {
    EXPECT_EQ(ReadVersionTexts(RunningExecutablePath()).caption("No Filversion"),
              "Baritemp v2011.1.2.0");
    EXPECT_EQ(ReadVersionTexts("/bin/true").caption("No Filversion"), "No Filversion");
}

} // namespace
} // namespace baritemp
