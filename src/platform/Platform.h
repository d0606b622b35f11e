#pragma once

#include "DebugOutput.h"
#include "Desktop.h"
#include "Dialogs.h"
#include "SystemInfo.h"

namespace baritemp {

// Everything the operating system does for the program, as the small services the parts of
// the program are handed (each takes only the one it needs). The real implementation talks to
// Qt and the OS; the tests' fake records and answers instead.
class Platform : public Dialogs, public SystemInfo, public Desktop, public DebugOutput {
public:
    // The platform the program is composed with (src/main.cpp and the application object ask
    // for it, and hand it on). Starts as the real one.
    static Platform& current();
    // Installs another (a test's fake); nullptr restores the real one.
    static void setCurrent(Platform* platform);
};

} // namespace baritemp
