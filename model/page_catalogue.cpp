#include "model/page_catalogue.h"

#include <span>

namespace kdsp {

namespace {

constexpr std::array<int, 15> MusicFrequencies = {2,   25,  49,  73,  96,  120, 144, 167,
                                                  187, 215, 238, 262, 287, 309, 333};
constexpr std::array<int, 20> MicFrequencies = {2,   25,  49,  73,  96,  120, 144, 167, 187, 215,
                                                238, 262, 287, 299, 313, 323, 333, 343, 353, 360};
constexpr std::array<int, 7> EffectFrequencies = {2, 50, 100, 150, 200, 250, 300};
constexpr std::array<int, 10> OutputFrequencies = {2, 32, 62, 92, 122, 152, 182, 212, 242, 272};
constexpr std::array<int, 5> HintFrequencies = {2, 70, 140, 210, 280};
constexpr std::array<int, 6> TrebleMiddleBassFrequencies = {20, 129, 280, 20, 129, 280};

constexpr std::array<int, BandPageCount> ResetNumbers = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13, 14, 18, 15, 16, 17};

std::span<const int> defaultFrequencies(int sheet) {
    switch (sheet) {
    case 0:
        return MusicFrequencies;
    case 1:
        return MicFrequencies;
    case 2:
        return EffectFrequencies;
    case 3:
        return OutputFrequencies;
    case 4:
        return HintFrequencies;
    default:
        return TrebleMiddleBassFrequencies;
    }
}

} // namespace

int SheetOfPage(Tag tag) {
    switch (pageOf(tag)) {
    case 0:
    case 1:
        return 0;
    case 2:
        return 8;
    case 3:
    case 4:
        return 1;
    case 5:
    case 6:
    case 7:
        return 2;
    case 20:
        return 5;
    case 21:
        return 6;
    case 22:
    case 23:
    case 24:
        return 4;
    default:
        return 3;
    }
}

int DefaultBandFrequency(int page, int band) {
    auto table = defaultFrequencies(SheetOfPage(makeTag(page, 0)));
    return table[static_cast<std::size_t>(band) % table.size()];
}

int ResetNumber(int page) {
    return ResetNumbers[static_cast<std::size_t>(page)];
}

} // namespace kdsp
