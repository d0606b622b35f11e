#include "RegionalSettings.h"

#include <QLocale>

#include <windows.h>

namespace baritemp {

namespace {

// The user's own value as the Control Panel stores it. Windows' GetLocaleInfoW follows a change
// announced with WM_SETTINGCHANGE; Wine's keeps, in a running process, what it read first.
std::optional<QString> storedSymbol(const wchar_t* name) {
    wchar_t buffer[16] = {};
    DWORD size = sizeof buffer;
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\International", name, RRF_RT_REG_SZ,
                     nullptr, buffer, &size) != ERROR_SUCCESS)
        return std::nullopt; // absent, or longer than any separator
    return QString::fromWCharArray(buffer);
}

std::optional<QString> localeSymbol(LCTYPE type) {
    wchar_t buffer[16] = {};
    const int n = GetLocaleInfoW(LOCALE_USER_DEFAULT, type, buffer, 16);
    if (n <= 0)
        return std::nullopt; // unreadable, or longer than any separator
    return QString::fromWCharArray(buffer, n - 1);
}

} // namespace

RegionalSymbols UserRegionalSymbols() {
    const QLocale chosen;
    if (chosen != QLocale::system())
        return {chosen.decimalPoint(), chosen.groupSeparator()};
    RegionalSymbols symbols{storedSymbol(L"sDecimal"), storedSymbol(L"sThousand")};
    if (!symbols.decimal)
        symbols.decimal = localeSymbol(LOCALE_SDECIMAL);
    if (!symbols.thousand)
        symbols.thousand = localeSymbol(LOCALE_STHOUSAND);
    return symbols;
}

} // namespace baritemp
