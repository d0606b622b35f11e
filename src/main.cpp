// The entry point: the start-up sequence with the program's real windows.
#include "AppState.h"
#include "Startup.h"
#include "u_main.h"
#include "u_settings.h"

#include <QApplication>
#include <QSocketNotifier>

#ifndef _WIN32
#include <csignal>
#include <unistd.h>
#endif

namespace {

#ifndef _WIN32
int gTerminatePipe[2] = {-1, -1};

void onTerminate(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = write(gTerminatePipe[1], &byte, 1);
}

// A request to end (SIGTERM, as at the end of a desktop session) closes the main window, the
// way the user would: the program then ends normally.
void closeMainWindowOnTerminate(QWidget* mainWindow) {
    if (pipe(gTerminatePipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(gTerminatePipe[0], QSocketNotifier::Read, mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, mainWindow, [mainWindow] {
        char byte;
        [[maybe_unused]] const auto read = ::read(gTerminatePipe[0], &byte, 1);
        while (QWidget* modal = QApplication::activeModalWidget()) {
            if (!modal->close())
                break;
        }
        mainWindow->close();
        QCoreApplication::exit(0); // every running loop, the modal ones included
    });
    std::signal(SIGTERM, onTerminate);
}
#endif

} // namespace

int main(int, char** argv) {
    baritemp::StartupWindows windows;
    windows.createMainWindow = [] {
        auto* window = new baritemp::Tf_main;
#ifndef _WIN32
        closeMainWindowOnTerminate(window);
#endif
        return window;
    };
    windows.createSettingsWindow = [] { return new baritemp::Tf_settings; };
    return baritemp::RunStartupSequence(argv[0], windows);
}
