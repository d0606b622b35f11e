#pragma once

#include "NumberToText.h"

#include <string>
#include <vector>

namespace baritemp::cli {

// One unit as `baritemp-convert --units` tells it (UTF-8): its name, its value in pascals (a
// formula for a temperature), its definition, and the other names it is known by.
struct UnitLine {
    std::string unit;
    std::string value;
    std::string definition;
    std::string aliases; // "inHg", "C, degC"; empty when there are none
};

// The seventeen units' definitions in the message language, numbers with the format's
// separators.
std::vector<UnitLine> DescribeUnits(bool french, const NumberFormat& format);

// The lines as a table, one unit a line, columns aligned, in the message language.
std::string UnitListText(const std::vector<UnitLine>& lines, bool french);

} // namespace baritemp::cli
