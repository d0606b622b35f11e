#pragma once

#include "ConversionError.h"
#include "Extended.h"
#include "NumberToText.h"
#include "UnitCatalogue.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace baritemp::cli {

// One value converted as the window converts what is pasted into a field and entered: the text
// read once as a number and its unit (surrounding blanks and digit groups dropped, nothing
// guessed), then the entry cycle (cut after the last digit, the floors at absolute zero, read,
// rounded to a double), then the table or the formulas, and the results written as the window
// writes them. The unit written in the value governs: a value in another unit than the one it is
// converted from is not converted (OtherUnit), never read as a number of that unit.
//
// Units without a field of the window (atm, ftH2O, °R …) convert by their definitions, exactly,
// rounded once; so do the window's units with `exact` (1 kg/cm² is then 0.980665 bar, where the
// table says 0.98066). Gauge and absolute pressures: a gauge value to an absolute unit has the
// reference added (the standard atmosphere unless another is given), an absolute value to a
// gauge unit has it taken off; a marked value written in an unmarked unit keeps its mark ("10
// barg" in psi is "145,0377 psig").
struct Conversion {
    enum class Status { Converted, Empty, Failed, OtherUnit };
    Status status = Status::Empty;
    std::optional<ConversionError> error; // Failed: why, as the window would report it
    NamedUnit valueUnit;                  // OtherUnit: the unit the value is written in
    // Below absolute zero: the text converted instead ("-273,15"); empty otherwise.
    std::u16string floorText;
    double input = 0; // the value read, as the conversion received it
    // Converted: one entry per unit asked for.
    std::vector<Extended> results;
    std::vector<std::u16string> texts;
};

// A pressure in a unit: the atmosphere a gauge reading is above.
struct Reference {
    double value = 101325;
    const CatalogueUnit* unit = &CatalogueUnitOf({FieldGroup::Pressure, 4}); // Pa
};

class Converter {
public:
    explicit Converter(const NumberFormat& format, bool exact = false, Reference reference = {})
        : format_(format), exact_(exact), reference_(reference) {}
    const NumberFormat& format() const { return format_; }

    // What a result is written as: the window's text ("14 503,7738 psi"), or the number for
    // machines, without its unit and its digit groups ("14503,7738"), which spreadsheets and
    // data tools read as a number.
    enum class Form { WindowText, Number };
    Conversion convert(const NamedUnit& from, const std::vector<NamedUnit>& to,
                       std::u16string_view text, Form form = Form::WindowText) const;
    // Every unit of the window's group, in the window's order: exactly the window's texts.
    Conversion all(const NamedUnit& from, std::u16string_view text) const;
    // One unit only. Quicker for many values: the other units are neither computed nor written.
    Conversion one(const NamedUnit& from, const NamedUnit& to, std::u16string_view text,
                   Form form = Form::WindowText) const;
    // A result in the number's form.
    std::u16string number(const Extended& result) const;
    // The unit a result in `to` is written with, for a value marked `valueMark`.
    static std::u16string writtenUnit(const NamedUnit& to, PressureMark valueMark);

private:
    // The value read from `text` as a double, or the reason it cannot be (status Failed,
    // OtherUnit or Empty in `out`); its mark, the written one or `from`'s.
    bool read(const NamedUnit& from, std::u16string_view text, Conversion& out,
              PressureMark& mark) const;
    Extended result(const NamedUnit& from, PressureMark mark, const NamedUnit& to,
                    double value) const;

    NumberFormat format_;
    bool exact_;
    Reference reference_;
};

} // namespace baritemp::cli
