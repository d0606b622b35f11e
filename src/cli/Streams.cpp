#include "Streams.h"

#include "TextCodec.h"

#include <istream>
#include <ostream>
#include <stdexcept>
#include <vector>

namespace baritemp::cli {

namespace {

// The lines of a stream, each without its end and with the end apart ("\r\n", "\n", or "" at the
// end of the data); one line can be put back.
class Lines {
public:
    explicit Lines(std::istream& in) : in_(in) {}
    bool next(std::string& line, std::string& end) {
        if (back_) {
            back_ = false;
            line = std::move(backLine_);
            end = std::move(backEnd_);
            return true;
        }
        if (!std::getline(in_, line))
            return false;
        // A spreadsheet's "CSV UTF-8" and Windows' editors begin with a byte-order mark: it is
        // no part of the first value or column name.
        if (linesRead_++ == 0 && line.starts_with(kByteOrderMark)) {
            line.erase(0, kByteOrderMark.size());
            byteOrderMark = true;
        }
        end.assign(in_.eof() ? 0 : 1, '\n');
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
            end.insert(0, 1, '\r');
        }
        return true;
    }
    void putBack(std::string line, std::string end) {
        backLine_ = std::move(line);
        backEnd_ = std::move(end);
        back_ = true;
    }

    static constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    bool byteOrderMark = false; // the data began with one

private:
    std::istream& in_;
    long linesRead_ = 0;
    bool back_ = false;
    std::string backLine_, backEnd_;
};

// Converts one value's text; the report says why not.
bool convertValue(const Converter& converter, const StreamJob& job, long lineNumber,
                  std::string_view value, std::string& converted, StreamReport& report) {
    const Conversion c = converter.one(job.from, job.to, FromUtf8(value), job.form);
    if (c.status == Conversion::Status::Failed) {
        ++report.failed;
        if (job.failed)
            job.failed(lineNumber, *c.error);
        return false;
    }
    if (c.status == Conversion::Status::OtherUnit) {
        ++report.failed;
        if (job.otherUnit)
            job.otherUnit(lineNumber, c.valueUnit);
        return false;
    }
    if (c.status == Conversion::Status::Empty)
        return false;
    if (!c.floorText.empty() && job.floored) {
        std::u16string converted = c.floorText + u' ';
        converted += WrittenName(job.from);
        job.floored(lineNumber, ToUtf8(converted));
    }
    ++report.values;
    converted = ToUtf8(c.texts.front());
    return true;
}

// A record of a delimited file: its bytes without the line end, and where its fields are.
struct Record {
    std::string text;
    std::string end;
    std::vector<std::pair<std::size_t, std::size_t>> fields; // begin, length
    long firstLine = 0;
    long lines = 0;
};

bool readRecord(Lines& in, char delimiter, Record& record, long& lineNumber) {
    record = Record{};
    std::string line, end;
    bool quoted = false;
    while (in.next(line, end)) {
        ++lineNumber;
        if (record.lines++ == 0)
            record.firstLine = lineNumber;
        record.text += line;
        for (const char c : line)
            quoted = c == '"' ? !quoted : quoted;
        if (!quoted || end.empty()) {
            record.end = end;
            break;
        }
        record.text += end; // a line end inside quotes belongs to the field
    }
    if (record.lines == 0)
        return false;
    std::size_t begin = 0;
    quoted = false;
    for (std::size_t i = 0; i <= record.text.size(); ++i) {
        if (i == record.text.size() || (record.text[i] == delimiter && !quoted)) {
            record.fields.emplace_back(begin, i - begin);
            begin = i + 1;
        } else if (record.text[i] == '"') {
            quoted = !quoted;
        }
    }
    return true;
}

std::string unquoted(std::string_view field) {
    if (field.size() < 2 || field.front() != '"' || field.back() != '"')
        return std::string(field);
    std::string out;
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        out += field[i];
        if (field[i] == '"' && field[i + 1] == '"')
            ++i;
    }
    return out;
}

// Quoted when it must be, or when it was.
std::string field(const std::string& text, char delimiter, bool wasQuoted) {
    const bool must =
        text.find_first_of(std::string{delimiter, '"', '\r', '\n'}) != std::string::npos;
    if (!must && !wasQuoted)
        return text;
    std::string out = "\"";
    for (const char c : text) {
        out += c;
        if (c == '"')
            out += '"';
    }
    return out + '"';
}

// "," or ";", whichever the line holds more of outside quotes (a tie: ",").
char detectDelimiter(std::string_view firstLine) {
    long commas = 0, semicolons = 0;
    bool quoted = false;
    for (const char c : firstLine) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > commas ? ';' : ',';
}

// The column's name with the unit it is converted to: "Pressure (bar)" becomes "Pressure
// (psi)" when bar is the unit converted from; any other name gets " (psi)" after it.
std::string headerInUnit(std::string name, const StreamJob& job) {
    const std::string to = ToUtf8(Converter::writtenUnit(job.to, job.from.mark));
    const std::size_t open = name.rfind('(');
    if (open != std::string::npos && name.ends_with(')')) {
        const auto named =
            FindNamedUnit(std::string_view(name).substr(open + 1, name.size() - open - 2));
        if (named && named->unit == job.from.unit) {
            name.erase(open);
            while (!name.empty() && name.back() == ' ')
                name.pop_back();
        }
    }
    return name + " (" + to + ")";
}

} // namespace

StreamReport ConvertLines(std::istream& in, std::ostream& out, const Converter& converter,
                          const StreamJob& job) {
    StreamReport report;
    Lines lines(in);
    std::string line, end, converted;
    for (long number = 1; out && lines.next(line, end); ++number) {
        if (convertValue(converter, job, number, line, converted, report))
            out << converted << end;
        else
            out << line << end;
    }
    return report;
}

StreamReport ConvertCsv(std::istream& in, std::ostream& out, const Converter& converter,
                        const StreamJob& job, const CsvColumn& column) {
    StreamReport report;
    Lines lines(in);
    long lineNumber = 0;
    Record record;
    char delimiter = column.delimiter;
    // The first line tells the delimiter (unless given) and whether the data is marked as UTF-8;
    // it is then read again as the first record.
    std::string line, end;
    if (lines.next(line, end)) {
        if (delimiter == 0)
            delimiter = detectDelimiter(line);
        lines.putBack(std::move(line), std::move(end));
    }
    if (delimiter == 0)
        delimiter = ',';
    if (lines.byteOrderMark)
        out << Lines::kByteOrderMark; // so that a spreadsheet still reads it as UTF-8
    int index = column.number - 1;
    for (bool first = true; out && readRecord(lines, delimiter, record, lineNumber);
         first = false) {
        const auto cell = [&](int i) {
            const auto [begin, length] = record.fields[static_cast<std::size_t>(i)];
            return std::string_view(record.text).substr(begin, length);
        };
        if (first && column.header) {
            if (index < 0) {
                for (int i = 0; i < static_cast<int>(record.fields.size()); ++i) {
                    if (unquoted(cell(i)) == column.name)
                        index = i;
                }
            }
            if (index < 0 || index >= static_cast<int>(record.fields.size()))
                throw std::invalid_argument(column.name.empty() ? std::to_string(column.number)
                                                                : column.name);
        }
        if (index < 0)
            throw std::invalid_argument(column.name);
        if (index >= static_cast<int>(record.fields.size())) {
            out << record.text << record.end; // a short record: nothing to convert
            continue;
        }
        const std::string_view raw = cell(index);
        const bool wasQuoted = raw.size() >= 2 && raw.front() == '"';
        std::string replacement;
        if (first && column.header) {
            replacement = field(headerInUnit(unquoted(raw), job), delimiter, wasQuoted);
        } else {
            std::string converted;
            if (!convertValue(converter, job, record.firstLine, unquoted(raw), converted, report)) {
                out << record.text << record.end;
                continue;
            }
            replacement = field(converted, delimiter, wasQuoted);
        }
        const auto [begin, length] = record.fields[static_cast<std::size_t>(index)];
        out << std::string_view(record.text).substr(0, begin) << replacement
            << std::string_view(record.text).substr(begin + length) << record.end;
    }
    return report;
}

} // namespace baritemp::cli
