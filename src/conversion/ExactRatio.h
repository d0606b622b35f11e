#pragma once

#include "BigUInt.h"
#include "Extended.h"

#include <string_view>

namespace baritemp {

// A rational number held exactly: what the units' definitions are (101325/760 Pa, 5/9 K), so
// that a conversion by the definitions is computed without error and rounded once at its end.
class ExactRatio {
public:
    ExactRatio() = default; // 0

    // A decimal ("-273.15", "6894.757") or a ratio of two ("101325/760",
    // "4.4482216152605/0.00064516"). Throws std::invalid_argument for anything else.
    static ExactRatio fromDecimal(std::string_view text);
    // Exact: every finite double and extended value is a ratio of integers.
    static ExactRatio fromDouble(double value);
    static ExactRatio fromExtended(const Extended& value);

    bool isNegative() const { return negative_ && !numerator_.isZero(); }

    friend ExactRatio operator+(const ExactRatio& a, const ExactRatio& b);
    friend ExactRatio operator-(const ExactRatio& a, const ExactRatio& b);
    friend ExactRatio operator*(const ExactRatio& a, const ExactRatio& b);
    // Division by zero throws std::domain_error.
    friend ExactRatio operator/(const ExactRatio& a, const ExactRatio& b);
    ExactRatio operator-() const;
    // -1, 0 or 1.
    friend int compare(const ExactRatio& a, const ExactRatio& b);

    // The extended value nearest to it, ties to even: the one rounding.
    Extended toExtended() const;

private:
    ExactRatio(bool negative, BigUInt numerator, BigUInt denominator);

    bool negative_ = false;
    BigUInt numerator_;
    BigUInt denominator_{1};
};

} // namespace baritemp
