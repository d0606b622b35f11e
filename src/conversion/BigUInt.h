#pragma once

#include "ExtendedRounding.h"

#include <cstdint>
#include <vector>

namespace baritemp {

// Just enough of an arbitrary-precision unsigned integer for exact decimal conversion and for
// the exact ratios of the units' definitions.
class BigUInt {
public:
    explicit BigUInt(std::uint64_t value = 0);

    bool isZero() const { return limbs_.empty(); }
    int bitLength() const;
    bool bit(int index) const;

    void multiplyAdd(std::uint32_t factor, std::uint32_t addend);
    void multiplyByPowerOfTen(int n);
    // Divides in place and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor);
    void shiftLeft(int bits);

    friend BigUInt operator*(const BigUInt& a, const BigUInt& b);
    friend BigUInt operator+(const BigUInt& a, const BigUInt& b);
    // a - b for a >= b.
    friend BigUInt operator-(const BigUInt& a, const BigUInt& b);
    friend int compare(const BigUInt& a, const BigUInt& b); // -1, 0 or 1

    // floor(a / b) for b != 0, and whether the division left a remainder.
    static BigUInt divide(const BigUInt& a, const BigUInt& b, bool& inexact);

    // The top 128 bits, the leading 1 at bit 127, with any lower 1 bit OR-ed into bit 0.
    detail::Uint128 top128() const;

private:
    void trim();

    std::vector<std::uint32_t> limbs_; // little-endian
};

} // namespace baritemp
