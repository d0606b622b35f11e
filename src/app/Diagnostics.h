#pragma once

#include <QString>

namespace baritemp {

// The diagnostics channel: "Dev " and the text, one line on the platform's debug output stream
// (standard error off Windows).
void LogDiagnostic(const QString& text);

} // namespace baritemp
