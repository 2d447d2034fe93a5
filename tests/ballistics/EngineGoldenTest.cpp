// Every result of the engine, bit for bit, for the few thousand varied inputs recorded in
// data/engine-golden.txt (written by bench/write_engine_golden): the engine may become faster,
// never different. Computed one by one and, as tables do, two at a time.
#include "ballistics/EngineGoldenLine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

namespace corvane {
namespace {

TEST(EngineGolden, EveryRecordedFlightIsReproducedBitForBit) {
    std::ifstream file(CORVANE_TEST_DATA_DIR "/engine-golden.txt");
    ASSERT_TRUE(file.is_open());
    std::vector<EngineInputs> inputs;
    std::vector<std::string> expected;
    std::string line;
    while (std::getline(file, line)) {
        const std::size_t split = line.find(" ; ");
        EngineInputs in;
        ASSERT_TRUE(split != std::string::npos && golden::ParseInputs(line.substr(0, split), in))
            << "line " << inputs.size() + 1;
        inputs.push_back(in);
        expected.push_back(line.substr(split + 3));
    }
    ASSERT_GE(inputs.size(), 2500u);
    BallisticResults first;
    BallisticResults second;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        EXPECT_EQ(golden::ResultsText(ComputeBallistics(inputs[i])), expected[i])
            << "line " << i + 1;
        // Each case paired with the next, so that flights of every length run side by side.
        const std::size_t next = (i + 1) % inputs.size();
        ComputeBallisticsPair(inputs[i], inputs[next], first, second);
        EXPECT_EQ(golden::ResultsText(first), expected[i]) << "paired, line " << i + 1;
        EXPECT_EQ(golden::ResultsText(second), expected[next]) << "paired, line " << next + 1;
    }
}

} // namespace
} // namespace corvane
