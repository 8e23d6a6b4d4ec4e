#pragma once

#include <array>
#include <cstdint>

namespace kdsp {

// A parameter address: page * 256 + slot. The same number is the wire
// address, the preset-file address and the tag of a bound control.
using Tag = std::int32_t;

inline constexpr int PageCount = 31;
inline constexpr int SlotsPerPage = 165;
inline constexpr int BandPageCount = 25; // pages 0..24 carry equaliser bands
inline constexpr int SlotsPerBand = 5;

constexpr Tag makeTag(int page, int slot) {
    return page * 256 + slot;
}
constexpr int pageOf(Tag tag) {
    return tag / 256;
}
constexpr int slotOf(Tag tag) {
    return tag % 256;
}

enum Page : int {
    PageMusic = 0,
    PageMusicRight = 1,
    PageDeq = 2,
    PageMic1 = 3,
    PageMic2 = 4,
    PageEcho = 5,
    PageEcho2 = 6,
    PageReverb = 7,
    PageMain = 8,
    PageSurround = 12,
    PageCenter = 16,
    PageSub = 18,
    PageRec = 20,
    PageAux = 21,
    PageHint = 22,
    PageVolume = 25,
    PageEqReset = 26,
    PageSystem = 30,
    PageStatus = 48, // the status poll's reply page; not part of the store
};

// Offsets of the five slots of an equaliser band.
enum BandSlot : int {
    BandType = 0,
    BandFrequency = 1,
    BandGain = 2,
    BandQPeaking = 3, // used while the type is 0 or 1
    BandQShelf = 4,   // used while the type is 2 or 3
};

// Number of slots each page uses.
inline constexpr std::array<int, PageCount> SlotCount = {
    95, 75, 31, 115, 115, 49, 49, 46, 71, 71, 71, 71, 71, 71, 71, 71,
    71, 71, 71, 71,  32,  43, 26, 26, 26, 11, 18, 0,  0,  0,  35};

// Slot of band 1 of each page. Page 2's value lies past every slot: its
// three bands sit at slots 2, 12 and 22 and are placed by their own layout.
inline constexpr std::array<int, PageCount> FirstBandSlot = {
    10, 0,  514, 15, 15, 14, 14, 11, 21, 21, 21, 21, 21, 21, 21, 21,
    21, 21, 21,  21, 17, 1,  1,  1,  1,  21, 21, 21, 21, 21, 35};

inline constexpr std::array<int, BandPageCount> BandCount = {
    15, 15, 3, 20, 20, 7, 7, 7, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 3, 6, 5, 5, 5};

// The view pages, in the order a refresh walks them.
inline constexpr std::array<int, 12> ViewPages = {0, 2, 3, 5, 7, 8, 20, 21, 22, 25, 26, 30};

// First slot of each of the dynamic equaliser's three bands.
inline constexpr std::array<int, 3> DeqBandSlots = {2, 12, 22};

// Slot of band `band` (from 0) of `page`.
constexpr int bandSlot(int page, int band) {
    return page == PageDeq ? DeqBandSlots[static_cast<std::size_t>(band)]
                           : FirstBandSlot[static_cast<std::size_t>(page)] + SlotsPerBand * band;
}

// The sheet of the main page control that edits a page: 0 music,
// 1 microphone, 2 effect, 3 output, 4 hint, 5 record, 6 auxiliary,
// 8 dynamic equaliser.
int SheetOfPage(Tag tag);

// Default centre-frequency index of band `band` of `page` (pages 0..24).
int DefaultBandFrequency(int page, int band);

// The equaliser-reset number written to page 26 when `page` (0..24) is reset.
int ResetNumber(int page);

} // namespace kdsp
