#pragma once

#include "Extended.h"
#include "UnitCatalogue.h"

#include <optional>
#include <string>
#include <string_view>

namespace baritemp {

// A text as a value: the one reading of "number and unit" that the window's entry cycle, its
// paste and drop, and baritemp-convert share. One pass over the text: its surrounding blanks
// (and the line ends a copied cell brings), the unit at its end (the catalogue's names, the
// longest that fits: "10 inH2O@60F" is not 10 inH2O@60 °F), the number's digit groups, and the
// number under the user's separators. Nothing is guessed: "2.5" under French rules is no number,
// and says why.
struct ValueText {
    enum class Status {
        Empty,            // nothing but blanks
        Value,            // a number, with or without a unit
        NotANumber,       // no number under these separators
        UnknownUnit,      // a number followed by a word that names no unit ("12 xyz")
        DecimalSeparator, // a number only with the other decimal separator ("2.5" under ",")
    };
    Status status = Status::Empty;
    // The text without its surrounding blanks.
    std::u16string_view whole;
    // Value: the number as written (before the unit, blanks trimmed), and without its digit
    // groups ("1 013,25" and "1013,25"), and its value.
    std::u16string_view written;
    std::u16string number;
    Extended value;
    // Value: the unit it names, if any.
    std::optional<NamedUnit> unit;
    // UnknownUnit: the word; DecimalSeparator: the separator the text uses.
    std::u16string_view unknownUnit;
    char16_t separatorUsed = 0;

    bool ok() const { return status == Status::Value; }
};

ValueText ReadValueText(std::u16string_view text, char16_t decimalSeparator,
                        char16_t thousandSeparator);

// What text that arrives in a field other than key by key (paste, drop) does there. A number
// alone, or in the field's own unit by any of its names, goes in as its number ("1 013,25 mbar"
// in mbar: "1013,25"); anything that is no value of the field's quantity goes in as it is, for
// Enter to report; a value in another field's unit converts at once in that field ("30 psi" in
// bar: 30 in psi), one in a unit without a field in this field, by its definition ("1 atm").
struct Arrival {
    bool convert = false; // false: `text` goes into the field
    Unit target;          // convert: the field that converts `text`
    std::u16string text;
};
Arrival ReadArrival(const Unit& field, std::u16string_view text, char16_t decimalSeparator,
                    char16_t thousandSeparator);

} // namespace baritemp
