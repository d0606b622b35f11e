#include "BigUInt.h"

#include <algorithm>
#include <bit>

namespace baritemp {

BigUInt::BigUInt(std::uint64_t value) {
    for (; value != 0; value >>= 32)
        limbs_.push_back(static_cast<std::uint32_t>(value));
}

int BigUInt::bitLength() const {
    if (isZero())
        return 0;
    return static_cast<int>(limbs_.size()) * 32 - std::countl_zero(limbs_.back());
}

bool BigUInt::bit(int index) const {
    const auto word = static_cast<std::size_t>(index / 32);
    return word < limbs_.size() && ((limbs_[word] >> (index % 32)) & 1u) != 0;
}

void BigUInt::multiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (auto& limb : limbs_) {
        const std::uint64_t t = std::uint64_t{limb} * factor + carry;
        limb = static_cast<std::uint32_t>(t);
        carry = t >> 32;
    }
    if (carry != 0)
        limbs_.push_back(static_cast<std::uint32_t>(carry));
    trim();
}

void BigUInt::multiplyByPowerOfTen(int n) {
    static constexpr std::uint32_t kPowers[] = {1,      10,      100,      1000,      10000,
                                                100000, 1000000, 10000000, 100000000, 1000000000};
    for (; n > 0; n -= 9)
        multiplyAdd(kPowers[n >= 9 ? 9 : n], 0);
}

std::uint32_t BigUInt::divide(std::uint32_t divisor) {
    std::uint64_t remainder = 0;
    for (std::size_t i = limbs_.size(); i-- > 0;) {
        const std::uint64_t t = (remainder << 32) | limbs_[i];
        limbs_[i] = static_cast<std::uint32_t>(t / divisor);
        remainder = t % divisor;
    }
    trim();
    return static_cast<std::uint32_t>(remainder);
}

void BigUInt::shiftLeft(int bits) {
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

BigUInt operator*(const BigUInt& a, const BigUInt& b) {
    BigUInt product;
    if (a.isZero() || b.isZero())
        return product;
    product.limbs_.assign(a.limbs_.size() + b.limbs_.size(), 0u);
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::uint64_t carry = 0;
        for (std::size_t j = 0; j < b.limbs_.size(); ++j) {
            const std::uint64_t t =
                std::uint64_t{a.limbs_[i]} * b.limbs_[j] + product.limbs_[i + j] + carry;
            product.limbs_[i + j] = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        product.limbs_[i + b.limbs_.size()] = static_cast<std::uint32_t>(carry);
    }
    product.trim();
    return product;
}

BigUInt operator+(const BigUInt& a, const BigUInt& b) {
    BigUInt sum;
    const std::size_t size = std::max(a.limbs_.size(), b.limbs_.size());
    std::uint64_t carry = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::uint64_t t = carry + (i < a.limbs_.size() ? a.limbs_[i] : 0u) +
                                (i < b.limbs_.size() ? b.limbs_[i] : 0u);
        sum.limbs_.push_back(static_cast<std::uint32_t>(t));
        carry = t >> 32;
    }
    if (carry != 0)
        sum.limbs_.push_back(static_cast<std::uint32_t>(carry));
    return sum;
}

BigUInt operator-(const BigUInt& a, const BigUInt& b) {
    BigUInt difference;
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < a.limbs_.size(); ++i) {
        std::int64_t t = std::int64_t{a.limbs_[i]} - borrow -
                         (i < b.limbs_.size() ? std::int64_t{b.limbs_[i]} : 0);
        borrow = t < 0 ? 1 : 0;
        if (t < 0)
            t += std::int64_t{1} << 32;
        difference.limbs_.push_back(static_cast<std::uint32_t>(t));
    }
    difference.trim();
    return difference;
}

int compare(const BigUInt& a, const BigUInt& b) {
    if (a.limbs_.size() != b.limbs_.size())
        return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
        if (a.limbs_[i] != b.limbs_[i])
            return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
}

BigUInt BigUInt::divide(const BigUInt& a, const BigUInt& b, bool& inexact) {
    // Schoolbook, a bit at a time: the numbers here are a few hundred bits long.
    BigUInt quotient, remainder;
    for (int i = a.bitLength() - 1; i >= 0; --i) {
        remainder.shiftLeft(1);
        if (a.bit(i)) {
            if (remainder.isZero())
                remainder.limbs_.push_back(1u);
            else
                remainder.limbs_[0] |= 1u;
        }
        quotient.shiftLeft(1);
        if (compare(remainder, b) >= 0) {
            remainder = remainder - b;
            if (quotient.isZero())
                quotient.limbs_.push_back(1u);
            else
                quotient.limbs_[0] |= 1u;
        }
    }
    inexact = !remainder.isZero();
    return quotient;
}

detail::Uint128 BigUInt::top128() const {
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

void BigUInt::trim() {
    while (!limbs_.empty() && limbs_.back() == 0)
        limbs_.pop_back();
}

} // namespace baritemp
