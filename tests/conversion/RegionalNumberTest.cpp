#include "RegionalNumber.h"
#include "ConversionError.h"
#include "EntryCycle.h"
#include "NumericEntry.h"
#include "TemperatureConversion.h"
#include "TestText.h"
#include "ValueReading.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>

namespace baritemp {
namespace {

using test::u16;
using test::u8;

// The regional rules users have: decimal separator and digit-grouping symbol.
struct Rules {
    const char* name;
    char16_t decimal;
    char16_t thousand;
};
constexpr Rules French{"French", u',', u'\u202F'}; // Qt's and recent Windows' grouping
constexpr Rules FrenchNoBreak{"FrenchNoBreak", u',', u'\u00A0'};
constexpr Rules German{"German", u',', u'.'};
constexpr Rules English{"English", u'.', u','};
constexpr Rules Swiss{"Swiss", u'.', u'\''};
constexpr Rules SwissQuote{"SwissQuote", u'.', u'\u2019'};
constexpr Rules Arabic{"Arabic", u'\u066B', u'\u066C'};
constexpr Rules NoGrouping{"NoGrouping", u',', 0};

struct NumberCase {
    const char* name;
    Rules rules;
    const char* text;
    const char* number; // the ungrouped number, or nullptr when the text is no number
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.name;
}

class UngroupedNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(UngroupedNumber, ReadsDigitGroupsOnlyWhereTheyBelong) {
    const NumberCase c = GetParam();
    const auto plain = UngroupedNumberText(u16(c.text), c.rules.decimal, c.rules.thousand);
    if (c.number == nullptr) {
        EXPECT_FALSE(plain.has_value()) << (plain ? u8(*plain) : "");
        EXPECT_FALSE(ReadRegionalNumber(u16(c.text), c.rules.decimal, c.rules.thousand));
    } else {
        ASSERT_TRUE(plain.has_value());
        EXPECT_EQ(u8(*plain), c.number);
        // The reader gives the same value as the ungrouped text typed key by key.
        const auto value = ReadRegionalNumber(u16(c.text), c.rules.decimal, c.rules.thousand);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->toDouble(), TryTextToNumber(*plain, c.rules.decimal)->toDouble());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, UngroupedNumber,
    ::testing::Values(
        NumberCase{"FrenchResult", French, "100\u202F000,0000", "100000,0000"},
        NumberCase{"FrenchWithPlainBlanks", French, "1 013,25", "1013,25"},
        NumberCase{"FrenchWithNoBreakSpace", French, "1\u00A0013,25", "1013,25"},
        NumberCase{"FrenchMillions", FrenchNoBreak, "-1\u00A0234\u00A0567,891", "-1234567,891"},
        NumberCase{"FrenchUngrouped", French, "2,5", "2,5"},
        NumberCase{"FrenchPointIsNoSeparator", French, "2.5", nullptr},
        NumberCase{"FrenchCommaIsDecimalNotGrouping", French, "1,000", "1,000"},
        NumberCase{"FrenchGroupOfTwo", French, "1 00 000", nullptr},
        NumberCase{"FrenchGroupOfFour", French, "1 0000", nullptr},
        NumberCase{"FrenchFirstGroupOfFour", French, "1000 000", nullptr},
        NumberCase{"FrenchMixedGrouping", French, "1 000\u00A0000", nullptr},
        NumberCase{"FrenchGroupingInTheFraction", French, "0,000 1", nullptr},
        NumberCase{"FrenchTrailingGrouping", French, "1 000 ", "1000"},
        NumberCase{"FrenchBlankBeforeSeparator", French, "12 ,5", nullptr},
        NumberCase{"FrenchSurroundingBlanks", French, " \u00A0 12,5\u202F ", "12,5"},
        NumberCase{"FrenchExponentForm", French, "1,5E21", "1,5E21"},
        NumberCase{"FrenchLoneSign", French, "-", nullptr},
        NumberCase{"FrenchEmpty", French, "", nullptr},
        NumberCase{"GermanResult", German, "1.013,25", "1013,25"},
        NumberCase{"GermanMillions", German, "1.000.000", "1000000"},
        NumberCase{"GermanPointAlone", German, "2.5", nullptr},
        NumberCase{"GermanBlankGroupsToo", German, "1 013,25", "1013,25"},
        NumberCase{"EnglishResult", English, "1,013.25", "1013.25"},
        NumberCase{"EnglishCommaAsDecimal", English, "1,5", nullptr},
        NumberCase{"EnglishNegative", English, "-12,345,678.9", "-12345678.9"},
        NumberCase{"EnglishPlus", English, "+1,000", "+1000"},
        NumberCase{"SwissApostrophe", Swiss, "1'013.25", "1013.25"},
        NumberCase{"SwissRightQuote", SwissQuote, "1\u2019013.25", "1013.25"},
        NumberCase{"SwissOtherApostrophe", SwissQuote, "1'013.25", nullptr},
        NumberCase{"ArabicSeparators", Arabic, "1\u066C013\u066B25", "1013\u066B25"},
        NumberCase{"ArabicPointIsNoSeparator", Arabic, "1.5", nullptr},
        NumberCase{"NoRegionalGroupingBlanksStillGroup", NoGrouping, "1 000,5", "1000,5"}),
    [](const ::testing::TestParamInfo<NumberCase>& info) { return info.param.name; });

// What a pasted, dropped, entered or command-line text is: a number alone, a number in a unit
// (and so of a quantity), or not a value, and why.
struct ReadingCase {
    const char* name;
    Rules rules;
    const char* text;
    const char* number; // the number without its groups, or nullptr: not a value
    // A value: the unit it names as results in it are written ("psig", "hPa"), or nullptr: a
    // number alone.
    // Not a value: why ("unknown unit xyz", "separator .", "no number").
    const char* unit;
    FieldGroup quantity = FieldGroup::Pressure;
};

void PrintTo(const ReadingCase& c, std::ostream* os) {
    *os << c.name;
}

class ValueReading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(ValueReading, TellsTheNumberItsUnitAndItsQuantityOrWhyNot) {
    const ReadingCase c = GetParam();
    const std::u16string text = u16(c.text);
    const ValueText reading = ReadValueText(text, c.rules.decimal, c.rules.thousand);
    if (c.number == nullptr) {
        ASSERT_FALSE(reading.ok()) << u8(reading.number);
        std::string why = "no number";
        if (reading.status == ValueText::Status::UnknownUnit)
            why = "unknown unit " + u8(reading.unknownUnit);
        else if (reading.status == ValueText::Status::DecimalSeparator)
            why = "separator " + u8(std::u16string(1, reading.separatorUsed));
        EXPECT_EQ(why, c.unit);
        return;
    }
    ASSERT_TRUE(reading.ok()) << static_cast<int>(reading.status);
    EXPECT_EQ(u8(reading.number), c.number);
    EXPECT_EQ(reading.value.toDouble(),
              TryTextToNumber(reading.number, c.rules.decimal)->toDouble());
    if (c.unit == nullptr) {
        EXPECT_FALSE(reading.unit.has_value());
        return;
    }
    ASSERT_TRUE(reading.unit.has_value());
    EXPECT_EQ(u8(WrittenName(*reading.unit)), c.unit);
    EXPECT_EQ(reading.unit->unit->quantity, c.quantity);
}

constexpr FieldGroup Temperature = FieldGroup::Temperature;

INSTANTIATE_TEST_SUITE_P(
    Rules, ValueReading,
    ::testing::Values(
        ReadingCase{"NumberAlone", French, " 1 013,25\r\n", "1013,25", nullptr},
        ReadingCase{"DatasheetValue", French, "1 013,25 mbar", "1013,25", "mbar"},
        ReadingCase{"OwnGroupedResult", French, "100\u202F000,0000 Pa", "100000,0000", "Pa"},
        ReadingCase{"UnitWithoutBlank", French, "30psi", "30", "psi"},
        ReadingCase{"LongestUnitWins", French, "3 mbar", "3", "mbar"},
        ReadingCase{"UnitWithSuperscript", French, "1,0197 kg/cm\u00B2", "1,0197", "kg/cm²"},
        ReadingCase{"TwoWordUnit", French, "29,5300 inch Hg", "29,5300", "inch Hg"},
        ReadingCase{"AliasOfAUnit", English, "29.92 inHg", "29.92", "inch Hg"},
        ReadingCase{"UpperCaseAlias", English, "30 PSI", "30", "psi"},
        ReadingCase{"Celsius", French, "-40 \u00B0C", "-40", "°C", Temperature},
        ReadingCase{"CelsiusTyped", English, "25 degC", "25", "°C", Temperature},
        ReadingCase{"Kelvin", French, "310,15 K", "310,15", "K", Temperature},
        ReadingCase{"ExponentForm", English, "1.5E21 Pa", "1.5E21", "Pa"},
        ReadingCase{"GermanResult", German, "1.000,0000 mbar", "1000,0000", "mbar"},
        ReadingCase{"SwissResult", Swiss, "1'000.0000 mbar", "1000.0000", "mbar"},
        // The units of datasheets: other names of the window's units, units of their own,
        // gauge and absolute marks.
        ReadingCase{"Hectopascal", French, "1 013 hPa", "1013", "hPa"},
        ReadingCase{"Atmosphere", English, "1 atm", "1", "atm"},
        ReadingCase{"Gauge", English, "10 barg", "10", "barg"},
        ReadingCase{"Absolute", English, "14.7 psia", "14.7", "psia"},
        ReadingCase{"MarkInParentheses", French, "2,5 kPa(g)", "2,5", "kPa (g)"},
        ReadingCase{"MetreOfWater", English, "1 mH2O", "1", "mH2O"},
        ReadingCase{"InchOfWater", English, "10 inH2O", "10", "inH2O"},
        ReadingCase{"DigitInsideTheUnit", English, "10 inH2O@60F", "10", "inH2O@60F"},
        ReadingCase{"UnitEndingInADigit", English, "1 kgf/cm2", "1", "kgf/cm²"},
        ReadingCase{"MicroSign", French, "10 \u00B5bar", "10", "µbar"},
        ReadingCase{"MicroAsU", French, "10 ubar", "10", "µbar"},
        ReadingCase{"WaterColumnMillimetres", English, "1 mmWC", "1", "mmWC"},
        ReadingCase{"Rankine", English, "540 \u00B0R", "540", "°R", Temperature},
        // Not values, and why.
        ReadingCase{"MilliIsNoMega", French, "3 mPa", nullptr, "unknown unit mPa"},
        ReadingCase{"UnitInOtherLetterCase", French, "3 MBAR", nullptr, "unknown unit MBAR"},
        ReadingCase{"UnknownUnit", French, "12 xyz", nullptr, "unknown unit xyz"},
        ReadingCase{"NoUnitMidWord", English, "12 mat", nullptr, "unknown unit mat"},
        ReadingCase{"UnitAlone", French, "bar", nullptr, "no number"},
        ReadingCase{"NoNumberAtAll", French, "abc", nullptr, "no number"},
        ReadingCase{"OtherRulesAreNotGuessed", French, "2.5 bar", nullptr, "separator ."},
        ReadingCase{"PointUnderFrench", French, "2.5", nullptr, "separator ."},
        ReadingCase{"PointUnderGerman", German, "2.5", nullptr, "separator ."},
        ReadingCase{"CommaUnderEnglish", English, "2,5", nullptr, "separator ,"},
        ReadingCase{"EnglishGroupsUnderFrench", French, "1,013.25", nullptr, "separator ."},
        ReadingCase{"MisplacedGrouping", French, "1 00 000 Pa", nullptr, "no number"},
        ReadingCase{"TwoNumbers", French, "1 bar\n2 bar", nullptr, "no number"}),
    [](const ::testing::TestParamInfo<ReadingCase>& info) { return info.param.name; });

TEST(RegionalNumber, AWideDecimalSeparatorIsTypedAndReadAsItself) {
    // U+066B ends in 0x6B, "k": that letter must not pass for the separator.
    EXPECT_EQ(KeyFilter(u'\u066B', u'\u066B'), u'\u066B');
    EXPECT_EQ(KeyFilter(u'k', u'\u066B'), char16_t{0});
    EXPECT_EQ(KeyFilter(u'\u066C', u'\u066B'), char16_t{0});
    EXPECT_EQ(TryTextToNumber(u"2\u066B5", u'\u066B')->toDouble(), 2.5);
    EXPECT_EQ(TryTextToNumber(u"\u066B5", u'\u066B')->toDouble(), 0.5);
    EXPECT_FALSE(TryTextToNumber(u"2k5", u'\u066B'));
    EXPECT_FALSE(TryTextToNumber(u"2\u066B5\u066B", u'\u066B'));
    EXPECT_FALSE(TryTextToNumber(u"2,5", u'\u066B'));
}

TEST(RegionalNumber, EnterOnAResultTheProgramWroteConvertsIt) {
    const NumberFormat french{u',', u'\u202F', 4};
    const EntryOutcome first = RunEntryCycle(PressureUnit::Pascal, u"100\u202F000,0000 Pa", french);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(u8(first.texts[0]), "1,0000 bar");
    const EntryOutcome again = RunEntryCycle(PressureUnit::Pascal, first.texts[4], french);
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(again.texts, first.texts);
    // Grouping in the wrong place is still reported, quoting the trimmed text.
    const EntryOutcome wrong = RunEntryCycle(PressureUnit::Pascal, u"1 00 000 Pa", french);
    ASSERT_FALSE(wrong.ok());
    EXPECT_EQ(wrong.error->kind(), ConversionError::Kind::InvalidNumber);
    EXPECT_EQ(wrong.error->text(), "1 00 000");
    // The cut after the last digit drops the field's own unit only: another field's unit, the
    // other quantity, or a word the window does not know, is reported whole with its cause,
    // never read as a number of this field.
    using Kind = ConversionError::Kind;
    for (const auto& [text, kind, detail] : {std::tuple{"25 °C", Kind::OtherQuantity, "°C"},
                                             std::tuple{"30 psi", Kind::OtherUnit, "psi"},
                                             std::tuple{"30 Torr.", Kind::UnknownUnit, "Torr."},
                                             std::tuple{"12 xyz", Kind::UnknownUnit, "xyz"},
                                             std::tuple{"2.5", Kind::DecimalSeparator, ","},
                                             std::tuple{"1.5 Torr", Kind::DecimalSeparator, ","}}) {
        const EntryOutcome other = RunEntryCycle(PressureUnit::Torr, u16(text), french);
        ASSERT_FALSE(other.ok()) << text;
        EXPECT_EQ(other.error->kind(), kind) << text;
        EXPECT_EQ(other.error->detail(), detail) << text;
        if (kind != Kind::DecimalSeparator) {
            EXPECT_EQ(u8(other.trimmedText), text);
            EXPECT_EQ(other.error->text(), text);
        }
    }
    for (const char* text : {"12 Torr", "12 torr", "12,", "12-", "12 Torr ", "12\u202FTorr"})
        EXPECT_EQ(u8(RunEntryCycle(PressureUnit::Torr, u16(text), french).trimmedText), "12");
    // A unit without a field converts by its definition into the field's unit; another name of
    // the field's unit is the field's unit.
    struct Arrival {
        int field;
        const char* text;
        const char* shown; // the field's own text after Enter
    };
    for (const Arrival& a :
         {Arrival{4, "1 atm", "101 325,0000 Pa"}, Arrival{1, "1013 hPa", "1 013,0000 mbar"},
          Arrival{4, "1 ftH2O", "2 988,9840 Pa"}, Arrival{13, "10 inH2O", "10,0000 inch CE"},
          Arrival{4, "10 inH2O@60F", "2 488,4000 Pa"}, Arrival{3, "1 kgf/cm2", "1,0000 kg/cm²"},
          Arrival{0, "10 barg", "10,0000 bar"}}) {
        const NumberFormat withBlanks{u',', u' ', 4};
        const EntryOutcome outcome =
            RunEntryCycle(Unit{FieldGroup::Pressure, a.field}, u16(a.text), withBlanks);
        ASSERT_TRUE(outcome.ok()) << a.text;
        EXPECT_EQ(u8(outcome.texts[static_cast<std::size_t>(a.field)]), a.shown);
    }
    // Below absolute zero in another scale's unit: floored in the field's.
    const EntryOutcome rankine =
        RunEntryCycle(TemperatureUnit::Kelvin, u"-1 °R", NumberFormat{u',', u' ', 4});
    ASSERT_TRUE(rankine.ok());
    EXPECT_EQ(u8(rankine.texts[0]), "-273,1500 °C");
}

TEST(RegionalNumber, TheCelsiusFloorReadsDigitGroupsToo) {
    EXPECT_EQ(u8(*AbsoluteZeroFloorText(TemperatureUnit::Celsius, u"-1 000", u',', u'\u202F')),
              "-273,15");
    EXPECT_EQ(u8(*AbsoluteZeroFloorText(TemperatureUnit::Celsius, u"-1.000", u',', u'.')),
              "-273,15");
    EXPECT_FALSE(AbsoluteZeroFloorText(TemperatureUnit::Celsius, u"-1.000", u'.', u','));
    const EntryOutcome outcome =
        RunEntryCycle(TemperatureUnit::Celsius, u"-1 000 °C", NumberFormat{u',', u' ', 2});
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(u8(outcome.texts[2]), "0,00 K");
}

} // namespace
} // namespace baritemp
