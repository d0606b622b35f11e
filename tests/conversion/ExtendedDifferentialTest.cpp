// Extended against the x87 format that `long double` is on x86-64 with GCC or Clang: the same
// operations on the same operands must give the same bits and raise the same flags.
#include "DecimalToExtended.h"
#include "Extended.h"
#include "PressureConversion.h"
#include "ScaleByPowerOfTen.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cfenv>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#if (defined(__x86_64__) || defined(__i386__)) && LDBL_MANT_DIG == 64 && !defined(_MSC_VER)
#define BARITEMP_HAVE_X87_LONG_DOUBLE 1
#endif

namespace baritemp {
namespace {

#ifdef BARITEMP_HAVE_X87_LONG_DOUBLE

long double toLong(const Extended& e) {
    long double ld = 0;
    std::uint64_t sig = e.significand();
    std::uint16_t se = e.signExponent();
    std::memcpy(&ld, &sig, 8);
    std::memcpy(reinterpret_cast<char*>(&ld) + 8, &se, 2);
    return ld;
}

Extended fromLong(long double ld) {
    std::uint64_t sig;
    std::uint16_t se;
    std::memcpy(&sig, &ld, 8);
    std::memcpy(&se, reinterpret_cast<const char*>(&ld) + 8, 2);
    return Extended::fromBits(se, sig);
}

bool sameResult(const Extended& a, const Extended& b) {
    return a.identicalTo(b) || (a.isNaN() && b.isNaN());
}

std::string describe(const Extended& e) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04X:%016llX", e.signExponent(),
                  static_cast<unsigned long long>(e.significand()));
    return buffer;
}

unsigned hostFlags() {
    const int raised = std::fetestexcept(FE_INVALID | FE_OVERFLOW | FE_DIVBYZERO);
    return ((raised & FE_INVALID) ? Extended::FlagInvalid : 0u) |
           ((raised & FE_OVERFLOW) ? Extended::FlagOverflow : 0u) |
           ((raised & FE_DIVBYZERO) ? Extended::FlagDivideByZero : 0u);
}

// Operands chosen to reach the hard cases often: random patterns over the whole exponent
// range, exponents a few bits apart (alignment and cancellation, exactly 64 and 65 apart
// included), short significands whose sums and products land exactly on ties, and exponents
// at both ends of the range for subnormal and overflowing results.
class OperandSource {
public:
    explicit OperandSource(std::uint64_t seed) : rng_(seed) {}

    std::uint64_t bits() { return rng_(); }

    std::uint64_t significand(bool normal) {
        std::uint64_t s;
        switch (bits() % 4) {
        case 0: // few significant bits: exact ties after alignment
            s = bits() << (bits() % 64);
            s &= ~((std::uint64_t{1} << (bits() % 60)) - 1);
            break;
        case 1: // runs of ones: carries that ripple through the whole significand
            s = ~std::uint64_t{0} << (bits() % 64);
            break;
        default:
            s = bits();
        }
        return normal ? (s | (std::uint64_t{1} << 63)) : (s & ~(std::uint64_t{1} << 63));
    }

    Extended value(int exponentField) {
        const bool negative = bits() & 1;
        const bool normal = exponentField != 0;
        const std::uint16_t se =
            static_cast<std::uint16_t>((negative ? 0x8000 : 0) | exponentField);
        return Extended::fromBits(se, significand(normal));
    }

    int randomField() { return static_cast<int>(bits() % 0x7FFF); } // 0 .. 0x7FFE

    int nearField(int field, int spread) {
        const int delta = static_cast<int>(bits() % (2 * spread + 1)) - spread;
        int f = field + delta;
        return f < 0 ? 0 : f > 0x7FFE ? 0x7FFE : f;
    }

    Extended special() {
        switch (bits() % 4) {
        case 0:
            return Extended::fromBits((bits() & 1) ? 0x8000 : 0, 0);
        case 1:
            return Extended::infinity(bits() & 1);
        case 2:
            return Extended::quietNaN();
        default:
            return Extended::fromDouble(1.0);
        }
    }

    // A pair for a binary operation, `shape` picked by the caller's op.
    std::pair<Extended, Extended> pair(char op) {
        const unsigned mode = static_cast<unsigned>(bits() % 16);
        int fa = randomField();
        int fb;
        if (mode == 0) {
            return {bits() & 1 ? special() : value(fa), bits() & 1 ? special() : value(fa)};
        } else if (mode < 7) {
            // Close exponents; every distance up to 70 is common, 64 and 65 among them.
            fb = nearField(fa, 70);
        } else if (mode < 10) {
            // Results near the bottom of the range: subnormals and underflow to zero.
            if (op == '*') {
                fa = static_cast<int>(bits() % 16383);
                fb = nearField(16383 - fa, 80);
            } else if (op == '/') {
                fa = static_cast<int>(bits() % 200);
                fb = nearField(16383 + fa, 80);
            } else {
                fa = static_cast<int>(bits() % 70);
                fb = static_cast<int>(bits() % 70);
            }
        } else if (mode < 13) {
            // Results near the top of the range: overflow, and rounding up to it.
            if (op == '*') {
                fa = 16383 + static_cast<int>(bits() % 16383);
                fb = nearField(0x7FFE - fa + 16383, 3);
            } else if (op == '/') {
                fa = 0x7FFE - static_cast<int>(bits() % 100);
                fb = nearField(16383 - (0x7FFE - fa), 3);
            } else {
                fa = 0x7FFE - static_cast<int>(bits() % 3);
                fb = 0x7FFE - static_cast<int>(bits() % 3);
            }
        } else {
            fb = randomField();
        }
        return {value(fa), value(fb)};
    }

private:
    std::mt19937_64 rng_;
};

struct Op {
    char symbol;
    Extended (*ours)(const Extended&, const Extended&);
    long double (*host)(long double, long double);
};

// Names the case in test listings instead of dumping its bytes.
void PrintTo(const Op& c, std::ostream* os) {
    *os << c.symbol;
}

const Op kOps[] = {
    {'+', [](const Extended& a, const Extended& b) { return a + b; },
     [](long double a, long double b) { return a + b; }},
    {'-', [](const Extended& a, const Extended& b) { return a - b; },
     [](long double a, long double b) { return a - b; }},
    {'*', [](const Extended& a, const Extended& b) { return a * b; },
     [](long double a, long double b) { return a * b; }},
    {'/', [](const Extended& a, const Extended& b) { return a / b; },
     [](long double a, long double b) { return a / b; }},
};

// Ten million a side; fewer where the x87 runs many times slower (under Wine CTest sets
// BARITEMP_DIFFERENTIAL_OPERATIONS).
long operationsPerOperator() {
    const char* asked = std::getenv("BARITEMP_DIFFERENTIAL_OPERATIONS");
    const long count = asked != nullptr ? std::atol(asked) : 0;
    return count > 0 ? count : 10'000'000;
}

class ExtendedDifferential : public ::testing::TestWithParam<Op> {};

TEST_P(ExtendedDifferential, MatchesX87BitForBit) {
    const Op op = GetParam();
    OperandSource source(0x5EEDu + static_cast<unsigned>(op.symbol));
    long mismatches = 0;
    const long operations = operationsPerOperator();
    for (long i = 0; i < operations; ++i) {
        const auto [a, b] = source.pair(op.symbol);
        Extended::clearFlags();
        const Extended ours = op.ours(a, b);
        const unsigned ourFlags = Extended::flags();

        volatile long double x = toLong(a);
        volatile long double y = toLong(b);
        std::feclearexcept(FE_ALL_EXCEPT);
        volatile long double r = op.host(x, y);
        const unsigned theirFlags = hostFlags();
        const Extended theirs = fromLong(r);

        // Invalid is only compared for non-NaN operands: a signalling NaN pattern raises it on
        // the x87 and is no concern here.
        const unsigned compared =
            (a.isNaN() || b.isNaN()) ? Extended::FlagOverflow | Extended::FlagDivideByZero : ~0u;
        if (!sameResult(ours, theirs) || (ourFlags & compared) != (theirFlags & compared)) {
            if (++mismatches <= 10)
                ADD_FAILURE() << describe(a) << ' ' << op.symbol << ' ' << describe(b) << " = "
                              << describe(ours) << " flags " << ourFlags << ", x87 gives "
                              << describe(theirs) << " flags " << theirFlags;
        }
    }
    std::printf("[ differential ] %c: %ld operations, %ld mismatches\n", op.symbol, operations,
                mismatches);
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Operators, ExtendedDifferential, ::testing::ValuesIn(kOps),
                         [](const ::testing::TestParamInfo<Op>& info) {
                             switch (info.param.symbol) {
                             case '+':
                                 return std::string("Add");
                             case '-':
                                 return std::string("Subtract");
                             case '*':
                                 return std::string("Multiply");
                             default:
                                 return std::string("Divide");
                             }
                         });

TEST(ExtendedDifferentialUnary, ConversionsRoundingAndComparisonMatchX87) {
    OperandSource source(0xC0FFEE);
    long mismatches = 0;
    constexpr long kCount = 2'000'000;
    for (long i = 0; i < kCount; ++i) {
        const auto [a, b] = source.pair(i % 2 ? '+' : '/');
        const long double x = toLong(a);
        const long double y = toLong(b);

        // To double: rounding, double subnormals, overflow flag.
        Extended::clearFlags();
        const double ours = a.toDouble();
        const bool ourOverflow = (Extended::flags() & Extended::FlagOverflow) != 0;
        std::feclearexcept(FE_ALL_EXCEPT);
        volatile long double vx = x;
        volatile double theirs = static_cast<double>(vx);
        const bool theirOverflow = std::fetestexcept(FE_OVERFLOW) != 0;
        const double theirsCopy = theirs;
        if (std::memcmp(&ours, &theirsCopy, sizeof ours) != 0 &&
            !(std::isnan(ours) && std::isnan(theirsCopy)))
            ++mismatches;
        if (ourOverflow != theirOverflow)
            ++mismatches;

        // From double: exact.
        if (!std::isnan(theirsCopy) &&
            !Extended::fromDouble(theirsCopy)
                 .identicalTo(fromLong(static_cast<long double>(theirsCopy))))
            ++mismatches;

        // Nearest integer, ties to even, on values with short fractions too.
        const Extended scaled = Extended::fromBits(
            static_cast<std::uint16_t>((a.signExponent() & 0x8000) |
                                       (16383 + static_cast<int>(source.bits() % 70) - 2)),
            a.significand() | (std::uint64_t{1} << 63));
        if (!sameResult(scaled.roundToInteger(), fromLong(std::rint(toLong(scaled)))))
            ++mismatches;
        if (!sameResult(a.roundToInteger(), fromLong(std::rint(x))))
            ++mismatches;

        // Base-2 exponent.
        if (a.isFinite() && !a.isZero() && a.exponent2() != std::ilogb(x))
            ++mismatches;

        // Ordering.
        const auto order = a <=> b;
        if ((order < 0) != (x < y) || (order > 0) != (x > y) || (order == 0) != (x == y))
            ++mismatches;
    }
    std::printf("[ differential ] conversions: %ld operands, %ld mismatches\n", kCount, mismatches);
    EXPECT_EQ(mismatches, 0);
}

// Every constant the program computes with is the extended value nearest to its literal:
// checked against the C library's correctly rounded strtold.
TEST(ExtendedDifferentialConstants, EveryConstantIsTheNearestToItsLiteral) {
    const auto expectNearest = [](const Extended& value, const std::string& literal) {
        const long double host = std::strtold(literal.c_str(), nullptr);
        EXPECT_TRUE(value.identicalTo(fromLong(host)))
            << literal << ": " << describe(value) << " vs " << describe(fromLong(host));
    };
    int checked = 0;
    for (int n = 0; n <= 4608; ++n) {
        if (n < 32 || (n <= 480 && n % 32 == 0) || n % 512 == 0) {
            expectNearest(PowerOfTenTableEntry(n), "1e" + std::to_string(n));
            ++checked;
        }
    }
    for (int s = 0; s < kPressureUnitCount; ++s) {
        for (int t = 0; t < kPressureUnitCount; ++t) {
            if (s != t) {
                expectNearest(PressureFactor(s, t), std::string(PressureFactorLiteral(s, t)));
                ++checked;
            }
        }
    }
    expectNearest(ExtendedFromDecimal("273.15"), "273.15");
    expectNearest(ExtendedFromDecimal("-273.15"), "-273.15");
    EXPECT_EQ(checked, 32 + 15 + 9 + 14 * 13);
}

#else

TEST(ExtendedDifferential, NeedsX87LongDouble) {
    GTEST_SKIP() << "long double is not the x87 extended format on this host";
}

#endif

} // namespace
} // namespace baritemp
