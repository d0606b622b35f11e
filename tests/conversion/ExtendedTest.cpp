#include "Extended.h"
#include "DecimalToExtended.h"
#include "ExtendedRounding.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace baritemp {
namespace {

std::string bits(const Extended& e) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%04X:%016llX", e.signExponent(),
                  static_cast<unsigned long long>(e.significand()));
    return buffer;
}

Extended E(std::uint16_t se, std::uint64_t sig) {
    return Extended::fromBits(se, sig);
}

const Extended kOne = E(0x3FFF, 0x8000000000000000u);
const Extended kMinSubnormal = E(0x0000, 1);
const Extended kMax = E(0x7FFE, 0xFFFFFFFFFFFFFFFFu);

// Reference bit patterns computed independently with exact rational arithmetic. These hold on
// every host, including those where the differential test against long double is skipped.
struct LiteralCase {
    const char* literal;
    std::uint16_t signExponent;
    std::uint64_t significand;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const LiteralCase& c, std::ostream* os) {
    *os << c.literal;
}

class NearestToLiteral : public ::testing::TestWithParam<LiteralCase> {};

TEST_P(NearestToLiteral, HasTheReferenceBits) {
    const LiteralCase c = GetParam();
    EXPECT_EQ(bits(ExtendedFromDecimal(c.literal)), bits(E(c.signExponent, c.significand)));
}

INSTANTIATE_TEST_SUITE_P(
    Literals, NearestToLiteral,
    ::testing::Values(LiteralCase{"0.1", 0x3FFB, 0xCCCCCCCCCCCCCCCDu},
                      LiteralCase{"273.15", 0x4007, 0x8893333333333333u},
                      LiteralCase{"-273.15", 0xC007, 0x8893333333333333u},
                      LiteralCase{"1e4608", 0x7BCA, 0xAE3511626ED559F0u},
                      LiteralCase{"0.00001", 0x3FEE, 0xA7C5AC471B478423u},
                      LiteralCase{"0.000133322368421", 0x3FF2, 0x8BCC736524F7B388u},
                      LiteralCase{"735.559066", 0x4008, 0xB7E3C7BCC2938DE7u},
                      LiteralCase{"98066.5", 0x400F, 0xBF89400000000000u},
                      LiteralCase{"1e4932", 0x7FFE, 0xD72CB2A95C7EF6CDu},
                      // The largest finite value, written with more digits than it needs.
                      LiteralCase{"1.18973149535723176502e4932", 0x7FFE, 0xFFFFFFFFFFFFFFFFu}));

TEST(ExtendedFromDecimal, RefusesWhatIsNotALiteral) {
    for (const char* text : {"", "-", "abc", "1e", "1.2.3", "--1", "1 ", "0x10"})
        EXPECT_THROW(ExtendedFromDecimal(text), std::invalid_argument) << text;
}

TEST(ExtendedFromDecimal, OverflowsToInfinity) {
    Extended::clearFlags();
    EXPECT_TRUE(ExtendedFromDecimal("1.19e4932").isInfinite());
    EXPECT_TRUE(Extended::flags() & Extended::FlagOverflow);
    Extended::clearFlags();
}

struct OperationCase {
    const char* name;
    Extended a;
    char op;
    Extended b;
    Extended expected;
    unsigned flags;
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const OperationCase& c, std::ostream* os) {
    *os << c.name;
}

class ExtendedOperation : public ::testing::TestWithParam<OperationCase> {};

TEST_P(ExtendedOperation, RoundsToNearestEven) {
    const OperationCase c = GetParam();
    Extended::clearFlags();
    Extended r;
    switch (c.op) {
    case '+':
        r = c.a + c.b;
        break;
    case '-':
        r = c.a - c.b;
        break;
    case '*':
        r = c.a * c.b;
        break;
    default:
        r = c.a / c.b;
    }
    if (c.expected.isNaN())
        EXPECT_TRUE(r.isNaN()) << bits(r);
    else
        EXPECT_EQ(bits(r), bits(c.expected));
    EXPECT_EQ(Extended::flags(), c.flags);
    Extended::clearFlags();
}

const Extended kTwoPowMinus64 = E(0x3FBF, 0x8000000000000000u);
const Extended kOnePlusUlp = E(0x3FFF, 0x8000000000000001u);

INSTANTIATE_TEST_SUITE_P(
    Cases, ExtendedOperation,
    ::testing::Values(
        OperationCase{"TieToEvenStaysDown", kOne, '+', kTwoPowMinus64, kOne, 0},
        OperationCase{"TieToEvenGoesUp", kOnePlusUlp, '+', kTwoPowMinus64,
                      E(0x3FFF, 0x8000000000000002u), 0},
        OperationCase{"AboveTieGoesUp", kOne, '+', E(0x3FBF, 0xC000000000000000u), kOnePlusUlp, 0},
        // Exponents exactly 65 apart in an effective subtraction: a tie on 1 - 2^-65 ...
        OperationCase{"SubtractTie65Apart", kOne, '-', E(0x3FBE, 0x8000000000000000u), kOne, 0},
        // ... and just above it, where only a sticky bit tells the two apart.
        OperationCase{"SubtractSticky65Apart", kOne, '-', E(0x3FBE, 0x8000000000000001u),
                      E(0x3FFE, 0xFFFFFFFFFFFFFFFFu), 0},
        OperationCase{"ExactCancellationIsPlusZero", kOne, '-', kOne, Extended(), 0},
        OperationCase{"OneThird", kOne, '/', Extended::fromInt(3), E(0x3FFD, 0xAAAAAAAAAAAAAAABu),
                      0},
        OperationCase{"HalfOfSmallestSubnormalTiesToZero", kMinSubnormal, '/', Extended::fromInt(2),
                      Extended(), 0},
        OperationCase{"OneAndAHalfSubnormalsTieToTwo", kMinSubnormal, '*',
                      E(0x3FFF, 0xC000000000000000u), E(0x0000, 2), 0},
        OperationCase{"SubnormalRoundsUpIntoNormalRange", E(0x0000, 0x7FFFFFFFFFFFFFFFu), '+',
                      E(0x0000, 1), E(0x0001, 0x8000000000000000u), 0},
        OperationCase{"OverflowGivesInfinity", kMax, '*', Extended::fromInt(2),
                      Extended::infinity(), Extended::FlagOverflow},
        OperationCase{"LargestFiniteSurvivesRoundingDown", kMax, '+', kOne, kMax, 0},
        OperationCase{"InfinityMinusInfinityIsInvalid", Extended::infinity(), '-',
                      Extended::infinity(), Extended::quietNaN(), Extended::FlagInvalid},
        OperationCase{"ZeroTimesInfinityIsInvalid", Extended(), '*', Extended::infinity(),
                      Extended::quietNaN(), Extended::FlagInvalid},
        OperationCase{"DivisionByZero", kOne, '/', Extended(), Extended::infinity(),
                      Extended::FlagDivideByZero}),
    [](const ::testing::TestParamInfo<OperationCase>& info) { return info.param.name; });

TEST(ExtendedToDouble, RoundsOnceAndReportsOverflow) {
    struct Case {
        Extended value;
        double expected;
        bool overflow;
    };
    const Case cases[] = {
        {Extended::fromDouble(DBL_MAX), DBL_MAX, false},
        // Half an ulp above the largest double: the tie rounds to the even neighbour, which is
        // past the range.
        {E(0x43FE, 0xFFFFFFFFFFFFFC00u), INFINITY, true},
        {E(0x43FE, 0xFFFFFFFFFFFFFBFFu), DBL_MAX, false},
        {E(0x3BCC, 0x8000000000000000u), 0.0, false},                    // 2^-1075: tie to 0
        {E(0x3BCC, 0xC000000000000000u), std::ldexp(1.0, -1074), false}, // 1.5 x 2^-1075
        {ExtendedFromDecimal("0.1"), 0.1, false},
        {-ExtendedFromDecimal("1e400"), -INFINITY, true},
    };
    for (const Case& c : cases) {
        Extended::clearFlags();
        EXPECT_EQ(c.value.toDouble(), c.expected) << bits(c.value);
        EXPECT_EQ((Extended::flags() & Extended::FlagOverflow) != 0, c.overflow) << bits(c.value);
    }
    Extended::clearFlags();
}

TEST(ExtendedRoundToInteger, TiesGoToEven) {
    const std::pair<double, double> cases[] = {{2.5, 2},  {3.5, 4},   {-2.5, -2},   {0.5, 0},
                                               {1.5, 2},  {0.49, 0},  {-0.4, -0.0}, {1e20, 1e20},
                                               {7.25, 7}, {-7.75, -8}};
    for (const auto& [value, expected] : cases) {
        const Extended r = Extended::fromDouble(value).roundToInteger();
        EXPECT_EQ(r.toDouble(), expected) << value;
        EXPECT_EQ(r.isNegative(), std::signbit(expected)) << value;
    }
}

TEST(ExtendedComparison, IsNumeric) {
    EXPECT_TRUE(Extended() == -Extended());
    EXPECT_TRUE(Extended::fromInt(-3) < Extended::fromInt(2));
    EXPECT_TRUE(Extended::fromInt(-3) < Extended::fromInt(-2));
    EXPECT_TRUE(kMinSubnormal > Extended());
    EXPECT_FALSE(Extended::quietNaN() == Extended::quietNaN());
    EXPECT_FALSE(Extended::quietNaN() < kOne);
    EXPECT_FALSE(Extended::quietNaN() > kOne);
}

TEST(ExtendedIntegers, ConvertExactly) {
    EXPECT_EQ(bits(Extended::fromInt(INT64_MIN)), "C03E:8000000000000000");
    EXPECT_EQ(bits(Extended::fromUInt(UINT64_MAX)), "403E:FFFFFFFFFFFFFFFF");
    EXPECT_EQ(Extended::fromUInt(999999999999999999u).truncatedMagnitude(), 999999999999999999u);
    EXPECT_EQ(Extended::fromDouble(-12.75).truncatedMagnitude(), 12u);
    EXPECT_EQ(Extended::fromDouble(0.75).exponent2(), -1);
    EXPECT_EQ(kMinSubnormal.exponent2(), -16445);
}

} // namespace
} // namespace baritemp

namespace baritemp {
namespace {

// The significands' division has two ways to its bits: the 128-by-64-bit division where the
// compiler offers one, and the bit-at-a-time loop the other targets use. Both must give the
// same 66 quotient bits and sticky bit for every pair, the extreme ones included.
TEST(ExtendedDivision, BothWaysGiveTheSameBits) {
    constexpr std::uint64_t top = std::uint64_t{1} << 63;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> pairs = {
        {top, top},
        {~std::uint64_t{0}, top},
        {top, ~std::uint64_t{0}},
        {~std::uint64_t{0}, ~std::uint64_t{0}},
        {top + 1, top},
        {top, top + 1},
        {0xC000000000000000u, 0x8000000000000001u},
        {0xAAAAAAAAAAAAAAAAu, 0xFFFFFFFFFFFFFFFEu},
    };
    std::mt19937_64 rng(7);
    for (int i = 0; i < 200000; ++i)
        pairs.emplace_back(rng() | top, rng() | top);
    const auto same = [](detail::Uint128 a, detail::Uint128 b) {
        return a.hi == b.hi && a.lo == b.lo;
    };
    for (const auto& [n, d] : pairs) {
        const bool doubled = n < d;
        const detail::Uint128 loop = detail::divideSignificandsLoop(n, doubled, d);
        EXPECT_NE(loop.hi & top, 0u); // the quotient lies in [1, 2): its top bit is set
#ifdef BARITEMP_HAS_WIDE_DIVISION
        const detail::Uint128 wide = detail::divideSignificandsWide(n, doubled, d);
        ASSERT_TRUE(same(loop, wide)) << std::hex << n << " / " << d;
#endif
        ASSERT_TRUE(same(detail::divideSignificands(n, doubled, d), loop));
    }
}

} // namespace
} // namespace baritemp
