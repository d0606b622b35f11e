#include "Units.h"

#include "PressureConversion.h"
#include "TemperatureConversion.h"

#include <stdexcept>

namespace baritemp {

int GroupSize(FieldGroup group) {
    return group == FieldGroup::Pressure ? kPressureUnitCount : kTemperatureUnitCount;
}

std::u16string_view GroupUnit(FieldGroup group, int index) {
    if (index < 0 || index >= GroupSize(group))
        throw std::out_of_range("GroupUnit");
    const auto i = static_cast<std::size_t>(index);
    return group == FieldGroup::Pressure ? PressureUnits[i] : TemperatureUnits[i];
}

std::u16string_view UnitName(const Unit& unit) {
    return GroupUnit(unit.group, unit.index);
}

} // namespace baritemp
