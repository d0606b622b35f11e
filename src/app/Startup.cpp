#include "Startup.h"

#include "Artwork.h"
#include "BaritempApplication.h"
#include "GlowLabel.h"
#include "Platform.h"
#include "Settings.h"
#include "SplashScreen.h"
#include "StartupBanner.h"
#include "StartupTimeline.h"
#include "VersionResource.h"
#include "VersionTexts.h"

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <exception>
#include <memory>

namespace baritemp {

namespace {

constexpr const char* kNoVersionLine = "No FileVersion";

// The stages of start-up, with what each leaves behind for the next.
class Startup {
public:
    Startup(const char* programName, const StartupWindows& windows, Platform& platform,
            const StartupOptions& options)
        : programName_(programName), windows_(windows), platform_(platform), options_(options) {}

    int run();

private:
    void trace(const QString& what) const {
        if (options_.trace)
            options_.trace(what);
    }
    void ensureApplication();
    void readVersionRecord();
    void startApplication();
    void showSplash();
    void createWindows();
    void finishSplash();
    int runEventLoop();
    QString splashState() const;

    const char* programName_;
    const StartupWindows& windows_;
    Platform& platform_;
    const StartupOptions& options_;
    std::unique_ptr<BaritempApplication> ownApplication_;
    QString executablePath_;
    VersionTexts version_;
    QPointer<SplashScreen> splash_;
    // Declared before the windows: they are handed it, and it outlives them.
    std::unique_ptr<Settings> settings_;
    std::unique_ptr<QWidget> mainWindow_;
    std::unique_ptr<QWidget> settingsWindow_;
};

void Startup::ensureApplication() {
    if (QApplication::instance() == nullptr)
        ownApplication_ = std::make_unique<BaritempApplication>(programName_);
}

void Startup::readVersionRecord() {
    executablePath_ = options_.executablePath.isEmpty()
                          ? QString::fromStdString(RunningExecutablePath())
                          : options_.executablePath;
    version_ = ReadVersionTexts(executablePath_.toStdString());
    trace(QStringLiteral("version line: [%1]")
              .arg(QString::fromStdString(version_.versionLine(kNoVersionLine))));
}

void Startup::startApplication() {
    ensureApplication();
    StartupTimeline::mark("application object");
    QApplication::setApplicationName(QStringLiteral("Baritemp"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(ApplicationIcon());
    trace(QStringLiteral("title: [%1]").arg(BaritempApplication::title()));
}

QString Startup::splashState() const {
    if (splash_.isNull())
        return QStringLiteral("(closed)");
    const auto label = [this](const char* name) {
        return splash_->findChild<GlowLabel*>(QString::fromLatin1(name));
    };
    const auto shown = [](const GlowLabel* l) {
        return QStringLiteral("[%1]%2").arg(l->text(),
                                            l->isVisible() ? QString() : QStringLiteral(" hidden"));
    };
    return QStringLiteral("middle [%1] version %2 error %3")
        .arg(label("LabelMiddle")->text(), shown(label("LabelVersion")),
             shown(label("LabelError")));
}

// The user may close the splash window (Esc) whenever events are processed: what writes to it
// below applies only while it exists.
void Startup::showSplash() {
    splash_ =
        SplashScreen::open(platform_,
                           BaritempApplication::fixedText(
                               "SplashScreen", QT_TRANSLATE_NOOP("SplashScreen", "Loading...")),
                           40, true, version_);
    trace(QStringLiteral("splash shown: ") + splashState());
    if (splash_)
        splash_->setVersionLine(QString::fromStdString(version_.versionLine(kNoVersionLine)));
    trace(QStringLiteral("splash version line: ") + splashState());
}

void Startup::createWindows() {
    settings_ = std::make_unique<Settings>();
    BaritempApplication::current().follow(*settings_);
    mainWindow_ = windows_.createMainWindow(*settings_, version_);
    StartupTimeline::mark("main window built");
    try {
        OpenConfiguration(*settings_, platform_, version_);
    } catch (const std::exception& e) {
        // Shown as the window is made; the banner is skipped, the window stays.
        BaritempApplication::reportError(e);
    }
    StartupTimeline::mark("configuration opened, banner");
    trace(QStringLiteral("main window created"));
    settingsWindow_ = windows_.createSettingsWindow(*settings_);
    StartupTimeline::mark("settings window built");
    trace(QStringLiteral("settings window created"));
}

// A pause, the loading-finished text painted, a shorter pause, then the window released:
// destroyed later, without its close handler.
void Startup::finishSplash() {
    platform_.pause(100);
    if (splash_)
        splash_->showFinished();
    trace(QStringLiteral("splash finished: ") + splashState());
    QCoreApplication::processEvents();
    platform_.pause(50);
    if (splash_)
        splash_->deleteLater();
    trace(QStringLiteral("splash released"));
}

// The main window shown and the event loop run until it closes: closing it ends the program,
// closing the settings window never does.
int Startup::runEventLoop() {
    mainWindow_->setAttribute(Qt::WA_QuitOnClose, true);
    if (settingsWindow_)
        settingsWindow_->setAttribute(Qt::WA_QuitOnClose, false);
    // Shown from inside the loop: its first show may open the settings window modally, and a
    // request to end must then reach every loop.
    QWidget* main = mainWindow_.get();
    StartupTimeline::markFirstFrame(main, "main window's first frame");
    QTimer::singleShot(0, main, [main] {
        StartupTimeline::mark("event loop");
        main->show();
        StartupTimeline::mark("main window shown");
    });
    trace(QStringLiteral("event loop"));
    const int code = QApplication::exec();
    settingsWindow_.reset();
    mainWindow_.reset();
    return code;
}

int Startup::run() {
    try {
        readVersionRecord();
        StartupTimeline::mark("version record");
        startApplication();
        StartupTimeline::mark("application set up");
        showSplash();
        StartupTimeline::mark("splash shown");
        // The windows under a guard: the splash window's closing below runs whatever happens.
        std::exception_ptr failure;
        try {
            createWindows();
        } catch (...) {
            failure = std::current_exception();
        }
        finishSplash();
        StartupTimeline::mark("splash finished (150 ms of pauses)");
        // A window that could not be made ends the start-up now, with the run-time report.
        if (failure)
            std::rethrow_exception(failure);
        return options_.runEventLoop ? runEventLoop() : 0;
    } catch (const std::exception& e) {
        ensureApplication();
        platform_.showErrorBox(BaritempApplication::fixedText(
                                   "BaritempApplication",
                                   QT_TRANSLATE_NOOP("BaritempApplication", "Application error")),
                               RunTimeReportText(e, executablePath_));
        return 1;
    }
}

} // namespace

int RunStartup(const char* programName, const StartupWindows& windows, Platform& platform,
               const StartupOptions& options) {
    return Startup(programName, windows, platform, options).run();
}

void OpenConfiguration(Settings& settings, SystemInfo& system, const VersionTexts& version) {
    const QString documents = system.documentsFolder().left(261);
    settings.openStore(ConfigLocationIn(documents.toStdString()));
    WriteStartupBanner(system, version);
}

QIcon ApplicationIcon() {
    // The sizes a window system asks of a window's icon (caption, task bar, window switcher),
    // read once for every window; a screen scaled beyond 100 % gets the @2x drawings beside
    // them. (The larger icons of the desktop and the Windows icon resource are files of their
    // own.)
    QIcon icon;
    const qreal ratio = qGuiApp->devicePixelRatio();
    for (const char* name : {"icon_16", "icon_32", "icon_48"}) {
        icon.addPixmap(ArtworkPicture(name, 1.0));
        if (ratio > 1.0)
            icon.addPixmap(ArtworkPicture(name, ratio));
    }
    return icon;
}

} // namespace baritemp
