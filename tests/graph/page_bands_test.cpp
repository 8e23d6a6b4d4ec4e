#include "graph/page_bands.h"

#include <gtest/gtest.h>

namespace kdsp::graph {
namespace {

struct Loaded {
    dsp::GraphBands bands;
    MarkerTags tags;
    LoadedBands result;
};

Loaded Load(const ViewValues& view, int page, int band = AllBands, bool auxSecondSet = false) {
    Loaded loaded;
    loaded.result = LoadPageBands(loaded.bands, loaded.tags, view, page, band, auxSecondSet);
    return loaded;
}

TEST(LoadPageBands, DescribesWhatEachPageHolds) {
    struct Case {
        int page;
        int code;
    };
    const Case cases[] = {{PageMusic, 214}, {PageDeq, 2},      {PageMic1, 219},
                          {PageEcho, 206},  {PageReverb, 206}, {PageMain, 209},
                          {PageRec, 202},   {PageAux, 5},      {PageHint, 4}};
    const ViewValues view;
    for (const Case& c : cases)
        EXPECT_EQ(Load(view, c.page).result.code(), c.code) << "page " << c.page;
}

// The frequency index at either end of the scale switches a crossover
// filter off whatever its type slot says.
TEST(LoadPageBands, CrossoverEndsOfTheScaleBypass) {
    struct Case {
        int hpType, hpIndex, lpType, lpIndex;
        dsp::BandTypeCode hpCode;
        float hpHz;
        dsp::BandTypeCode lpCode;
    };
    const Case cases[] = {
        {3, 0, 3, 360, 100, 19.0f, 200},
        {3, 1, 3, 359, 103, FrequencyOfIndex(1), 203},
        {5, 204, 2, 361, 105, 1000.0f, 200},
    };
    for (const Case& c : cases) {
        ViewValues view;
        view.setValue(PageMusic, 4, c.hpType);
        view.setValue(PageMusic, 5, c.hpIndex);
        view.setValue(PageMusic, 6, c.lpType);
        view.setValue(PageMusic, 7, c.lpIndex);
        const Loaded loaded = Load(view, PageMusic, 3);
        EXPECT_EQ(loaded.bands.type[15], c.hpCode);
        EXPECT_EQ(loaded.bands.frequency[15], c.hpHz);
        EXPECT_EQ(loaded.bands.type[16], c.lpCode);
        EXPECT_EQ(loaded.tags[15].frequency, makeTag(PageMusic, 5));
        EXPECT_EQ(loaded.tags[HighPassMarker].frequency, makeTag(PageMusic, 5));
        EXPECT_EQ(loaded.tags[LowPassMarker].frequency, makeTag(PageMusic, 7));
    }
}

TEST(LoadPageBands, ReadsTheBandsFields) {
    ViewValues view;
    const int first = 10 + 5 * 2; // music band 3
    view.setValue(PageMusic, first + BandType, 2);
    view.setValue(PageMusic, first + BandFrequency, 204);
    view.setValue(PageMusic, first + BandGain, 135);    // +3 dB
    view.setValue(PageMusic, first + BandQPeaking, 16); // 1.00
    view.setValue(PageMusic, first + BandQShelf, 20);   // 1.26, used by a shelf
    const Loaded loaded = Load(view, PageMusic);
    EXPECT_EQ(loaded.bands.type[2], 2);
    EXPECT_EQ(loaded.bands.frequency[2], 1000.0f);
    EXPECT_FLOAT_EQ(loaded.bands.gain[2], 3.0f);
    EXPECT_FLOAT_EQ(loaded.bands.q[2], 1.26f);
    EXPECT_EQ(loaded.tags[2].frequency, makeTag(PageMusic, first + BandFrequency));
    EXPECT_EQ(loaded.tags[2].gain, makeTag(PageMusic, first + BandGain));
    EXPECT_EQ(loaded.tags[2].q, makeTag(PageMusic, first + BandQPeaking));
}

TEST(LoadPageBands, DynamicEqualiserBandsTakeTenSlotsEach) {
    ViewValues view;
    view.setValue(PageDeq, 12 + BandFrequency, 204);
    view.setValue(PageDeq, 22 + BandGain, 60); // -12 dB
    const Loaded loaded = Load(view, PageDeq);
    EXPECT_EQ(loaded.bands.frequency[1], 1000.0f);
    EXPECT_FLOAT_EQ(loaded.bands.gain[2], -12.0f);
    EXPECT_EQ(loaded.tags[1].frequency, makeTag(PageDeq, 13));
}

TEST(LoadPageBands, LoadsOnlyTheSelectedBand) {
    ViewValues view;
    dsp::GraphBands bands;
    MarkerTags tags;
    LoadPageBands(bands, tags, view, PageMusic, AllBands, false);
    view.setValue(PageMusic, 10 + 5 * 3 + BandGain, 150);
    view.setValue(PageMusic, 10 + 5 * 5 + BandGain, 150);
    LoadPageBands(bands, tags, view, PageMusic, 5, false);
    EXPECT_FLOAT_EQ(bands.gain[5], 6.0f);
    EXPECT_FLOAT_EQ(bands.gain[3], -24.0f) << "band 3 keeps what it had";
}

TEST(LoadPageBands, AuxiliaryPageShowsOneSetOfThree) {
    ViewValues view;
    for (int band = 0; band < 6; ++band)
        view.setValue(BandFieldTag(PageAux, band, BandType), 1);
    for (const bool second : {false, true}) {
        const Loaded loaded = Load(view, PageAux, AllBands, second);
        for (std::size_t r = 0; r < 6; ++r)
            EXPECT_EQ(loaded.bands.type[r], (r >= 3) == second ? 1 : 0) << r << second;
    }
}

} // namespace
} // namespace kdsp::graph
