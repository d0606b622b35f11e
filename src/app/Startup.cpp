#include "Startup.h"

#include "AppState.h"
#include "BaritempApplication.h"
#include "CommonUtils.h"
#include "FileSystem.h"
#include "GlowLabel.h"
#include "InterfaceTexts.h"
#include "JclFileVersionInfo.h"
#include "JvAppXMLStorage.h"
#include "Platform.h"
#include "Settings.h"
#include "VersionResource.h"
#include "WinCodes.h"
#include "u_SplashFormv2011.h"

#include <QDir>
#include <QIcon>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <exception>
#include <memory>

namespace baritemp {

QString SplashVersionLine(const QString& executablePath, const QString& withoutRecord) {
    const std::string path = executablePath.toStdString();
    if (!HasVersionResource(path))
        return withoutRecord;
    const TJclFileVersionInfo info(path);
    return QStringLiteral("%1® %2 v%3 ")
        .arg(QString::fromStdString(info.CompanyName()),
             QString::fromStdString(info.InternalName()),
             QString::fromStdString(info.FileVersion()));
}

QString MainCaption(const QString& executablePath) {
    const std::string path = executablePath.toStdString();
    if (!HasVersionResource(path))
        return Text(UiText::NoVersionRecord, true);
    const TJclFileVersionInfo info(path);
    return QStringLiteral("%1 v%2").arg(QString::fromStdString(info.InternalName()),
                                        QString::fromStdString(info.FileVersion()));
}

QIcon ApplicationIcon() {
    // The sizes a window system asks of a window's icon (caption, task bar, window switcher);
    // each named with its size, so that none is read before it is asked for, and read once for
    // every window. A screen scaled to 200 % gets the @2x drawings. (The larger icons of the
    // desktop and the Windows icon resource are files of their own.)
    QIcon icon;
    for (const int size : {16, 32, 48})
        icon.addFile(QStringLiteral(":/images/icon_%1.png").arg(size), QSize(size, size));
    return icon;
}

void OpenConfiguration() {
    const QString separator = QDir::separator();
    AppState.DocumentsDir = GetSpecialFolderPath(win::kCsidlPersonal);
    AppState.CompanyDir = AppState.DocumentsDir + separator + QStringLiteral("Quorzen");
    AppState.ConfigDir = AppState.CompanyDir + separator + QStringLiteral("CfgFiles") + separator;
    // ConfigDir ends with a separator already: the doubled one is kept, the file system
    // resolves it. A file that cannot be read raises its error here: the banner is skipped.
    TheSettings().openStore(
        (AppState.ConfigDir + separator + QStringLiteral("Baritemp.xml")).toStdString());
    WriteStartupBanner();
}

bool IsFirstRun() {
    // A file that is there but could not be read counts as there: its defaults, no first run.
    Settings& settings = TheSettings();
    return !settings.hasStore() ||
           (!FileSystem::current().fileExists(settings.storage().FileName()) &&
            !settings.storage().Unreadable());
}

int RunStartupSequence(const char* programName, const StartupWindows& windows,
                       const StartupOptions& options) {
    const auto trace = [&](const QString& what) {
        if (options.trace)
            options.trace(what);
    };
    std::unique_ptr<BaritempApplication> ownApplication;
    const auto ensureApplication = [&]() {
        if (QApplication::instance() == nullptr)
            ownApplication = std::make_unique<BaritempApplication>(programName);
    };
    Platform& platform = Platform::current();
    try {
        // The running executable: the version record is read from it.
        AppState.ExecutablePath = options.executablePath.isEmpty()
                                      ? QString::fromStdString(RunningExecutablePath())
                                      : options.executablePath;
        // The splash window's version line.
        AppState.SplashVersionText =
            SplashVersionLine(AppState.ExecutablePath, Text(UiText::SplashNoVersionRecord, true));
        trace(QStringLiteral("2 version line: [%1]").arg(AppState.SplashVersionText));
        // The application object, its title and icon.
        ensureApplication();
        QApplication::setApplicationName(QStringLiteral("Baritemp"));
        QApplication::setApplicationDisplayName(QString());
        QApplication::setWindowIcon(ApplicationIcon());
        trace(QStringLiteral("3 title: [%1]").arg(ApplicationTitle()));
        // The splash window. The user may close it (Esc) whenever events are processed:
        // what writes to it below applies only while it exists.
        QPointer<TSplashFormv2011> splash =
            TSplashFormv2011::Execute(Text(UiText::Loading, true), 40, true);
        AppState.SplashFormv2011 = splash;
        const auto splashState = [&]() {
            if (splash.isNull())
                return QStringLiteral("(closed)");
            return QStringLiteral("middle [%1] version [%2]%3 error [%4]%5")
                .arg(splash->LabelMiddle->text(), splash->LabelVersion->text(),
                     splash->LabelVersion->isVisible() ? QString() : QStringLiteral(" hidden"),
                     splash->LabelError->text(),
                     splash->LabelError->isVisible() ? QString() : QStringLiteral(" hidden"));
        };
        trace(QStringLiteral("4 splash: ") + splashState());
        // The version line on the splash window, in the visibility Execute chose.
        if (splash) {
            splash->LabelVersion->setText(AppState.SplashVersionText);
            splash->repaint();
        }
        trace(QStringLiteral("5 splash: ") + splashState());
        // The two windows, under a guard: the splash window's closing below runs whatever
        // happens here.
        std::exception_ptr failure;
        try {
            AppState.f_main = windows.createMainWindow();
            trace(QStringLiteral("6a main window created"));
            AppState.f_settings = windows.createSettingsWindow();
            trace(QStringLiteral("6b settings window created"));
        } catch (...) {
            failure = std::current_exception();
        }
        // Closing the splash window: a pause, the loading-finished text painted, a shorter
        // pause, then the window released.
        platform.sleepMs(100);
        if (splash) {
            splash->LabelError->setText(Text(UiText::LoadingDone, true));
            splash->LabelError->setVisible(true);
        }
        trace(QStringLiteral("8 splash: ") + splashState());
        QCoreApplication::processEvents();
        platform.sleepMs(50);
        if (splash)
            splash->deleteLater(); // released: destroyed later, without its close handler
        AppState.SplashFormv2011 = nullptr;
        trace(QStringLiteral("11 splash released"));
        // A window that could not be created ends the start-up now, with the run-time report.
        if (failure)
            std::rethrow_exception(failure);
        if (!options.runEventLoop)
            return 0;
        // Show the main window and run the event loop until it closes: closing it ends the
        // program, closing the settings window never does.
        AppState.f_main->setAttribute(Qt::WA_QuitOnClose, true);
        if (AppState.f_settings != nullptr)
            AppState.f_settings->setAttribute(Qt::WA_QuitOnClose, false);
        // Shown from inside the loop: its first show may open the settings window modally,
        // and a request to end must then reach every loop.
        QTimer::singleShot(0, AppState.f_main, [] { AppState.f_main->show(); });
        trace(QStringLiteral("13 event loop"));
        const int code = QApplication::exec();
        delete AppState.f_settings;
        delete AppState.f_main;
        AppState.f_settings = nullptr;
        AppState.f_main = nullptr;
        return code;
    } catch (const std::exception& e) {
        ensureApplication();
        platform.showErrorBox(QStringLiteral("Erreur d'application"),
                              RunTimeReportText(e, AppState.ExecutablePath));
        return 1;
    }
}

} // namespace baritemp
