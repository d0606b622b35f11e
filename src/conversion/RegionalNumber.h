#pragma once

#include "Extended.h"
#include "Separators.h"
#include "Units.h"

#include <optional>
#include <string>
#include <string_view>

namespace baritemp {

// What makes a number under the user's regional settings: a text typed key by key, a result the
// program wrote ("100 000,0000 Pa"), or a value pasted from elsewhere ("1 013,25 mbar") are all
// read by these rules, so that the key filter, a paste and the entry cycle never disagree.
//
// Digit groups: the regional thousands separator, or one of the blanks U+0020, U+00A0 and U+202F
// (the ones number formats use), between groups of exactly three digits of the integer part, the
// first group of one to three; one grouping character throughout. A grouping character equal to
// the decimal separator never groups.

// A regional symbol as a separator: the symbol when it is one character, the null character
// when it is empty (no separator at all), `fallback` when it is longer.
char16_t SeparatorFromSymbol(std::u16string_view symbol, char16_t fallback);

// The blanks a number may be surrounded with, and grouped by, whatever the regional settings.
bool IsNumberBlank(char16_t c);

// A number as read: its text without digit groups, and its value.
struct PlainNumber {
    std::u16string text;
    Extended value;
};
// The number when the text (surrounding blanks allowed) is a number under these separators,
// grouped or not; nothing otherwise ("1 00 000" is not a number).
std::optional<PlainNumber> ReadPlainNumber(std::u16string_view text, char16_t decimalSeparator,
                                           char16_t thousandSeparator);

// The number without its digit groups when the text (surrounding blanks allowed) is a number
// under these separators, grouped or not; nothing otherwise ("1 00 000" is not a number).
std::optional<std::u16string> UngroupedNumberText(std::u16string_view text,
                                                  char16_t decimalSeparator,
                                                  char16_t thousandSeparator);

// Reads a number of a value field: as typed (TryTextToNumber), or else with digit groups as
// the program writes them. Nothing when it is neither, or beyond the extended range.
std::optional<Extended> ReadRegionalNumber(std::u16string_view text, char16_t decimalSeparator,
                                           char16_t thousandSeparator);

} // namespace baritemp
