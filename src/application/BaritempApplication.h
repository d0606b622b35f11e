#pragma once

#include "Translations.h"

#include <QApplication>
#include <QString>

#include <exception>
#include <string>

namespace baritemp {

class Settings;
struct SaveFailure;

// The application error box's text: the message, and "." when its last character's code is
// above that of "." (so "abc" gets one, "abc." and "(abc)" do not).
QString ApplicationErrorText(const QString& message);

// The name the run-time report gives an exception's class.
std::string ExceptionClassName(const std::exception& e);
// "Exception %s dans le module %s en %p.\r\n%s%s\r\n", for an exception that left start-up.
QString RunTimeReportText(const std::exception& e, const QString& executablePath);

namespace detail {
// The command line QApplication keeps references to for its whole life: the program name only.
struct ProgramName {
    explicit ProgramName(const char* programName)
        : name(programName != nullptr ? programName : "baritemp") {
        argv[0] = name.data();
    }
    std::string name;
    int argc = 1;
    char* argv[2] = {nullptr, nullptr};
};
} // namespace detail

// The application object: the translations, the boxes every window shows, and the one place
// errors go.
//
// A handler that cannot go on reports its error here, with reportError, and returns: Qt does
// not support exceptions thrown through its event dispatch (Debian's Qt libraries are built
// without exception tables, so their frames would unwind without their cleanups). notify
// still catches whatever escapes a handler, as a last guard that shows the same box.
class BaritempApplication : private detail::ProgramName, public QApplication {
public:
    // Qt is given the program name only: no command-line option, Qt's own included, may change
    // what the program does. The interface starts in French, the language the windows are
    // designed in, until the settings are read.
    explicit BaritempApplication(const char* programName);

    // This process's application object (the program and the window tests make one).
    static BaritempApplication& current();

    Translations& translations() { return translations_; }
    // The application's part of the program's settings: the interface language follows them
    // (before the windows hear of a change), and what a read of them finds goes to the
    // diagnostics channel. Until they are read the interface is French, as it is designed.
    void follow(Settings& settings);
    // A fixed text: French whatever the interface language (error boxes, the splash window).
    static QString fixedText(const char* context, const char* source);

    // The application title: caption of the application error box.
    static QString title();
    // The application error box: modal, error icon, one OK button, the application title as
    // caption, the message with its full stop. The event loop then goes on.
    static void reportError(const QString& message);
    // The same for an error value of the libraries, in the error box's French.
    static void reportError(const std::exception& error);
    // The same for a save that wrote nothing.
    static void reportError(const SaveFailure& failure);
    // The five settings read from the store; when that fails (a stored colour that is no
    // colour), its error in the application error box, and false.
    static bool readSettings(Settings& settings);
    // The Yes/No warning dialog ("Avertissement", "&Oui" the default, "&Non" in both
    // languages): true for Yes.
    static bool confirm(const QString& question);

    bool notify(QObject* receiver, QEvent* event) override;

    // How many exceptions the last guard in notify has caught.
    int lastGuardCatches() const { return lastGuardCatches_; }

private:
    Translations translations_;
    int lastGuardCatches_ = 0;
};

} // namespace baritemp
