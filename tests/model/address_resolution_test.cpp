#include "model/address_resolution.h"

#include <gtest/gtest.h>

namespace kdsp {
namespace {

struct ResolveCase {
    const char* name;
    ViewSelection selection;
    int inputSource;
    Tag view;
    Tag expected;
};

ViewSelection with(auto change) {
    ViewSelection s;
    change(s);
    return s;
}

const ResolveCase ResolveCases[] = {
    {"music right moves bands", with([](auto& s) { s.CurrentMusicPage = 1; }), 1, makeTag(0, 25),
     makeTag(1, 15)},
    {"music right leaves crossover", with([](auto& s) { s.CurrentMusicPage = 1; }), 1,
     makeTag(0, 5), makeTag(0, 5)},
    {"music right leaves slot 85", with([](auto& s) { s.CurrentMusicPage = 1; }), 1, makeTag(0, 85),
     makeTag(0, 85)},
    {"input gain of AUTO", {}, 0, makeTag(0, 0), makeTag(0, 0)},
    {"input gain of RCA1", {}, 1, makeTag(0, 0), makeTag(0, 0)},
    {"input gain of RCA2", {}, 2, makeTag(0, 0), makeTag(0, 1)},
    {"input gain of OPTI", {}, 3, makeTag(0, 0), makeTag(0, 2)},
    {"input gain of BLUE", {}, 4, makeTag(0, 0), makeTag(0, 93)},
    {"input gain of USB", {}, 5, makeTag(0, 0), makeTag(0, 94)},
    {"input gain of unknown source", {}, 9, makeTag(0, 0), makeTag(0, 0)},
    {"input gain ignores music right", with([](auto& s) { s.CurrentMusicPage = 1; }), 5,
     makeTag(0, 0), makeTag(0, 94)},
    {"mic 2", with([](auto& s) { s.CurrentMicPage = 4; }), 1, makeTag(3, 20), makeTag(4, 20)},
    {"mic link flag stays", with([](auto& s) { s.CurrentMicPage = 4; }), 1, makeTag(3, 13),
     makeTag(3, 13)},
    {"reverb leaves echo tags", with([](auto& s) { s.CurrentEffectPage = 7; }), 1, makeTag(5, 3),
     makeTag(5, 3)},
    {"echo B", with([](auto& s) { s.CurrentEffectPage = 6; }), 1, makeTag(5, 3), makeTag(6, 3)},
    {"surround right disco limiter",
     with([](auto& s) { s.CurrentOutputPage = 15, s.OutputModeOffset = 1; }), 1, makeTag(8, 13),
     makeTag(13, 13)},
    {"surround right disco left delay",
     with([](auto& s) { s.CurrentOutputPage = 15, s.OutputModeOffset = 1; }), 1, makeTag(8, 10),
     makeTag(13, 10)},
    {"surround right disco right delay",
     with([](auto& s) { s.CurrentOutputPage = 15, s.OutputModeOffset = 1; }), 1, makeTag(14, 10),
     makeTag(15, 10)},
    {"surround right disco band",
     with([](auto& s) { s.CurrentOutputPage = 15, s.OutputModeOffset = 1; }), 1, makeTag(8, 30),
     makeTag(15, 30)},
    {"main right sing right mute",
     with([](auto& s) { s.CurrentOutputPage = 10, s.OutputModeOffset = 0; }), 1, makeTag(10, 11),
     makeTag(10, 11)},
    {"main disco right limiter", with([](auto& s) { s.CurrentOutputPage = 11; }), 1, makeTag(8, 12),
     makeTag(9, 12)},
    {"center disco limiter", with([](auto& s) { s.CurrentOutputPage = 17; }), 1, makeTag(8, 12),
     makeTag(17, 12)},
    {"center disco delay", with([](auto& s) { s.CurrentOutputPage = 17; }), 1, makeTag(8, 10),
     makeTag(17, 10)},
    {"hint page 3", with([](auto& s) { s.CurrentHintPage = 24; }), 1, makeTag(22, 7),
     makeTag(24, 7)},
    {"record is its own page", {}, 1, makeTag(20, 5), makeTag(20, 5)},
};

TEST(ResolveStoreTag, MapsViewAddressesToStoreAddresses) {
    for (const auto& c : ResolveCases) {
        ParameterStore store;
        store.setValue(PageMusic, 88, c.inputSource);
        EXPECT_EQ(ResolveStoreTag(c.view, c.selection, store), c.expected) << c.name;
    }
}

struct BandCase {
    Tag view;
    int expected; // point * 256 + position, 0 for none
};

const BandCase BandCases[] = {
    {makeTag(0, 4), 15 * 256},
    {makeTag(0, 7), 16 * 256},
    {makeTag(0, 10), 0},
    {makeTag(0, 13), 3},
    {makeTag(0, 84), 14 * 256 + 4},
    {makeTag(0, 85), 0},
    {makeTag(0, 91), 0},
    {makeTag(2, 2), 0},
    {makeTag(2, 16), 1 * 256 + 4},
    {makeTag(2, 24), 2 * 256 + 2},
    {makeTag(2, 7), 0},
    {makeTag(3, 10), 20 * 256},
    {makeTag(3, 12), 21 * 256},
    {makeTag(3, 19), 4},
    {makeTag(5, 9), 7 * 256},
    {makeTag(7, 8), 8 * 256},
    {makeTag(8, 17), 10 * 256},
    {makeTag(8, 19), 11 * 256},
    {makeTag(8, 26), 1 * 256},
    {makeTag(20, 14), 4 * 256},
    {makeTag(20, 31), 2 * 256 + 4},
    {makeTag(21, 30), 5 * 256 + 4},
    {makeTag(21, 31), 0},
    {makeTag(22, 25), 4 * 256 + 4},
    {makeTag(22, 0), 0},
    {makeTag(25, 3), 0},
};

TEST(BandOfTag, FindsPointAndPosition) {
    for (const auto& c : BandCases)
        EXPECT_EQ(BandOfTag(c.view), c.expected)
            << "tag " << pageOf(c.view) << ":" << slotOf(c.view);
}

TEST(ResolveQSlot, FollowsTheBandTypeWithoutCopying) {
    struct Case {
        int type;
        Tag asked;
        Tag expected;
    } cases[] = {
        {0, makeTag(0, 13), makeTag(0, 13)}, {1, makeTag(0, 14), makeTag(0, 13)},
        {2, makeTag(0, 13), makeTag(0, 14)}, {3, makeTag(0, 13), makeTag(0, 14)},
        {2, makeTag(0, 12), makeTag(0, 12)}, {2, makeTag(2, 5), makeTag(2, 6)},
    };
    for (const auto& c : cases) {
        ViewValues view;
        const Tag typeSlot = c.asked - BandOfTag(c.asked) % 256;
        view.setValue(typeSlot, c.type);
        EXPECT_EQ(ResolveQSlot(c.asked, view), c.expected) << "type " << c.type;
    }
}

} // namespace
} // namespace kdsp
