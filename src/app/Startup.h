#pragma once

#include <QIcon>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace baritemp {

class Platform;
class Settings;
class SystemInfo;
struct VersionTexts;

// The two windows start-up makes, from the layers above it. Start-up owns them, and the settings
// object they are handed, until the program ends.
struct StartupWindows {
    // The main window, not shown yet: its captions from the version record.
    std::function<std::unique_ptr<QWidget>(Settings&, const VersionTexts&)> createMainWindow;
    // The settings window, hidden.
    std::function<std::unique_ptr<QWidget>(Settings&)> createSettingsWindow;
};

struct StartupOptions {
    // The executable whose version record is read; empty: the running one.
    QString executablePath;
    // Stop once the splash window is released instead of showing the main window and running the
    // event loop.
    bool runEventLoop = true;
    // Called after each stage with what the user sees then (tests follow the order with it).
    std::function<void(const QString&)> trace;
};

// Start-up and the event loop, stage by stage: the version record read once; the application
// object; the splash window; the main window, the configuration (folders, store, banner) and
// the settings window, under a guard; the splash window's loading-finished text, its two pauses
// and its release; the main window shown and the event loop run until it closes. Returns the
// exit code: 0 after a normal end, 1 when an exception left the start-up (after the run-time
// report box). `platform`: the system's services the stages use (the splash's pauses, the banner's
// system lines, the documents folder, the run-time report box).
int RunStartup(const char* programName, const StartupWindows& windows, Platform& platform,
               const StartupOptions& options = {});

// The main window's configuration, as it is made: the store opened on the file in the user's
// documents folder (read when it is there), then the start-up banner. A file that cannot be read
// leaves this with its error, before the banner.
void OpenConfiguration(Settings& settings, SystemInfo& system, const VersionTexts& version);

// The application icon for the windows: 16, 32 and 48 pixels (and their @2x drawings on a
// scaled screen), read once.
QIcon ApplicationIcon();

} // namespace baritemp
