#include "graph/spectrum_analyser.h"

#include <gtest/gtest.h>
#include <vector>

namespace kdsp::graph {
namespace {

// A block that is anything but silence.
const std::vector<std::uint8_t> Loud(1024, 255);

bool HasSound(const SpectrumAnalyser& analyser) {
    return dsp::Abs(analyser.bins()[0]) != 0.0f || dsp::Abs(analyser.bins()[5]) != 0.0f;
}

TEST(SpectrumAnalyser, KeepsBlocksOnlyWhileOnAndFree) {
    struct Case {
        bool on, frozen, dragging, empty;
        bool kept;
    };
    const Case cases[] = {
        {true, false, false, false, true}, {false, false, false, false, false},
        {true, true, false, false, false}, {true, false, true, false, false},
        {true, false, false, true, false},
    };
    for (const Case& c : cases) {
        SpectrumAnalyser analyser;
        analyser.setOn(c.on);
        analyser.setFrozen(c.frozen);
        analyser.setDragging(c.dragging);
        analyser.record(c.empty ? std::span<const std::uint8_t>() : Loud);
        analyser.compute();
        EXPECT_EQ(HasSound(analyser), c.kept) << c.on << c.frozen << c.dragging << c.empty;
    }
}

TEST(SpectrumAnalyser, AFrozenDisplayKeepsTheLastBlock) {
    SpectrumAnalyser analyser;
    analyser.setOn(true);
    analyser.record(Loud);
    analyser.setFrozen(true);
    analyser.record(std::vector<std::uint8_t>(1024, 128));
    analyser.compute();
    EXPECT_TRUE(HasSound(analyser));
}

} // namespace
} // namespace kdsp::graph
