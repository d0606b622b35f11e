#include "Diagnostics.h"

#include "Platform.h"

namespace baritemp {

void LogDiagnostic(const QString& text) {
    Platform::current().debugLine(QStringLiteral("Dev ") + text);
}

} // namespace baritemp
