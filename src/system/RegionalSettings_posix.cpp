#include "RegionalSettings.h"

#include <QLocale>

namespace baritemp {

// The locale Qt reads from LC_ALL, LC_NUMERIC or LANG at start (or the one the program chose).
RegionalSymbols UserRegionalSymbols() {
    const QLocale locale;
    return {locale.decimalPoint(), locale.groupSeparator()};
}

} // namespace baritemp
