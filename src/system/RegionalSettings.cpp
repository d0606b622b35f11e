#include "RegionalSettings.h"

#include "U16Text.h"

#include <QLocale>

namespace baritemp {

namespace {

char16_t separator(const std::optional<QString>& symbol, char16_t fallback) {
    return symbol ? SeparatorFromSymbol(U16FromQString(*symbol), fallback) : fallback;
}

} // namespace

Separators UserSeparators() {
    const RegionalSymbols symbols = UserRegionalSymbols();
    return {separator(symbols.decimal, u'.'), separator(symbols.thousand, u',')};
}

std::optional<Separators> LocaleSeparators(const QString& name) {
    const QLocale locale(name);
    // An unknown name gives the C locale.
    if (locale.language() == QLocale::C && name != QLatin1String("C") &&
        name != QLatin1String("POSIX"))
        return std::nullopt;
    return Separators{separator(locale.decimalPoint(), u'.'),
                      separator(locale.groupSeparator(), u',')};
}

} // namespace baritemp
