#pragma once

#include "Extended.h"

#include <optional>
#include <string>
#include <string_view>

namespace baritemp {

// Characters as a key press delivers them.
inline constexpr char16_t kBackspace = 0x08;
inline constexpr char16_t kCarriageReturn = 0x0D; // Enter

// What a value field lets through: backspace, carriage return, "+", "-", the digits, and the
// decimal separator (a separator above code 255 too). Anything else above code 255 is refused.
// Returns the key, or the null character when the key is to be discarded.
char16_t KeyFilter(char16_t key, char16_t decimalSeparator);

// Cuts the text after its last ASCII digit.
// A text without any digit is returned unchanged.
std::u16string TrimToLastDigit(std::u16string_view text);

// Reads a typed number into extended precision, or returns nothing when the text is not a
// number or does not fit the extended range. The text goes through the 8-bit code page first;
// the decimal separator is matched by the low 8 bits of its code, or, above code 255, as itself.
std::optional<Extended> TryTextToNumber(std::u16string_view text, char16_t decimalSeparator);

// As TryTextToNumber, but a text that is not a number throws ConversionError (InvalidNumber)
// with the text as passed in.
Extended TextToNumber(std::u16string_view text, char16_t decimalSeparator);

// The nearest double; a magnitude past the largest finite double throws ConversionError
// (Overflow). Magnitudes below the smallest double become subnormal or zero silently.
double RoundToDouble(const Extended& value);

} // namespace baritemp
