#pragma once

#include <string>
#include <string_view>

namespace baritemp {

// The two quantities the window converts, each a group of fields in the window.
enum class FieldGroup { Pressure, Temperature };

int GroupSize(FieldGroup group);
// The unit written after a number of that field, also its first cue banner.
std::u16string_view GroupUnit(FieldGroup group, int index);

// A unit of the window: its quantity and its place in the group (the field).
struct Unit {
    FieldGroup group = FieldGroup::Pressure;
    int index = 0;
    bool operator==(const Unit&) const = default;
};

// The name the window writes after a number of that unit ("bar", "kg/cm²", "inch Hg", "°C").
std::u16string_view UnitName(const Unit& unit);

} // namespace baritemp
