#include "dsp/crossover.h"

#include "dsp/sections.h"

#include <array>
#include <cstddef>

namespace kdsp::dsp {

namespace {

struct Term {
    CrossoverSection section;
    int weight = 0; // 0: no term
};

// Each kind as at most two distinct sections with integer weights. Equal
// sections are merged (Q577 + 2 x Q577 is 3 x Q577, 2 x (A + B) is 2A + 2B):
// with weights of 1, 2 and 3 that gives the same single-precision sums.
struct Composition {
    Term first;
    Term second;
};

constexpr CrossoverSection Flat{SectionKind::Flat};
constexpr CrossoverSection First{SectionKind::First};
constexpr CrossoverSection Q577{SectionKind::Q577};
constexpr CrossoverSection Q707{SectionKind::Q707};
constexpr CrossoverSection Pair40{SectionKind::Pair, 4, 0};
constexpr CrossoverSection Pair41{SectionKind::Pair, 4, 1};
constexpr CrossoverSection Pair30{SectionKind::Pair, 3, 0};

constexpr std::array<Composition, CrossoverKindCount> Compositions{{
    {{Flat, 1}, {}},
    {{First, 1}, {}},
    {{Q577, 1}, {}},
    {{Q707, 1}, {}},
    {{First, 2}, {}},
    {{Q577, 1}, {First, 1}},
    {{Q707, 1}, {First, 1}},
    {{Q577, 2}, {}},
    {{Pair40, 1}, {Pair41, 1}},
    {{Q707, 2}, {}},
    {{Q577, 3}, {}},
    {{Pair40, 1}, {Pair41, 2}},
    {{Pair30, 2}, {First, 2}},
}};

void Section(ResponseCurve& curve, double hz, const CrossoverSection& section, bool lowPass) {
    if (lowPass)
        LowPassSectionResponse(curve, hz, section);
    else
        HighPassSectionResponse(curve, hz, section);
}

} // namespace

bool CrossoverResponse(ResponseCurve& curve, double hz, int kind, bool lowPass) {
    if (kind < 0 || kind >= CrossoverKindCount)
        return false;
    const Composition& c = Compositions[static_cast<std::size_t>(kind)];
    Section(curve, hz, c.first.section, lowPass);
    if (c.second.weight == 0) {
        if (c.first.weight != 1) {
            const auto w = static_cast<float>(c.first.weight);
            for (float& v : curve)
                v *= w;
        }
        return true;
    }
    ResponseCurve other;
    Section(other, hz, c.second.section, lowPass);
    const auto w1 = static_cast<float>(c.first.weight);
    const auto w2 = static_cast<float>(c.second.weight);
    for (std::size_t i = 0; i < curve.size(); ++i)
        curve[i] = w1 * curve[i] + w2 * other[i];
    return true;
}

} // namespace kdsp::dsp
