#include "FakePlatform.h"
#include "GlowLabel.h"
#include "QtPlatform.h"
#include "SplashScreen.h"
#include "Startup.h"
#include "VersionResource.h"
#include "VersionTexts.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace baritemp {
namespace {

using test::FakePlatform;

GlowLabel* label(QWidget* splash, const char* name) {
    return splash->findChild<GlowLabel*>(QString::fromLatin1(name));
}

QColor textColor(QWidget* splash, const char* name) {
    return label(splash, name)->palette().color(QPalette::WindowText);
}

class Splash : public ::testing::Test {
protected:
    void TearDown() override { delete form; }
    FakePlatform platform;
    VersionTexts version = ReadVersionTexts(RunningExecutablePath());
    QPointer<SplashScreen> form;
};

TEST_F(Splash, GlassModeColours) {
    form =
        SplashScreen::open(platform, QStringLiteral("Chargement en cours..."), 40, true, version);
    EXPECT_EQ(label(form, "LabelMiddle")->text(), QStringLiteral("Chargement en cours..."));
    EXPECT_EQ(textColor(form, "LabelMiddle"), QColor(0, 0, 128)); // navy
    EXPECT_EQ(textColor(form, "LabelVersion"), QColor(0, 0, 0));  // black
    EXPECT_EQ(label(form, "LabelVersion")->text(), QStringLiteral("Baritemp 2011.1.2.0"));
    EXPECT_TRUE(label(form, "LabelVersion")->isVisible());
    EXPECT_FALSE(label(form, "LabelError")->isVisible());
    EXPECT_EQ(label(form, "LabelMiddle")->glowSize(), 7);
    EXPECT_EQ(label(form, "Labeltop")->glowSize(), 7);
}

TEST_F(Splash, WithoutGlassOnAnOldSystem) {
    platform.version = {5, 1, 2600};
    form = SplashScreen::open(platform, QString(), 25, false, version);
    EXPECT_EQ(label(form, "LabelMiddle")->y(), 25);
    // An empty text keeps the design text.
    EXPECT_EQ(label(form, "LabelMiddle")->text(),
              QStringLiteral("Chargement en cours. Veuillez patienter ..."));
    EXPECT_EQ(textColor(form, "LabelMiddle"), QColor(0, 255, 255)); // aqua
    EXPECT_EQ(textColor(form, "LabelVersion"), QColor(255, 255, 255));
    EXPECT_EQ(label(form, "LabelMiddle")->glowSize(), 0);
    EXPECT_EQ(label(form, "LabelError")->glowSize(), 0);
}

TEST_F(Splash, WithoutRecordTheVersionLabelIsHidden) {
    form = SplashScreen::open(platform, QString(), 40, true, ReadVersionTexts("/bin/true"));
    EXPECT_EQ(label(form, "LabelVersion")->text(), QString());
    EXPECT_FALSE(label(form, "LabelVersion")->isVisible());
}

TEST_F(Splash, EscClosesItAfterAPauseOtherKeysDoNothing) {
    form = SplashScreen::open(platform, QString(), 40, true, version);
    QTest::keyClick(form, Qt::Key_A);
    QTest::keyClick(form, Qt::Key_Space);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(platform.pauses.isEmpty());
    QTest::keyClick(form, Qt::Key_Escape);
    EXPECT_EQ(platform.pauses, QList<int>{50});
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(form.isNull()); // freed on closing
}

TEST(StartupWithSplashClosedEarly, SkipsTheStagesThatWriteToIt) {
    FakePlatform platform;
    StartupWindows windows;
    windows.createMainWindow = [](Settings&, const VersionTexts&) {
        return std::make_unique<QWidget>();
    };
    windows.createSettingsWindow = [](Settings&) { return std::make_unique<QWidget>(); };
    StartupOptions options;
    options.executablePath = QString::fromStdString(RunningExecutablePath());
    options.runEventLoop = false;
    QStringList steps;
    options.trace = [&](const QString& step) {
        steps << step;
        // The user presses Esc while the splash window is first painted.
        if (step.startsWith(QLatin1String("splash shown"))) {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (w->objectName() == QLatin1String("SplashFormv2011") && w->isVisible())
                    QTest::keyClick(w, Qt::Key_Escape);
            }
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    EXPECT_EQ(RunStartup("baritemp", windows, platform, options), 0);
    EXPECT_EQ(steps[3], QStringLiteral("splash version line: (closed)"));
    EXPECT_EQ(steps[6], QStringLiteral("splash finished: (closed)"));
    EXPECT_TRUE(platform.errorBoxes.isEmpty());
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
    const VersionTexts version = ReadVersionTexts(RunningExecutablePath());
    QImage looks[2];
    for (const int major : {5, 6}) {
        OnKernel platform(major);
        QPointer<SplashScreen> form = SplashScreen::open(
            platform, QStringLiteral("Chargement en cours..."), 40, true, version);
        EXPECT_EQ(label(form, "LabelMiddle")->glowSize(), 7) << "kernel " << major;
        looks[major - 5] = form->grab().toImage();
        delete form.data();
    }
    EXPECT_EQ(looks[0], looks[1]);
}

} // namespace
} // namespace baritemp
#endif
