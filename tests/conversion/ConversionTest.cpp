#include "ConversionError.h"
#include "DecimalToExtended.h"
#include "EntryCycle.h"
#include "ExactDecimal.h"
#include "ExactRatio.h"
#include "PressureConversion.h"
#include "RegionalNumber.h"
#include "TemperatureConversion.h"
#include "TestText.h"
#include "UnitCatalogue.h"
#include "UnitDefinitions.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

namespace baritemp {
namespace {

using test::u16;
using test::u8;

// "," as decimal separator and a blank as thousands separator, as in the examples users see
// with French regional settings.
std::vector<std::string> convert(const Unit& source, const std::string& text, int decimals = 4) {
    const EntryOutcome outcome =
        RunEntryCycle(source, u16(text), NumberFormat{u',', u' ', decimals});
    if (!outcome.ok())
        return {"error: " + std::string(outcome.error->what()) + " " + outcome.error->text()};
    std::vector<std::string> texts;
    for (const auto& t : outcome.texts)
        texts.push_back(u8(t));
    return texts;
}

using enum PressureUnit;
using enum TemperatureUnit;

TEST(PressureConversion, OneBarInEveryUnit) {
    EXPECT_EQ(
        convert(Bar, "1"),
        (std::vector<std::string>{"1,0000 bar", "1 000,0000 mbar", "14,5038 psi", "1,0197 kg/cm²",
                                  "100 000,0000 Pa", "10 000,0000 daPa", "100,0000 kPa",
                                  "0,1000 MPa", "750,0617 Torr", "10,1972 mCE", "750,0615 mmHg",
                                  "10 197,1621 mmCE", "29,5300 inch Hg", "401,4742 inch CE"}));
    EXPECT_EQ(
        convert(Bar, "1", 9),
        (std::vector<std::string>{
            "1,000000000 bar", "1 000,000000000 mbar", "14,503773759 psi", "1,019716213 kg/cm²",
            "100 000,000000000 Pa", "10 000,000000000 daPa", "100,000000000 kPa", "0,100000000 MPa",
            "750,061682704 Torr", "10,197162130 mCE", "750,061505043 mmHg", "10 197,162129900 mmCE",
            "29,529980165 inch Hg", "401,474213311 inch CE"}));
}

struct PressureCase {
    const char* name;
    PressureUnit source;
    std::string text;
    int decimals;
    PressureUnit target;
    const char* expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const PressureCase& c, std::ostream* os) {
    *os << c.name;
}

class PressureExample : public ::testing::TestWithParam<PressureCase> {};

TEST_P(PressureExample, ShowsTheTableResult) {
    const PressureCase c = GetParam();
    const auto texts = convert(c.source, c.text, c.decimals);
    ASSERT_EQ(texts.size(), 14u) << texts[0];
    EXPECT_EQ(texts[static_cast<std::size_t>(Unit(c.target).index)], c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PressureExample,
    ::testing::Values(
        // Torr and mmHg are different units.
        PressureCase{"TorrToMmHg", Torr, "1", 4, MillimetreOfMercury, "1,0000 mmHg"},
        PressureCase{"TorrToMmHgNineDecimals", Torr, "1", 9, MillimetreOfMercury,
                     "0,999999763 mmHg"},
        PressureCase{"MmHgToTorrNineDecimals", MillimetreOfMercury, "1", 9, Torr,
                     "1,000000237 Torr"},
        PressureCase{"TorrAndMmHgShareTheirBarCell", MillimetreOfMercury, "1", 9, Bar,
                     "0,001333224 bar"},
        // kg/cm2 to bar is 0.98066, not 0.980665.
        PressureCase{"KgToBar", KilogramPerSquareCentimetre, "1", 9, Bar, "0,980660000 bar"},
        PressureCase{"KgToPa", KilogramPerSquareCentimetre, "1", 4, Pascal, "98 066,5000 Pa"},
        PressureCase{"KgToTorr", KilogramPerSquareCentimetre, "1", 4, Torr, "735,5592 Torr"},
        PressureCase{"KgToMmHg", KilogramPerSquareCentimetre, "1", 6, MillimetreOfMercury,
                     "735,559066 mmHg"},
        PressureCase{"PaToPsiHasFewerDigits", Pascal, "1000", 9, Psi, "0,145038000 psi"},
        PressureCase{"KPaToPsi", Kilopascal, "1", 9, Psi, "0,145037738 psi"},
        PressureCase{"LargeValueExponentForm", Bar, "1000000000000000", 4, Pascal, "1E0020 Pa"},
        PressureCase{"LargeValueExponentFormTwoDecimals", Bar, "1000000000000000", 2, Pascal,
                     "1E20 Pa"},
        PressureCase{"Zero", Psi, "0", 4, InchOfWater, "0,0000 inch CE"},
        PressureCase{"NegativeHasNoLowerBound", Bar, "-1", 4, Millibar, "-1 000,0000 mbar"},
        // The typed value is rounded to a double first.
        PressureCase{"InputRoundedToDouble", Bar, "0,1", 9, Bar, "0,100000000 bar"},
        PressureCase{"InputRoundedToDoubleEighteen", Bar, "0,1", 18, Bar,
                     "0,100000000000000006 bar"},
        PressureCase{"LoneSeparatorIsZero", Megapascal, ",", 4, Bar, "0,0000 bar"},
        PressureCase{"TrimmedBeforeReading", Bar, "12 bar", 4, Bar, "12,0000 bar"},
        PressureCase{"TrailingSignTrimmed", Bar, "12-", 4, Bar, "12,0000 bar"},
        PressureCase{"TrailingSeparatorTrimmed", Bar, "1,5,", 4, Bar, "1,5000 bar"},
        PressureCase{"EnterAgainOnAResult", Bar, "1,0000 bar", 4, Millibar, "1 000,0000 mbar"},
        PressureCase{"EnterAgainOnAGroupedResult", Pascal, "100 000,0000 Pa", 4, Bar, "1,0000 bar"},
        PressureCase{"UnderflowIsZero", Bar, "," + std::string(400, '0') + "1", 4, Pascal,
                     "0,0000 Pa"}),
    [](const ::testing::TestParamInfo<PressureCase>& info) { return info.param.name; });

TEST(EntryCycle, ErrorsQuoteTheTrimmedText) {
    const std::pair<std::string, std::string> cases[] = {
        {"-", "error: InvalidNumber -"},
        {"1,2,3", "error: InvalidNumber 1,2,3"},
        {"100 00,0000 bar", "error: InvalidNumber 100 00,0000"},
        {std::string(310, '9'), "error: Overflow "},
    };
    for (const auto& [text, expected] : cases) {
        const auto texts = convert(Bar, text);
        ASSERT_EQ(texts.size(), 1u) << text;
        EXPECT_EQ(texts[0], expected);
    }
}

TEST(EntryCycle, EmptyTextDoesNothing) {
    const EntryOutcome outcome = RunEntryCycle(Bar, u"", NumberFormat{});
    EXPECT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome.texts.empty());
}

TEST(EntryCycle, EnglishSeparators) {
    const EntryOutcome outcome = RunEntryCycle(Bar, u"1.5", NumberFormat{u'.', u',', 2});
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(u8(outcome.texts[Unit(Millibar).index]), "1,500.00 mbar");
}

TEST(PressureConversion, EveryCellIsUsedAsItIs) {
    // A value of 1 in each unit shows each cell of its row, digit for digit.
    for (int s = 0; s < kPressureUnitCount; ++s) {
        const auto results = ConvertPressure(s, 1.0);
        for (int t = 0; t < kPressureUnitCount; ++t) {
            if (s != t) {
                EXPECT_TRUE(results[t].identicalTo(PressureFactor(s, t))) << s << "," << t;
            }
        }
    }
}

// The table is data, so it is guarded as data: a cell and the cell of the way back are nearly
// reciprocal (the table's own largest deviation is about 1.0e-5), which a mistyped digit in
// the first five significant places breaks.
TEST(PressureFactors, EachCellTimesItsReverseIsNearlyOne) {
    for (int s = 0; s < kPressureUnitCount; ++s) {
        for (int t = s + 1; t < kPressureUnitCount; ++t) {
            const double product = (PressureFactor(s, t) * PressureFactor(t, s)).toDouble();
            EXPECT_NEAR(product, 1.0, 2e-5)
                << PressureFactorLiteral(s, t) << " and " << PressureFactorLiteral(t, s);
        }
    }
}

// Each unit's definition recomputed: its value in pascals from the table's own bar row (1 bar in
// the unit times the unit in pascals is 100,000 Pa, to the rows' rounding), and the conventional
// value it stands for from first principles, so that a wrong definition fails.
TEST(UnitDefinitions, PascalsFromTheTableConventionsFromFirstPrinciples) {
    const auto x = [](const char* literal) { return ExtendedFromDecimal(literal); };
    const Extended g = x("9.80665"), inch = x("0.0254"), mercury = x("13595.1");
    const Extended water = x("1000"), waterAt4C = x("999.972");
    const Extended principles[kPressureUnitCount] = {
        x("100000"),
        x("100"),
        x("0.45359237") * g / (inch * inch),
        g * x("10000"),
        x("1"),
        x("10"),
        x("1000"),
        x("1000000"),
        x("101325") / x("760"),
        water * g,
        mercury * g / water,
        g,
        mercury * g * inch,
        water * g * inch, // the conventional inch of water
    };
    const auto near = [](const Extended& a, const Extended& b, const char* tolerance) {
        return ((a - b) / b).abs() < ExtendedFromDecimal(tolerance);
    };
    for (const UnitDefinition& d : UnitDefinitions()) {
        if (d.unit.group != FieldGroup::Pressure) {
            EXPECT_EQ(d.agreement, Agreement::Scale);
            continue;
        }
        const int u = d.unit.index;
        SCOPED_TRACE(u8(UnitName(d.unit)));
        const Extended pascals = x(std::string(TablePascals(d)).c_str());
        if (u != Unit(Bar).index) {
            EXPECT_TRUE(near(PressureFactor(Unit(Bar).index, u) * pascals, x("100000"), "2e-9"));
        }
        EXPECT_TRUE(near(ConventionalPascals(d), principles[u], "1e-15"));
        EXPECT_EQ(RelativeDifference(d).isZero(), d.agreement == Agreement::Exact);
        if (d.agreement == Agreement::Rounded) { // to the table's ten significant digits
            EXPECT_TRUE(near(pascals, principles[u], "2e-7"));
        }
    }
    // The table's inch of water is water at 4 °C, 2.8e-5 below the conventional one.
    const UnitDefinition& inchOfWater = UnitDefinitions()[Unit(InchOfWater).index];
    EXPECT_EQ(inchOfWater.agreement, Agreement::OtherWater);
    EXPECT_TRUE(near(x("249.082"), waterAt4C * g * inch, "1e-6"));
    EXPECT_NEAR(RelativeDifference(inchOfWater).toDouble(), -2.774e-5, 1e-8);
}

// "1" in each unit at 9 decimals, against texts written out from the published table (French
// separators): every cell's first nine decimals, and the rounding at the cut.
class OneInEachUnit
    : public ::testing::TestWithParam<std::pair<PressureUnit, std::vector<std::string>>> {};

std::string unitName(const ::testing::TestParamInfo<OneInEachUnit::ParamType>& info) {
    const char* const names[] = {"bar", "mbar", "psi", "kg_cm2", "Pa",   "daPa",   "kPa",
                                 "MPa", "Torr", "mCE", "mmHg",   "mmCE", "inchHg", "inchCE"};
    return names[Unit(info.param.first).index];
}

TEST_P(OneInEachUnit, ShowsItsRowAtNineDecimals) {
    EXPECT_EQ(convert(GetParam().first, "1", 9), GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(
    PressureFactors, OneInEachUnit,
    ::testing::Values(
        std::pair{Bar, std::vector<std::string>{"1,000000000 bar", "1 000,000000000 mbar",
                                                "14,503773759 psi", "1,019716213 kg/cm²",
                                                "100 000,000000000 Pa", "10 000,000000000 daPa",
                                                "100,000000000 kPa", "0,100000000 MPa",
                                                "750,061682704 Torr", "10,197162130 mCE",
                                                "750,061505043 mmHg", "10 197,162129900 mmCE",
                                                "29,529980165 inch Hg", "401,474213311 inch CE"}},
        std::pair{Millibar,
                  std::vector<std::string>{"0,001000000 bar", "1,000000000 mbar", "0,014503774 psi",
                                           "0,001019716 kg/cm²", "100,000000000 Pa",
                                           "10,000000000 daPa", "0,100000000 kPa",
                                           "0,000100000 MPa", "0,750061683 Torr", "0,010197162 mCE",
                                           "0,750061505 mmHg", "10,197162130 mmCE",
                                           "0,029529980 inch Hg", "0,401474213 inch CE"}},
        std::pair{Psi, std::vector<std::string>{"0,068947573 bar", "68,947573000 mbar",
                                                "1,000000000 psi", "0,070306958 kg/cm²",
                                                "6 894,757300000 Pa", "689,475730000 daPa",
                                                "6,894757300 kPa", "0,006894757 MPa",
                                                "51,714932623 Torr", "0,703069580 mCE",
                                                "51,714920373 mmHg", "703,069580336 mmCE",
                                                "2,036020463 inch Hg", "27,680672630 inch CE"}},
        std::pair{KilogramPerSquareCentimetre,
                  std::vector<std::string>{
                      "0,980660000 bar", "980,660000000 mbar", "14,223340000 psi",
                      "1,000000000 kg/cm²", "98 066,500000000 Pa", "9 806,650000000 daPa",
                      "98,066500000 kPa", "0,098066500 MPa", "735,559240000 Torr",
                      "10,000102000 mCE", "735,559066000 mmHg", "10 000,102000000 mmCE",
                      "28,959020000 inch Hg", "393,711710000 inch CE"}},
        std::pair{Pascal,
                  std::vector<std::string>{
                      "0,000010000 bar", "0,010000000 mbar", "0,000145038 psi",
                      "0,000010197 kg/cm²", "1,000000000 Pa", "0,100000000 daPa", "0,001000000 kPa",
                      "0,000001000 MPa", "0,007500617 Torr", "0,000101972 mCE", "0,007500615 mmHg",
                      "0,101971621 mmCE", "0,000295300 inch Hg", "0,004014742 inch CE"}},
        std::pair{Decapascal,
                  std::vector<std::string>{"0,000100000 bar", "0,100000000 mbar", "0,001450380 psi",
                                           "0,000101972 kg/cm²", "10,000000000 Pa",
                                           "1,000000000 daPa", "0,010000000 kPa", "0,000010000 MPa",
                                           "0,075006170 Torr", "0,001019716 mCE",
                                           "0,075006150 mmHg", "1,019716210 mmCE",
                                           "0,002953000 inch Hg", "0,040147420 inch CE"}},
        std::pair{Kilopascal,
                  std::vector<std::string>{
                      "0,010000000 bar", "10,000000000 mbar", "0,145037738 psi",
                      "0,010197162 kg/cm²", "1 000,000000000 Pa", "100,000000000 daPa",
                      "1,000000000 kPa", "0,001000000 MPa", "7,500616827 Torr", "0,101971621 mCE",
                      "7,500615050 mmHg", "101,971621298 mmCE", "0,295299802 inch Hg",
                      "4,014742133 inch CE"}},
        std::pair{Megapascal,
                  std::vector<std::string>{
                      "10,000000000 bar", "10 000,000000000 mbar", "145,037737586 psi",
                      "10,197162129 kg/cm²", "1 000 000,000000000 Pa", "100 000,000000000 daPa",
                      "1 000,000000000 kPa", "1,000000000 MPa", "7 500,616827020 Torr",
                      "101,971621293 mCE", "7 500,615050440 mmHg", "101 971,621293000 mmCE",
                      "295,299801647 inch Hg", "4 014,742133130 inch CE"}},
        std::pair{Torr,
                  std::vector<std::string>{"0,001333224 bar", "1,333224000 mbar", "0,019336775 psi",
                                           "0,001359510 kg/cm²", "133,322368421 Pa",
                                           "13,332236842 daPa", "0,133322368 kPa",
                                           "0,000133322 MPa", "1,000000000 Torr", "0,013595098 mCE",
                                           "0,999999763 mmHg", "13,595098063 mmCE",
                                           "0,039370069 inch Hg", "0,535254930 inch CE"}},
        std::pair{MetreOfWater,
                  std::vector<std::string>{
                      "0,098066500 bar", "98,066500000 mbar", "1,422334329 psi",
                      "0,100000000 kg/cm²", "9 806,650000000 Pa", "980,665000000 daPa",
                      "9,806650000 kPa", "0,009806650 MPa", "73,555924007 Torr", "1,000000000 mCE",
                      "73,555906584 mmHg", "1 000,000000000 mmCE", "2,895901800 inch Hg",
                      "39,371170940 inch CE"}},
        std::pair{MillimetreOfMercury,
                  std::vector<std::string>{"0,001333224 bar", "1,333224000 mbar", "0,019336779 psi",
                                           "0,001359510 kg/cm²", "133,322400000 Pa",
                                           "13,332240000 daPa", "0,133322400 kPa",
                                           "0,000133322 MPa", "1,000000237 Torr", "0,013595101 mCE",
                                           "1,000000000 mmHg", "13,595101283 mmCE",
                                           "0,039370078 inch Hg", "0,535255057 inch CE"}},
        std::pair{MillimetreOfWater,
                  std::vector<std::string>{
                      "0,000098067 bar", "0,098066500 mbar", "0,001422334 psi",
                      "0,000100000 kg/cm²", "9,806650000 Pa", "0,980665000 daPa", "0,009806650 kPa",
                      "0,000009807 MPa", "0,073555924 Torr", "0,001000000 mCE", "0,073555907 mmHg",
                      "1,000000000 mmCE", "0,002895902 inch Hg", "0,039371171 inch CE"}},
        std::pair{InchOfMercury,
                  std::vector<std::string>{
                      "0,033863890 bar", "33,863890000 mbar", "0,491154199 psi",
                      "0,034531558 kg/cm²", "3 386,389000000 Pa", "338,638900000 daPa",
                      "3,386389000 kPa", "0,003386389 MPa", "25,400006316 Torr", "0,345315577 mCE",
                      "25,400000300 mmHg", "345,315576675 mmCE", "1,000000000 inch Hg",
                      "13,595478597 inch CE"}},
        std::pair{InchOfWater,
                  std::vector<std::string>{"0,002490820 bar", "2,490820000 mbar", "0,036126290 psi",
                                           "0,002539930 kg/cm²", "249,082000000 Pa",
                                           "24,908200000 daPa", "0,249082000 kPa",
                                           "0,000249082 MPa", "1,868268641 Torr", "0,025399295 mCE",
                                           "1,868268198 mmHg", "25,399295376 mmCE",
                                           "0,073553865 inch Hg", "1,000000000 inch CE"}}),
    unitName);

struct TemperatureCase {
    TemperatureUnit source;
    const char* text;
    std::vector<std::string> expected;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const TemperatureCase& c, std::ostream* os) {
    *os << c.text;
}

class TemperatureExample : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureExample, ConvertsInTheStatedOrder) {
    const TemperatureCase c = GetParam();
    EXPECT_EQ(convert(c.source, c.text), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TemperatureExample,
    ::testing::Values(
        TemperatureCase{Celsius, "0", {"0,0000 °C", "32,0000 °F", "273,1500 K"}},
        TemperatureCase{Celsius, "100", {"100,0000 °C", "212,0000 °F", "373,1500 K"}},
        TemperatureCase{Celsius, "37", {"37,0000 °C", "98,6000 °F", "310,1500 K"}},
        TemperatureCase{Fahrenheit, "-40", {"-40,0000 °C", "-40,0000 °F", "233,1500 K"}},
        TemperatureCase{Fahrenheit, "98,6", {"37,0000 °C", "98,6000 °F", "310,1500 K"}},
        TemperatureCase{Kelvin, "0", {"-273,1500 °C", "-459,6700 °F", "0,0000 K"}},
        // Kelvin and Fahrenheit stop at absolute zero as Celsius does.
        TemperatureCase{Kelvin, "-500", {"-273,1500 °C", "-459,6700 °F", "0,0000 K"}},
        TemperatureCase{Fahrenheit, "-459,67", {"-273,1500 °C", "-459,6700 °F", "0,0000 K"}},
        // The double 273.15 lies just below the extended constant: the difference rounds to
        // zero and shows no minus sign.
        TemperatureCase{Kelvin, "273,15", {"0,0000 °C", "32,0000 °F", "273,1500 K"}},
        TemperatureCase{Celsius, "-273,15", {"-273,1500 °C", "-459,6700 °F", "0,0000 K"}},
        // The Celsius floor acts before the text is read.
        TemperatureCase{Celsius, "-274", {"-273,1500 °C", "-459,6700 °F", "0,0000 K"}},
        TemperatureCase{Fahrenheit, "-1000", {"-273,1500 °C", "-459,6700 °F", "0,0000 K"}},
        TemperatureCase{Fahrenheit, "-459", {"-272,7778 °C", "-459,0000 °F", "0,3722 K"}}));

// With 18 decimals, no Celsius or kelvin result reads below absolute zero, whatever the source
// scale and however far below it the value was typed.
TEST(AbsoluteZero, NoResultBelowIt) {
    for (const Unit source : {Celsius, Fahrenheit, Kelvin}) {
        for (const char* text : {"-273,15", "-459,67", "0", "-1E6", "-459,6700000000001"}) {
            const EntryOutcome outcome =
                RunEntryCycle(source, u16(text), NumberFormat{u',', u' ', 18});
            ASSERT_TRUE(outcome.ok()) << text;
            for (const int scale : {Unit(Celsius).index, Unit(Kelvin).index}) {
                const std::u16string& shown = outcome.texts[static_cast<std::size_t>(scale)];
                const auto value =
                    ReadRegionalNumber(shown.substr(0, shown.rfind(u' ')), u',', u' ');
                ASSERT_TRUE(value) << u8(shown);
                EXPECT_FALSE(*value < AbsoluteZero(scale))
                    << source.index << " " << text << ": " << u8(shown);
            }
        }
    }
}

TEST(AbsoluteZeroFloor, ReplacesOnlyNumbersStrictlyBelowAbsoluteZero) {
    struct Case {
        TemperatureUnit scale;
        const char* text;
        char16_t separator;
        const char* replacement; // nullptr: left alone
    };
    const Case cases[] = {
        {Celsius, "-274", u',', "-273,15"},
        {Celsius, "-273,16", u',', "-273,15"},
        {Celsius, "-273,15", u',', nullptr},
        {Celsius, "-273,1500000000001", u',', "-273,15"},
        {Celsius, "-273,15000000000000000000001", u',', nullptr}, // the floor, in extended
        {Celsius, "-1E10", u',', "-273,15"},
        {Celsius, "-274", u'.', "-273.15"},
        {Celsius, "-273", u',', nullptr},
        {Celsius, "-", u',', nullptr},
        {Celsius, "-274 °C", u',', nullptr},
        {Celsius, "", u',', nullptr},
        {Celsius, "-274", 0, "-273"},    // a null separator ends the text there
        {Celsius, "-274", u'1', "-273"}, // "-273115" would still be below the floor
        {Fahrenheit, "-460", u',', "-459,67"},
        {Fahrenheit, "-459.68", u'.', "-459.67"},
        {Fahrenheit, "-459,67", u',', nullptr},
        {Fahrenheit, "-459", u',', nullptr},
        {Fahrenheit, "-500", 0, "-459"},
        {Kelvin, "-5", u',', "0"},
        {Kelvin, "-0,0001", u',', "0"},
        {Kelvin, "-0", u',', nullptr},
        {Kelvin, "0", u',', nullptr},
        {Kelvin, "-", u',', nullptr},
    };
    for (const Case& c : cases) {
        const auto floor = AbsoluteZeroFloorText(c.scale, u16(c.text), c.separator);
        if (c.replacement == nullptr)
            EXPECT_FALSE(floor.has_value()) << c.text;
        else
            EXPECT_EQ(floor ? u8(*floor) : "(none)", c.replacement) << c.text;
    }
}

} // namespace
} // namespace baritemp

namespace baritemp {
namespace {

ExactRatio ratio(const char* text) {
    return ExactRatio::fromDecimal(text);
}

// Each definition of the catalogue recomputed from what it stands on: standard gravity, the
// inch, the pound, the atmosphere, the densities of water and mercury. Exact definitions must
// come out exactly; the values a source tabulates (NIST SP 811 gives six digits) within one unit
// of their last digit.
TEST(UnitCatalogue, EachDefinitionFromFirstPrinciples) {
    const ExactRatio g = ratio("9.80665"), inch = ratio("0.0254"), pound = ratio("0.45359237"),
                     atm = ratio("101325"), water = ratio("1000"), mercury = ratio("13595.1");
    const ExactRatio water4C = ratio("999.972"), water60F = ratio("999.012"),
                     mercury60F = ratio("13556.8");
    struct Case {
        const char* symbol;
        ExactRatio pascals;
        const char* tolerance; // "0": exactly
    };
    const Case cases[] = {
        {"bar", ratio("100000"), "0"},
        {"mbar", ratio("100"), "0"},
        {"psi", pound * g / (inch * inch), "0"},
        {"kg/cm²", g / ratio("0.0001"), "0"},
        {"Pa", ratio("1"), "0"},
        {"daPa", ratio("10"), "0"},
        {"kPa", ratio("1000"), "0"},
        {"MPa", ratio("1000000"), "0"},
        {"Torr", atm / ratio("760"), "0"},
        {"mCE", water * g, "0"},
        {"mmHg", mercury * g * ratio("0.001"), "0"},
        {"mmCE", water * g * ratio("0.001"), "0"},
        {"inch Hg", mercury * g * inch, "0"},
        {"inch CE", water4C * g * inch, "0.001"},
        {"atm", atm, "0"},
        {"kgf/m²", g, "0"},
        {"µbar", ratio("100000") / ratio("1000000"), "0"},
        {"dyn/cm²", ratio("0.00001") / ratio("0.0001"), "0"},
        {"ftH2O", ratio("12") * ratio("249.082"), "0"},
        {"inH2O@60F", water60F * g * inch, "0.01"},
        {"inHg@32F", mercury * g * inch, "0.01"},
        {"inHg@60F", mercury60F * g * inch, "0.01"},
    };
    std::size_t pressures = 0;
    for (const CatalogueUnit& unit : Catalogue())
        pressures += unit.quantity == FieldGroup::Pressure ? 1 : 0;
    EXPECT_EQ(std::size(cases), pressures);
    for (const Case& c : cases) {
        const auto named = FindNamedUnit(std::string_view(c.symbol));
        ASSERT_TRUE(named) << c.symbol;
        const ExactRatio defined = ToBase(*named->unit, ratio("1"));
        const ExactRatio apart = defined - c.pascals;
        const ExactRatio tolerance = ratio(c.tolerance);
        EXPECT_TRUE(compare(apart, tolerance) <= 0 && compare(-apart, tolerance) <= 0)
            << c.symbol << ": " << ExtendedToScientific(defined.toExtended(), 12) << " against "
            << ExtendedToScientific(c.pascals.toExtended(), 12);
    }
    // The scales: water freezes at 273.15 K and boils at 373.15 K (at one atmosphere) on each.
    const std::pair<const char*, const char*> freezing[] = {
        {"°C", "0"}, {"°F", "32"}, {"K", "273.15"}, {"°R", "491.67"}};
    const std::pair<const char*, const char*> boiling[] = {
        {"°C", "100"}, {"°F", "212"}, {"K", "373.15"}, {"°R", "671.67"}};
    for (const auto& [symbol, value] : freezing)
        EXPECT_EQ(compare(ToBase(*FindNamedUnit(std::string_view(symbol))->unit, ratio(value)),
                          ratio("273.15")),
                  0)
            << symbol;
    for (const auto& [symbol, value] : boiling)
        EXPECT_EQ(compare(ToBase(*FindNamedUnit(std::string_view(symbol))->unit, ratio(value)),
                          ratio("373.15")),
                  0)
            << symbol;
}

// Every name reads as one unit only, and a name of a window unit as that unit.
TEST(UnitCatalogue, NamesAreUnambiguous) {
    for (const CatalogueUnit& unit : Catalogue()) {
        std::vector<std::u16string_view> names = OtherNames(unit);
        names.push_back(unit.symbol);
        for (const std::u16string_view name : names) {
            const auto found = FindNamedUnit(name);
            ASSERT_TRUE(found) << u8(std::u16string(name));
            EXPECT_EQ(found->unit, &unit) << u8(std::u16string(name));
        }
        if (const auto field = WindowUnitOf(unit)) {
            EXPECT_EQ(&CatalogueUnitOf(*field), &unit);
        }
    }
    for (const char* none : {"mPa", "MBAR", "bars", "atmg", "Pa(x)", "(g)", "°", ""})
        EXPECT_FALSE(FindNamedUnit(std::string_view(none))) << none;
}

// The exact arithmetic under the definitions, rounded once at the end.
TEST(ExactRatio, RoundsOnceToTheNearestExtended) {
    EXPECT_TRUE(ratio("0.1").toExtended().identicalTo(ExtendedFromDecimal("0.1")));
    EXPECT_TRUE(ratio("-273.15").toExtended().identicalTo(ExtendedFromDecimal("-273.15")));
    EXPECT_TRUE((ratio("1") / ratio("3"))
                    .toExtended()
                    .identicalTo(ExtendedFromDecimal("0.333333333333333333333333333")));
    EXPECT_TRUE((ratio("101325/760"))
                    .toExtended()
                    .identicalTo(ExtendedFromDecimal("133.322368421052631578947368421")));
    EXPECT_TRUE(ExactRatio::fromDouble(0.1).toExtended().identicalTo(Extended::fromDouble(0.1)));
    EXPECT_TRUE((ratio("2") - ratio("2")).toExtended().isZero());
    EXPECT_EQ(compare(ratio("-1.5"), ratio("1")), -1);
    EXPECT_EQ(compare(ratio("0.3") - ratio("0.1"), ratio("0.2")), 0);
    EXPECT_THROW(ratio("1,5"), std::invalid_argument);
    EXPECT_THROW(ratio("1") / ratio("0"), std::domain_error);
    // Where the table and the definitions part: 1 kg/cm² in bar.
    EXPECT_EQ(ConvertByDefinition(*FindNamedUnit(std::string_view("kg/cm²"))->unit,
                                  *FindNamedUnit(std::string_view("bar"))->unit, 1)
                  .toDouble(),
              0.980665);
}

} // namespace
} // namespace baritemp
