#pragma once

#include "ConversionError.h"
#include "Extended.h"
#include "NumberToText.h"
#include "Units.h"

#include <optional>

#include <string>
#include <string_view>
#include <vector>

namespace baritemp::cli {

// One value converted as the window converts what is pasted into a field and entered: the text
// read as a number and its unit (surrounding blanks and digit groups dropped, nothing guessed),
// then the entry cycle (cut after the last digit, the Celsius floor, read, rounded to a double),
// then the table or the formulas, and the results written as the window writes them. The unit
// written in the value governs: a value in another unit than the one it is converted from is not
// converted (OtherUnit), never read as a number of that unit.
struct Conversion {
    enum class Status { Converted, Empty, Failed, OtherUnit };
    Status status = Status::Empty;
    std::optional<ConversionError> error; // Failed: why, as the window would report it
    Unit valueUnit;                       // OtherUnit: the unit the value is written in
    // Below absolute zero in °C: the text converted instead ("-273,15"); empty otherwise.
    std::u16string floorText;
    double input = 0; // the value read, as the conversion received it
    // Converted: one entry per unit asked for.
    std::vector<Extended> results;
    std::vector<std::u16string> texts;
};

class Converter {
public:
    explicit Converter(const NumberFormat& format) : format_(format) {}
    const NumberFormat& format() const { return format_; }

    // Every unit of the group, in the window's order: exactly the window's texts.
    Conversion all(const Unit& from, std::u16string_view text) const;
    // What a result is written as: the window's text ("14 503,7738 psi"), or the number for
    // machines, without its unit and its digit groups ("14503,7738"), which spreadsheets and
    // data tools read as a number.
    enum class Form { WindowText, Number };
    // One unit only. Quicker for many values: the other units are neither computed nor written.
    Conversion one(const Unit& from, const Unit& to, std::u16string_view text,
                   Form form = Form::WindowText) const;
    // A result in the number's form.
    std::u16string number(const Extended& result) const;

private:
    // The value read from `text` as a double, or the reason it cannot be (status Failed or
    // Empty in `out`).
    bool read(const Unit& from, std::u16string_view text, Conversion& out) const;

    NumberFormat format_;
};

} // namespace baritemp::cli
