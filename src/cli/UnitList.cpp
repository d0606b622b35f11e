#include "UnitList.h"

#include "DecimalToExtended.h"
#include "ExactDecimal.h"
#include "TextCodec.h"
#include "UnitDefinitions.h"

#include <QCoreApplication>

#include <algorithm>

namespace baritemp::cli {

namespace {

// What each unit is called, in the window's order.
constexpr const char* kWords[kUnitCount] = {
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
};

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

// A relative difference with two significant digits: "+9.9·10⁻¹⁰".
QString difference(const Extended& relative, const NumberFormat& format) {
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

QString formula(const Unit& unit, const NumberFormat& format) {
    switch (unit.index) {
    case 0:
        return QStringLiteral("K - ") + literal("273.15", format);
    case 1:
        return QStringLiteral("°C × 9/5 + 32");
    default:
        return QStringLiteral("K");
    }
}

} // namespace

std::vector<UnitLine> DescribeUnits(const NumberFormat& format) {
    std::vector<UnitLine> lines;
    for (std::size_t i = 0; i < kUnitCount; ++i) {
        const UnitDefinition& d = UnitDefinitions()[i];
        const QString words = QCoreApplication::translate("UnitList", kWords[i]);
        UnitLine line;
        line.unit = QString::fromStdU16String(std::u16string(UnitName(d.unit)));
        QString conventional;
        if (!d.conventional.empty())
            conventional =
                literal(d.conventional, format) + (d.continues ? QStringLiteral("…") : QString());
        const QString apart = difference(RelativeDifference(d), format);
        if (d.agreement == Agreement::Scale) {
            line.value = formula(d.unit, format);
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
        for (const std::u16string_view alias : UnitAliases(d.unit))
            line.aliases += (line.aliases.isEmpty() ? QString() : QStringLiteral(", ")) +
                            QString::fromStdU16String(std::u16string(alias));
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
        if (!line.aliases.isEmpty())
            out += QCoreApplication::translate("UnitList", "; also: %1").arg(line.aliases);
        out += u'\n';
    }
    return out;
}

} // namespace baritemp::cli
