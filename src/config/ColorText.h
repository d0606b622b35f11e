#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace baritemp {

// Colours as the configuration file writes them: the first name of the 52-entry table when
// the value has one ("clRed"), else "$" and eight upper-case hexadecimal digits ("$000080FF").
std::string ColorToText(std::uint32_t color);

// A table name (any letter case), else a 32-bit integer: decimal within the signed range, or
// at most eight hexadecimal digits after "$", "x", "X", "0x" or "0X". Anything else throws
// ConversionError (InvalidInteger) with the text.
std::uint32_t TextToColor(std::string_view text);

// The integer rule of the configuration store: optional leading blanks, optional sign, decimal
// digits or hexadecimal ones after one of the prefixes, nothing after; the low 32 bits of that
// 64-bit value, or nothing when the text is not such an integer.
std::optional<std::int32_t> ReadStoredInteger(std::string_view text);

} // namespace baritemp
