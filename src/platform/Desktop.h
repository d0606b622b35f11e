#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace baritemp {

// What the desktop does for the windows: glass, moves, the browser, its announcements.
class Desktop {
public:
    virtual ~Desktop() = default;

    // Hands an address to the default browser; false when that failed.
    virtual bool openUrl(const QString& url) = 0;
    // Switches the glass frame of a window on or off; true when glass is now shown (only where
    // desktop composition offers it).
    virtual bool setGlass(QWidget* window, bool on) = 0;
    // Whether this system is of the glass era (the splash's and the main window's glass look):
    // on Windows, a major version above 5; elsewhere always, whatever the kernel's version.
    virtual bool glassEra() = 0;
    // Calls `changed` whenever the system announces changed settings (or a re-created task
    // bar) to `window`, for as long as it lives. Nothing is announced where the system has no
    // such message.
    virtual void followSettingsChanges(QWidget* window, std::function<void()> changed) = 0;
    // A request from the system to end the program (the end of a desktop session) closes
    // `mainWindow` as the user would, so that the program ends normally.
    virtual void endOnTerminationRequest(QWidget* mainWindow) = 0;
    // The platform's mouse-driven move of a window: it follows the pointer while the left
    // button is held.
    virtual void startWindowMove(QWidget* window) = 0;
    // A pause of the program's own (the splash window's): the windows keep painting and the
    // timers run, the user's input waits until it is over.
    virtual void pause(int milliseconds) = 0;
};

} // namespace baritemp
