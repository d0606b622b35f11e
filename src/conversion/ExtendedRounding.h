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

} // namespace baritemp::detail
