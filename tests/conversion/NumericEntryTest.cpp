#include "NumericEntry.h"
#include "ConversionError.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <string>
#include <vector>

namespace baritemp {
namespace {

using test::u16;
using test::u8;

struct KeyCase {
    const char* name;
    char16_t key;
    char16_t decimalSeparator;
    bool accepted;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name;
}

class KeyFilterTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(KeyFilterTest, LetsThroughOnlyTheAcceptedSet) {
    const KeyCase c = GetParam();
    EXPECT_EQ(KeyFilter(c.key, c.decimalSeparator), c.accepted ? c.key : char16_t{0});
}

INSTANTIATE_TEST_SUITE_P(
    Keys, KeyFilterTest,
    ::testing::Values(KeyCase{"Digit", u'7', u',', true}, KeyCase{"Plus", u'+', u',', true},
                      KeyCase{"Minus", u'-', u',', true}, KeyCase{"Backspace", u'\b', u',', true},
                      KeyCase{"CarriageReturn", u'\r', u',', true},
                      KeyCase{"DecimalSeparator", u',', u',', true},
                      KeyCase{"PointWhenSeparatorIsComma", u'.', u',', false},
                      KeyCase{"CommaWhenSeparatorIsPoint", u',', u'.', false},
                      KeyCase{"Letter", u'a', u',', false},
                      KeyCase{"ExponentLetter", u'E', u',', false},
                      KeyCase{"Blank", u' ', u',', false},
                      KeyCase{"NoBreakSpaceGroupSeparator", u'\u00A0', u',', false},
                      KeyCase{"CtrlA", u'\x01', u',', false},
                      KeyCase{"ArabicDigitAbove255", u'\u0661', u',', false},
                      // A separator above 255 is itself, not the character of its low 8 bits
                      // (U+012C ends in 0x2C, ",").
                      KeyCase{"LowByteOfWideSeparator", u',', u'\u012C', false},
                      KeyCase{"WideSeparatorItself", u'\u012C', u'\u012C', true}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return info.param.name; });

TEST(TrimToLastDigit, CutsAfterTheLastDigit) {
    const std::pair<const char*, const char*> cases[] = {
        {"12 bar", "12"}, {"12-", "12"}, {"1,5,", "1,5"}, {"1,0000 bar", "1,0000"}, {"-", "-"},
        {"abc", "abc"},   {"", ""},      {"7", "7"},      {"1E5 kg/cm²", "1E5"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(u8(TrimToLastDigit(u16(text))), expected) << text;
    }
}

struct ReadCase {
    const char* text;
    char16_t decimalSeparator;
    bool valid;
    double value; // compared after rounding to double
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.text;
}

class TextToNumberTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(TextToNumberTest, FollowsTheSyntax) {
    const ReadCase c = GetParam();
    const auto value = TryTextToNumber(u16(c.text), c.decimalSeparator);
    ASSERT_EQ(value.has_value(), c.valid) << c.text;
    if (c.valid) {
        const double d = value->toDouble();
        EXPECT_EQ(d, c.value) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, TextToNumberTest,
    ::testing::Values(ReadCase{"12", u',', true, 12}, ReadCase{"1,5", u',', true, 1.5},
                      ReadCase{"  -2,25  ", u',', true, -2.25}, ReadCase{"+3", u',', true, 3},
                      ReadCase{",", u',', true, 0}, // a lone separator reads as zero
                      ReadCase{",5", u',', true, 0.5}, ReadCase{"5,", u',', true, 5},
                      ReadCase{"1E3", u',', true, 1000}, ReadCase{"1e-2", u',', true, 0.01},
                      ReadCase{"2E", u',', true, 2}, // "E" without digits is an exponent of 0
                      ReadCase{"2E+", u',', true, 2}, ReadCase{"1E0500", u',', true, INFINITY},
                      ReadCase{"1E-4999", u',', true,
                               0}, // below the extended range: zero, silently
                      ReadCase{"1.5", u'.', true, 1.5}, ReadCase{"1\u012C5", u'\u012C', true, 1.5},
                      ReadCase{"1,5", u'\u012C', false, 0}, ReadCase{"", u',', false, 0},
                      ReadCase{" ", u',', false, 0}, ReadCase{"-", u',', false, 0},
                      ReadCase{"+-1", u',', false, 0}, ReadCase{"- 1", u',', false, 0},
                      ReadCase{"1,2,3", u',', false, 0}, ReadCase{"1.5", u',', false, 0},
                      ReadCase{"100 000,0000", u',', false, 0},
                      ReadCase{"100\u00A0000", u',', false, 0}, ReadCase{"E5", u',', false, 0},
                      ReadCase{"12 bar", u',', false, 0}, ReadCase{"1\u0661", u',', false, 0},
                      ReadCase{"\uFF11", u',', false, 0}, // a full-width digit is no digit
                      // Exponent digits stop being read at 500 or more: a digit left over is an
                      // error, and 10^4999 is beyond the extended range.
                      ReadCase{"1E5000", u',', false, 0}, ReadCase{"1E-5000", u',', false, 0},
                      ReadCase{"1E4999", u',', false, 0},
                      ReadCase{"1E4932", u',', true, INFINITY}));

TEST(TextToNumber, InvalidTextQuotesTheTextAsPassedIn) {
    for (const char* text : {"-", "1,2,3", "100 000,0000", "é", ""}) {
        try {
            TextToNumber(u16(text), u',');
            ADD_FAILURE() << "no error for " << text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.kind(), ConversionError::Kind::InvalidNumber);
            EXPECT_EQ(e.text(), text);
        }
    }
}

TEST(TextToNumber, AMantissaBeyondTheExtendedRangeIsInvalid) {
    EXPECT_FALSE(TryTextToNumber(u16(std::string(4933, '9')), u','));
    EXPECT_TRUE(TryTextToNumber(u16(std::string(4932, '9')), u','));
}

TEST(TextToNumber, LeavesTheCallersFlagsAsTheyWere) {
    Extended::clearFlags();
    Extended::raise(Extended::FlagDivideByZero);
    EXPECT_FALSE(TryTextToNumber(u"1E4999", u','));
    EXPECT_EQ(Extended::flags(), Extended::FlagDivideByZero);
    Extended::clearFlags();
}

TEST(RoundToDouble, OverflowsOnlyPastTheLargestDouble) {
    EXPECT_EQ(RoundToDouble(TextToNumber(u"1,7976931348623157E308", u',')), 1.7976931348623157e308);
    EXPECT_EQ(RoundToDouble(TextToNumber(u"1E-400", u',')), 0.0);
    for (const char* text : {"1,8E308", "-1E500"}) {
        try {
            RoundToDouble(TextToNumber(u16(text), u','));
            ADD_FAILURE() << "no overflow for " << text;
        } catch (const ConversionError& e) {
            EXPECT_EQ(e.kind(), ConversionError::Kind::Overflow);
        }
    }
}

} // namespace
} // namespace baritemp

#include "ScaleByPowerOfTen.h"

namespace baritemp {
namespace {

// The reading's definition, digit by digit in extended arithmetic: the quicker integer path
// must give the very same bits, however many digits, across the 64-bit boundary.
TEST(TextToNumber, LongDigitStringsReadAsDigitByDigit) {
    const auto byDefinition = [](const std::string& digits, int fractionDigits) {
        Extended m;
        for (const char c : digits)
            m = m * Extended::fromInt(10) + Extended::fromInt(c - '0');
        return ScaleByPowerOfTen(m, -fractionDigits);
    };
    const std::string cases[] = {
        "18446744073709551615", "18446744073709551616",  "18446744073709551619",
        "99999999999999999999", "184467440737095516150", "123456789012345678901234567890",
        "1844674407370955161",  "9999999999999999999",   "100000000000000000001",
    };
    for (const std::string& digits : cases) {
        for (const int fraction : {0, 3, 19}) {
            const std::size_t point = digits.size() - static_cast<std::size_t>(fraction);
            const std::string text =
                fraction > 0 ? digits.substr(0, point) + ',' + digits.substr(point) : digits;
            const auto read = TryTextToNumber(u16(text), u',');
            ASSERT_TRUE(read.has_value()) << text;
            EXPECT_TRUE(read->identicalTo(byDefinition(digits, fraction))) << text;
        }
    }
}

} // namespace
} // namespace baritemp
