#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace baritemp {

struct OsVersion {
    int major = 0;
    int minor = 0;
    unsigned build = 0;
};

// Everything the operating system does for the program, in one place: the real implementation
// talks to Qt and the OS, the fake one in the tests records and answers instead, so that no
// test ever opens a real modal box.
class Platform {
public:
    // The answers of the Yes/No dialog, as Windows numbers them (IDYES, IDNO).
    enum class Answer { Yes = 6, No = 7 };

    virtual ~Platform() = default;

    // A modal message box with the error icon and one OK button.
    virtual void showErrorBox(const QString& caption, const QString& text) = 0;
    // The Yes/No warning dialog, Yes the default button.
    virtual Answer confirm(const QString& caption, const QString& question, const QString& yes,
                           const QString& no) = 0;
    // One diagnostics line, already prefixed with "Dev ".
    virtual void debugLine(const QString& line) = 0;
    // The user's documents folder, without a final separator; empty when there is none.
    virtual QString documentsFolder() = 0;
    // The OS product name as the OS gives it (may be empty), version numbers, service pack,
    // computer name. Each may throw std::exception when the OS cannot be asked.
    virtual QString osProductName() = 0;
    virtual OsVersion osVersion() = 0;
    virtual QString servicePack() = 0;
    virtual QString computerName() = 0;
    // Hands an address to the default browser; false when that failed.
    virtual bool openUrl(const QString& url) = 0;
    // Switches the glass frame of a window on or off; true when glass is now shown (only where
    // desktop composition offers it).
    virtual bool setGlass(QWidget* window, bool on) = 0;
    // Whether this system is of the glass era (the splash's and the main window's glass look):
    // on Windows, a major version above 5; elsewhere always, whatever the kernel's version.
    virtual bool glassEra() = 0;
    // Calls `changed` whenever the system announces changed settings (or a re-created task
    // bar), for as long as `window` lives. Nothing is announced where the system has no such
    // message.
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

    // The platform every part of the program uses. Starts as the real one.
    static Platform& current();
    // Installs another (a test's fake); nullptr restores the real one.
    static void setCurrent(Platform* platform);
};

} // namespace baritemp
