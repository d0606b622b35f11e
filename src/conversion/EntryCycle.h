#pragma once

#include "ConversionError.h"
#include "NumberToText.h"
#include "Units.h"
#include "ValueReading.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace baritemp {

// What one press of Enter in a value field produces.
struct EntryOutcome {
    // The field's text after trimming (and, for the Celsius field, after its floor).
    std::u16string trimmedText;
    // On success, one text per field of the group, in index order: the source field's text
    // (which is also its cue banner) and the other fields' cue banners.
    std::vector<std::u16string> texts;
    // On failure, why (for the application error box); `texts` is then empty.
    std::optional<ConversionError> error;

    bool ok() const { return !error; }
};

// A field's text read as the conversion receives it.
struct EnteredValue {
    // The text after trimming (and, for the Celsius field, after its floor).
    std::u16string text;
    // The Celsius floor replaced the text: it read below absolute zero.
    bool floored = false;
    // The number read, rounded to a double.
    double value = 0;
    // Why there is no value: the text is not a number (read as typed or as the program writes
    // numbers, digit groups), or it is beyond the double range.
    std::optional<ConversionError> error;

    bool ok() const { return !error; }
};

// The reading half of the entry cycle, on the text read once (ReadValueText): the cut after its
// last digit, the temperature floors at absolute zero, the number rounded to a double. A value
// in the field's own unit, by any of its names, is its number; in a unit without a field ("1
// atm") it converts by the definitions into the field's unit. A value in another field's unit,
// of the other quantity, with a word that names no unit or with the other decimal separator is
// an error that says so; the text stays whole then.
EnteredValue EnterValue(const Unit& field, std::u16string_view fieldText, const ValueText& reading,
                        const NumberFormat& format);
// The same from the field's text. (What the window logs of it, it logs itself: the text as it
// was, which trimmedText does not change.)
EnteredValue ReadEnteredValue(const Unit& field, std::u16string_view fieldText,
                              const NumberFormat& format);

// The whole entry cycle once Enter reached a field: ReadEnteredValue, then the conversion and
// every field of the group formatted. Errors come back in the outcome instead of being thrown,
// so that a window handler never has an exception to let through. An empty text does nothing:
// no texts, no error.
EntryOutcome RunEntryCycle(const Unit& field, std::u16string_view fieldText,
                           const NumberFormat& format);

} // namespace baritemp
