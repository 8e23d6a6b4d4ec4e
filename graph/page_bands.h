#pragma once

#include "dsp/graph_band.h"
#include "model/page_catalogue.h"
#include "model/parameter_store.h"

#include <array>
#include <optional>

namespace kdsp::graph {

// The band selector that loads or paints every record of a page.
inline constexpr int AllBands = 100;

// Marker indices of the two crossover markers; equaliser band i has marker i.
inline constexpr int HighPassMarker = 20;
inline constexpr int LowPassMarker = 21;

// Where a page keeps its crossover: the type slot of each filter, its
// frequency index in the slot after it.
struct CrossoverSlots {
    int highPassType = 0;
    int lowPassType = 0;
};

// The crossover slots of a view page, or nothing for a page without one
// (dynamic equaliser, auxiliary, hint presets).
std::optional<CrossoverSlots> CrossoverSlotsOf(int viewPage);

// Number of equaliser bands the graph shows for a view page (0 for a page
// that has none).
int GraphBandCount(int viewPage);

// The view tag of field `field` (BandSlot) of band `band` of `viewPage`.
Tag BandFieldTag(int viewPage, int band, int field);

// The view tags a record's marker edits: frequency, gain and Q. A crossover
// record has only a frequency; missing ones are -1. Index 20 and 21 hold
// the high-pass and low-pass frequency as well, whatever their records.
struct RecordTags {
    Tag frequency = -1;
    Tag gain = -1;
    Tag q = -1;
};
using MarkerTags = std::array<RecordTags, dsp::GraphBands::Capacity>;

// What LoadPageBands loaded: records 0..lastBand are equaliser bands and
// crossover filters follow them.
struct LoadedBands {
    int lastBand = 0;   // n - 1 for a page of n bands
    int crossovers = 0; // 0 or 2

    // (n - 1) + 100 x crossovers, the form the painter passes around.
    int code() const { return lastBand + 100 * crossovers; }
    int lastRecord() const { return lastBand + crossovers; }
};

// Fills the records of `viewPage` from the view values: the crossover
// records always, the equaliser bands selected by `band` (AllBands or one
// record number). On the auxiliary page `auxSecondSet` says which three
// bands are shown: the second three (records 0..2 then count as bypassed)
// or the first three (records 3..5 bypassed).
LoadedBands LoadPageBands(dsp::GraphBands& bands, MarkerTags& tags, const ViewValues& view,
                          int viewPage, int band, bool auxSecondSet);

// The frequency of a frequency index and the Q of a Q index, as the
// numbers their texts show; indices outside the scales are clamped.
float FrequencyOfIndex(int index);
float QOfIndex(int index);

} // namespace kdsp::graph
