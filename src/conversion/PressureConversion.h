#pragma once

#include "Extended.h"

#include <array>
#include <string_view>

namespace baritemp {

constexpr int kPressureUnitCount = 14;

// The pressure group's units in index order, each written after the number and one blank:
// the index is the row and column of PressureFactors.
extern const std::array<std::u16string_view, kPressureUnitCount> PressureUnits;

// The factor from unit `source` to unit `target` (source != target): the extended value
// nearest to the decimal number of that cell.
const Extended& PressureFactor(int source, int target);

// The decimal text of a cell, as the table holds it; empty on the diagonal.
std::string_view PressureFactorLiteral(int source, int target);

// The value in unit `target`: the double itself when target is source, otherwise the double
// taken exactly times the cell's factor, rounded once.
Extended ConvertPressureTo(int source, int target, double value);

// The value in every unit of the group, each as ConvertPressureTo gives it.
std::array<Extended, kPressureUnitCount> ConvertPressure(int source, double value);

} // namespace baritemp
