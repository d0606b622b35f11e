#pragma once

#include "ExactRatio.h"
#include "Units.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace baritemp {

// Every unit Baritemp reads, as data: the window's seventeen and the units of datasheets that
// have no field of their own (atm, ftH2O, inHg@60F, °R …), each with its definition. A unit equal
// in size to a window unit is not a unit of its own but another name of it (hPa is the mbar,
// inH2O the inch CE): it converts by the window's table, as the window's own name does.

// Gauge and absolute pressures: the same unit, read above the atmosphere or above vacuum. The
// window's fields do not tell them apart; baritemp-convert does.
enum class PressureMark { None, Gauge, Absolute };

struct CatalogueUnit {
    std::u16string_view symbol; // as written after a number: "atm", "inH2O@60F", "°R"
    FieldGroup quantity;
    int field; // its place in the window's group, or -1: a unit without a field
    // Its size, exact: pascals for a pressure, kelvins per degree for a temperature; a decimal
    // or a ratio of two ("101325/760").
    std::string_view size;
    // A temperature scale's zero in kelvins ("273.15"); empty for zero.
    std::string_view zero;
    std::string_view source; // where the definition comes from: "NIST SP 811", "SI Brochure"
    // The definition is exact; false for a source's conversion factor as it prints it (water
    // and mercury at 60 °F and 32 °F).
    bool exact = true;
};

// A unit as a name gives it: "psig" is the psi, gauge; "hPa" the mbar, written "hPa".
struct NamedUnit {
    const CatalogueUnit* unit = nullptr;
    PressureMark mark = PressureMark::None;
    // What a result asked in this unit is written with: the name, when it is a name of its own
    // ("hPa", "mH2O", "psig"), or the symbol, when it was a way to type it ("PSI", "degF").
    std::u16string_view written;
    bool operator==(const NamedUnit&) const = default;
};
// The unit itself, unmarked, under its symbol.
NamedUnit Named(const CatalogueUnit& unit);

// The window's units first, in the window's order (pressures, then temperatures), then the others.
std::span<const CatalogueUnit> Catalogue();
const CatalogueUnit& CatalogueUnitOf(const Unit& windowUnit);
std::optional<Unit> WindowUnitOf(const CatalogueUnit& unit);

// A unit by its symbol or one of its other names, blanks not counted, "²" as "2", "°" and "deg"
// before C, F or R as nothing, "µ" as "u"; a pressure followed by "(g)" or "(a)" is marked.
// Letter case counts: the prefixes m and M are a factor of a thousand million apart.
std::optional<NamedUnit> FindNamedUnit(std::u16string_view name);
std::optional<NamedUnit> FindNamedUnit(std::string_view utf8);

// The names a unit is known by besides its symbol, in the form users type them.
std::vector<std::u16string_view> OtherNames(const CatalogueUnit& unit);

// The name a result in that unit is written with for a value marked `mark` (when the unit has
// none of its own): its written name, or the marked name ("psig"; "kPa (g)" where the unit has
// no marked name).
std::u16string WrittenName(const NamedUnit& unit, PressureMark mark = PressureMark::None);

// The longest end of `text` that names a unit ("10 inH2O@60F": inH2O@60F, not °F), and the text
// before it; nothing when the text ends with no unit name.
struct TrailingName {
    std::u16string_view before;
    NamedUnit unit;
};
std::optional<TrailingName> FindTrailingName(std::u16string_view text);

// A value of the unit in the quantity's base (pascals, kelvins) and back, exactly.
ExactRatio ToBase(const CatalogueUnit& unit, const ExactRatio& value);
ExactRatio FromBase(const CatalogueUnit& unit, const ExactRatio& base);

// A value converted by the definitions, rounded once.
Extended ConvertByDefinition(const CatalogueUnit& from, const CatalogueUnit& to, double value);

} // namespace baritemp
