#pragma once

#include "Extended.h"

#include <string>

namespace baritemp {

// The exact value of a finite extended number rounded to `significant` decimal digits (to
// nearest, ties to even) and written as "-d.ddde+n" ("1.45037737590000000000e+1"), the form
// of a JSON number. Zero is "0.000…e+0" (with "-" for -0). 21 digits are enough to read the 64
// significant bits back exactly. Not for infinities and NaNs: "inf", "-inf", "nan".
std::string ExtendedToScientific(const Extended& value, int significant);

} // namespace baritemp
