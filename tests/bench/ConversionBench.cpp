#include "DecimalToExtended.h"
#include "EntryCycle.h"
#include "NumberToText.h"
#include "NumericEntry.h"

#include <benchmark/benchmark.h>

namespace {

using namespace baritemp;

const NumberFormat kFrench{u',', u'\u202F', 4};

// One press of Enter in the bar field: trim, read, round, 13 products, 14 result texts.
void PressureEntryCycle(benchmark::State& state) {
    for (auto _ : state) {
        EntryOutcome outcome = RunEntryCycle(FieldGroup::Pressure, 0, u"1234,5678", kFrench);
        benchmark::DoNotOptimize(outcome);
    }
}
BENCHMARK(PressureEntryCycle);

void TemperatureEntryCycle(benchmark::State& state) {
    for (auto _ : state) {
        EntryOutcome outcome = RunEntryCycle(FieldGroup::Temperature, 0, u"-40,5", kFrench);
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

} // namespace

BENCHMARK_MAIN();
