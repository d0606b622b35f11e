#pragma once

#include "Converter.h"

#include <functional>
#include <iosfwd>
#include <string>

namespace baritemp::cli {

// What a stream's conversion met.
struct StreamReport {
    long values = 0; // converted
    long failed = 0; // did not read (passed through unchanged)
};

// A job's conversions and where each line's trouble is told, with its number (from 1).
struct StreamJob {
    NamedUnit from;
    NamedUnit to;
    Converter::Form form = Converter::Form::WindowText;
    // A value that does not read, or is out of range.
    std::function<void(long line, const ConversionError& error)> failed;
    // A temperature below absolute zero: what was converted ("-273,15 °C").
    std::function<void(long line, const std::string& converted)> floored;
    // A value written in another unit than `from` ("30 psi" among bars): never converted.
    std::function<void(long line, const NamedUnit& valueUnit)> otherUnit;
};

// One value per line of `in`, each written as one line of `out` in the unit asked for, in the
// job's form. A line whose value does not read, or is in another unit, is written unchanged.
// Blank lines stay blank. Line ends are kept (LF or CR LF). Reads and writes one line at a time.
StreamReport ConvertLines(std::istream& in, std::ostream& out, const Converter& converter,
                          const StreamJob& job);

struct CsvColumn {
    std::string name;   // the column by its header, or
    int number = 0;     // by its place, from 1
    char delimiter = 0; // 0: "," or ";", whichever the first line holds more of (outside quotes)
    bool header = true; // the first record names the columns
};

// A file whose `delimiter`-separated column holds values: the column converted, every other
// field written byte for byte, quoted fields (delimiters, quotes and line ends inside them)
// respected, line ends kept. The header's cell of the column gets " (unit)" after its name. A
// record whose value does not read, or is in another unit, is written unchanged. Throws
// std::invalid_argument when the column is not there.
StreamReport ConvertCsv(std::istream& in, std::ostream& out, const Converter& converter,
                        const StreamJob& job, const CsvColumn& column);

} // namespace baritemp::cli
