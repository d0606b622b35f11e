#pragma once

#include "RegionalNumber.h"

#include <QString>

#include <optional>

namespace baritemp {

// The separators of the user's regional settings as they are now: the locale's decimal and
// digit-grouping symbols, each the null character when the symbol is empty, "." and "," when it
// is longer than one character or cannot be read. The window and baritemp-convert both ask here.
Separators UserSeparators();

// A region's separators by its name ("fr_FR", "de_CH"), from Qt's locale data (the same on every
// system); nothing for a name that is no region.
std::optional<Separators> LocaleSeparators(const QString& name);

// The user's symbols as the platform gives them now; nothing for one it cannot give. A locale
// the program chose for itself (QLocale::setDefault, as the tests do) comes first everywhere.
struct RegionalSymbols {
    std::optional<QString> decimal;
    std::optional<QString> thousand;
};
RegionalSymbols UserRegionalSymbols(); // RegionalSettings_posix.cpp, RegionalSettings_win.cpp

} // namespace baritemp
