// The entry point: start-up with the program's real windows.
#include "MainWindow.h"
#include "Platform.h"
#include "SettingsDialog.h"
#include "Startup.h"
#include "StartupTimeline.h"

#include <memory>

int main(int, char** argv) {
    using namespace baritemp;
    StartupTimeline::mark("main");
    MainWindow* mainWindow = nullptr;
    StartupWindows windows;
    windows.createMainWindow = [&mainWindow](Settings& settings, const VersionTexts& version) {
        auto window = std::make_unique<MainWindow>(settings, version);
        Platform::current().endOnTerminationRequest(window.get());
        mainWindow = window.get();
        return window;
    };
    // The tools icon, and the first start, open the settings window modally.
    windows.createSettingsWindow = [&mainWindow](Settings& settings) {
        auto dialog = std::make_unique<SettingsDialog>(settings);
        QObject::connect(mainWindow, &MainWindow::settingsRequested, dialog.get(), &QDialog::exec);
        return dialog;
    };
    return RunStartup(argv[0], windows);
}
