#pragma once

#include <compare>
#include <cstdint>

namespace baritemp {

// An 80-bit extended-precision number: sign, 15-bit biased exponent and a 64-bit significand
// with an explicit integer bit, the layout of the x87 register format.
//
// Every operation rounds to nearest, ties to even, to 64 significant bits, with gradual
// underflow into subnormals. The arithmetic is done with integers only, so a result is the
// same bit pattern whatever the compiler or the processor: `long double` cannot promise that
// (it is 64 bits wide on MSVC and 128 bits wide on ARM64 Linux).
//
// Exceptional conditions never trap. They are recorded in sticky flags of the calling thread
// (like a floating-point status word) and the operation returns the masked result: infinity
// on overflow or division by zero, a quiet NaN on an invalid operation.
class Extended {
public:
    enum Flag : unsigned {
        FlagInvalid = 1u,
        FlagDivideByZero = 2u,
        FlagOverflow = 4u,
    };

    constexpr Extended() = default; // +0

    // Bit-level access. `signExponent` holds the sign in bit 15 and the biased exponent (bias
    // 16383) below it. Values are expected in canonical form: the integer bit of the
    // significand is set exactly when the exponent field is not zero.
    static constexpr Extended fromBits(std::uint16_t signExponent, std::uint64_t significand) {
        Extended e;
        e.signExponent_ = signExponent;
        e.significand_ = significand;
        return e;
    }
    std::uint16_t signExponent() const { return signExponent_; }
    std::uint64_t significand() const { return significand_; }

    // Exact conversions: every double and every 64-bit integer is an extended value.
    static Extended fromDouble(double value);
    static Extended fromInt(std::int64_t value);
    static Extended fromUInt(std::uint64_t value);

    static Extended infinity(bool negative = false);
    static Extended quietNaN();

    bool isNegative() const { return (signExponent_ & 0x8000u) != 0; }
    bool isZero() const { return exponentField() == 0 && significand_ == 0; }
    bool isNaN() const { return exponentField() == 0x7FFF && (significand_ << 1) != 0; }
    bool isInfinite() const { return exponentField() == 0x7FFF && (significand_ << 1) == 0; }
    bool isFinite() const { return exponentField() != 0x7FFF; }
    // True for zero and for subnormals: the exponent field is 0.
    bool hasZeroExponentField() const { return exponentField() == 0; }
    int exponentField() const { return signExponent_ & 0x7FFF; }

    // The base-2 exponent e of a finite non-zero value: 2^e <= |x| < 2^(e+1).
    int exponent2() const;

    // Nearest double, ties to even, with the double's subnormals. A magnitude beyond the
    // largest finite double gives infinity and raises FlagOverflow.
    double toDouble() const;

    // Nearest integer, ties to even (the sign of a zero result is kept).
    Extended roundToInteger() const;

    // The integer part of a finite value below 2^64 in magnitude, without its sign.
    std::uint64_t truncatedMagnitude() const;

    Extended abs() const { return fromBits(signExponent_ & 0x7FFF, significand_); }
    Extended operator-() const { return fromBits(signExponent_ ^ 0x8000, significand_); }

    friend Extended operator+(const Extended& a, const Extended& b);
    friend Extended operator-(const Extended& a, const Extended& b);
    friend Extended operator*(const Extended& a, const Extended& b);
    friend Extended operator/(const Extended& a, const Extended& b);

    // Numeric comparison: +0 equals -0, NaN is unordered.
    friend std::partial_ordering operator<=>(const Extended& a, const Extended& b);
    friend bool operator==(const Extended& a, const Extended& b) {
        return (a <=> b) == std::partial_ordering::equivalent;
    }

    // Bit-for-bit identity (unlike ==, tells -0 from +0 and compares NaN payloads).
    bool identicalTo(const Extended& other) const {
        return signExponent_ == other.signExponent_ && significand_ == other.significand_;
    }

    static unsigned flags();
    static void clearFlags();
    static void raise(unsigned flags);

private:
    std::uint64_t significand_ = 0;
    std::uint16_t signExponent_ = 0;
};

} // namespace baritemp
