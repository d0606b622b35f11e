// libFuzzer target: any bytes through the reader, then write -> read -> compare.
#include "XmlRoundTrip.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string problem = baritemp::fuzz::CheckXmlRoundTrip(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (!problem.empty()) {
        std::fprintf(stderr, "round trip: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
