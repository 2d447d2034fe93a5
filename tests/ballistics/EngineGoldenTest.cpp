// Every result of the engine, bit for bit, for the few thousand varied inputs recorded in
// data/engine-golden.txt (written by bench/write_engine_golden): the engine may become faster,
// never different.
#include "ballistics/EngineGoldenLine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace corvane {
namespace {

TEST(EngineGolden, EveryRecordedFlightIsReproducedBitForBit) {
    std::ifstream file(CORVANE_TEST_DATA_DIR "/engine-golden.txt");
    ASSERT_TRUE(file.is_open());
    int cases = 0;
    std::string line;
    while (std::getline(file, line)) {
        ++cases;
        const std::size_t split = line.find(" ; ");
        EngineInputs in;
        ASSERT_TRUE(split != std::string::npos && golden::ParseInputs(line.substr(0, split), in))
            << "line " << cases;
        EXPECT_EQ(golden::ResultsText(ComputeBallistics(in)), line.substr(split + 3))
            << "line " << cases << ": " << line.substr(0, split);
    }
    EXPECT_GE(cases, 2500);
}

} // namespace
} // namespace corvane
