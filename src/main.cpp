// The entry point: the program composed. Start-up makes the application object, the settings
// and, through the two functions below, the windows; each is handed the platform's services it
// uses.
#include "MainWindow.h"
#include "Platform.h"
#include "SettingsDialog.h"
#include "Startup.h"
#include "StartupTimeline.h"
#include "SystemSettingsNotifier.h"

#include <memory>

int main(int, char** argv) {
    using namespace baritemp;
    StartupTimeline::mark("main");
    Platform& platform = Platform::current();
    MainWindow* mainWindow = nullptr;
    StartupWindows windows;
    windows.createMainWindow = [&](Settings& settings, const VersionTexts& version) {
        auto window = std::make_unique<MainWindow>(settings, platform, version);
        platform.endOnTerminationRequest(window.get());
        // The regional separators follow the system's settings.
        auto* system = new SystemSettingsNotifier(platform, window.get());
        QObject::connect(system, &SystemSettingsNotifier::settingsChanged, window.get(),
                         &MainWindow::readRegionalSettings);
        mainWindow = window.get();
        return window;
    };
    // The tools icon, and the first start, open the settings window modally.
    windows.createSettingsWindow = [&](Settings& settings) {
        auto dialog = std::make_unique<SettingsDialog>(settings, platform);
        QObject::connect(mainWindow, &MainWindow::settingsRequested, dialog.get(), &QDialog::exec);
        return dialog;
    };
    return RunStartup(argv[0], windows, platform);
}
