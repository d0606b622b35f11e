// Every seed and every input that ever failed, replayed in the ordinary build.
#include "XmlRoundTrip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

TEST(XmlCorpus, EveryFileRoundTrips) {
    int files = 0;
    for (const char* folder :
         {BARITEMP_FUZZ_CORPUS, BARITEMP_FUZZ_FOUND, BARITEMP_FUZZ_REGRESSION}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
            EXPECT_EQ(baritemp::fuzz::CheckXmlRoundTrip(bytes), "") << entry.path();
            ++files;
        }
    }
    EXPECT_GT(files, 10);
}

} // namespace
