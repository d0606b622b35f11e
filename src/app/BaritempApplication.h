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
// Shows an error that left an event handler: modal, error icon, one OK button.
void ShowApplicationError(const QString& message);

// The name the run-time report gives an exception's class.
const char* ExceptionClassName(const std::exception& e);
// "Exception %s dans le module %s en %p.\r\n%s%s\r\n", for an exception that left start-up.
QString RunTimeReportText(const std::exception& e, const QString& executablePath);

// The application object. An exception that leaves any event handler ends here, in notify: it
// is shown in the application error box and the event loop goes on.
class BaritempApplication : public QApplication {
public:
    // Qt is given the program name only: no command-line option, Qt's own included, may change
    // what the program does.
    explicit BaritempApplication(const char* programName);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace baritemp
