#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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

// A unit by the name the window writes, blanks not counted, or by a name easier to type:
// "kg/cm2", "inHg", "inCE", "C", "F", "degC", "degF", "torr", "PSI". Letter case counts: the
// prefixes m and M are a factor of a thousand million apart, so "mPa" is no MPa and "MBAR" no
// unit at all.
std::optional<Unit> FindUnit(std::u16string_view name);
std::optional<Unit> FindUnit(std::string_view utf8);

// The names besides its own that FindUnit knows a unit by, in the form users type them.
std::vector<std::u16string_view> UnitAliases(const Unit& unit);

// The longest end of `text` that names a unit ("1 013,25 mbar": mbar, not bar), and the text
// before it; nothing when the text ends with no unit name.
struct TrailingUnit {
    std::u16string_view before;
    Unit unit;
};
std::optional<TrailingUnit> FindTrailingUnit(std::u16string_view text);

} // namespace baritemp
