#pragma once

#include "EntryCycle.h"

#include <optional>
#include <string>
#include <string_view>

namespace baritemp::cli {

// A unit of the window: its group and its place in the group (the field).
struct Unit {
    FieldGroup group = FieldGroup::Pressure;
    int index = 0;
    bool operator==(const Unit&) const = default;
};

// A unit by the name the window writes ("bar", "kg/cm²", "inch Hg", "°C"), blanks not
// counted, or by a name easier to type: "kg/cm2", "inHg", "inCE", "C", "F", "degC", "degF",
// "torr", "PSI". Letter case counts: "mPa" is no MPa. UTF-8.
std::optional<Unit> FindUnit(std::string_view name);

// The name the window writes after a number of that unit.
std::u16string_view UnitName(const Unit& unit);

} // namespace baritemp::cli
