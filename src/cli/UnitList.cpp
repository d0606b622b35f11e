#include "UnitList.h"

#include "DecimalToExtended.h"
#include "ExactDecimal.h"
#include "TextCodec.h"
#include "UnitCatalogue.h"
#include "UnitDefinitions.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace baritemp::cli {

namespace {

// What each unit is called, in the catalogue's order: the window's units, then the others.
constexpr const char* kWords[] = {
    QT_TRANSLATE_NOOP("UnitList", "bar"),
    QT_TRANSLATE_NOOP("UnitList", "millibar"),
    QT_TRANSLATE_NOOP("UnitList", "pound-force per square inch"),
    QT_TRANSLATE_NOOP("UnitList", "kilogram-force per square centimetre"),
    QT_TRANSLATE_NOOP("UnitList", "pascal"),
    QT_TRANSLATE_NOOP("UnitList", "decapascal"),
    QT_TRANSLATE_NOOP("UnitList", "kilopascal"),
    QT_TRANSLATE_NOOP("UnitList", "megapascal"),
    QT_TRANSLATE_NOOP("UnitList", "torr"),
    QT_TRANSLATE_NOOP("UnitList", "metre of water, conventional"),
    QT_TRANSLATE_NOOP("UnitList", "millimetre of mercury, conventional"),
    QT_TRANSLATE_NOOP("UnitList", "millimetre of water, conventional"),
    QT_TRANSLATE_NOOP("UnitList", "inch of mercury, conventional"),
    QT_TRANSLATE_NOOP("UnitList", "inch of water at 4 °C"),
    QT_TRANSLATE_NOOP("UnitList", "degree Celsius"),
    QT_TRANSLATE_NOOP("UnitList", "degree Fahrenheit"),
    QT_TRANSLATE_NOOP("UnitList", "kelvin"),
    QT_TRANSLATE_NOOP("UnitList", "standard atmosphere"),
    QT_TRANSLATE_NOOP("UnitList", "kilogram-force per square metre"),
    QT_TRANSLATE_NOOP("UnitList", "microbar"),
    QT_TRANSLATE_NOOP("UnitList", "dyne per square centimetre"),
    QT_TRANSLATE_NOOP("UnitList", "foot of water at 4 °C"),
    QT_TRANSLATE_NOOP("UnitList", "inch of water at 60 °F"),
    QT_TRANSLATE_NOOP("UnitList", "inch of mercury at 32 °F"),
    QT_TRANSLATE_NOOP("UnitList", "inch of mercury at 60 °F"),
    QT_TRANSLATE_NOOP("UnitList", "degree Rankine"),
};
static_assert(std::size(kWords) == 26);

// A decimal literal ("133.322368421", "101325/760") with the format's separators and every
// digit it has.
QString literal(std::string_view text, const NumberFormat& format) {
    const std::size_t slash = text.find('/');
    if (slash != std::string_view::npos)
        return literal(text.substr(0, slash), format) + u'/' +
               literal(text.substr(slash + 1), format);
    const std::size_t point = text.find('.');
    const int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
    const std::u16string number = NumberToText(ExtendedFromDecimal(text), decimals,
                                               format.decimalSeparator, format.thousandSeparator);
    return QString::fromStdU16String(number);
}

} // namespace

QString RelativeDifferenceText(const Extended& relative, const NumberFormat& format) {
    const std::string scientific = ExtendedToScientific(relative, 2); // "-3.9e-13"
    const std::size_t e = scientific.find('e');
    const std::size_t start = scientific.front() == '-' ? 1 : 0;
    QString out = start == 1 ? QStringLiteral("-") : QStringLiteral("+");
    for (const char c : scientific.substr(start, e - start))
        out += c == '.' ? QChar(format.decimalSeparator) : QChar(c);
    out += QStringLiteral("·10");
    static constexpr char16_t kSuperscripts[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
    for (const char c : scientific.substr(e + 1)) {
        if (c == '-')
            out += u'⁻';
        else if (c >= '0' && c <= '9')
            out += QChar(kSuperscripts[c - '0']);
    }
    return out;
}

namespace {

QString formula(const CatalogueUnit& unit, const NumberFormat& format) {
    if (unit.symbol == u"°C")
        return QStringLiteral("K - ") + literal("273.15", format);
    if (unit.symbol == u"°F")
        return QStringLiteral("°C × 9/5 + 32");
    if (unit.symbol == u"°R")
        return QStringLiteral("K × 9/5");
    return QStringLiteral("K");
}

// A unit without a field: its definition as the source gives it.
void describeOwn(const CatalogueUnit& unit, const QString& words, const NumberFormat& format,
                 UnitLine& line) {
    if (unit.quantity == FieldGroup::Temperature) {
        line.value = formula(unit, format);
        line.definition = words;
        return;
    }
    line.value = literal(unit.size, format) + QStringLiteral(" Pa");
    // A source's conversion factor is written as it prints it, without "exactly".
    if (unit.symbol == u"ftH2O")
        line.definition = QCoreApplication::translate("UnitList", "%1: 12 inch CE").arg(words);
    else if (unit.exact)
        line.definition = QCoreApplication::translate("UnitList", "%1, exactly").arg(words);
    else
        line.definition = words;
}

} // namespace

std::vector<UnitLine> DescribeUnits(const NumberFormat& format) {
    std::vector<UnitLine> lines;
    const auto catalogue = Catalogue();
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        const CatalogueUnit& unit = catalogue[i];
        const QString words = QCoreApplication::translate("UnitList", kWords[i]);
        UnitLine line;
        line.unit = QString::fromStdU16String(std::u16string(unit.symbol));
        line.source =
            QString::fromUtf8(unit.source.data(), static_cast<qsizetype>(unit.source.size()));
        for (const std::u16string_view alias : OtherNames(unit))
            line.aliases += (line.aliases.isEmpty() ? QString() : QStringLiteral(", ")) +
                            QString::fromStdU16String(std::u16string(alias));
        if (i >= static_cast<std::size_t>(kUnitCount)) {
            describeOwn(unit, words, format, line);
            lines.push_back(std::move(line));
            continue;
        }
        const UnitDefinition& d = UnitDefinitions()[i];
        QString conventional;
        if (!d.conventional.empty())
            conventional =
                literal(d.conventional, format) + (d.continues ? QStringLiteral("…") : QString());
        const QString apart = RelativeDifferenceText(RelativeDifference(d), format);
        if (d.agreement == Agreement::Scale) {
            line.value = formula(unit, format);
            line.definition = words;
        } else {
            line.value = literal(TablePascals(d), format) + QStringLiteral(" Pa");
        }
        switch (d.agreement) {
        case Agreement::Exact: // the pascal itself is just that
            line.definition =
                TablePascals(d) == "1"
                    ? words
                    : QCoreApplication::translate("UnitList", "%1, exactly").arg(words);
            break;
        case Agreement::Rounded:
            line.definition = QCoreApplication::translate("UnitList", "%1: %2 Pa, rounded (%3)")
                                  .arg(words, conventional, apart);
            break;
        case Agreement::OtherWater:
            line.definition = QCoreApplication::translate(
                                  "UnitList", "%1 (the conventional inch of water: %2 Pa, %3)")
                                  .arg(words, conventional, apart);
            break;
        case Agreement::Scale:
            break;
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

QString UnitListText(const std::vector<UnitLine>& lines) {
    qsizetype unitWidth = 0, valueWidth = 0;
    for (const UnitLine& line : lines) {
        unitWidth = std::max(unitWidth, line.unit.size());
        valueWidth = std::max(valueWidth, line.value.size());
    }
    QString out;
    for (const UnitLine& line : lines) {
        out += line.unit.leftJustified(unitWidth + 2);
        out += line.value.leftJustified(valueWidth + 2);
        out += line.definition;
        out += QCoreApplication::translate("UnitList", " (%1)").arg(line.source);
        if (!line.aliases.isEmpty())
            out += QCoreApplication::translate("UnitList", "; also: %1").arg(line.aliases);
        out += u'\n';
    }
    return out;
}

} // namespace baritemp::cli
