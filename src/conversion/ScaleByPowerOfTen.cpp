#include "ScaleByPowerOfTen.h"

#include "DecimalToExtended.h"

#include <array>
#include <stdexcept>

namespace baritemp {

namespace {

struct PowerTables {
    std::array<Extended, 32> ones;        // 10^0 .. 10^31
    std::array<Extended, 16> thirtyTwos;  // 10^0, 10^32 .. 10^480
    std::array<Extended, 10> fiveTwelves; // 10^0, 10^512 .. 10^4608

    PowerTables() {
        std::array<int, 32 + 15 + 9> exponents{};
        std::size_t count = 0;
        for (int n = 0; n < 32; ++n)
            exponents[count++] = n;
        for (int n = 1; n < 16; ++n)
            exponents[count++] = 32 * n;
        for (int n = 1; n < 10; ++n)
            exponents[count++] = 512 * n;
        std::array<Extended, exponents.size()> values;
        NearestPowersOfTen(static_cast<int>(count), exponents.data(), values.data());
        for (int n = 0; n < 32; ++n)
            ones[n] = values[n];
        thirtyTwos[0] = fiveTwelves[0] = ones[0];
        for (int n = 1; n < 16; ++n)
            thirtyTwos[n] = values[31 + n];
        for (int n = 1; n < 10; ++n)
            fiveTwelves[n] = values[46 + n];
    }
};

const PowerTables& tables() {
    static const PowerTables instance;
    return instance;
}

} // namespace

const Extended& PowerOfTenTableEntry(int n) {
    const PowerTables& t = tables();
    if (n >= 0 && n < 32)
        return t.ones[n];
    if (n >= 32 && n <= 480 && n % 32 == 0)
        return t.thirtyTwos[n / 32];
    if (n >= 512 && n <= 4608 && n % 512 == 0)
        return t.fiveTwelves[n / 512];
    throw std::out_of_range("ScaleByPowerOfTen");
}

Extended ScaleByPowerOfTen(const Extended& x, int n) {
    if (n == 0)
        return x;
    if (n <= -5120)
        return Extended();
    const PowerTables& t = tables();
    const int m = n < 0 ? -n : n;
    // Positive n never reaches 5120 in this program (typed exponents stop growing at 4999);
    // for any other caller, a factor past 10^4608 is made of two table entries so that no
    // index beyond the table is ever read.
    Extended factors[4];
    int count = 0;
    factors[count++] = t.ones[m % 32];
    if (m >= 32 && (m / 32) % 16 != 0)
        factors[count++] = t.thirtyTwos[(m / 32) % 16];
    if (m >= 512) {
        const int big = m / 512;
        if (big < 10) {
            factors[count++] = t.fiveTwelves[big];
        } else {
            factors[count++] = t.fiveTwelves[9];
            factors[count++] = t.fiveTwelves[9];
        }
    }
    Extended result = x;
    for (int i = 0; i < count; ++i)
        result = n > 0 ? result * factors[i] : result / factors[i];
    return result;
}

} // namespace baritemp
