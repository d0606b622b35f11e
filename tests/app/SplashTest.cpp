#include "AppState.h"
#include "FakePlatform.h"
#include "GlowLabel.h"
#include "QtPlatform.h"
#include "Startup.h"
#include "VersionResource.h"
#include "u_SplashFormv2011.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace baritemp {
namespace {

using test::FakePlatform;

class Splash : public ::testing::Test {
protected:
    void SetUp() override {
        AppState.ExecutablePath = QString::fromStdString(RunningExecutablePath());
    }
    void TearDown() override {
        delete form;
        ResetAppState();
    }
    FakePlatform platform;
    QPointer<TSplashFormv2011> form;
};

QColor textColor(const GlowLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

TEST_F(Splash, GlassModeColours) {
    form = TSplashFormv2011::Execute(QStringLiteral("Chargement en cours..."), 40, true);
    EXPECT_EQ(form->LabelMiddle->text(), QStringLiteral("Chargement en cours..."));
    EXPECT_EQ(textColor(form->LabelMiddle), QColor(0, 0, 128)); // navy
    EXPECT_EQ(textColor(form->LabelVersion), QColor(0, 0, 0));  // black
    EXPECT_EQ(form->LabelVersion->text(), QStringLiteral("Baritemp 2011.1.2.0"));
    EXPECT_TRUE(form->LabelVersion->isVisible());
    EXPECT_FALSE(form->LabelError->isVisible());
    EXPECT_EQ(form->LabelMiddle->glowSize(), 7);
    EXPECT_EQ(form->Labeltop->glowSize(), 7);
}

TEST_F(Splash, WithoutGlassOnAnOldSystem) {
    platform.version = {5, 1, 2600};
    form = TSplashFormv2011::Execute(QString(), 25, false);
    EXPECT_EQ(form->LabelMiddle->y(), 25);
    // An empty text keeps the design text.
    EXPECT_EQ(form->LabelMiddle->text(),
              QStringLiteral("Chargement en cours. Veuillez patienter ..."));
    EXPECT_EQ(textColor(form->LabelMiddle), QColor(0, 255, 255)); // aqua
    EXPECT_EQ(textColor(form->LabelVersion), QColor(255, 255, 255));
    EXPECT_EQ(form->LabelMiddle->glowSize(), 0);
    EXPECT_EQ(form->LabelError->glowSize(), 0);
}

TEST_F(Splash, WithoutRecordTheVersionLabelIsHidden) {
    AppState.ExecutablePath = QStringLiteral("/bin/true");
    form = TSplashFormv2011::Execute(QString(), 40, true);
    EXPECT_EQ(form->LabelVersion->text(), QString());
    EXPECT_FALSE(form->LabelVersion->isVisible());
}

TEST_F(Splash, EscClosesItAfterAPauseOtherKeysDoNothing) {
    form = TSplashFormv2011::Execute(QString(), 40, true);
    QTest::keyClick(form, Qt::Key_A);
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(platform.sleeps.isEmpty());
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_EQ(platform.sleeps, QList<int>{50});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull()); // freed on closing
}

TEST(StartupWithSplashClosedEarly, SkipsTheStepsThatWriteToIt) {
    FakePlatform platform;
    StartupWindows windows;
    windows.createMainWindow = [] { return new QWidget; };
    windows.createSettingsWindow = [] { return new QWidget; };
    StartupOptions options;
    options.executablePath = QString::fromStdString(RunningExecutablePath());
    options.runEventLoop = false;
    QStringList steps;
    options.trace = [&](const QString& step) {
        steps << step;
        if (step.startsWith(u'4')) // the user presses Esc while the splash is first painted
            QTest::keyClick(AppState.SplashFormv2011, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    EXPECT_EQ(RunStartupSequence("baritemp", windows, options), 0);
    EXPECT_EQ(steps[3], QStringLiteral("5 splash: (closed)"));
    EXPECT_EQ(steps[6], QStringLiteral("8 splash: (closed)"));
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
    delete AppState.f_main;
    delete AppState.f_settings;
    ResetAppState();
}

} // namespace
} // namespace baritemp

#ifndef _WIN32
namespace baritemp {
namespace {

// The real platform of a Linux desktop, on a kernel of the test's choosing.
class OnKernel : public QtPlatform {
public:
    explicit OnKernel(int major) : major_(major) { Platform::setCurrent(this); }
    ~OnKernel() override { Platform::setCurrent(nullptr); }
    OsVersion osVersion() override { return {major_, 10, 0}; }
    void debugLine(const QString&) override {}

private:
    int major_;
};

// The kernel's version says nothing of the desktop: Debian 11 and Ubuntu 22.04 (5.x) and
// Debian 12 (6.x) show the same splash window.
TEST(SplashOnLinux, LooksTheSameOnAnyKernel) {
    AppState.ExecutablePath = QString::fromStdString(RunningExecutablePath());
    QImage looks[2];
    for (const int major : {5, 6}) {
        OnKernel platform(major);
        QPointer<TSplashFormv2011> form =
            TSplashFormv2011::Execute(QStringLiteral("Chargement en cours..."), 40, true);
        EXPECT_EQ(form->LabelMiddle->glowSize(), 7) << "kernel " << major;
        looks[major - 5] = form->grab().toImage();
        delete form.data();
    }
    EXPECT_EQ(looks[0], looks[1]);
    ResetAppState();
}

} // namespace
} // namespace baritemp
#endif
