#pragma once

#include "Units.h"

#include "Extended.h"
#include "PressureConversion.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace baritemp {

constexpr int kTemperatureUnitCount = 3;

// The temperature group's units in index order: Celsius, Fahrenheit, kelvin.
extern const std::array<std::u16string_view, kTemperatureUnitCount> TemperatureUnits;

// The extended value nearest to 273.15.
const Extended& ZeroCelsiusInKelvin();

// Absolute zero on a scale: the extended values nearest to -273.15 °C, -459.67 °F, and 0 K.
const Extended& AbsoluteZero(int scale);

// The value on every scale: the double itself at `source`, the two others computed in extended
// precision, one rounding per operation, in this order:
//   from °C: °F = ((x * 9) / 5) + 32, K = x + 273.15
//   from °F: °C = ((x - 32) * 5) / 9, K = °C + 273.15
//   from K:  °C = x - 273.15,         °F = ((°C * 9) / 5) + 32
// A Celsius or kelvin result below absolute zero is absolute zero.
std::array<Extended, kTemperatureUnitCount> ConvertTemperature(int source, double value);

// Absolute zero as a temperature field writes it: "-273", the decimal separator, "15" in °C
// ("-459,67" in °F), "0" in kelvins.
std::u16string AbsoluteZeroText(int scale, char16_t decimalSeparator);

// A temperature field's floor: when `text` reads as a number strictly below absolute zero on
// its scale (compared in extended, without rounding to a double; digit groups read as the entry
// cycle reads them), the text the field takes instead: AbsoluteZeroText. Anything else, numbers
// or not, is left alone.
std::optional<std::u16string> AbsoluteZeroFloorText(TemperatureUnit scale, std::u16string_view text,
                                                    char16_t decimalSeparator,
                                                    char16_t thousandSeparator = 0);

} // namespace baritemp
