#include "dsp/fft.h"
#include "graph/spectrum_display.h"
#include "graph/spectrum_levels.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <numbers>
#include <vector>

namespace kdsp::graph {
namespace {

const GraphScale Design = ScaleForImage(883, 268);

TEST(SpectrumLevels, LevelToRow) {
    struct Case {
        bool lowTrigger;
        double level;
        double y;
    };
    const Case cases[] = {
        {false, 120, 1.88}, {false, 500, 1.88}, // limited to 120
        {false, 1, 215.4},  {false, 0.1, 266},  // below the -52 dB floor
        {false, 0, 266},    {true, 1, 174.8},   {true, 0.01, 266}, {false, 128, 1.88},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(LevelToY(Design, c.lowTrigger, c.level), c.y, 0.05)
            << c.lowTrigger << " " << c.level;
}

std::vector<std::uint8_t> Tone(std::size_t samples) {
    std::vector<std::uint8_t> capture(samples);
    for (std::size_t i = 0; i < samples; ++i) {
        const double phase = 2.0 * std::numbers::pi * 43.0 * static_cast<double>(i) / 2048.0;
        capture[i] = static_cast<std::uint8_t>(std::lround(150.0 + 90.0 * std::sin(phase)));
    }
    return capture;
}

std::vector<dsp::Complex> Spectrum(const std::vector<std::uint8_t>& capture) {
    SpectrumTransform transform;
    transform.compute(capture);
    return {transform.bins().begin(), transform.bins().end()};
}

TEST(SpectrumTransform, SilenceGivesNoBins) {
    for (const dsp::Complex& bin : Spectrum(std::vector<std::uint8_t>(1024, 128)))
        ASSERT_EQ(bin, (dsp::Complex{}));
}

TEST(SpectrumTransform, TakesTheFirst1024SamplesAndPadsShortBuffers) {
    struct Case {
        std::size_t captured;
        std::size_t used;
    };
    const Case cases[] = {{2000, 1024}, {1024, 1024}, {300, 300}, {0, 0}};
    for (const Case& c : cases) {
        std::vector<std::uint8_t> padded = Tone(c.used);
        padded.resize(1024, 128);
        EXPECT_EQ(Spectrum(Tone(c.captured)), Spectrum(padded)) << c.captured;
    }
}

TEST(SpectrumTransform, DampsTheThreeLowestBins) {
    const std::vector<std::uint8_t> capture = Tone(1024);
    std::vector<dsp::Complex> input(2048);
    for (std::size_t i = 0; i < capture.size(); ++i)
        input[i].re = capture[i] / 128.0f - 1.0f;
    std::vector<dsp::Complex> raw(2048);
    ASSERT_EQ(dsp::FFT(input, raw), dsp::FftStatus::Ok);

    const std::vector<dsp::Complex> bins = Spectrum(capture);
    const double factors[] = {0.0, 0.1, 0.8, 1.0};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_FLOAT_EQ(bins[k].re, static_cast<float>(factors[k] * raw[k].re)) << k;
        EXPECT_FLOAT_EQ(bins[k].im, static_cast<float>(factors[k] * raw[k].im)) << k;
    }
}

TEST(SpectrumCadence, ComputesOnTheFifthTickAndPaintsOnTheEleventh) {
    SpectrumCadence cadence;
    for (int tick = 1; tick <= 33; ++tick) {
        const int inCycle = (tick - 1) % 11 + 1;
        const SpectrumCadence::Step expected = inCycle == 5    ? SpectrumCadence::Step::Compute
                                               : inCycle == 11 ? SpectrumCadence::Step::Paint
                                                               : SpectrumCadence::Step::None;
        EXPECT_EQ(cadence.tick(), expected) << tick;
    }
}

// Bins of silence but for bin 43 at level 64 (-6 dB, row 29.9).
std::vector<dsp::Complex> OneBin() {
    std::vector<dsp::Complex> bins(2048);
    bins[43] = {64.0f, 0.0f};
    return bins;
}

TEST(SpectrumDisplay, LinesAndPolylineSitOverTheirFrequencies) {
    const std::vector<dsp::Complex> bins = OneBin();

    // Bin e is drawn at 23 (e + 1) Hz: bin 43 at 1012 Hz, x = 523.8.
    const std::vector<Line> binLines = SpectrumBinLines(Design, false, bins);
    ASSERT_EQ(binLines.size(), 1024u);
    EXPECT_EQ(binLines[43], (Line{{524, 268}, {524, 30}}));
    EXPECT_EQ(binLines[42].to.y, 266);

    const std::vector<Point> polyline = SpectrumPolyline(Design, false, bins);
    ASSERT_EQ(polyline.size(), 1023u);
    EXPECT_EQ(polyline[43], (Point{524, 30}));
    EXPECT_EQ(polyline[44].y, 266);

    // Column x shows the bin nearest its own frequency: 978 to 996 Hz for
    // columns 520 to 522.
    const std::vector<Line> columns = SpectrumColumns(Design, false, bins);
    ASSERT_EQ(columns.size(), 884u);
    struct Column {
        int x;
        int y;
    };
    for (const Column c : {Column{519, 266}, Column{520, 30}, Column{522, 30}, Column{523, 266}}) {
        EXPECT_EQ(columns[static_cast<std::size_t>(c.x)], (Line{{c.x, 268}, {c.x, c.y}})) << c.x;
    }
}

TEST(SpectrumDisplay, BarsOfSevenColumnsTakeTheBinUnderTheirMiddle) {
    const std::vector<Line> bars = SpectrumBars(Design, false, OneBin());
    ASSERT_EQ(bars.size(), 884u);
    struct Column {
        int x;
        int y;
    };
    // Bar 74 (columns 518..522) reads column 521, bin 43; its gap is dark.
    const Column columns[] = {{511, 266}, {517, 268}, {518, 30}, {522, 30}, {523, 268}, {525, 266}};
    for (const Column& c : columns)
        EXPECT_EQ(bars[static_cast<std::size_t>(c.x)], (Line{{c.x, 268}, {c.x, c.y}})) << c.x;
}

TEST(SpectrumDisplay, SilentBarsStandAtTheirWeightedRows) {
    const std::vector<Line> bars = SpectrumBars(Design, false, std::vector<dsp::Complex>(2048));
    struct Column {
        int x;
        int y;
    };
    const Column columns[] = {
        {0, 106},   {4, 106},   // 266 x 0.40 = 106.4
        {5, 268},   {6, 268},   // gap
        {7, 112},               // 266 x 0.42 = 111.7
        {322, 263},             // bar 46: 266 x 0.99 = 263.3
        {329, 266}, {883, 266}, // from bar 47 on, unweighted
    };
    for (const Column& c : columns)
        EXPECT_EQ(bars[static_cast<std::size_t>(c.x)].to.y, c.y) << c.x;
}

TEST(SpectrumDisplay, GraphNarrowerThan120PixelsHasNoBars) {
    EXPECT_TRUE(SpectrumBars(ScaleForImage(119, 100), false, OneBin()).empty());
    EXPECT_EQ(SpectrumBars(ScaleForImage(120, 100), false, OneBin()).size(), 121u);
}

TEST(SpectrumDisplay, KindSelectsTheDisplay) {
    const std::vector<dsp::Complex> bins = OneBin();
    struct Case {
        int kind;
        std::size_t points;
        std::size_t lines;
    };
    const Case cases[] = {{0, 0, 0},   {1, 1023, 0}, {2, 0, 884},
                          {3, 0, 884}, {4, 0, 1024}, {-1, 0, 1024}};
    for (const Case& c : cases) {
        const SpectrumDrawing drawing = DrawSpectrum(Design, c.kind, false, bins);
        EXPECT_EQ(drawing.polyline.size(), c.points) << c.kind;
        EXPECT_EQ(drawing.lines.size(), c.lines) << c.kind;
    }
}

} // namespace
} // namespace kdsp::graph
