#include "XmlDocument.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using baritemp::XmlDocument;

const std::string kConfiguration =
    "<?xml version=\"1.0\" encoding=\"Windows-1252\" standalone=\"no\"?>\r\n"
    "<Configuration>\r\n"
    "  <f_main>\r\n"
    "    <FormVersion>0</FormVersion>\r\n"
    "    <ShowCmd>1</ShowCmd>\r\n"
    "    <AeroMode>FALSE</AeroMode>\r\n"
    "    <Color1>clBlack</Color1>\r\n"
    "    <Color2>clWhite</Color2>\r\n"
    "    <Lang>FR</Lang>\r\n"
    "    <Dec>4</Dec>\r\n"
    "  </f_main>\r\n"
    "</Configuration>\r\n";

// About 1 MiB: sections of values, attributes, a comment and references, like a big store.
std::string oneMebibyte() {
    std::string s = "<?xml version=\"1.0\" encoding=\"Windows-1252\" standalone=\"no\"?>\r\n"
                    "<Configuration>\r\n";
    for (int section = 0; s.size() < (1u << 20); ++section) {
        s += "  <section" + std::to_string(section) + " kind=\"values\" owner='Quorzen'>\r\n";
        s += "    <!-- section " + std::to_string(section) + " -->\r\n";
        for (int key = 0; key < 20; ++key)
            s += "    <Key" + std::to_string(key) + ">value &amp; caf\xE9 " +
                 std::to_string(section * 20 + key) + "</Key" + std::to_string(key) + ">\r\n";
        s += "  </section" + std::to_string(section) + ">\r\n";
    }
    return s + "</Configuration>\r\n";
}

void ReadConfiguration(benchmark::State& state) {
    for (auto _ : state) {
        XmlDocument d;
        d.read(kConfiguration);
        benchmark::DoNotOptimize(d);
    }
}
BENCHMARK(ReadConfiguration);

void WriteConfiguration(benchmark::State& state) {
    XmlDocument d;
    d.read(kConfiguration);
    for (auto _ : state)
        benchmark::DoNotOptimize(d.write());
}
BENCHMARK(WriteConfiguration);

void ReadOneMebibyte(benchmark::State& state) {
    const std::string bytes = oneMebibyte();
    for (auto _ : state) {
        XmlDocument d;
        d.read(bytes);
        benchmark::DoNotOptimize(d);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(ReadOneMebibyte)->Unit(benchmark::kMillisecond);

void WriteOneMebibyte(benchmark::State& state) {
    XmlDocument d;
    d.read(oneMebibyte());
    for (auto _ : state)
        benchmark::DoNotOptimize(d.write());
}
BENCHMARK(WriteOneMebibyte)->Unit(benchmark::kMillisecond);

} // namespace
