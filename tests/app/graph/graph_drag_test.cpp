// Dragging the graph's markers: values reach the box through the bound
// controls, within the limits of each sheet and mode.
#include "dsp/response_grid.h"
#include "model/value_scales.h"
#include "tests/app/graph/graph_fixture.h"

#include <cmath>

namespace kdsp::test {
namespace {

constexpr Tag MusicBand4Frequency = makeTag(PageMusic, 10 + 5 * 3 + BandFrequency);
constexpr Tag MusicBand4Gain = makeTag(PageMusic, 10 + 5 * 3 + BandGain);
constexpr Tag MusicBand4Q = makeTag(PageMusic, 10 + 5 * 3 + BandQPeaking);

class GraphDragTest : public GraphTest {
protected:
    void SetUp() override {
        GraphTest::SetUp();
        setMusicBand(3, 1, 204, 120); // band 4: 1 kHz, 0 dB, Q 1.00
        refresh(PageMusic);
        sink.sent.clear();
    }
};

TEST_F(GraphDragTest, TenPixelsRightAtOneKilohertzOnTheDesignGraph) {
    MarkerImage* band = marker("EP4");
    const QPoint start = band->pos();
    drag(band, 10, 0);
    const double hz = 1000.0 * std::pow(10.0, 10 * dsp::ResponseGrid::Decades / 883); // 1092
    const int index = ParseValue(2, hz);
    EXPECT_EQ(band->pos(), start + QPoint(10, 0));
    EXPECT_EQ(sink.sent, (std::vector<std::pair<Tag, std::int32_t>>{{MusicBand4Frequency, index}}))
        << "the gain did not change, so it is not sent";
    EXPECT_EQ(store().value(MusicBand4Frequency), index);
    EXPECT_EQ(get<Edit>("MusFreEdit4")->text().left(4), "1100");
    EXPECT_EQ(console.activeEdit(), get<Edit>("MusFreEdit4"));
}

TEST_F(GraphDragTest, AMoveBelowOneStepSendsNothing) {
    drag(marker("EP4"), 1, 0); // steps are 2.2 pixels apart at 1 kHz
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(GraphDragTest, DraggingUpRaisesTheGain) {
    drag(marker("EP4"), 0, -45); // 45 pixels of 267 for 36 dB: about +6 dB
    EXPECT_TRUE(sink.contains(MusicBand4Gain, ParseValue(3, 45.0 * 36 / 267)));
    settle(30);
    EXPECT_EQ(get<StyledLabel>("EQlabel")->text().left(5), "6.0dB");
}

// On channel sheets a crossover slides along the 0 dB line; on the record
// sheet it stays put and sends nothing.
TEST_F(GraphDragTest, CrossoverMarkersBySheet) {
    struct Case {
        const char* tab;
        int page;
        bool moves;
    };
    const Case cases[] = {{"FormMusTabBtn", PageMusic, true}, {"FormRECTabBtn", PageRec, false}};
    for (const Case& c : cases) {
        const graph::CrossoverSlots crossover = *graph::CrossoverSlotsOf(c.page);
        store().setValue(c.page, crossover.highPassType + 1, 100);
        clickTab(c.tab);
        sink.sent.clear();
        MarkerImage* highPass = marker("HPF");
        const QPoint start = highPass->pos();
        drag(highPass, 12, 30);
        EXPECT_EQ(highPass->y(), start.y()) << c.tab;
        EXPECT_EQ(highPass->x(), c.moves ? start.x() + 12 : start.x()) << c.tab;
        EXPECT_EQ(sink.sent.empty(), !c.moves) << c.tab;
        EXPECT_EQ(get<StyledLabel>("EQlabel")->text().left(4), "HPF:") << c.tab;
    }
}

// In automatic mode the output sheet's markers are the box's; a bypassed
// equaliser holds its bands.
TEST_F(GraphDragTest, LockedMarkersNeitherMoveNorSend) {
    struct Case {
        const char* name;
        const char* tab;
        const char* button;
        const char* marker;
        bool stepping; // the right button still steps Q
    };
    const Case cases[] = {
        {"automatic mode", "FormMAINTabBtn", "AutoModeBtn", "EP2", false},
        {"automatic crossover", "FormMAINTabBtn", "AutoModeBtn", "LPF", false},
        {"equaliser bypassed", "FormMusTabBtn", "MusEQAllpassBtn", "EP4", true},
    };
    for (const Case& c : cases) {
        clickTab(c.tab);
        get<QPushButton>(c.button)->click();
        settle();
        sink.sent.clear();
        MarkerImage* m = marker(c.marker);
        const QPoint start = m->pos();
        drag(m, 20, -20);
        EXPECT_EQ(m->pos(), start) << c.name;
        EXPECT_TRUE(sink.sent.empty()) << c.name;
        press(m, {7, 7}, Qt::RightButton);
        moveTo(m, {12, 7}, Qt::RightButton);
        release(m, {12, 7}, Qt::RightButton);
        EXPECT_EQ(sink.sent.empty(), !c.stepping) << c.name;
        // Undo the switch for the next case.
        get<QPushButton>(c.button == std::string("AutoModeBtn") ? "ManulModeBtn" : c.button)
            ->click();
        settle();
    }
}

// A right press on a marker steps its Q with sideways movement: at once
// over the marker, and once per 3 pixels over the graph.
TEST_F(GraphDragTest, RightButtonStepsTheQ) {
    MarkerImage* band = marker("EP4");
    const int q = store().value(MusicBand4Q);
    const auto stepsTo = [&](int expected) {
        return !sink.sent.empty() && sink.sent.back() == std::make_pair(MusicBand4Q, expected);
    };
    press(band, {7, 7}, Qt::RightButton);
    moveTo(band, {9, 7}, Qt::RightButton);
    EXPECT_TRUE(stepsTo(q + 1));
    moveTo(band, {8, 7}, Qt::RightButton);
    EXPECT_TRUE(stepsTo(q));
    release(band, {8, 7}, Qt::RightButton);

    // Over the graph, measured from the last step's point.
    GraphImage* graphImage = image();
    const QPoint at = band->pos() + QPoint(8, 7);
    sink.sent.clear();
    moveTo(graphImage, at + QPoint(2, 0), Qt::RightButton);
    EXPECT_TRUE(sink.sent.empty()) << "2 pixels do nothing";
    moveTo(graphImage, at + QPoint(5, 0), Qt::RightButton);
    EXPECT_TRUE(stepsTo(q + 1));
    moveTo(graphImage, at + QPoint(-1, 0), Qt::RightButton);
    EXPECT_TRUE(stepsTo(q));
    release(graphImage, at, Qt::RightButton);
    sink.sent.clear();
    moveTo(graphImage, at + QPoint(30, 0), Qt::RightButton);
    EXPECT_TRUE(sink.sent.empty()) << "the release ended stepping";
}

TEST_F(GraphDragTest, VolumeMarkerStopsAt211) {
    auto* maximum = marker("MusMaxImage");
    auto* bar = dynamic_cast<TrackBar*>(console.bindings().control(maximum->tag()));
    ASSERT_NE(bar, nullptr);
    maximum->move(200, maximum->y());
    maximum->show();
    const QPoint grip(4, 4);
    press(maximum, grip);
    moveTo(maximum, grip + QPoint(30, 0));
    EXPECT_TRUE(get("musLabel")->isVisible());
    EXPECT_EQ(maximum->x(), 211);
    EXPECT_EQ(bar->position(), 84);
    release(maximum, grip);
    EXPECT_FALSE(get("musLabel")->isVisible());
}

} // namespace
} // namespace kdsp::test
