#pragma once

#include <QApplication>
#include <QString>

#include <exception>

namespace baritemp {

// The application title: caption of the application error box.
QString ApplicationTitle();

// The application error box's text: the message, and "." when its last character's code is
// above that of "." (so "abc" gets one, "abc." and "(abc)" do not).
QString ApplicationErrorText(const QString& message);

// The name the run-time report gives an exception's class.
const char* ExceptionClassName(const std::exception& e);
// "Exception %s dans le module %s en %p.\r\n%s%s\r\n", for an exception that left start-up.
QString RunTimeReportText(const std::exception& e, const QString& executablePath);

// The application object.
//
// A handler that cannot go on reports its error here, with reportError, and returns: Qt does
// not support exceptions thrown through its event dispatch (Debian's Qt libraries are built
// without exception tables, so their frames would unwind without their cleanups). notify
// still catches whatever escapes a handler, as a last guard that shows the same box.
class BaritempApplication : public QApplication {
public:
    // Qt is given the program name only: no command-line option, Qt's own included, may change
    // what the program does.
    explicit BaritempApplication(const char* programName);

    // The application error box: modal, error icon, one OK button, the application title as
    // caption, the message with its full stop. The event loop then goes on.
    static void reportError(const QString& message);

    bool notify(QObject* receiver, QEvent* event) override;

    // How many exceptions the last guard in notify has caught in this process.
    static int lastGuardCatches();
};

} // namespace baritemp
