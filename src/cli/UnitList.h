#pragma once

#include "NumberToText.h"

#include <QString>

#include <vector>

namespace baritemp::cli {

// One unit as `baritemp-convert --units` tells it, in the messages' language: its name, its
// value in pascals (a formula for a temperature), its definition and where it comes from, and
// the other names it is known by.
struct UnitLine {
    QString unit;
    QString value;
    QString definition;
    QString source;  // "NIST SP 811"
    QString aliases; // "inHg", "C, degC"; empty when there are none
};

// Every unit of the catalogue, the window's seventeen first; numbers with the format's
// separators.
std::vector<UnitLine> DescribeUnits(const NumberFormat& format);

// A relative difference with two significant digits, with the format's decimal separator:
// "+9.9·10⁻¹⁰".
QString RelativeDifferenceText(const Extended& relative, const NumberFormat& format);

// The lines as a table, one unit a line, columns aligned.
QString UnitListText(const std::vector<UnitLine>& lines);

} // namespace baritemp::cli
