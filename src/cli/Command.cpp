#include "Command.h"

#include "Converter.h"
#include "ExactDecimal.h"
#include "Messages.h"
#include "NumericEntry.h"
#include "StoredSettings.h"
#include "Streams.h"
#include "TextCodec.h"
#include "Translations.h"
#include "UnitList.h"
#include "ValueReading.h"

#include <QCoreApplication>
#include <QString>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
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
        delimiter, lang, reference;
    bool noUnit = false, windowText = false, json = false, noHeader = false, units = false,
         exact = false, version = false;
};

// The options that take a value, and those that are flags.
const std::pair<const char*, std::optional<std::string> Options::*> kValued[] = {
    {"--decimals", &Options::decimals},
    {"--locale", &Options::locale},
    {"--decimal-separator", &Options::decimalSeparator},
    {"--thousands-separator", &Options::thousandSeparator},
    {"--from", &Options::from},
    {"--csv", &Options::csv},
    {"--delimiter", &Options::delimiter},
    {"--lang", &Options::lang},
    {"--reference", &Options::reference},
};
const std::pair<const char*, bool Options::*> kFlags[] = {
    {"--help", &Options::help},          {"-h", &Options::help},
    {"--version", &Options::version},    {"-V", &Options::version},
    {"--no-unit", &Options::noUnit},     {"--window-text", &Options::windowText},
    {"--units", &Options::units},        {"--json", &Options::json},
    {"--no-header", &Options::noHeader}, {"--exact", &Options::exact},
};

// A usage error: its text, worded once the language is known.
struct UsageError {
    std::function<QString()> text;
};

QString utf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString unitName(const NamedUnit& unit) {
    return QString::fromStdU16String(WrittenName(unit));
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

// The command, its options read, in one language.
class Command {
    Q_DECLARE_TR_FUNCTIONS(Command)

public:
    Command(std::istream& in, std::ostream& out, std::ostream& err, Environment& environment)
        : in_(in), out_(out), err_(err), environment_(environment) {}

    int run(const std::vector<std::string>& arguments);

private:
    int work(const std::vector<std::string>& arguments);
    Options parse(const std::vector<std::string>& arguments);
    static NamedUnit unit(const std::string& name);
    Reference reference(const Options& o, const NumberFormat& format) const;
    static char16_t oneCharacter(const std::string& option, const std::string& text,
                                 bool emptyAllowed);
    std::pair<std::string, NamedUnit> valueAndUnit(const Options& o) const;
    NumberFormat format(const Options& o) const;
    int oneValue(const Options& o, const Converter& converter);
    static CsvColumn csvColumn(const Options& o);
    int stream(const Options& o, const Converter& converter);
    void say(const QString& text) { err_ << text.toStdString() << '\n'; }
    static QString help();
    static QString language(const std::string& code);

    std::istream& in_;
    std::ostream& out_;
    std::ostream& err_;
    Environment& environment_;
    Translations translations_;
};

Options Command::parse(const std::vector<std::string>& arguments) {
    Options o;
    bool options = true;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        // A negative value ("-40") is a value, not an option: options begin with "--", but for
        // the two every tool answers, -h and -V.
        const bool shortOption = a == "-h" || a == "-V";
        if (!options || (a.rfind("--", 0) != 0 && !shortOption) || a == "-") {
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
        for (const auto& [flag, member] : kFlags) {
            if (name == flag && equals == std::string::npos) {
                o.*member = true;
                known = true;
            }
        }
        const auto value = [&]() -> std::string {
            if (equals != std::string::npos)
                return a.substr(equals + 1);
            if (i + 1 >= arguments.size())
                throw UsageError{[name] { return tr("option %1 needs a value").arg(utf8(name)); }};
            return arguments[++i];
        };
        if (name == "--to") {
            o.to.push_back(value());
            known = true;
        }
        for (const auto& [option, member] : kValued) {
            if (name == option) {
                o.*member = value();
                known = true;
            }
        }
        if (!known)
            throw UsageError{[a] { return tr("unknown option: %1").arg(utf8(a)); }};
    }
    return o;
}

NamedUnit Command::unit(const std::string& name) {
    if (const auto u = FindNamedUnit(name))
        return *u;
    throw UsageError{[name] { return tr("unknown unit: %1").arg(utf8(name)); }};
}

char16_t Command::oneCharacter(const std::string& option, const std::string& utf8Text,
                               bool emptyAllowed) {
    const std::u16string text = FromUtf8(utf8Text);
    if (text.size() == 1)
        return text.front();
    if (text.empty() && emptyAllowed)
        return 0;
    throw UsageError{[option] { return tr("%1 takes one character").arg(utf8(option)); }};
}

// The value and the unit it is converted from: "2,5 bar", or "2,5" and "bar", or the value
// alone with --from. A unit given apart is checked against one written in the value when the
// value is read: the value's own unit governs.
std::pair<std::string, NamedUnit> Command::valueAndUnit(const Options& o) const {
    const std::string& text = o.positional[0];
    if (o.positional.size() >= 2)
        return {text, unit(o.positional[1])};
    if (o.from)
        return {text, unit(*o.from)};
    if (const auto named = FindTrailingName(FromUtf8(text)))
        return {text, named->unit};
    throw UsageError{[] { return tr("the value's unit is missing"); }};
}

NumberFormat Command::format(const Options& o) const {
    NumberFormat format;
    format.decimals = environment_.savedDecimals().value_or(stored::kDefaultDecimals);
    if (o.decimals) {
        const std::string& d = *o.decimals;
        int n = -1;
        const auto end = d.data() + d.size();
        if (std::from_chars(d.data(), end, n).ptr != end || n < 0 || n > 18)
            throw UsageError{[] { return tr("--decimals takes a number from 0 to 18"); }};
        format.decimals = n;
    }
    Separators separators = environment_.userSeparators();
    if (o.locale) {
        const auto region = environment_.localeSeparators(*o.locale);
        if (!region)
            throw UsageError{[o] { return tr("unknown locale: %1").arg(utf8(*o.locale)); }};
        separators = *region;
    }
    if (o.decimalSeparator)
        separators.decimal = oneCharacter("--decimal-separator", *o.decimalSeparator, false);
    if (o.thousandSeparator)
        separators.thousand = oneCharacter("--thousands-separator", *o.thousandSeparator, true);
    format.decimalSeparator = separators.decimal;
    format.thousandSeparator = separators.thousand;
    return format;
}

// The atmosphere a gauge pressure is above: a pressure with its unit ("950 hPa").
Reference Command::reference(const Options& o, const NumberFormat& format) const {
    if (!o.reference)
        return {};
    const std::u16string text = FromUtf8(*o.reference);
    const ValueText reading =
        ReadValueText(text, format.decimalSeparator, format.thousandSeparator);
    if (!reading.ok() || !reading.unit || reading.unit->unit->quantity != FieldGroup::Pressure)
        throw UsageError{[o] {
            return tr("--reference takes a pressure and its unit, as \"950 hPa\": %1")
                .arg(utf8(*o.reference));
        }};
    try {
        return {RoundToDouble(reading.value), reading.unit->unit};
    } catch (const ConversionError&) {
        throw UsageError{
            [o] { return tr("--reference is out of range: %1").arg(utf8(*o.reference)); }};
    }
}

int Command::oneValue(const Options& o, const Converter& converter) {
    const auto valueAndItsUnit = valueAndUnit(o);
    const std::string& text = valueAndItsUnit.first;
    const NamedUnit from = valueAndItsUnit.second;
    std::vector<NamedUnit> targets;
    for (const std::string& name : o.to) {
        const NamedUnit u = unit(name);
        if (u.unit->quantity != from.unit->quantity)
            throw UsageError{[name, from] {
                return tr("%1 and %2 are not the same quantity").arg(utf8(name), unitName(from));
            }};
        targets.push_back(u);
    }
    if (targets.empty()) {
        for (int i = 0; i < GroupSize(from.unit->quantity); ++i)
            targets.push_back(Named(CatalogueUnitOf({from.unit->quantity, i})));
    }
    const Conversion c = converter.convert(from, targets, FromUtf8(text));
    switch (c.status) {
    case Conversion::Status::OtherUnit:
        say(tr("the value is in %1 and the unit given is %2")
                .arg(unitName(c.valueUnit), unitName(from)));
        return 1;
    case Conversion::Status::Failed:
        // The window's message, and the full stop its error box adds.
        say(ConversionErrorText(*c.error, nullptr) + u'.');
        return 1;
    case Conversion::Status::Empty:
        say(ConversionErrorText(ConversionError(ConversionError::Kind::InvalidNumber), nullptr) +
            u'.');
        return 1;
    case Conversion::Status::Converted:
        break;
    }
    if (!c.floorText.empty()) {
        const std::u16string floor =
            FormatResult(Extended::fromDouble(c.input), WrittenName(from), converter.format());
        say(tr("below absolute zero, converted at %1").arg(QString::fromStdU16String(floor)));
    }
    const auto shown = [&](std::size_t i) {
        return ToUtf8(o.noUnit ? converter.number(c.results[i]) : c.texts[i]);
    };
    if (!o.json) {
        for (std::size_t i = 0; i < targets.size(); ++i)
            out_ << shown(i) << '\n';
        return 0;
    }
    // JSON numbers are doubles to the programs that read them: a result beyond their range is
    // an error, not a file they refuse (no "inf").
    for (std::size_t i = 0; i < targets.size(); ++i) {
        if (!std::isfinite(c.results[i].toDouble())) {
            say(tr("the result in %1 is beyond the range of a JSON number: %2")
                    .arg(QString::fromStdU16String(Converter::writtenUnit(targets[i], from.mark)),
                         QString::fromStdString(shown(i))));
            return 1;
        }
    }
    out_ << "{\"input\":" << jsonDouble(c.input)
         << ",\"unit\":" << jsonString(ToUtf8(WrittenName(from))) << ",\"results\":[";
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const Extended& r = c.results[i];
        const std::u16string written = Converter::writtenUnit(targets[i], from.mark);
        out_ << (i == 0 ? "\n" : ",\n") << "{\"unit\":" << jsonString(ToUtf8(written))
             << ",\"text\":" << jsonString(shown(i)) << ",\"value\":" << ExtendedToScientific(r, 21)
             << ",\"double\":" << jsonDouble(r.toDouble()) << '}';
    }
    out_ << "\n]}\n";
    return 0;
}

// The column --csv names (by its header or its place), and how the file is delimited.
CsvColumn Command::csvColumn(const Options& o) {
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
    return column;
}

int Command::stream(const Options& o, const Converter& converter) {
    if (o.to.size() != 1)
        throw UsageError{[] { return tr("converting line by line takes exactly one --to unit"); }};
    StreamJob job;
    job.from = unit(*o.from);
    job.to = unit(o.to.front());
    if (job.from.unit->quantity != job.to.unit->quantity)
        throw UsageError{[o] {
            return tr("%1 and %2 are not the same quantity").arg(utf8(*o.from), utf8(o.to.front()));
        }};
    // Data files get numbers their readers parse: the header names the unit.
    if (o.noUnit && o.windowText)
        throw UsageError{[] { return tr("--window-text and --no-unit exclude each other"); }};
    job.form = o.noUnit || (o.csv && !o.windowText) ? Converter::Form::Number
                                                    : Converter::Form::WindowText;
    const auto line = [this](long number, const QString& message) {
        say(tr("line %1: %2").arg(number).arg(message));
    };
    job.failed = [&](long number, const ConversionError& error) {
        line(number, ConversionErrorText(error, nullptr) + u'.');
    };
    job.floored = [&](long number, const std::string& converted) {
        line(number, tr("below absolute zero, converted at %1").arg(utf8(converted)));
    };
    job.otherUnit = [&](long number, const NamedUnit& valueUnit) {
        line(number, tr("the value is in %1 and the unit given is %2")
                         .arg(unitName(valueUnit), unitName(job.from)));
    };
    StreamReport report;
    if (!o.csv) {
        report = ConvertLines(in_, out_, converter, job);
        return report.failed == 0 ? 0 : 1;
    }
    const CsvColumn column = csvColumn(o);
    std::ifstream file;
    std::istream* source = &in_;
    if (!o.positional.empty() && o.positional.front() != "-") { // "-": standard input
        const std::string& path = o.positional.front();
        file.open(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
        if (!file) {
            say(tr("cannot read %1: %2").arg(utf8(path), utf8(std::strerror(errno))));
            return 2;
        }
        source = &file;
    }
    try {
        report = ConvertCsv(*source, out_, converter, job, column);
    } catch (const std::invalid_argument& e) {
        const std::string name = e.what();
        throw UsageError{[name] { return tr("no such column: %1").arg(utf8(name)); }};
    }
    return report.failed == 0 ? 0 : 1;
}

int Command::run(const std::vector<std::string>& arguments) {
    const int status = work(arguments);
    // Every write is checked: a full disk or a closed file is said, with the system's reason; a
    // reader that went away (a closed pipe, "| head -1") needs no word.
    int reason = errno; // a stream stops at its first failed write, which set it
    if (!out_.fail()) {
        errno = 0;
        out_.flush();
        if (!out_.fail())
            return status;
        reason = errno;
    }
    if (reason != EPIPE)
        say(tr("cannot write the output: %1")
                .arg(utf8(reason != 0 ? std::strerror(reason) : "I/O error")));
    return status == 2 ? 2 : 1;
}

int Command::work(const std::vector<std::string>& arguments) {
    // The messages' language: the window's saved one, else the user's own; --lang once read.
    translations_.use(
        QString::fromStdString(environment_.savedLanguage().value_or(environment_.userLanguage())));
    try {
        const Options o = parse(arguments);
        if (o.lang)
            translations_.use(language(*o.lang));
        if (o.help) {
            out_ << help().toStdString();
            return 0;
        }
        if (o.version) {
            const std::string version = environment_.version();
            out_ << "baritemp-convert " << (version.empty() ? "(no version record)" : version)
                 << '\n';
            return 0;
        }
        const NumberFormat numbers = format(o);
        if (o.units) {
            out_ << UnitListText(DescribeUnits(numbers)).toStdString();
            return 0;
        }
        const Converter converter(numbers, o.exact, reference(o, numbers));
        if (o.json && (o.positional.empty() || o.csv))
            throw UsageError{[] { return tr("--json is for one value"); }};
        if (!o.csv && !o.positional.empty())
            return oneValue(o, converter);
        if (!o.from)
            throw UsageError{[] { return tr("the value's unit is missing"); }};
        return stream(o, converter);
    } catch (const UsageError& e) {
        say(e.text());
        say(tr("baritemp-convert --help tells how to use it."));
        return 2;
    }
}

// A language of the program by its code ("FR", "UK", as the window stores them) or its name
// ("EN", "fr"), in any letter case.
QString Command::language(const std::string& code) {
    const QString wanted = utf8(code);
    if (const auto found = FindLanguage(wanted, Qt::CaseInsensitive))
        return found->code;
    for (const TranslationLanguage& l : Languages()) {
        if (l.locale.compare(wanted, Qt::CaseInsensitive) == 0)
            return l.code;
    }
    throw UsageError{[code] {
        QStringList codes;
        for (const TranslationLanguage& l : Languages())
            codes << l.code;
        return tr("unknown language: %1 (%2 or %3)")
            .arg(utf8(code), codes.join(QStringLiteral(", ")), QStringLiteral("EN"));
    }};
}

QString Command::help() {
    return tr(R"(Usage: baritemp-convert VALUE UNIT [options]
       baritemp-convert --from UNIT --to UNIT [options] < values
       baritemp-convert --csv COLUMN --from UNIT --to UNIT [options] [FILE|-]

Converts a pressure between fourteen units and a temperature between °C, °F and K, with the
exact results of Baritemp's window, written as it writes them.

Units: bar mbar psi kg/cm² Pa daPa kPa MPa Torr mCE mmHg mmCE "inch Hg" "inch CE"
       °C °F K, the window's; atm kgf/m² µbar dyn/cm² ftH2O inH2O@60F inHg@32F
       inHg@60F °R; and other names (hPa, at, mH2O, inH2O, psig, barg, degF …; --units
       lists them all). Letter case counts: mPa is no MPa.

Options:
  --to UNIT                  only this unit (repeatable)
  --decimals N               N decimals, 0 to 18 (default: the window's, else 4)
  --locale NAME              the separators of a region: fr_FR, de_CH, en_US…
                             (default: the user's regional settings)
  --decimal-separator C      the decimal separator
  --thousands-separator C    the thousands separator (empty: none)
  --from UNIT                the unit of the values read, one per line, on standard input
  --no-unit                  the number alone, without its unit and digit groups
  --csv COLUMN               converts one column (its name, or its place from 1) of a
                             delimited file; the other columns stay as they are
  --delimiter C              the file's delimiter (default: "," or ";", from the first line)
  --no-header                the file has no header line
  --window-text              in a delimited file, the window's text (with the unit and digit
                             groups) instead of the number alone
  --json                     for one value: the value read, and each result as text and as a
                             number (21 significant digits, and rounded to a double)
  --exact                    by the units' definitions, rounded once, also between the
                             window's units (without it, the window's table)
  --reference PRESSURE       the atmosphere gauge pressures are above, as "950 hPa"
                             (default: the standard atmosphere, 101325 Pa)
  --units                    what each unit is: its value in pascals, its definition, its
                             other names
  --lang FR|UK|EN            the language of the messages (default: the window's, else the
                             user's)
  -h, --help                 this text
  -V, --version              the program's version

Gauge and absolute pressures (barg, psia, kPa(g) …): from one to the other, the reference is
added or taken off; a marked value in an unmarked unit keeps its mark ("10 barg" in psi is psig).
The unit written in a value governs: "30 psi" converts from psi only. A line whose value does
not read, or is in another unit, is passed through unchanged and reported on standard error
with its number. Exit status: 0 all converted, 1 some values not converted, 2 usage error.
)");
}

} // namespace

int RunCommand(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
               std::ostream& err, Environment& environment) {
    return Command(in, out, err, environment).run(arguments);
}

} // namespace baritemp::cli
