#include "Startup.h"
#include "AppState.h"
#include "FakePlatform.h"
#include "VersionResource.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace baritemp {
namespace {

using test::FakePlatform;

class StartupSequence : public ::testing::Test {
protected:
    void TearDown() override {
        delete AppState.f_main;
        delete AppState.f_settings;
        ResetAppState();
    }

    QStringList run(const QString& executable, bool failSettings = false) {
        StartupWindows windows;
        windows.createMainWindow = [] {
            auto* w = new QWidget;
            w->setWindowTitle(QStringLiteral("main"));
            return w;
        };
        windows.createSettingsWindow = [failSettings]() -> QWidget* {
            if (failSettings)
                throw std::runtime_error("The settings window cannot be built");
            return new QWidget;
        };
        StartupOptions options;
        options.executablePath = executable;
        options.runEventLoop = false;
        QStringList steps;
        options.trace = [&](const QString& step) { steps << step; };
        exitCode = RunStartupSequence("baritemp", windows, options);
        return steps;
    }

    FakePlatform platform;
    int exitCode = -1;
};

TEST_F(StartupSequence, WithThisBuildsRecord) {
    const QStringList steps = run(QString::fromStdString(RunningExecutablePath()));
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(steps,
              (QStringList{
                  QStringLiteral("2 version line: [Quorzen® Baritemp v2011.1.2.0 ]"),
                  QStringLiteral("3 title: [Quorzen® Convertisseur d'unités]"),
                  QStringLiteral("4 splash: middle [Chargement en cours...] version [Baritemp "
                                 "2011.1.2.0] error [erreur(s)] hidden"),
                  QStringLiteral("5 splash: middle [Chargement en cours...] version [Quorzen® "
                                 "Baritemp v2011.1.2.0 ] error [erreur(s)] hidden"),
                  QStringLiteral("6a main window created"),
                  QStringLiteral("6b settings window created"),
                  QStringLiteral("8 splash: middle [Chargement en cours...] version [Quorzen® "
                                 "Baritemp v2011.1.2.0 ] error [Chargement terminé...]"),
                  QStringLiteral("11 splash released"),
              }));
    EXPECT_EQ(platform.sleeps, (QList<int>{100, 50}));
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
    EXPECT_NE(AppState.f_main, nullptr);
    EXPECT_NE(AppState.f_settings, nullptr);
    EXPECT_FALSE(AppState.f_settings->isVisible());
}

TEST_F(StartupSequence, WithoutRecordTheVersionLineStaysHidden) {
    const QStringList steps = run(QStringLiteral("/bin/true"));
    EXPECT_EQ(steps[0], QStringLiteral("2 version line: [No FileVersion]"));
    EXPECT_EQ(steps[2], QStringLiteral("4 splash: middle [Chargement en cours...] version [] "
                                       "hidden error [erreur(s)] hidden"));
    EXPECT_EQ(steps[3], QStringLiteral("5 splash: middle [Chargement en cours...] version [No "
                                       "FileVersion] hidden error [erreur(s)] hidden"));
    EXPECT_EQ(AppState.SplashVersionText, QStringLiteral("No FileVersion"));
}

TEST_F(StartupSequence, AWindowThatCannotBeBuiltEndsItWithTheRunTimeReport) {
    const QStringList steps = run(QString::fromStdString(RunningExecutablePath()), true);
    EXPECT_EQ(exitCode, 1);
    // The closing steps still ran.
    EXPECT_TRUE(steps.contains(QStringLiteral("11 splash released")));
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
    EXPECT_EQ(MainCaption(QString::fromStdString(RunningExecutablePath())),
              QStringLiteral("Baritemp v2011.1.2.0"));
    EXPECT_EQ(MainCaption(QStringLiteral("/bin/true")), QStringLiteral("No Filversion"));
}

} // namespace
} // namespace baritemp
