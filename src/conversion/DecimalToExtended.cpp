#include "DecimalToExtended.h"

#include "BigUInt.h"
#include "ExtendedRounding.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace baritemp {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// digits * 10^exponent10, rounded once.
Extended nearest(bool negative, BigUInt digits, int exponent10) {
    if (digits.isZero())
        return negative ? -Extended() : Extended();
    if (exponent10 >= 0) {
        digits.multiplyByPowerOfTen(exponent10);
        return detail::roundAndPack(negative, digits.bitLength() - 1, digits.top128());
    }
    // digits * 10^-k = (digits * 2^s / 5^k) * 2^(-k - s); s leaves at least 130 quotient bits.
    const int k = -exponent10;
    const int s = 3 * k + 130;
    digits.shiftLeft(s);
    bool inexact = false;
    // floor(floor(x / a) / b) == floor(x / (a * b)), and the chain is exact only when every
    // step is, so dividing by 5 in pieces keeps both the quotient and the sticky bit right.
    for (int left = k; left > 0; left -= 13) {
        std::uint32_t divisor = 1;
        for (int i = 0; i < (left >= 13 ? 13 : left); ++i)
            divisor *= 5;
        inexact |= digits.divide(divisor) != 0;
    }
    detail::Uint128 m = digits.top128();
    if (inexact)
        m.lo |= 1;
    return detail::roundAndPack(negative, digits.bitLength() - 1 - k - s, m);
}

} // namespace

Extended ExtendedFromDecimal(std::string_view literal) {
    std::size_t i = 0;
    const auto fail = [&]() { throw std::invalid_argument(std::string(literal)); };
    bool negative = false;
    if (i < literal.size() && (literal[i] == '-' || literal[i] == '+'))
        negative = literal[i++] == '-';
    BigUInt digits;
    int exponent10 = 0;
    bool anyDigit = false;
    for (; i < literal.size() && isDigit(literal[i]); ++i, anyDigit = true)
        digits.multiplyAdd(10, static_cast<std::uint32_t>(literal[i] - '0'));
    if (i < literal.size() && literal[i] == '.') {
        for (++i; i < literal.size() && isDigit(literal[i]); ++i, anyDigit = true) {
            digits.multiplyAdd(10, static_cast<std::uint32_t>(literal[i] - '0'));
            --exponent10;
        }
    }
    if (!anyDigit)
        fail();
    if (i < literal.size() && (literal[i] == 'e' || literal[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < literal.size() && (literal[i] == '-' || literal[i] == '+'))
            negativeExponent = literal[i++] == '-';
        if (i == literal.size())
            fail();
        int exponent = 0;
        for (; i < literal.size() && isDigit(literal[i]); ++i) {
            exponent = exponent * 10 + (literal[i] - '0');
            if (exponent > 100000)
                fail();
        }
        exponent10 += negativeExponent ? -exponent : exponent;
    }
    if (i != literal.size())
        fail();
    return nearest(negative, std::move(digits), exponent10);
}

void NearestPowersOfTen(int count, const int* exponents, Extended* out) {
    // One running big integer, multiplied up from one requested power to the next.
    BigUInt power(1);
    int reached = 0;
    for (int i = 0; i < count; ++i) {
        if (exponents[i] < reached)
            throw std::invalid_argument("NearestPowersOfTen");
        power.multiplyByPowerOfTen(exponents[i] - reached);
        reached = exponents[i];
        out[i] = detail::roundAndPack(false, power.bitLength() - 1, power.top128());
    }
}

} // namespace baritemp
