#include "ExactDecimal.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace baritemp {

namespace {

// A natural number in base 10^9, least significant limb first: just what writing a binary
// fraction exactly needs (multiplication by small numbers, then the decimal digits).
class Natural {
public:
    explicit Natural(std::uint64_t value) {
        do {
            limbs_.push_back(static_cast<std::uint32_t>(value % kBase));
            value /= kBase;
        } while (value != 0);
    }

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product % kBase);
            carry = product / kBase;
        }
        for (; carry != 0; carry /= kBase)
            limbs_.push_back(static_cast<std::uint32_t>(carry % kBase));
    }

    // Times base^count, in steps whose factor fits a limb's product.
    void multiplyByPower(std::uint32_t base, std::uint32_t step, int stepPower, int count) {
        for (; count >= stepPower; count -= stepPower)
            multiply(step);
        for (; count > 0; --count)
            multiply(base);
    }

    std::string digits() const {
        std::string out = std::to_string(limbs_.back());
        for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
            const std::string limb = std::to_string(limbs_[i]);
            out.append(9 - limb.size(), '0');
            out += limb;
        }
        return out;
    }

private:
    static constexpr std::uint32_t kBase = 1'000'000'000;
    std::vector<std::uint32_t> limbs_;
};

} // namespace

std::string ExtendedToScientific(const Extended& value, int significant) {
    if (value.isNaN())
        return "nan";
    const std::string sign = value.isNegative() ? "-" : "";
    if (value.isInfinite())
        return sign + "inf";
    significant = std::max(significant, 1);
    std::string digits;
    int exponent = 0; // of the first digit
    if (value.isZero()) {
        digits = std::string(static_cast<std::size_t>(significant), '0');
    } else {
        // value = significand * 2^power, exactly.
        const int field = value.exponentField();
        const int power = (field == 0 ? 1 : field) - 16383 - 63;
        Natural n(value.significand());
        int decimalPower = 0;
        if (power >= 0) {
            n.multiplyByPower(2, 1u << 29, 29, power);
        } else {
            // m * 2^-k = m * 5^k * 10^-k
            n.multiplyByPower(5, 244'140'625, 12, -power);
            decimalPower = power;
        }
        digits = n.digits();
        exponent = decimalPower + static_cast<int>(digits.size()) - 1;
        if (static_cast<int>(digits.size()) > significant) {
            const std::size_t keep = static_cast<std::size_t>(significant);
            const char first = digits[keep];
            const bool restZero =
                std::all_of(digits.begin() + static_cast<std::ptrdiff_t>(keep) + 1, digits.end(),
                            [](char c) { return c == '0'; });
            digits.resize(keep);
            const bool up =
                first > '5' || (first == '5' && (!restZero || (digits.back() - '0') % 2 == 1));
            if (up) {
                std::size_t i = keep;
                while (i > 0 && digits[i - 1] == '9')
                    digits[--i] = '0';
                if (i == 0) {
                    digits.insert(digits.begin(), '1');
                    digits.pop_back();
                    ++exponent;
                } else {
                    ++digits[i - 1];
                }
            }
        } else {
            digits.append(static_cast<std::size_t>(significant) - digits.size(), '0');
        }
    }
    std::string out = sign + digits.substr(0, 1);
    if (digits.size() > 1)
        out += '.' + digits.substr(1);
    out += exponent < 0 ? "e-" : "e+";
    out += std::to_string(exponent < 0 ? -exponent : exponent);
    return out;
}

} // namespace baritemp
