#include "Command.h"

#include "CliTexts.h"
#include "Converter.h"
#include "ExactDecimal.h"
#include "NumericEntry.h"
#include "RegionalNumber.h"
#include "Streams.h"
#include "TextCodec.h"
#include "UnitList.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <ostream>
#include <stdexcept>

namespace baritemp::cli {

namespace {

struct Options {
    bool help = false;
    std::vector<std::string> positional;
    std::vector<std::string> to;
    std::optional<std::string> decimals, locale, decimalSeparator, thousandSeparator, from, csv,
        delimiter, lang;
    bool noUnit = false, windowText = false, json = false, noHeader = false, units = false;
};

// A usage error: the text and its arguments, written once the language is known.
struct UsageError {
    CliText text;
    std::string first, second;
};

Options parse(const std::vector<std::string>& arguments) {
    Options o;
    const std::pair<const char*, std::optional<std::string> Options::*> valued[] = {
        {"--decimals", &Options::decimals},
        {"--locale", &Options::locale},
        {"--decimal-separator", &Options::decimalSeparator},
        {"--thousands-separator", &Options::thousandSeparator},
        {"--from", &Options::from},
        {"--csv", &Options::csv},
        {"--delimiter", &Options::delimiter},
        {"--lang", &Options::lang},
    };
    const std::pair<const char*, bool Options::*> flags[] = {
        {"--help", &Options::help},
        {"--no-unit", &Options::noUnit},
        {"--window-text", &Options::windowText},
        {"--units", &Options::units},
        {"--json", &Options::json},
        {"--no-header", &Options::noHeader},
    };
    bool options = true;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        // A negative value ("-40") is a value, not an option: options begin with "--".
        if (!options || a.rfind("--", 0) != 0 || a == "-") {
            o.positional.push_back(a);
            continue;
        }
        if (a == "--") {
            options = false;
            continue;
        }
        const std::size_t equals = a.find('=');
        const std::string name = a.substr(0, equals);
        bool known = false;
        for (const auto& [flag, member] : flags) {
            if (name == flag && equals == std::string::npos) {
                o.*member = true;
                known = true;
            }
        }
        const auto value = [&]() -> std::string {
            if (equals != std::string::npos)
                return a.substr(equals + 1);
            if (i + 1 >= arguments.size())
                throw UsageError{CliText::MissingValue, name, {}};
            return arguments[++i];
        };
        if (name == "--to") {
            o.to.push_back(value());
            known = true;
        }
        for (const auto& [option, member] : valued) {
            if (name == option) {
                o.*member = value();
                known = true;
            }
        }
        if (!known)
            throw UsageError{CliText::UnknownOption, a, {}};
    }
    return o;
}

Unit unit(const std::string& name) {
    if (const auto u = FindUnit(name))
        return *u;
    throw UsageError{CliText::UnknownUnit, name, {}};
}

char16_t oneCharacter(const std::string& option, const std::string& utf8, bool emptyAllowed) {
    const std::u16string text = FromUtf8(utf8);
    if (text.size() == 1)
        return text.front();
    if (text.empty() && emptyAllowed)
        return 0;
    throw UsageError{CliText::OneCharacter, option, {}};
}

// The value and the unit it is converted from: "2,5 bar", or "2,5" and "bar", or the value
// alone with --from. A unit given apart is checked against one written in the value when the
// value is read: the value's own unit governs.
std::pair<std::string, Unit> valueAndUnit(const Options& o) {
    const std::string& text = o.positional[0];
    if (o.positional.size() >= 2)
        return {text, unit(o.positional[1])};
    if (o.from)
        return {text, unit(*o.from)};
    if (const auto named = FindTrailingUnit(FromUtf8(text)))
        return {text, named->unit};
    throw UsageError{CliText::NoUnit, {}, {}};
}

std::string jsonString(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

std::string jsonDouble(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value); // shortest
    return std::string(buffer, result.ptr);
}

int oneValue(const Options& o, const Converter& converter, bool french, std::ostream& out,
             std::ostream& err) {
    const auto [text, from] = valueAndUnit(o);
    std::vector<Unit> targets;
    for (const std::string& name : o.to) {
        const Unit u = unit(name);
        if (u.group != from.group)
            throw UsageError{CliText::OtherQuantity, name, ToUtf8(UnitName(from))};
        targets.push_back(u);
    }
    if (targets.empty()) {
        for (int i = 0; i < GroupSize(from.group); ++i)
            targets.push_back({from.group, i});
    }
    const Conversion c = converter.all(from, FromUtf8(text));
    if (c.status == Conversion::Status::OtherUnit) {
        err << Text(CliText::OtherUnit, french, ToUtf8(UnitName(c.valueUnit)),
                    ToUtf8(UnitName(from)))
            << '\n';
        return 1;
    }
    if (c.status != Conversion::Status::Converted) {
        // The window's message, and the full stop its error box adds.
        const std::string message =
            c.status == Conversion::Status::Failed ? c.error : InvalidNumberMessage(u"");
        err << message << ".\n";
        return 1;
    }
    if (!c.floorText.empty()) {
        err << Text(CliText::BelowAbsoluteZero, french,
                    ToUtf8(c.texts[static_cast<std::size_t>(from.index)]))
            << '\n';
    }
    const auto shown = [&](const Unit& u) {
        const auto i = static_cast<std::size_t>(u.index);
        return ToUtf8(o.noUnit ? converter.number(c.results[i]) : c.texts[i]);
    };
    if (!o.json) {
        for (const Unit& u : targets)
            out << shown(u) << '\n';
        return 0;
    }
    out << "{\"input\":" << jsonDouble(c.input)
        << ",\"unit\":" << jsonString(ToUtf8(UnitName(from))) << ",\"results\":[";
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const Extended& r = c.results[static_cast<std::size_t>(targets[i].index)];
        out << (i == 0 ? "\n" : ",\n") << "{\"unit\":" << jsonString(ToUtf8(UnitName(targets[i])))
            << ",\"text\":" << jsonString(shown(targets[i]))
            << ",\"value\":" << ExtendedToScientific(r, 21)
            << ",\"double\":" << jsonDouble(r.toDouble()) << '}';
    }
    out << "\n]}\n";
    return 0;
}

int stream(const Options& o, const Converter& converter, bool french, std::istream& in,
           std::ostream& out, std::ostream& err) {
    if (o.to.size() != 1)
        throw UsageError{CliText::OneTargetForStream, {}, {}};
    StreamJob job;
    job.from = unit(*o.from);
    job.to = unit(o.to.front());
    if (job.from.group != job.to.group)
        throw UsageError{CliText::OtherQuantity, *o.from, o.to.front()};
    // Data files get numbers their readers parse: the header names the unit.
    if (o.noUnit && o.windowText)
        throw UsageError{CliText::WindowTextOrNumber, {}, {}};
    job.form = o.noUnit || (o.csv && !o.windowText) ? Converter::Form::Number
                                                    : Converter::Form::WindowText;
    job.failed = [&](long line, const std::string& message) {
        err << Text(CliText::Line, french, std::to_string(line), message + ".") << '\n';
    };
    job.otherUnit = [&](long line, const Unit& valueUnit) {
        err << Text(CliText::Line, french, std::to_string(line),
                    Text(CliText::OtherUnit, french, ToUtf8(UnitName(valueUnit)),
                         ToUtf8(UnitName(job.from))))
            << '\n';
    };
    job.floored = [&](long line, const std::string& converted) {
        err << Text(CliText::Line, french, std::to_string(line),
                    Text(CliText::BelowAbsoluteZero, french, converted))
            << '\n';
    };
    StreamReport report;
    if (!o.csv) {
        report = ConvertLines(in, out, converter, job);
    } else {
        CsvColumn column;
        const std::string& c = *o.csv;
        if (!c.empty() && c.find_first_not_of("0123456789") == std::string::npos)
            column.number = std::stoi(c);
        else
            column.name = c;
        if (o.delimiter)
            column.delimiter = static_cast<char>(
                oneCharacter("--delimiter", *o.delimiter == "\\t" ? "\t" : *o.delimiter, false));
        column.header = !o.noHeader;
        std::ifstream file;
        std::istream* source = &in;
        if (!o.positional.empty()) {
            const std::string& path = o.positional.front();
            file.open(std::filesystem::path(std::u8string(path.begin(), path.end())),
                      std::ios::binary);
            if (!file) {
                err << Text(CliText::CannotRead, french, path, std::strerror(errno)) << '\n';
                return 2;
            }
            source = &file;
        }
        try {
            report = ConvertCsv(*source, out, converter, job, column);
        } catch (const std::invalid_argument& e) {
            throw UsageError{CliText::NoColumn, e.what(), {}};
        }
    }
    return report.failed == 0 ? 0 : 1;
}

} // namespace

int RunCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err, Environment& environment) {
    bool french = environment.savedLanguage().value_or("FR") == "FR";
    try {
        const Options o = parse(arguments);
        if (o.lang) // as the window reads Lang: French for "FR", English for anything else
            french = EqualIgnoringAsciiCase(std::string_view(*o.lang), std::string_view("FR"));
        if (o.help) {
            out << Text(CliText::Help, french);
            return 0;
        }
        NumberFormat format;
        format.decimals = environment.savedDecimals().value_or(4);
        if (o.decimals) {
            const std::string& d = *o.decimals;
            int n = -1;
            const auto end = d.data() + d.size();
            if (std::from_chars(d.data(), end, n).ptr != end || n < 0 || n > 18)
                throw UsageError{CliText::DecimalsRange, {}, {}};
            format.decimals = n;
        }
        Separators separators = environment.userSeparators();
        if (o.locale) {
            const auto region = environment.localeSeparators(*o.locale);
            if (!region)
                throw UsageError{CliText::UnknownLocale, *o.locale, {}};
            separators = *region;
        }
        if (o.decimalSeparator)
            separators.decimal = oneCharacter("--decimal-separator", *o.decimalSeparator, false);
        if (o.thousandSeparator)
            separators.thousand = oneCharacter("--thousands-separator", *o.thousandSeparator, true);
        format.decimalSeparator = separators.decimal;
        format.thousandSeparator = separators.thousand;
        const Converter converter(format);
        if (o.units) {
            out << UnitListText(DescribeUnits(french, format), french);
            return 0;
        }
        if (o.json && (o.positional.empty() || o.csv))
            throw UsageError{CliText::JsonForOneValue, {}, {}};
        if (!o.csv && !o.positional.empty())
            return oneValue(o, converter, french, out, err);
        if (!o.from)
            throw UsageError{CliText::NoUnit, {}, {}};
        return stream(o, converter, french, in, out, err);
    } catch (const UsageError& e) {
        err << Text(e.text, french, e.first, e.second) << '\n'
            << Text(CliText::Usage, french) << '\n';
        return 2;
    }
}

} // namespace baritemp::cli
