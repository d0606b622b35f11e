#pragma once

#include <string>
#include <string_view>

namespace baritemp {

// The two quantities the window converts, each a group of fields in the window.
enum class FieldGroup { Pressure, Temperature };

int GroupSize(FieldGroup group);
// The unit written after a number of that field, also its first cue banner.
std::u16string_view GroupUnit(FieldGroup group, int index);

// The window's units by name, in the order of their fields (and of the conversion tables).
enum class PressureUnit {
    Bar,
    Millibar,
    Psi,
    KilogramPerSquareCentimetre,
    Pascal,
    Decapascal,
    Kilopascal,
    Megapascal,
    Torr,
    MetreOfWater,
    MillimetreOfMercury,
    MillimetreOfWater,
    InchOfMercury,
    InchOfWater,
};
enum class TemperatureUnit { Celsius, Fahrenheit, Kelvin };

// A unit of the window: its quantity and its place in the group (the field, the row of the
// conversion tables).
struct Unit {
    FieldGroup group = FieldGroup::Pressure;
    int index = 0;

    constexpr Unit() = default;
    constexpr Unit(FieldGroup group, int index) : group(group), index(index) {}
    // A unit by name is a Unit: implicit on purpose.
    constexpr Unit(PressureUnit unit) : index(static_cast<int>(unit)) {}
    constexpr Unit(TemperatureUnit unit)
        : group(FieldGroup::Temperature), index(static_cast<int>(unit)) {}

    bool operator==(const Unit&) const = default;
};

// The name the window writes after a number of that unit ("bar", "kg/cm²", "inch Hg", "°C").
std::u16string_view UnitName(const Unit& unit);

} // namespace baritemp
