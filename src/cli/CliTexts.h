#pragma once

#include <string>
#include <string_view>

namespace baritemp::cli {

// The command's own texts, French and English side by side (CliTexts.cpp). The messages for a
// value that is not a number and for overflow are not here: they are the window's, in French.
enum class CliText {
    Help,
    UnknownOption, // %1: the option
    MissingValue,  // %1: the option
    UnknownUnit,   // %1: the unit
    NoUnit,        // a value without its unit
    DecimalsRange,
    OneCharacter,  // %1: the option
    UnknownLocale, // %1: the locale
    OtherQuantity, // %1, %2: the units
    OneTargetForStream,
    JsonForOneValue,
    NoColumn,          // %1: the column
    CannotRead,        // %1: the file, %2: the reason
    Line,              // %1: the line number, %2: the message
    BelowAbsoluteZero, // %1: the floor's text
    OtherUnit,         // %1: the value's unit, %2: the unit it was to be converted from
    WindowTextOrNumber,
    ExactDefinition,      // %1: what the unit is
    RoundedDefinition,    // %1: what the unit is, %2: its value in Pa, %3: the table's difference
    OtherWaterDefinition, // %1, %2, %3: as RoundedDefinition, %2 the conventional inch of water
    AlsoKnownAs,          // %1: the other names
    Usage,                // after a usage error: how to get help
};

// The text in French (`french`) or in English, %1, %2 and %3 replaced by the arguments.
std::string Text(CliText text, bool french, std::string_view first = {},
                 std::string_view second = {}, std::string_view third = {});

} // namespace baritemp::cli
