#include "RegionalSettings.h"

#include "RegionalNumber.h"
#include "U16Text.h"

namespace baritemp {

char16_t DecimalSeparator = u'.';
char16_t ThousandSeparator = u',';

char16_t SeparatorFromSymbol(const QString& symbol, char16_t fallback) {
    return SeparatorFromSymbol(U16FromQString(symbol), fallback);
}

void ReadRegionalSeparators() {
    const RegionalSymbols symbols = UserRegionalSymbols();
    DecimalSeparator = symbols.decimal ? SeparatorFromSymbol(*symbols.decimal, u'.') : u'.';
    ThousandSeparator = symbols.thousand ? SeparatorFromSymbol(*symbols.thousand, u',') : u',';
}

} // namespace baritemp
