#pragma once

#include <QIcon>
#include <QString>

#include <functional>

class QWidget;

namespace baritemp {

// What the start-up sequence needs from the layers above it: the two windows to create.
struct StartupWindows {
    std::function<QWidget*()> createMainWindow;     // step 6a (its FormCreate runs inside)
    std::function<QWidget*()> createSettingsWindow; // step 6b, stays hidden
};

struct StartupOptions {
    // The executable whose version record is read; empty: the running one.
    QString executablePath;
    // Stop after step 12 instead of showing the main window and running the event loop.
    bool runEventLoop = true;
    // Called after each step with what the user sees then (tests follow the order with it).
    std::function<void(const QString&)> trace;
};

// The start-up sequence, steps 1 to 13, then the event loop. Returns the exit code: 0 after a
// normal end, 1 when an exception left the start-up (after the run-time report box).
int RunStartupSequence(const char* programName, const StartupWindows& windows,
                       const StartupOptions& options = {});

// Format("%s® %s v%s ", CompanyName, InternalName, FileVersion), or `withoutRecord` (the splash
// line says "No FileVersion", the main window's version label "No Filversion").
QString SplashVersionLine(const QString& executablePath, const QString& withoutRecord);
// The application icon for the windows: 16, 32 and 48 pixels (each read when first asked for).
QIcon ApplicationIcon();

// Format("%s v%s", InternalName, FileVersion), or "No Filversion".
QString MainCaption(const QString& executablePath);

// The main window's creation, after its captions: the folders of AppState from the user's
// documents folder (DocumentsDir, CompanyDir, ConfigDir), the settings' store opened on the
// file there, then the start-up banner. A file that cannot be read leaves this with its error,
// before the banner.
void OpenConfiguration();
// At the main window's first show: no configuration is stored yet (no file, and nothing
// unreadable in its place), so the first-run defaults apply and the settings window opens.
bool IsFirstRun();

} // namespace baritemp
