#pragma once

#include <QLoggingCategory>
#include <QString>

namespace baritemp {

// The diagnostics channel: one logging category, "baritemp.dev". The application object's
// message handler writes each of its lines as "Dev " and the text, one line on the platform's
// debug output stream (standard error off Windows); baritemp-convert switches it off.
Q_DECLARE_LOGGING_CATEGORY(lcDev)

// One line of the channel.
void LogDiagnostic(const QString& text);

// The message handler for the category: each line of it to `write` as "Dev " and the text; any
// other message to the handler that was there before. Installed by the application object.
using DiagnosticLineWriter = void (*)(const QString& line);
void InstallDiagnosticsHandler(DiagnosticLineWriter write);

} // namespace baritemp
