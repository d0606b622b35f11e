#include "DecimalToExtended.h"
#include "EntryCycle.h"
#include "ExtendedRounding.h"
#include "NumberToText.h"
#include "NumericEntry.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

using namespace baritemp;

const NumberFormat kFrench{u',', u'\u202F', 4};

// One press of Enter in the bar field: trim, read, round, 13 products, 14 result texts.
void PressureEntryCycle(benchmark::State& state) {
    for (auto _ : state) {
        EntryOutcome outcome = RunEntryCycle(PressureUnit::Bar, u"1234,5678", kFrench);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(PressureEntryCycle);

void TemperatureEntryCycle(benchmark::State& state) {
    for (auto _ : state) {
        EntryOutcome outcome = RunEntryCycle(TemperatureUnit::Celsius, u"-40,5", kFrench);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(TemperatureEntryCycle);

void ReadTypedNumber(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(TryTextToNumber(u"-1234567,891E-3", u','));
}
BENCHMARK(ReadTypedNumber);

void WriteResult(benchmark::State& state) {
    const Extended value = ExtendedFromDecimal("1234567.891");
    for (auto _ : state)
        benchmark::DoNotOptimize(NumberToText(value, 9, u',', u' '));
}
BENCHMARK(WriteResult);

void Divide(benchmark::State& state) {
    const Extended a = ExtendedFromDecimal("1234567.891");
    const Extended b = ExtendedFromDecimal("3.14159");
    for (auto _ : state)
        benchmark::DoNotOptimize(a / b);
}
BENCHMARK(Divide);

// Random operands, as the arithmetic meets them: normal numbers of every magnitude around 1,
// significands random, so that no branch of the bit-level code is predicted for free.
constexpr std::size_t kOperands = 4096;

struct Operands {
    std::vector<Extended> a, b;
    Operands() {
        std::mt19937_64 rng(20261209);
        for (std::size_t i = 0; i < kOperands; ++i) {
            a.push_back(Extended::fromBits(
                static_cast<std::uint16_t>(16383 - 40 + rng() % 80 + ((rng() & 1) << 15)),
                rng() | (std::uint64_t{1} << 63)));
            b.push_back(Extended::fromBits(static_cast<std::uint16_t>(16383 - 40 + rng() % 80),
                                           rng() | (std::uint64_t{1} << 63)));
        }
    }
};
const Operands& operands() {
    static const Operands o;
    return o;
}

template <typename Op>
void ExtendedRandom(benchmark::State& state, Op op) {
    const Operands& o = operands();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(op(o.a[i], o.b[i]));
        i = (i + 1) % kOperands;
    }
}
BENCHMARK_CAPTURE(ExtendedRandom, add, [](const Extended& x, const Extended& y) { return x + y; });
BENCHMARK_CAPTURE(ExtendedRandom, subtract,
                  [](const Extended& x, const Extended& y) { return x - y; });
BENCHMARK_CAPTURE(ExtendedRandom, multiply,
                  [](const Extended& x, const Extended& y) { return x * y; });
BENCHMARK_CAPTURE(ExtendedRandom, divide,
                  [](const Extended& x, const Extended& y) { return x / y; });
BENCHMARK_CAPTURE(ExtendedRandom, divide_portable_loop, [](const Extended& x, const Extended& y) {
    return detail::divideSignificandsLoop(x.significand(), x.significand() < y.significand(),
                                          y.significand());
});

#if defined(__x86_64__) || defined(__i386__)
// The hardware's own x87 arithmetic on the same operands, for the ratio.
template <typename Op>
void HardwareRandom(benchmark::State& state, Op op) {
    const Operands& o = operands();
    std::vector<long double> a, b;
    for (std::size_t i = 0; i < kOperands; ++i) {
        long double x = 0, y = 0;
        const auto bits = [](const Extended& e, long double& ld) {
            const std::uint64_t sig = e.significand();
            const std::uint16_t se = e.signExponent();
            std::memcpy(&ld, &sig, 8);
            std::memcpy(reinterpret_cast<char*>(&ld) + 8, &se, 2);
        };
        bits(o.a[i], x);
        bits(o.b[i], y);
        a.push_back(x);
        b.push_back(y);
    }
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(op(a[i], b[i]));
        i = (i + 1) % kOperands;
    }
}
BENCHMARK_CAPTURE(HardwareRandom, add, [](long double x, long double y) { return x + y; });
BENCHMARK_CAPTURE(HardwareRandom, subtract, [](long double x, long double y) { return x - y; });
BENCHMARK_CAPTURE(HardwareRandom, multiply, [](long double x, long double y) { return x * y; });
BENCHMARK_CAPTURE(HardwareRandom, divide, [](long double x, long double y) { return x / y; });
#endif

} // namespace

BENCHMARK_MAIN();
