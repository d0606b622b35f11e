#pragma once

#include "NumberToText.h"

#include <QString>

#include <vector>

namespace baritemp::cli {

// One unit as `baritemp-convert --units` tells it, in the messages' language: its name, its
// value in pascals (a formula for a temperature), its definition, and the other names it is
// known by.
struct UnitLine {
    QString unit;
    QString value;
    QString definition;
    QString aliases; // "inHg", "C, degC"; empty when there are none
};

// The seventeen units' definitions, numbers with the format's separators.
std::vector<UnitLine> DescribeUnits(const NumberFormat& format);

// The lines as a table, one unit a line, columns aligned.
QString UnitListText(const std::vector<UnitLine>& lines);

} // namespace baritemp::cli
