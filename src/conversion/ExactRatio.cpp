#include "ExactRatio.h"

#include "ExtendedRounding.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

namespace baritemp {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

ExactRatio::ExactRatio(bool negative, BigUInt numerator, BigUInt denominator)
    : negative_(negative), numerator_(std::move(numerator)), denominator_(std::move(denominator)) {}

ExactRatio ExactRatio::fromDecimal(std::string_view text) {
    const std::size_t slash = text.find('/');
    if (slash != std::string_view::npos)
        return fromDecimal(text.substr(0, slash)) / fromDecimal(text.substr(slash + 1));
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    BigUInt digits;
    BigUInt scale(1);
    bool any = false;
    for (; i < text.size() && isDigit(text[i]); ++i, any = true)
        digits.multiplyAdd(10, static_cast<std::uint32_t>(text[i] - '0'));
    if (i < text.size() && text[i] == '.') {
        for (++i; i < text.size() && isDigit(text[i]); ++i, any = true) {
            digits.multiplyAdd(10, static_cast<std::uint32_t>(text[i] - '0'));
            scale.multiplyAdd(10, 0);
        }
    }
    if (!any || i != text.size())
        throw std::invalid_argument(std::string(text));
    return ExactRatio(negative, std::move(digits), std::move(scale));
}

ExactRatio ExactRatio::fromDouble(double value) {
    if (!std::isfinite(value))
        throw std::invalid_argument("ExactRatio::fromDouble");
    return fromExtended(Extended::fromDouble(value));
}

ExactRatio ExactRatio::fromExtended(const Extended& value) {
    if (!value.isFinite())
        throw std::invalid_argument("ExactRatio::fromExtended");
    // significand * 2^(exponent field - 16383 - 63); a zero exponent field counts as 1.
    const int field = value.exponentField() == 0 ? 1 : value.exponentField();
    const int shift = field - 16383 - 63;
    BigUInt numerator(value.significand());
    BigUInt denominator(1);
    if (shift >= 0)
        numerator.shiftLeft(shift);
    else
        denominator.shiftLeft(-shift);
    return ExactRatio(value.isNegative(), std::move(numerator), std::move(denominator));
}

ExactRatio operator*(const ExactRatio& a, const ExactRatio& b) {
    return ExactRatio(a.negative_ != b.negative_, a.numerator_ * b.numerator_,
                      a.denominator_ * b.denominator_);
}

ExactRatio operator/(const ExactRatio& a, const ExactRatio& b) {
    if (b.numerator_.isZero())
        throw std::domain_error("ExactRatio: division by zero");
    return ExactRatio(a.negative_ != b.negative_, a.numerator_ * b.denominator_,
                      a.denominator_ * b.numerator_);
}

ExactRatio operator+(const ExactRatio& a, const ExactRatio& b) {
    const BigUInt left = a.numerator_ * b.denominator_;
    const BigUInt right = b.numerator_ * a.denominator_;
    BigUInt denominator = a.denominator_ * b.denominator_;
    if (a.negative_ == b.negative_)
        return ExactRatio(a.negative_, left + right, std::move(denominator));
    // Opposite signs: the larger magnitude keeps its sign.
    if (compare(left, right) >= 0)
        return ExactRatio(a.negative_, left - right, std::move(denominator));
    return ExactRatio(b.negative_, right - left, std::move(denominator));
}

ExactRatio ExactRatio::operator-() const {
    return ExactRatio(!negative_, numerator_, denominator_);
}

ExactRatio operator-(const ExactRatio& a, const ExactRatio& b) {
    return a + -b;
}

int compare(const ExactRatio& a, const ExactRatio& b) {
    const ExactRatio difference = a - b;
    if (difference.numerator_.isZero())
        return 0;
    return difference.negative_ ? -1 : 1;
}

Extended ExactRatio::toExtended() const {
    if (numerator_.isZero())
        return negative_ ? -Extended() : Extended();
    // Enough quotient bits for the 64 kept, the rounding bit and a sticky bit below both.
    const int shift = std::max(0, denominator_.bitLength() - numerator_.bitLength() + 130);
    BigUInt scaled = numerator_;
    scaled.shiftLeft(shift);
    bool inexact = false;
    const BigUInt quotient = BigUInt::divide(scaled, denominator_, inexact);
    detail::Uint128 m = quotient.top128();
    if (inexact)
        m.lo |= 1;
    return detail::roundAndPack(negative_, quotient.bitLength() - 1 - shift, m);
}

} // namespace baritemp
