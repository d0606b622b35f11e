#pragma once

#include "Extended.h"

#include <string_view>

namespace baritemp {

// The extended value nearest to a decimal literal (ties to even), computed exactly with big
// integers: "0.1", "-273.15", "1e4608". The literal is [-]digits[.digits][e[+|-]digits].
// Throws std::invalid_argument for anything else. Meant for the program's constants, not for
// what a user types (that is TextToNumber's job, with its own rules).
Extended ExtendedFromDecimal(std::string_view literal);

// out[i] = the extended value nearest to 10^exponents[i], for exponents in increasing order,
// made in one pass over a single big integer. Builds the power-of-ten tables.
void NearestPowersOfTen(int count, const int* exponents, Extended* out);

} // namespace baritemp
