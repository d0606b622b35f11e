#include "DecimalToExtended.h"

#include "ExtendedRounding.h"

#include <bit>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace baritemp {

namespace {

// Just enough of an arbitrary-precision unsigned integer for exact decimal conversion.
class BigUInt {
public:
    explicit BigUInt(std::uint32_t value = 0) {
        if (value != 0)
            limbs_.push_back(value);
    }

    bool isZero() const { return limbs_.empty(); }

    void multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (auto& limb : limbs_) {
            const std::uint64_t t = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry != 0)
            limbs_.push_back(static_cast<std::uint32_t>(carry));
    }

    void multiplyByPowerOfTen(int n) {
        static constexpr std::uint32_t kPowers[] = {
            1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
        for (; n > 0; n -= 9)
            multiplyAdd(kPowers[n >= 9 ? 9 : n], 0);
    }

    // Divides in place and returns the remainder.
    std::uint32_t divide(std::uint32_t divisor) {
        std::uint64_t remainder = 0;
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            const std::uint64_t t = (remainder << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(t / divisor);
            remainder = t % divisor;
        }
        trim();
        return static_cast<std::uint32_t>(remainder);
    }

    void shiftLeft(int bits) {
        const int words = bits / 32;
        const int rest = bits % 32;
        if (isZero())
            return;
        if (rest != 0) {
            std::uint32_t carry = 0;
            for (auto& limb : limbs_) {
                const std::uint32_t next = limb >> (32 - rest);
                limb = (limb << rest) | carry;
                carry = next;
            }
            if (carry != 0)
                limbs_.push_back(carry);
        }
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(words), 0u);
    }

    int bitLength() const {
        if (isZero())
            return 0;
        return static_cast<int>(limbs_.size()) * 32 - std::countl_zero(limbs_.back());
    }

    bool bit(int index) const {
        const auto word = static_cast<std::size_t>(index / 32);
        return word < limbs_.size() && ((limbs_[word] >> (index % 32)) & 1u) != 0;
    }

    // The top 128 bits, the leading 1 at bit 127, with any lower 1 bit OR-ed into bit 0.
    detail::Uint128 top128() const {
        const int length = bitLength();
        detail::Uint128 m;
        for (int i = 0; i < 128; ++i) {
            const int index = length - 1 - i;
            if (index >= 0 && bit(index)) {
                if (i < 64)
                    m.hi |= std::uint64_t{1} << (63 - i);
                else
                    m.lo |= std::uint64_t{1} << (127 - i);
            }
        }
        for (int index = length - 129; index >= 0; --index) {
            if (bit(index)) {
                m.lo |= 1;
                break;
            }
        }
        return m;
    }

private:
    void trim() {
        while (!limbs_.empty() && limbs_.back() == 0)
            limbs_.pop_back();
    }

    std::vector<std::uint32_t> limbs_; // little-endian
};

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
