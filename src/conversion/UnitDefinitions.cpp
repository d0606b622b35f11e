#include "UnitDefinitions.h"

#include "DecimalToExtended.h"
#include "ExactRatio.h"
#include "PressureConversion.h"
#include "UnitCatalogue.h"

namespace baritemp {

namespace {

constexpr int kPa = 4; // the pascal's column

constexpr Unit pressure(int index) {
    return {FieldGroup::Pressure, index};
}
constexpr Unit temperature(int index) {
    return {FieldGroup::Temperature, index};
}

// The conventional values: standard gravity 9.80665 m/s2, water 1,000 kg/m3, mercury
// 13,595.1 kg/m3, the inch 0.0254 m, the pound 0.45359237 kg, the atmosphere 101,325 Pa. The
// table's inch of water is water at 4 °C (249.082 Pa), its millimetre and metre of water the
// conventional ones.
constexpr std::array<UnitDefinition, kUnitCount> kDefinitions{{
    {pressure(0), Agreement::Exact, ""},
    {pressure(1), Agreement::Exact, ""},
    {pressure(2), Agreement::Rounded, "6894.757293168361", true},
    {pressure(3), Agreement::Exact, ""},
    {pressure(4), Agreement::Exact, ""},
    {pressure(5), Agreement::Exact, ""},
    {pressure(6), Agreement::Exact, ""},
    {pressure(7), Agreement::Exact, ""},
    {pressure(8), Agreement::Rounded, "101325/760"},
    {pressure(9), Agreement::Exact, ""},
    {pressure(10), Agreement::Rounded, "133.322387415"},
    {pressure(11), Agreement::Exact, ""},
    {pressure(12), Agreement::Rounded, "3386.388640341"},
    {pressure(13), Agreement::OtherWater, "249.08891"},
    {temperature(0), Agreement::Scale, ""},
    {temperature(1), Agreement::Scale, ""},
    {temperature(2), Agreement::Scale, ""},
}};

} // namespace

const std::array<UnitDefinition, kUnitCount>& UnitDefinitions() {
    return kDefinitions;
}

std::string_view TablePascals(const UnitDefinition& definition) {
    if (definition.unit.group != FieldGroup::Pressure)
        return {};
    return definition.unit.index == kPa ? "1" : PressureFactorLiteral(definition.unit.index, kPa);
}

Extended ConventionalPascals(const UnitDefinition& definition) {
    return ExactRatio::fromDecimal(definition.conventional.empty() ? TablePascals(definition)
                                                                   : definition.conventional)
        .toExtended();
}

Extended RelativeDifference(const UnitDefinition& definition) {
    if (definition.conventional.empty())
        return Extended();
    const Extended conventional = ConventionalPascals(definition);
    return (ExtendedFromDecimal(TablePascals(definition)) - conventional) / conventional;
}

RowDifference LargestRowDifference(int source) {
    RowDifference largest;
    const ExactRatio from = ExactRatio::fromDecimal(CatalogueUnitOf(pressure(source)).size);
    for (int target = 0; target < kPressureUnitCount; ++target) {
        if (target == source)
            continue;
        const ExactRatio exact =
            from / ExactRatio::fromDecimal(CatalogueUnitOf(pressure(target)).size);
        const ExactRatio factor = ExactRatio::fromDecimal(PressureFactorLiteral(source, target));
        const Extended relative = ((factor - exact) / exact).toExtended();
        if (relative.abs() > largest.relative.abs())
            largest = {target, relative};
    }
    return largest;
}

} // namespace baritemp
