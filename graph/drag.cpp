#include "graph/drag.h"

#include "dsp/rounding.h"
#include "graph/page_bands.h"
#include "model/value_scales.h"

#include <algorithm>
#include <array>

namespace kdsp::graph {

namespace {

using Above = SheetDragRule::Above;

constexpr std::array<SheetDragRule, 9> Rules{{
    {14, Above::Sideways}, // music
    {19, Above::Sideways}, // microphone
    {6, Above::Sideways},  // effect
    {9, Above::Sideways},  // main
    {4, Above::Fixed},     // hint
    {2, Above::Fixed},     // record
    {5, Above::Fixed},     // auxiliary
    {-1, Above::Free},     // system
    {2, Above::Fixed},     // dynamic equaliser
}};

constexpr int ValueKindFrequency = 2;
constexpr int ValueKindGain = 3;
constexpr double DynamicEqLowestDb = -12.0;

} // namespace

SheetDragRule DragRuleOf(int sheet) {
    if (sheet < 0 || sheet >= static_cast<int>(Rules.size()))
        return SheetDragRule{};
    return Rules[static_cast<std::size_t>(sheet)];
}

std::optional<DragOutcome> DragMarker(const GraphScale& scale, const DragRequest& request) {
    const SheetDragRule rule = DragRuleOf(request.sheet);
    const bool bandMarker = request.markerIndex < HighPassMarker;
    // The music sheet's bypass holds its crossovers as well.
    if (request.eqPassed && (bandMarker || request.sheet == 0))
        return std::nullopt;
    int dx = request.dx;
    int dy = request.dy;
    if (rule.lastBand >= 0 && request.markerIndex > rule.lastBand) {
        // A marker that may not move sends nothing either: recomputing its
        // value from its pixel could round it onto a neighbouring step.
        if (rule.above == Above::Fixed)
            return std::nullopt;
        if (rule.above == Above::Sideways)
            dy = 0;
    }

    constexpr int h = MarkerSize;
    Point at{request.marker.x + dx, request.marker.y + dy};
    at.y = std::clamp(at.y, -h / 2, scale.height - h / 2);
    if (request.markerIndex == LowPassMarker) {
        const int right = scale.width;
        if (at.x > right - h / 2)
            at.x = right - h / 2;
        else if (at.x > right - h)
            at.x = right - h;
    }
    if (at.x < FreqToX(scale, LowestDragHz) - h / 2)
        at.x = dsp::RoundToInt(FreqToX(scale, LowestDragHz)) - h / 2;

    double hz = dsp::RoundHalfEven(XToFreq(scale, at.x + h / 2 + request.offset.x));
    double db = YToDb(scale, at.y + h / 2 + request.offset.y);
    if (hz > HighestDragHz) {
        hz = HighestDragHz;
        at.x = dsp::RoundToInt(FreqToX(scale, HighestDragHz) - h / 2);
    }
    db = std::clamp(db, static_cast<double>(GraphMinDb), static_cast<double>(GraphMaxDb));
    if (request.sheet == DynamicEqSheet && db < DynamicEqLowestDb) {
        db = DynamicEqLowestDb;
        at.y = dsp::RoundToInt(DbToY(scale, DynamicEqLowestDb) - h / 2);
    }
    return DragOutcome{at, hz, db, ParseValue(ValueKindFrequency, hz),
                       ParseValue(ValueKindGain, db)};
}

} // namespace kdsp::graph
