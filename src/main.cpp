// The entry point: the start-up sequence with the program's real windows.
#include "AppState.h"
#include "Platform.h"
#include "Startup.h"
#include "u_main.h"
#include "u_settings.h"

int main(int, char** argv) {
    baritemp::StartupWindows windows;
    windows.createMainWindow = [] {
        auto* window = new baritemp::Tf_main;
        baritemp::Platform::current().endOnTerminationRequest(window);
        return window;
    };
    windows.createSettingsWindow = [] { return new baritemp::Tf_settings; };
    return baritemp::RunStartupSequence(argv[0], windows);
}
