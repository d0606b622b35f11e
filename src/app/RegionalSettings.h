#pragma once

#include <QString>

#include <optional>

namespace baritemp {

// The decimal and digit-grouping symbols of the user's regional settings, process-wide. Read at
// start and again whenever the system announces a change of settings.
extern char16_t DecimalSeparator;
extern char16_t ThousandSeparator;

// A locale symbol as a separator: the symbol when it is one character, the null character
// when it is empty, `fallback` when it is longer.
char16_t SeparatorFromSymbol(const QString& symbol, char16_t fallback);

// Reads both from the user's current settings; a symbol that cannot be read gives the default
// ("." and ",").
void ReadRegionalSeparators();

// The user's symbols as the platform gives them now; nothing for one it cannot give. A locale
// the program chose for itself (QLocale::setDefault, as the tests do) comes first everywhere.
struct RegionalSymbols {
    std::optional<QString> decimal;
    std::optional<QString> thousand;
};
RegionalSymbols UserRegionalSymbols(); // RegionalSettings_posix.cpp, RegionalSettings_win.cpp

} // namespace baritemp
