#pragma once

#include "Extended.h"

#include <cstdint>

namespace baritemp::detail {

// A 128-bit unsigned integer, enough room for an exact 64 x 64 product or a 64-bit
// significand with 64 guard bits. Written out by hand because MSVC has no __int128.
struct Uint128 {
    std::uint64_t hi = 0;
    std::uint64_t lo = 0;
};

// Shifts right by n bits; every 1 shifted out is OR-ed into bit 0 (the sticky bit), so that
// rounding still knows the value lay above the cut.
Uint128 shiftRightJam(Uint128 v, int n);

// Rounds m * 2^(exponent - 127), with bit 127 of m set, to the nearest extended value (ties
// to even), going subnormal below the normal range and raising overflow above it.
Extended roundAndPack(bool negative, int exponent, Uint128 m);

// The significands' quotient for a division: n / d as 66 quotient bits (64 kept, a rounding
// bit and one more, so that the sticky bit sits below both) at the top of 128 bits, bit 0 set
// when the remainder is not zero. `d` has its top bit set; `n` is a significand with its top
// bit set, taken twice when `doubled` (when it was below `d`), so that n / d lies in [1, 2).
// Two ways to the same bits: a 128-by-64-bit division where the compiler offers one, and a
// bit-at-a-time loop everywhere (both are tested against each other).
Uint128 divideSignificandsLoop(std::uint64_t n, bool doubled, std::uint64_t d);
#if defined(__SIZEOF_INT128__) || (defined(_MSC_VER) && defined(_M_X64))
#define BARITEMP_HAS_WIDE_DIVISION 1
Uint128 divideSignificandsWide(std::uint64_t n, bool doubled, std::uint64_t d);
#endif
Uint128 divideSignificands(std::uint64_t n, bool doubled, std::uint64_t d);

} // namespace baritemp::detail
