#include "NumberToText.h"
#include "DecimalToExtended.h"
#include "TestText.h"

#include <gtest/gtest.h>

#include <ostream>

namespace baritemp {
namespace {

using test::u8;

struct FormatCase {
    const char* name;
    Extended value;
    int precision;
    const char* expected; // with "," as decimal and " " as thousands separator
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const FormatCase& c, std::ostream* os) {
    *os << c.name;
}

class NumberToTextTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(NumberToTextTest, WritesTheResultForm) {
    const FormatCase c = GetParam();
    EXPECT_EQ(u8(NumberToText(c.value, c.precision, u',', u' ')), c.expected);
}

Extended d(double v) {
    return Extended::fromDouble(v);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberToTextTest,
    ::testing::Values(FormatCase{"One", d(1), 4, "1,0000"}, FormatCase{"Zero", d(0), 4, "0,0000"},
                      FormatCase{"NegativeZero", d(-0.0), 4, "0,0000"},
                      FormatCase{"SmallRoundsUp", d(0.00005), 4, "0,0001"},
                      FormatCase{"NegativeRoundingToZeroHasNoSign", d(-0.00004), 4, "0,0000"},
                      FormatCase{"HalfAwayFromZero", d(2.5), 0, "3"},
                      FormatCase{"NegativeHalfAwayFromZero", d(-2.5), 0, "-3"},
                      FormatCase{"ZeroDecimalsRoundsUp", d(14.503773759), 0, "15"},
                      FormatCase{"NoSeparatorWithZeroDecimals", d(100000), 0, "100 000"},
                      FormatCase{"Grouping", d(1234567.891), 2, "1 234 567,89"},
                      FormatCase{"NegativeGrouping", d(-1234.567), 0, "-1 235"},
                      FormatCase{"CarryIntoNewGroup", d(999999.996), 2, "1 000 000,00"},
                      FormatCase{"DoubleJustBelowHalf", d(0.95), 1, "0,9"},
                      FormatCase{"DoubleJustAboveHalf", d(0.05), 1, "0,1"},
                      // 2.5 - 2^-62: the exact value is below the half, its 18-digit form is not.
                      FormatCase{"TieOnTheEighteenDigitForm",
                                 Extended::fromBits(0x4000, 0x9FFFFFFFFFFFFFFFu), 0, "3"},
                      FormatCase{"EighteenNines", Extended::fromUInt(999999999999999999u), 0,
                                 "999 999 999 999 999 999"},
                      FormatCase{"ExponentFormFourDecimals", d(1e20), 4, "1E0020"},
                      FormatCase{"ExponentFormTwoDecimals", d(1e20), 2, "1E20"},
                      FormatCase{"ExponentFormSixDecimals", d(1e20), 6, "1E20"},
                      FormatCase{"ExponentFormNoDecimals", d(1e20), 0, "1E20"},
                      FormatCase{"ExponentFormOneDecimal", d(1e20), 1, "1E20"},
                      FormatCase{"ExponentFormThreeDecimals", d(1e20), 3, "1E020"},
                      FormatCase{"ExponentFormFraction", d(1.5e21), 2, "1,5E21"},
                      FormatCase{"ExponentFormFrom1E18", d(1e18), 4, "1E0018"},
                      FormatCase{"ExponentFormEighteenDigits", d(-123456789012345678e3), 2,
                                 "-1,23456789012345684E20"},
                      FormatCase{"ExponentFormHugeExponent", ExtendedFromDecimal("2.5e4000"), 4,
                                 "2,5E4000"},
                      FormatCase{"RoundsUpIntoExponentForm",
                                 ExtendedFromDecimal("999999999999999999.6"), 0, "1E18"},
                      FormatCase{"TinyRoundsToZero", ExtendedFromDecimal("1e-300"), 4, "0,0000"},
                      FormatCase{"SubnormalShowsAsZero", Extended::fromBits(0, 12345), 18,
                                 "0,000000000000000000"},
                      FormatCase{"EighteenDecimals", ExtendedFromDecimal("0.123456789012345678"),
                                 18, "0,123456789012345678"},
                      FormatCase{"MoreDecimalsThanDigits", d(0.1), 18, "0,100000000000000006"},
                      FormatCase{"PrecisionAbove18MeansTwo", d(1), 25, "1,00"},
                      FormatCase{"NegativePrecisionMeansTwo", d(1), -1, "1,00"},
                      FormatCase{"TwelveDecimals", d(1), 12, "1,000000000000"}),
    [](const ::testing::TestParamInfo<FormatCase>& info) { return info.param.name; });

TEST(NumberToText, NullSeparatorsWriteNothing) {
    EXPECT_EQ(u8(NumberToText(Extended::fromInt(1234567), 2, u',', 0)), "1234567,00");
    EXPECT_EQ(u8(NumberToText(Extended::fromDouble(1.5), 2, 0, u' ')), "150");
    EXPECT_EQ(u8(NumberToText(Extended::fromDouble(1.5e21), 2, 0, u' ')), "15E21");
}

TEST(NumberToText, UsesTheSeparatorsItIsGiven) {
    EXPECT_EQ(u8(NumberToText(Extended::fromDouble(1234.5), 2, u'.', u',')), "1,234.50");
    EXPECT_EQ(u8(NumberToText(Extended::fromDouble(1234.5), 2, u',', u'\u202F')), "1\u202F234,50");
}

TEST(FormatResult, AppendsOneBlankAndTheUnit) {
    EXPECT_EQ(u8(FormatResult(Extended::fromInt(2), u"kg/cm\u00B2", NumberFormat{u',', u' ', 1})),
              "2,0 kg/cm²");
}

} // namespace
} // namespace baritemp

#include "DecimalToExtended.h"
#include "ExactDecimal.h"

#include <random>

namespace baritemp {
namespace {

TEST(ExtendedToScientific, WritesTheExactValueRounded) {
    const std::pair<Extended, const char*> cases[] = {
        {Extended::fromInt(1), "1.00000000000000000000e+0"},
        {Extended::fromInt(-40), "-4.00000000000000000000e+1"},
        {Extended(), "0.00000000000000000000e+0"},
        {-Extended(), "-0.00000000000000000000e+0"},
        // The extended value nearest to 0.1 is 0.100000000000000000001355252715...
        {ExtendedFromDecimal("0.1"), "1.00000000000000000001e-1"},
        // 2^-1 and 2^64: exact.
        {ExtendedFromDecimal("0.5"), "5.00000000000000000000e-1"},
        {ExtendedFromDecimal("18446744073709551616"), "1.84467440737095516160e+19"},
        // The smallest subnormal, 2^-16445.
        {Extended::fromBits(0, 1), "3.64519953188247460253e-4951"},
        // The largest finite value.
        {Extended::fromBits(0x7FFE, ~std::uint64_t{0}), "1.18973149535723176502e+4932"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(ExtendedToScientific(value, 21), expected);
    EXPECT_EQ(ExtendedToScientific(ExtendedFromDecimal("0.125"), 2), "1.2e-1"); // a tie, to even
    EXPECT_EQ(ExtendedToScientific(ExtendedFromDecimal("0.375"), 2), "3.8e-1");
    EXPECT_EQ(ExtendedToScientific(ExtendedFromDecimal("9.96"), 2), "1.0e+1");
}

// 21 significant digits read back to the very bits, over the whole range.
TEST(ExtendedToScientific, TwentyOneDigitsReadBackExactly) {
    std::mt19937_64 random(2026);
    for (int i = 0; i < 20000; ++i) {
        const auto exponent = static_cast<std::uint16_t>(1 + random() % 0x7FFD);
        const Extended x =
            Extended::fromBits(exponent | (i % 2 ? 0x8000 : 0), random() | (1ull << 63));
        const std::string text = ExtendedToScientific(x, 21);
        ASSERT_TRUE(ExtendedFromDecimal(text).identicalTo(x)) << text;
    }
}

} // namespace
} // namespace baritemp
