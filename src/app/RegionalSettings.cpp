#include "RegionalSettings.h"

#include <QLocale>

#include <optional>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace baritemp {

char16_t DecimalSeparator = u'.';
char16_t ThousandSeparator = u',';

char16_t SeparatorFromSymbol(const QString& symbol, char16_t fallback) {
    if (symbol.isEmpty())
        return 0;
    return symbol.size() == 1 ? symbol.front().unicode() : fallback;
}

void ReadRegionalSeparators() {
#ifdef Q_OS_WIN
    // The user's regional settings as the system gives them now (Qt's locale keeps what it
    // read at start), unless the program chose a locale of its own (the tests do).
    if (QLocale() == QLocale::system()) {
        const auto symbol = [](LCTYPE type) -> std::optional<QString> {
            wchar_t buffer[16] = {};
            const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 16);
            if (n <= 0)
                return std::nullopt; // unreadable, or longer than any separator
            return QString::fromWCharArray(buffer, n - 1);
        };
        const auto decimal = symbol(LOCALE_SDECIMAL);
        const auto thousand = symbol(LOCALE_STHOUSAND);
        DecimalSeparator = decimal ? SeparatorFromSymbol(*decimal, u'.') : u'.';
        ThousandSeparator = thousand ? SeparatorFromSymbol(*thousand, u',') : u',';
        return;
    }
#endif
    const QLocale locale;
    DecimalSeparator = SeparatorFromSymbol(locale.decimalPoint(), u'.');
    ThousandSeparator = SeparatorFromSymbol(locale.groupSeparator(), u',');
}

} // namespace baritemp
