#include "RegionalNumber.h"

#include "NumericEntry.h"

namespace baritemp {

namespace {

bool isDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool isGrouping(char16_t c, char16_t decimalSeparator, char16_t thousandSeparator) {
    return c != decimalSeparator && c != 0 && (c == thousandSeparator || IsNumberBlank(c));
}

// Surrounding blanks, and the line ends a copied cell or line brings along.
std::u16string_view trimmed(std::u16string_view text) {
    const auto surrounding = [](char16_t c) {
        return IsNumberBlank(c) || c == u'\t' || c == u'\r' || c == u'\n';
    };
    while (!text.empty() && surrounding(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && surrounding(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

char16_t SeparatorFromSymbol(std::u16string_view symbol, char16_t fallback) {
    if (symbol.empty())
        return 0;
    return symbol.size() == 1 ? symbol.front() : fallback;
}

bool IsNumberBlank(char16_t c) {
    return c == u' ' || c == u'\u00A0' || c == u'\u202F';
}

std::optional<PlainNumber> ReadPlainNumber(std::u16string_view text, char16_t decimalSeparator,
                                           char16_t thousandSeparator) {
    text = trimmed(text);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const std::size_t firstDigit = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    std::u16string plain(text.substr(0, i));
    const std::size_t firstGroup = i - firstDigit;
    if (firstGroup >= 1 && firstGroup <= 3 && i + 1 < text.size() &&
        isGrouping(text[i], decimalSeparator, thousandSeparator) && isDigit(text[i + 1])) {
        // Groups of exactly three digits, each after the same grouping character.
        const char16_t grouping = text[i];
        while (i < text.size() && text[i] == grouping) {
            std::size_t digits = 0;
            for (++i; i < text.size() && isDigit(text[i]); ++i, ++digits)
                plain += text[i];
            if (digits != 3)
                return std::nullopt;
        }
    }
    plain.append(text.substr(i));
    const auto value = TryTextToNumber(plain, decimalSeparator);
    if (!value)
        return std::nullopt;
    return PlainNumber{std::move(plain), *value};
}

std::optional<std::u16string> UngroupedNumberText(std::u16string_view text,
                                                  char16_t decimalSeparator,
                                                  char16_t thousandSeparator) {
    if (auto number = ReadPlainNumber(text, decimalSeparator, thousandSeparator))
        return std::move(number->text);
    return std::nullopt;
}

std::optional<Extended> ReadRegionalNumber(std::u16string_view text, char16_t decimalSeparator,
                                           char16_t thousandSeparator) {
    if (auto value = TryTextToNumber(text, decimalSeparator))
        return value;
    if (const auto number = ReadPlainNumber(text, decimalSeparator, thousandSeparator))
        return number->value;
    return std::nullopt;
}

} // namespace baritemp
