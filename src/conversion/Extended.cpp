#include "Extended.h"

#include "ExtendedRounding.h"

#include <bit>
#include <climits>
#include <cstring>
#include <utility>

#if defined(_MSC_VER) && defined(_M_X64)
#include <intrin.h>
#endif

namespace baritemp {

namespace {

constexpr int kBias = 16383;
constexpr int kMaxExponentField = 0x7FFF;
constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
constexpr std::uint64_t kQuietNaNSignificand = 0xC000000000000000u;

thread_local unsigned tFlags = 0;

using detail::Uint128;

// A finite non-zero value as sig * 2^(exponent - 63), with bit 63 of sig set.
struct Unpacked {
    bool negative;
    int exponent;
    std::uint64_t sig;
};

Unpacked unpack(const Extended& x) {
    Unpacked u{x.isNegative(), 0, x.significand()};
    const int field = x.exponentField();
    if (field == 0 || (u.sig & kIntegerBit) == 0) {
        // Subnormal (or an unnormal written by hand): normalise it.
        const int shift = std::countl_zero(u.sig);
        u.sig <<= shift;
        u.exponent = (field == 0 ? 1 : field) - kBias - shift;
    } else {
        u.exponent = field - kBias;
    }
    return u;
}

Extended packBits(bool negative, int field, std::uint64_t sig) {
    return Extended::fromBits(
        static_cast<std::uint16_t>((negative ? 0x8000 : 0) | static_cast<unsigned>(field)), sig);
}

Extended zero(bool negative) {
    return packBits(negative, 0, 0);
}

Uint128 shiftLeft(Uint128 v, int n) {
    if (n == 0)
        return v;
    if (n >= 64)
        return {v.lo << (n - 64), 0};
    return {(v.hi << n) | (v.lo >> (64 - n)), v.lo << n};
}

int countLeadingZeros(Uint128 v) {
    return v.hi != 0 ? std::countl_zero(v.hi) : 64 + std::countl_zero(v.lo);
}

Uint128 multiply64(std::uint64_t a, std::uint64_t b) {
    const std::uint64_t a0 = a & 0xFFFFFFFFu, a1 = a >> 32;
    const std::uint64_t b0 = b & 0xFFFFFFFFu, b1 = b >> 32;
    const std::uint64_t p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    const std::uint64_t mid = (p00 >> 32) + (p01 & 0xFFFFFFFFu) + (p10 & 0xFFFFFFFFu);
    return {p11 + (p01 >> 32) + (p10 >> 32) + (mid >> 32), (mid << 32) | (p00 & 0xFFFFFFFFu)};
}

Extended invalidResult() {
    tFlags |= Extended::FlagInvalid;
    return Extended::quietNaN();
}

// A NaN operand gives a NaN result; the payload is not part of this program's contract.
bool eitherNaN(const Extended& a, const Extended& b) {
    return a.isNaN() || b.isNaN();
}

Extended add(const Extended& a, const Extended& b, bool negateB) {
    if (eitherNaN(a, b))
        return Extended::quietNaN();
    bool signA = a.isNegative();
    bool signB = b.isNegative() != negateB;
    if (a.isInfinite() || b.isInfinite()) {
        if (a.isInfinite() && b.isInfinite() && signA != signB)
            return invalidResult();
        return a.isInfinite() ? a : Extended::infinity(signB);
    }
    if (b.isZero()) {
        if (a.isZero())
            return zero(signA && signB); // +0 unless both are -0, when rounding to nearest
        return a;
    }
    if (a.isZero())
        return packBits(signB, b.exponentField(), b.significand());

    Unpacked x = unpack(a);
    Unpacked y = unpack(b);
    x.negative = signA;
    y.negative = signB;
    if (x.exponent < y.exponent || (x.exponent == y.exponent && x.sig < y.sig))
        std::swap(x, y);

    const Uint128 big{x.sig, 0};
    const Uint128 small = detail::shiftRightJam({y.sig, 0}, x.exponent - y.exponent);
    if (x.negative == y.negative) {
        Uint128 sum{big.hi + small.hi, big.lo + small.lo};
        if (sum.lo < big.lo)
            ++sum.hi;
        if (sum.hi < big.hi) { // carry out of bit 127
            sum = detail::shiftRightJam(sum, 1);
            sum.hi |= kIntegerBit;
            return detail::roundAndPack(x.negative, x.exponent + 1, sum);
        }
        return detail::roundAndPack(x.negative, x.exponent, sum);
    }
    // Effective subtraction, |x| >= |y|. When the exponents differ by 2 or more the result
    // loses at most one leading bit, so the sticky bit stays below the rounding position;
    // when they differ by 0 or 1 the aligned operand lost nothing and the difference is exact.
    Uint128 diff{big.hi - small.hi, big.lo - small.lo};
    if (big.lo < small.lo)
        --diff.hi;
    if (diff.hi == 0 && diff.lo == 0)
        return zero(false);
    const int shift = countLeadingZeros(diff);
    return detail::roundAndPack(x.negative, x.exponent - shift, shiftLeft(diff, shift));
}

} // namespace

namespace detail {

Uint128 shiftRightJam(Uint128 v, int n) {
    if (n <= 0)
        return v;
    if (n < 64) {
        const bool lost = (v.lo << (64 - n)) != 0;
        return {v.hi >> n, (v.hi << (64 - n)) | (v.lo >> n) | (lost ? 1u : 0u)};
    }
    if (n == 64)
        return {0, v.hi | (v.lo != 0 ? 1u : 0u)};
    if (n < 128) {
        const bool lost = (v.hi << (128 - n)) != 0 || v.lo != 0;
        return {0, (v.hi >> (n - 64)) | (lost ? 1u : 0u)};
    }
    return {0, (v.hi | v.lo) != 0 ? 1u : 0u};
}

Extended roundAndPack(bool negative, int exponent, Uint128 m) {
    int field = exponent + kBias;
    if (field <= 0) {
        // Below the normal range: denormalise first, then round once.
        m = shiftRightJam(m, 1 - field);
        field = 0;
    }
    std::uint64_t sig = m.hi;
    if (m.lo > kIntegerBit || (m.lo == kIntegerBit && (sig & 1) != 0)) {
        ++sig;
        if (sig == 0) {
            sig = kIntegerBit;
            ++field;
        }
    }
    if (field == 0 && (sig & kIntegerBit) != 0)
        field = 1; // a subnormal rounded up into the normal range
    if (field >= kMaxExponentField) {
        tFlags |= Extended::FlagOverflow;
        return Extended::infinity(negative);
    }
    return packBits(negative, field, sig);
}

} // namespace detail

Extended Extended::fromDouble(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool negative = (bits >> 63) != 0;
    const int field = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (field == 0x7FF)
        return fraction == 0 ? infinity(negative) : quietNaN();
    if (field == 0) {
        if (fraction == 0)
            return zero(negative);
        const int shift = std::countl_zero(fraction);
        // fraction * 2^-1074, with its leading bit at position 63 - shift.
        return packBits(negative, (63 - shift) - 1074 + kBias, fraction << shift);
    }
    return packBits(negative, field - 1023 + kBias, (fraction | (std::uint64_t{1} << 52)) << 11);
}

Extended Extended::fromUInt(std::uint64_t value) {
    if (value == 0)
        return {};
    const int shift = std::countl_zero(value);
    return packBits(false, 63 - shift + kBias, value << shift);
}

Extended Extended::fromInt(std::int64_t value) {
    const std::uint64_t magnitude =
        value < 0 ? ~static_cast<std::uint64_t>(value) + 1 : static_cast<std::uint64_t>(value);
    const Extended e = fromUInt(magnitude);
    return value < 0 ? -e : e;
}

Extended Extended::infinity(bool negative) {
    return packBits(negative, 0x7FFF, kIntegerBit);
}

Extended Extended::quietNaN() {
    return packBits(true, 0x7FFF, kQuietNaNSignificand);
}

int Extended::exponent2() const {
    if (!isFinite() || isZero())
        return INT_MIN;
    return unpack(*this).exponent;
}

double Extended::toDouble() const {
    const bool negative = isNegative();
    double result;
    std::uint64_t bits;
    if (isNaN()) {
        bits = 0x7FF8000000000000u;
    } else if (isInfinite()) {
        bits = 0x7FF0000000000000u;
    } else if (isZero()) {
        bits = 0;
    } else {
        const Unpacked u = unpack(*this);
        int field = u.exponent + 1023;
        int drop = 11; // 64 significant bits down to 53
        if (field <= 0) {
            drop += 1 - field;
            field = 0;
        }
        const Uint128 m = detail::shiftRightJam({u.sig, 0}, drop);
        std::uint64_t sig = m.hi;
        if (m.lo > kIntegerBit || (m.lo == kIntegerBit && (sig & 1) != 0))
            ++sig;
        if (field == 0) {
            if ((sig >> 52) != 0)
                field = 1;
        } else if ((sig >> 53) != 0) {
            sig >>= 1;
            ++field;
        }
        if (field >= 0x7FF) {
            tFlags |= FlagOverflow;
            bits = 0x7FF0000000000000u;
        } else {
            bits =
                (static_cast<std::uint64_t>(field) << 52) | (sig & ((std::uint64_t{1} << 52) - 1));
        }
    }
    if (negative)
        bits |= std::uint64_t{1} << 63;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

Extended Extended::roundToInteger() const {
    if (!isFinite() || isZero())
        return *this;
    const Unpacked u = unpack(*this);
    if (u.exponent >= 63)
        return *this; // no fraction bits
    // Integer part in hi, fraction in lo (with a sticky bit for anything further out).
    const Uint128 m = detail::shiftRightJam({u.sig, 0}, 63 - u.exponent);
    std::uint64_t integer = m.hi;
    if (m.lo > kIntegerBit || (m.lo == kIntegerBit && (integer & 1) != 0))
        ++integer;
    if (integer == 0)
        return zero(u.negative);
    const Extended e = fromUInt(integer);
    return u.negative ? -e : e;
}

std::uint64_t Extended::truncatedMagnitude() const {
    if (!isFinite() || isZero())
        return 0;
    const Unpacked u = unpack(*this);
    if (u.exponent < 0)
        return 0;
    if (u.exponent >= 64)
        return UINT64_MAX;
    return u.sig >> (63 - u.exponent);
}

Extended operator+(const Extended& a, const Extended& b) {
    return add(a, b, false);
}

Extended operator-(const Extended& a, const Extended& b) {
    return add(a, b, true);
}

Extended operator*(const Extended& a, const Extended& b) {
    if (eitherNaN(a, b))
        return Extended::quietNaN();
    const bool negative = a.isNegative() != b.isNegative();
    if (a.isInfinite() || b.isInfinite()) {
        if (a.isZero() || b.isZero())
            return invalidResult();
        return Extended::infinity(negative);
    }
    if (a.isZero() || b.isZero())
        return zero(negative);
    const Unpacked x = unpack(a);
    const Unpacked y = unpack(b);
    Uint128 product = multiply64(x.sig, y.sig); // in [2^126, 2^128)
    int exponent = x.exponent + y.exponent;
    if ((product.hi & kIntegerBit) != 0)
        ++exponent;
    else
        product = shiftLeft(product, 1);
    return detail::roundAndPack(negative, exponent, product);
}

Extended operator/(const Extended& a, const Extended& b) {
    if (eitherNaN(a, b))
        return Extended::quietNaN();
    const bool negative = a.isNegative() != b.isNegative();
    if (a.isInfinite()) {
        if (b.isInfinite())
            return invalidResult();
        return Extended::infinity(negative);
    }
    if (b.isInfinite())
        return zero(negative);
    if (b.isZero()) {
        if (a.isZero())
            return invalidResult();
        tFlags |= Extended::FlagDivideByZero;
        return Extended::infinity(negative);
    }
    if (a.isZero())
        return zero(negative);

    const Unpacked x = unpack(a);
    const Unpacked y = unpack(b);
    const bool doubled = x.sig < y.sig;
    const int exponent = x.exponent - y.exponent - (doubled ? 1 : 0);
    return detail::roundAndPack(negative, exponent,
                                detail::divideSignificands(x.sig, doubled, y.sig));
}

namespace detail {

Uint128 divideSignificandsLoop(std::uint64_t n, bool doubled, std::uint64_t d) {
    // Restoring division, one quotient bit a step. The remainder needs 65 bits: its top bit
    // lives in `carry`.
    std::uint64_t remainder = n;
    bool carry = false;
    if (doubled) {
        carry = (remainder & kIntegerBit) != 0;
        remainder <<= 1;
    }
    Uint128 quotient;
    for (int i = 0; i < 66; ++i) {
        quotient = shiftLeft(quotient, 1);
        if (carry || remainder >= d) {
            remainder -= d;
            quotient.lo |= 1;
        }
        carry = (remainder & kIntegerBit) != 0;
        remainder <<= 1;
    }
    quotient = shiftLeft(quotient, 128 - 66);
    if (remainder != 0 || carry)
        quotient.lo |= 1;
    return quotient;
}

#ifdef BARITEMP_HAS_WIDE_DIVISION
Uint128 divideSignificandsWide(std::uint64_t n, bool doubled, std::uint64_t d) {
    // The first 64 quotient bits in one division of n * 2^63 (n * 2^64 when doubled), which
    // is below 2^64 * d, so the quotient fits 64 bits; the last two from the remainder.
    const std::uint64_t high = doubled ? n : n >> 1;
    const std::uint64_t low = doubled ? 0 : n << 63;
    std::uint64_t q, r;
#if defined(__SIZEOF_INT128__)
    using Wide = unsigned __int128;
    const Wide wide = (Wide{high} << 64) | low;
    q = static_cast<std::uint64_t>(wide / d);
    r = static_cast<std::uint64_t>(wide - Wide{q} * d);
#else
    q = _udiv128(high, low, d, &r);
#endif
    // Two more bits: r < d, so 4r < 4d; compare and subtract twice (r may need 65 bits).
    std::uint64_t last = 0;
    for (int i = 0; i < 2; ++i) {
        const bool carry = (r & kIntegerBit) != 0;
        r <<= 1;
        last <<= 1;
        if (carry || r >= d) {
            r -= d;
            last |= 1;
        }
    }
    // 66 bits (q, then `last`) at the top of 128: q in bits 127..64, `last` in 63..62.
    Uint128 quotient{q, last << 62};
    if (r != 0)
        quotient.lo |= 1;
    return quotient;
}
#endif

Uint128 divideSignificands(std::uint64_t n, bool doubled, std::uint64_t d) {
#ifdef BARITEMP_HAS_WIDE_DIVISION
    return divideSignificandsWide(n, doubled, d);
#else
    return divideSignificandsLoop(n, doubled, d);
#endif
}

} // namespace detail

std::partial_ordering operator<=>(const Extended& a, const Extended& b) {
    if (a.isNaN() || b.isNaN())
        return std::partial_ordering::unordered;
    if (a.isZero() && b.isZero())
        return std::partial_ordering::equivalent;
    if (a.isNegative() != b.isNegative())
        return a.isNegative() ? std::partial_ordering::less : std::partial_ordering::greater;
    // Same sign: canonical encodings order by (exponent field, significand). (Compared field by
    // field: the libc++ of the web build has no <=> for std::pair.)
    const int aField = a.exponentField(), bField = b.exponentField();
    if (aField == bField && a.significand() == b.significand())
        return std::partial_ordering::equivalent;
    const bool aLarger =
        aField != bField ? aField > bField : a.significand() > b.significand();
    return aLarger != a.isNegative() ? std::partial_ordering::greater : std::partial_ordering::less;
}

unsigned Extended::flags() {
    return tFlags;
}

void Extended::clearFlags() {
    tFlags = 0;
}

void Extended::raise(unsigned flags) {
    tFlags |= flags;
}

} // namespace baritemp
