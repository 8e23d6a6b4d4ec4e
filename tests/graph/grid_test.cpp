#include "graph/grid.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kdsp::graph {
namespace {

constexpr Pen Major{MajorLineColour, 2};
constexpr Pen Minor{MinorLineColour, 1};
constexpr Pen MajorThin{MajorLineColour, 1};

StrokedLine Across(int y, Pen pen) {
    return {{{0, y}, {883, y}}, pen};
}

StrokedLine Down(int x, Pen pen) {
    return {{{x, 0}, {x, 268}}, pen};
}

TEST(GraphGrid, LinesAtDesignSizeInPaintingOrder) {
    const std::vector<StrokedLine> lines = GridLines(ScaleForImage(883, 268));
    ASSERT_EQ(lines.size(), 45u); // 13 level lines, 4 major and 26 minor verticals, 2 borders

    struct Case {
        std::size_t index;
        StrokedLine line;
    };
    const Case cases[] = {
        // every 3 dB from -24 up; halves round to even (222.5 and 44.5 down, 133.5 up)
        {0, Across(267, MajorThin)},
        {1, Across(245, Minor)},
        {2, Across(222, Minor)},
        {6, Across(134, Minor)},
        {8, Across(89, MajorThin)},
        {10, Across(44, Minor)},
        {12, Across(0, MajorThin)},
        // left border, 100 Hz, 1 kHz, 10 kHz
        {13, Down(0, Major)},
        {14, Down(261, Major)},
        {15, Down(522, Major)},
        {16, Down(784, Major)},
        // 20 Hz first, 90 Hz eighth, 20 kHz last, then the right border
        {17, Down(79, Minor)},
        {24, Down(249, Minor)},
        {41, Down(862, Minor)},
        {42, Down(882, Minor)},
        // the top border a pixel down, then the bottom border
        {43, Across(1, Major)},
        {44, Across(267, Major)},
    };
    for (const Case& c : cases) {
        const StrokedLine& line = lines[c.index];
        EXPECT_EQ(line, c.line) << "line " << c.index << ": (" << line.line.from.x << ","
                                << line.line.from.y << ")-(" << line.line.to.x << ","
                                << line.line.to.y << ") width " << line.pen.width;
    }
}

TEST(GraphGrid, AxisLabelsAroundTheImage) {
    const std::vector<AxisLabel> labels = AxisLabels(ScaleForImage(883, 268), Point{48, 35});
    ASSERT_EQ(labels.size(), 21u);

    const AxisLabel expected[] = {
        {"EQLabelY0", "-24dB", 14, 296, 32, 13, LabelAlignment::Right},
        {"EQLabelY1", "-18dB", 14, 251, 32, 13, LabelAlignment::Right}, // row 222.5 -> 222
        {"EQLabelY3", "-6dB", 14, 163, 32, 13, LabelAlignment::Right},  // row 133.5 -> 134
        {"EQLabelY4", "0dB", 14, 118, 32, 13, LabelAlignment::Right},
        {"EQLabelY6", "12dB", 14, 29, 32, 13, LabelAlignment::Right},
        {"EQLabelY10", "36dB", 14, -149, 32, 13, LabelAlignment::Right}, // above the graph
        {"EQLabelX11", "20Hz", 109, 303, 36, 13, LabelAlignment::Centre},
        {"EQLabelX12", "50Hz", 213, 303, 36, 13, LabelAlignment::Centre},
        {"EQLabelX16", "1KHz", 552, 303, 36, 13, LabelAlignment::Centre},
        {"EQLabelX20", "20KHz", 892, 303, 36, 13, LabelAlignment::Centre},
    };
    for (const AxisLabel& e : expected) {
        const auto found = std::find_if(labels.begin(), labels.end(),
                                        [&](const AxisLabel& l) { return l.name == e.name; });
        ASSERT_NE(found, labels.end()) << e.name;
        EXPECT_EQ(*found, e) << e.name << ": " << found->caption << " at " << found->left << ","
                             << found->top;
    }
}

} // namespace
} // namespace kdsp::graph
