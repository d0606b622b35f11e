#pragma once

#include <QString>

namespace baritemp {

// The platform's debug output stream (a debugger's view on Windows, standard error elsewhere).
class DebugOutput {
public:
    virtual ~DebugOutput() = default;

    // One diagnostics line, already prefixed with "Dev ".
    virtual void debugLine(const QString& line) = 0;
};

} // namespace baritemp
