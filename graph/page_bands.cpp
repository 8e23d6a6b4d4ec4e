#include "graph/page_bands.h"

#include "model/value_scales.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <string>

namespace kdsp::graph {

namespace {

// The slots of the crossover type selectors, by view page.
struct PageCrossover {
    int page;
    CrossoverSlots slots;
};
constexpr PageCrossover Crossovers[] = {
    {PageMusic, {4, 6}},  {PageMic1, {9, 11}},  {PageMic2, {9, 11}},  {PageEcho, {9, 11}},
    {PageEcho2, {9, 11}}, {PageReverb, {6, 8}}, {PageMain, {16, 18}}, {PageRec, {12, 14}},
};

// An index that counts as "no filter" at either end of the frequency scale.
constexpr int HighPassOffIndex = 0;
constexpr int LowPassOffIndex = 360;
constexpr float HighPassOffHz = 19.0f;

template <class Texts> float NumberOf(const Texts& texts, int index) {
    const int last = static_cast<int>(texts.size()) - 1;
    const auto& text = texts[static_cast<std::size_t>(std::clamp(index, 0, last))];
    return std::strtof(std::string(text).c_str(), nullptr);
}

} // namespace

std::optional<CrossoverSlots> CrossoverSlotsOf(int viewPage) {
    for (const PageCrossover& entry : Crossovers) {
        if (entry.page == viewPage)
            return entry.slots;
    }
    return std::nullopt;
}

int GraphBandCount(int viewPage) {
    if (viewPage < 0 || viewPage >= BandPageCount)
        return 0;
    return BandCount[static_cast<std::size_t>(viewPage)];
}

Tag BandFieldTag(int viewPage, int band, int field) {
    return makeTag(viewPage, bandSlot(viewPage, band) + field);
}

float FrequencyOfIndex(int index) {
    // The texts are parsed once: a slider drag repaints every 10 ms.
    static const auto table = [] {
        std::array<float, FrequencyCount> hz{};
        const auto texts = FrequencyText();
        for (std::size_t i = 0; i < hz.size(); ++i)
            hz[i] = NumberOf(texts, static_cast<int>(i));
        return hz;
    }();
    return table[static_cast<std::size_t>(std::clamp(index, 0, FrequencyCount - 1))];
}

float QOfIndex(int index) {
    static const auto table = [] {
        std::array<float, QCount> q{};
        const auto texts = QText();
        for (std::size_t i = 0; i < q.size(); ++i)
            q[i] = NumberOf(texts, static_cast<int>(i));
        return q;
    }();
    return table[static_cast<std::size_t>(std::clamp(index, 0, QCount - 1))];
}

LoadedBands LoadPageBands(dsp::GraphBands& bands, MarkerTags& tags, const ViewValues& view,
                          int viewPage, int band, bool auxSecondSet) {
    const int n = GraphBandCount(viewPage);
    const std::optional<CrossoverSlots> crossover = CrossoverSlotsOf(viewPage);

    if (crossover && n + 1 < dsp::GraphBands::Capacity) {
        const auto hp = static_cast<std::size_t>(n);
        const auto lp = static_cast<std::size_t>(n + 1);
        const Tag hpFrequency = makeTag(viewPage, crossover->highPassType + 1);
        const Tag lpFrequency = makeTag(viewPage, crossover->lowPassType + 1);

        const int hpIndex = view.value(hpFrequency);
        bands.type[hp] = dsp::HighPassBand + view.value(viewPage, crossover->highPassType);
        bands.frequency[hp] = FrequencyOfIndex(hpIndex);
        if (hpIndex == HighPassOffIndex) {
            bands.type[hp] = dsp::HighPassBand;
            bands.frequency[hp] = HighPassOffHz;
        }
        const int lpIndex = view.value(lpFrequency);
        bands.type[lp] = dsp::LowPassBand + view.value(viewPage, crossover->lowPassType);
        if (lpIndex >= LowPassOffIndex)
            bands.type[lp] = dsp::LowPassBand;
        bands.frequency[lp] = FrequencyOfIndex(lpIndex);
        bands.gain[hp] = 0.0f;
        bands.gain[lp] = 0.0f;

        tags[hp] = RecordTags{hpFrequency, -1, -1};
        tags[lp] = RecordTags{lpFrequency, -1, -1};
        tags[HighPassMarker] = tags[hp];
        tags[LowPassMarker] = tags[lp];
    }

    for (int i = 0; i < n; ++i) {
        if (band != AllBands && band != i)
            continue;
        const auto r = static_cast<std::size_t>(i);
        const int type = view.value(BandFieldTag(viewPage, i, BandType));
        const int qField = type <= 1 ? BandQPeaking : BandQShelf;
        bands.type[r] = type;
        bands.frequency[r] = FrequencyOfIndex(view.value(BandFieldTag(viewPage, i, BandFrequency)));
        bands.gain[r] =
            static_cast<float>(view.value(BandFieldTag(viewPage, i, BandGain)) / 5.0 - 24.0);
        bands.q[r] = QOfIndex(view.value(BandFieldTag(viewPage, i, qField)));
        tags[r] = RecordTags{BandFieldTag(viewPage, i, BandFrequency),
                             BandFieldTag(viewPage, i, BandGain),
                             BandFieldTag(viewPage, i, BandQPeaking)};
    }

    if (viewPage == PageAux) {
        const std::size_t hidden = auxSecondSet ? 0 : 3;
        for (std::size_t r = hidden; r < hidden + 3; ++r)
            bands.type[r] = dsp::BypassedBand;
    }

    LoadedBands loaded;
    loaded.lastBand = n - 1;
    loaded.crossovers = crossover ? 2 : 0;
    return loaded;
}

} // namespace kdsp::graph
