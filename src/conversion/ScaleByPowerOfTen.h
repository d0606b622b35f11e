#pragma once

#include "Extended.h"

namespace baritemp {

// x * 10^n (n > 0) or x / 10^-n (n < 0), through at most three table factors: 10^(m mod 32),
// then 10^(32 * ((m div 32) mod 16)) and 10^(512 * (m div 512)) when they are not 1, with
// m = |n|. Each factor is the extended value nearest to its power of ten and every step is
// rounded, so the result is not always the value nearest to x * 10^n: results shown to the
// user depend on exactly these steps. n <= -5120 gives zero.
Extended ScaleByPowerOfTen(const Extended& x, int n);

// The table entry nearest to 10^n, for n in 0..31, 32..480 step 32 and 512..4608 step 512.
const Extended& PowerOfTenTableEntry(int n);

} // namespace baritemp
