#include "RegionalSettings.h"

#include <QLocale>

namespace baritemp {

char16_t DecimalSeparator = u'.';
char16_t ThousandSeparator = u',';

char16_t SeparatorFromSymbol(const QString& symbol, char16_t fallback) {
    if (symbol.isEmpty())
        return 0;
    return symbol.size() == 1 ? symbol.front().unicode() : fallback;
}

void ReadRegionalSeparators() {
    const QLocale locale;
    DecimalSeparator = SeparatorFromSymbol(locale.decimalPoint(), u'.');
    ThousandSeparator = SeparatorFromSymbol(locale.groupSeparator(), u',');
}

} // namespace baritemp
