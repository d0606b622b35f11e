#pragma once

#include "Extended.h"
#include "Units.h"

#include <array>
#include <string_view>

namespace baritemp {

// What each unit of the window is, as data beside the table: its value in pascals as the
// table's row to Pa gives it, the conventional definition it stands for, and how far the table's
// value lies from that definition. The words that name a unit's definition are chosen above this
// library.

// How the table's value stands to the conventional definition.
enum class Agreement {
    Exact,      // it is the definition
    Rounded,    // it is the definition rounded
    OtherWater, // it is water at another temperature than the conventional 1,000 kg/m3
    Scale,      // a temperature scale: a formula, no value in pascals
};

struct UnitDefinition {
    Unit unit;
    Agreement agreement;
    // The conventional value in pascals: a decimal ("133.322387415") or an exact fraction
    // ("101325/760"); empty where it is the table's value.
    std::string_view conventional;
    // The conventional decimal goes on beyond its digits (psi: 6894.757293168361…).
    bool continues = false;
};

inline constexpr int kUnitCount = 17;

// The seventeen units in the window's order: pressures, then temperatures.
const std::array<UnitDefinition, kUnitCount>& UnitDefinitions();

// The table's value in pascals, as its row to Pa writes it ("6894.7573"; "1" for the pascal);
// empty for a temperature.
std::string_view TablePascals(const UnitDefinition& definition);
// The conventional value in pascals, the fraction divided out in extended precision.
Extended ConventionalPascals(const UnitDefinition& definition);
// How far the table's value lies from the conventional one: (table - conventional) /
// conventional, in extended precision; zero where they are the same.
Extended RelativeDifference(const UnitDefinition& definition);

// A row of the pressure table against the units' definitions (the catalogue's): of the row's
// thirteen factors, the one farthest from the ratio of the two definitions, and how far,
// relative: factor / (size(source) / size(target)) - 1, signed, in extended precision.
struct RowDifference {
    int target = 0;
    Extended relative;
};
RowDifference LargestRowDifference(int source);

} // namespace baritemp
