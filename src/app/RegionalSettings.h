#pragma once

#include <QString>

namespace baritemp {

// The decimal and digit-grouping symbols of the user's regional settings, process-wide. Read at
// start and again whenever the system announces a change of settings.
extern char16_t DecimalSeparator;
extern char16_t ThousandSeparator;

// A locale symbol as a separator: the symbol when it is one character, the null character
// when it is empty, `fallback` when it is longer.
char16_t SeparatorFromSymbol(const QString& symbol, char16_t fallback);

// Reads both from the current locale (QLocale(): the system's unless a default was set).
void ReadRegionalSeparators();

} // namespace baritemp
