// The graph as it is painted: the summed curve on the grid, the markers on
// their points and the read-out of the band drawn last.
#include "dsp/response_grid.h"
#include "graph/coordinates.h"
#include "model/value_scales.h"
#include "tests/app/graph/graph_fixture.h"

#include <QColor>
#include <QLabel>
#include <cmath>

namespace kdsp::test {
namespace {

const QRgb Orange = QColor(255, 102, 0).rgb();

QPoint Centre(const QWidget* marker) {
    return marker->geometry().center() + QPoint(1, 1); // 14 pixels: centre is left + 7
}

TEST_F(GraphTest, AllBypassedMusicPageIsTheZeroDbLine) {
    for (int band = 0; band < 15; ++band)
        setMusicBand(band, 0, 100 + band, 150);
    store().setValue(PageMusic, 5, 0);   // high-pass off
    store().setValue(PageMusic, 7, 360); // low-pass off
    refresh(PageMusic);

    for (int x = 3; x < 880; x += 11)
        ASSERT_EQ(picture().pixel(x, 89), Orange) << x;
    for (const char* name : {"HPF", "LPF"}) {
        ASSERT_TRUE(marker(name)->isVisible()) << name;
        EXPECT_EQ(Centre(marker(name)).y(), 89) << name;
    }
    EXPECT_EQ(Centre(marker("EP1")).y(), 45) << "a bypassed band's marker keeps its gain";
}

TEST_F(GraphTest, ReadoutOfTheRecordDrawnLast) {
    store().setValue(PageMusic, 4, 1);   // high-pass kind 1
    store().setValue(PageMusic, 5, 204); // at 1 kHz
    store().setValue(PageMusic, 6, 1);
    store().setValue(PageMusic, 7, 204);
    struct Case {
        const char* name;
        int gain;           // raw gain index of band 1
        const char* marker; // what is pressed or edited
        const char* text;
        bool above;
    };
    const Case cases[] = {
        {"cut", 105, "EP1", "-3.0dB\nQ:1.00\n1000.00Hz", true},
        {"flat", 120, "EP1", "0.0dB\nQ:1.00\n1000.00Hz", false},
        {"high-pass", 120, "HPF", "HPF:1000.00Hz", false},
        {"low-pass", 120, "LPF", "LPF:1000.00Hz", false},
    };
    auto* readout = get<StyledLabel>("EQlabel");
    for (const Case& c : cases) {
        setMusicBand(0, 1, 204, c.gain);
        refresh(PageMusic);
        MarkerImage* m = marker(c.marker);
        if (m->tag() < 20) {
            graph->paintCurves(0, PageMusic);
        } else {
            press(m, {7, 7});
            release(m, {7, 7});
        }
        ASSERT_TRUE(readout->isVisible()) << c.name;
        EXPECT_EQ(readout->text(), c.text) << c.name;
        EXPECT_EQ(readout->x(), m->x() + 7 - readout->width() / 2) << c.name;
        if (c.above)
            EXPECT_EQ(readout->geometry().bottom(), m->y() - 2) << c.name << ": one pixel clear";
        else
            EXPECT_EQ(readout->y(), m->y() + 14) << c.name;
    }
    graph->paintCurrentPage();
    EXPECT_FALSE(readout->isVisible()) << "an all-band paint hides it";
}

TEST_F(GraphTest, CrossoverMarkersOnlyWhereThePageHasCrossovers) {
    struct Case {
        const char* tab;
        bool crossovers;
        int bands;
    };
    const Case cases[] = {
        {"FormDYNBtn", false, 3},   {"FormAUXTabBtn", false, 6},  {"FormHintTabBtn", false, 5},
        {"FormRECTabBtn", true, 3}, {"FormMICATabBtn", true, 20}, {"FormMusTabBtn", true, 15},
    };
    for (const Case& c : cases) {
        clickTab(c.tab);
        EXPECT_EQ(marker("HPF")->isVisible(), c.crossovers) << c.tab;
        EXPECT_EQ(marker("LPF")->isVisible(), c.crossovers) << c.tab;
        int shown = 0;
        for (int i = 1; i <= 20; ++i)
            shown += marker(QStringLiteral("EP%1").arg(i).toLatin1().constData())->isVisible();
        // The auxiliary page shows one set of three.
        EXPECT_EQ(shown, c.tab == std::string("FormAUXTabBtn") ? 3 : c.bands) << c.tab;
    }
}

TEST_F(GraphTest, PaintingOneBandRecomputesOnlyItsRecord) {
    refresh(PageMusic);
    const auto before = graph->bands().response;
    ViewValues& view = console.model().viewValues();
    view.setValue(PageMusic, 10 + 5 * 3 + BandGain, 150);
    view.setValue(PageMusic, 10 + 5 * 5 + BandGain, 150);
    graph->paintCurves(5, PageMusic);
    EXPECT_EQ(graph->bands().response[3], before[3]) << "band 4 waits for its own paint";
    EXPECT_NE(graph->bands().response[5], before[5]);
    // The whole sum is drawn anew, with band 6's boost of 6 dB.
    const auto j =
        static_cast<std::size_t>(std::lround(dsp::FreqToIndex(graph->bands().frequency[5])));
    EXPECT_NEAR(graph->curvePoints()[j].y, graph::DbToY(graph->canvas().scale(), 6), 1.5);
}

TEST_F(GraphTest, AnEditRepaintsItsBandOnTheNextTick) {
    refresh(PageMusic);
    auto* gain = get<Edit>("MusGainEdit1");
    console.showValue(gain, ActionSet, false, 150); // +6 dB
    EXPECT_EQ(Centre(marker("EP1")).y(), 89) << "not before the poll";
    settle(40);
    EXPECT_EQ(Centre(marker("EP1")).y(), 45);
}

TEST_F(GraphTest, ResizingRebuildsTheGraphAtTheNewSize) {
    refresh(PageMusic);
    image()->setFixedSize(600, 200);
    settle();
    ASSERT_EQ(picture().size(), QSize(600, 200));
    EXPECT_EQ(picture().pixel(300, 66), Orange) << "0 dB at 66.3";
    const graph::GraphScale& scale = graph->canvas().scale();
    const QPoint origin = image()->mapTo(get("AdvPanel1"), QPoint(0, 0));
    auto* kilohertz = get<QLabel>("EQLabelX16");
    EXPECT_EQ(kilohertz->text(), "1KHz");
    EXPECT_EQ(kilohertz->x(), std::lround(graph::FreqToX(scale, 1000)) + origin.x() - 18);
    EXPECT_EQ(kilohertz->y(), origin.y() + 200);
    EXPECT_EQ(Centre(marker("EP1")).y(), 66);
}

} // namespace
} // namespace kdsp::test
