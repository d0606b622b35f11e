#include "UnitList.h"

#include "CliTexts.h"
#include "DecimalToExtended.h"
#include "ExactDecimal.h"
#include "TextCodec.h"
#include "UnitDefinitions.h"

#include <algorithm>

namespace baritemp::cli {

namespace {

struct Words {
    const char* french;
    const char* english;
};

// What each unit is called, in the window's order.
constexpr Words kWords[kUnitCount] = {
    {"bar", "bar"},
    {"millibar", "millibar"},
    {"livre-force par pouce carré", "pound-force per square inch"},
    {"kilogramme-force par centimètre carré", "kilogram-force per square centimetre"},
    {"pascal", "pascal"},
    {"décapascal", "decapascal"},
    {"kilopascal", "kilopascal"},
    {"mégapascal", "megapascal"},
    {"torr", "torr"},
    {"mètre de colonne d'eau conventionnel", "metre of water, conventional"},
    {"millimètre de mercure conventionnel", "millimetre of mercury, conventional"},
    {"millimètre de colonne d'eau conventionnel", "millimetre of water, conventional"},
    {"pouce de mercure conventionnel", "inch of mercury, conventional"},
    {"pouce de colonne d'eau à 4 °C", "inch of water at 4 °C"},
    {"degré Celsius", "degree Celsius"},
    {"degré Fahrenheit", "degree Fahrenheit"},
    {"kelvin", "kelvin"},
};

// A decimal literal ("133.322368421", "101325/760") with the format's separators and every
// digit it has.
std::string literal(std::string_view text, const NumberFormat& format) {
    const std::size_t slash = text.find('/');
    if (slash != std::string_view::npos)
        return literal(text.substr(0, slash), format) + "/" +
               literal(text.substr(slash + 1), format);
    const std::size_t point = text.find('.');
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
    return ToUtf8(NumberToText(ExtendedFromDecimal(text), decimals, format.decimalSeparator,
                               format.thousandSeparator));
}

// A relative difference with two significant digits: "+9.9·10⁻¹⁰".
std::string difference(const Extended& relative, const NumberFormat& format) {
    const std::string scientific = ExtendedToScientific(relative, 2); // "-3.9e-13"
    const std::size_t e = scientific.find('e');
    const std::size_t start = scientific.front() == '-' ? 1 : 0;
    std::string out = start == 1 ? "-" : "+";
    for (const char c : scientific.substr(start, e - start))
        out += c == '.' ? ToUtf8(std::u16string(1, format.decimalSeparator)) : std::string(1, c);
    static const char* const kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    out += "·10";
    for (const char c : scientific.substr(e + 1)) {
        if (c == '-')
            out += "⁻";
        else if (c >= '0' && c <= '9')
            out += kSuperscripts[c - '0'];
    }
    return out;
}

std::string formula(const Unit& unit, const NumberFormat& format) {
    switch (unit.index) {
    case 0:
        return "K - " + literal("273.15", format);
    case 1:
        return "°C × 9/5 + 32";
    default:
        return "K";
    }
}

} // namespace

std::vector<UnitLine> DescribeUnits(bool french, const NumberFormat& format) {
    std::vector<UnitLine> lines;
    for (std::size_t i = 0; i < kUnitCount; ++i) {
        const UnitDefinition& d = UnitDefinitions()[i];
        const std::string words = french ? kWords[i].french : kWords[i].english;
        UnitLine line;
        line.unit = ToUtf8(UnitName(d.unit));
        std::string conventional;
        if (!d.conventional.empty())
            conventional = literal(d.conventional, format) + (d.continues ? "…" : "");
        const std::string apart = difference(RelativeDifference(d), format);
        switch (d.agreement) {
        case Agreement::Exact: // the pascal itself is just that
            line.value = literal(TablePascals(d), format) + " Pa";
            line.definition =
                TablePascals(d) == "1" ? words : Text(CliText::ExactDefinition, french, words);
            break;
        case Agreement::Rounded:
            line.value = literal(TablePascals(d), format) + " Pa";
            line.definition = Text(CliText::RoundedDefinition, french, words, conventional, apart);
            break;
        case Agreement::OtherWater:
            line.value = literal(TablePascals(d), format) + " Pa";
            line.definition =
                Text(CliText::OtherWaterDefinition, french, words, conventional, apart);
            break;
        case Agreement::Scale:
            line.value = formula(d.unit, format);
            line.definition = words;
            break;
        }
        for (const std::u16string_view alias : UnitAliases(d.unit))
            line.aliases += (line.aliases.empty() ? "" : ", ") + ToUtf8(alias);
        lines.push_back(std::move(line));
    }
    return lines;
}

std::string UnitListText(const std::vector<UnitLine>& lines, bool french) {
    // Widths in characters, not bytes: "kg/cm²" is six.
    const auto width = [](const std::string& utf8) { return FromUtf8(utf8).size(); };
    std::size_t unitWidth = 0, valueWidth = 0;
    for (const UnitLine& line : lines) {
        unitWidth = std::max(unitWidth, width(line.unit));
        valueWidth = std::max(valueWidth, width(line.value));
    }
    std::string out;
    for (const UnitLine& line : lines) {
        out += line.unit + std::string(unitWidth + 2 - width(line.unit), ' ');
        out += line.value + std::string(valueWidth + 2 - width(line.value), ' ');
        out += line.definition;
        if (!line.aliases.empty())
            out += Text(CliText::AlsoKnownAs, french, line.aliases);
        out += '\n';
    }
    return out;
}

} // namespace baritemp::cli
