#pragma once

#include "NumberToText.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace baritemp {

enum class FieldGroup { Pressure, Temperature };

int GroupSize(FieldGroup group);
// The unit written after a number of that field, also its first cue banner.
std::u16string_view GroupUnit(FieldGroup group, int index);

// What one press of Enter in a value field produces.
struct EntryOutcome {
    // The field's text after trimming (and, for the Celsius field, after its floor).
    std::u16string trimmedText;
    // On success, one text per field of the group, in index order: the source field's text
    // (which is also its cue banner) and the other fields' cue banners.
    std::vector<std::u16string> texts;
    // On failure, the error message for the application error box (UTF-8, without the final
    // full stop); `texts` is then empty.
    std::string error;

    bool ok() const { return error.empty(); }
};

// The rest of the entry cycle once Enter reached a non-empty field: read the (trimmed) text as
// typed or as the program writes numbers (digit groups), round it to a double, convert it and
// format every field of the group. Throws ConversionError when the text is not a number or is
// beyond the double range.
std::vector<std::u16string> ConvertFieldText(FieldGroup group, int sourceIndex,
                                             std::u16string_view text, const NumberFormat& format);

// The whole entry cycle once Enter reached a field: log and trim the text, apply the Celsius
// floor to the Celsius field, then ConvertFieldText. Errors come back in the outcome instead of
// being thrown, so that a window handler never has an exception to let through. An empty text
// does nothing: no texts, no error.
EntryOutcome RunEntryCycle(FieldGroup group, int sourceIndex, std::u16string_view fieldText,
                           const NumberFormat& format,
                           const std::function<void(std::u16string_view)>& log = {});

} // namespace baritemp
