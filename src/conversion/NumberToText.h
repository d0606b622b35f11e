#pragma once

#include "Extended.h"

#include <string>
#include <string_view>

namespace baritemp {

// The separators of the user's regional settings and the number of decimals: everything a
// result text depends on besides its value. A separator may be the null character, which
// writes nothing.
struct NumberFormat {
    char16_t decimalSeparator = u'.';
    char16_t thousandSeparator = u',';
    int decimals = 4;
};

// A number as the "%.*n" directive writes it: `precision` decimals (0 to 18; anything else
// means 2), digits grouped by three, at most 18 significant digits, rounded half away from
// zero on the 18-digit decimal form, and the exponent form ("1,5E21") from 10^18 upwards.
// A result that rounds to zero never shows a minus sign.
std::u16string NumberToText(const Extended& value, int precision, char16_t decimalSeparator,
                            char16_t thousandSeparator);

// A result pattern "%.*n <unit>": the number, one blank, the unit.
std::u16string FormatResult(const Extended& value, std::u16string_view unit,
                            const NumberFormat& format);

} // namespace baritemp
