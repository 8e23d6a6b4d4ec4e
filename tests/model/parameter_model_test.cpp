#include "model/parameter_model.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace kdsp {
namespace {

struct RecordingSink : CommitSink {
    std::vector<std::pair<Tag, std::int32_t>> sent;
    void sendParameter(Tag tag, std::int32_t value) override { sent.emplace_back(tag, value); }
};

struct RecordingObserver : ModelObserver {
    std::vector<bool> gainEnabled;
    std::vector<int> refreshes;
    void musicInputGainEnabled(bool enabled) override { gainEnabled.push_back(enabled); }
    void refreshRequested(int viewPage) override { refreshes.push_back(viewPage); }
};

class ParameterModelTest : public ::testing::Test {
protected:
    RecordingSink sink;
    RecordingObserver observer;
    ParameterModel model{sink, observer};
};

TEST_F(ParameterModelTest, StartupStoreHoldsTheStartupContent) {
    struct Case {
        int page, slot, value;
    } cases[] = {
        {0, 0, 1},    {0, 1, 10},    {0, 2, 11},    {0, 93, 12},   {0, 94, 13},   {0, 88, 1},
        {0, 85, 1},   {30, 20, 4},   {30, 21, 1},   {0, 7, 360},   {3, 12, 360},  {4, 12, 360},
        {5, 12, 360}, {6, 12, 360},  {7, 9, 360},   {8, 19, 360},  {19, 19, 360}, {20, 15, 0},
        {0, 3, 0},    {26, 0, 0},    {0, 10, 1},    {0, 11, 2},    {0, 12, 120},  {0, 13, 16},
        {0, 14, 16},  {0, 81, 333},  {1, 1, 2},     {2, 2, 1},     {2, 23, 280},  {3, 111, 360},
        {7, 42, 300}, {19, 67, 272}, {20, 28, 280}, {21, 27, 280}, {24, 22, 280}, {25, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(model.store().value(c.page, c.slot), c.value) << c.page << ":" << c.slot;
}

TEST_F(ParameterModelTest, CommitWritesViewStoreAndSink) {
    model.selection().CurrentMicPage = 4;
    model.commitValue(makeTag(3, 17), 150);

    EXPECT_EQ(model.viewValues().value(3, 17), 150);
    EXPECT_EQ(model.store().value(4, 17), 150);
    EXPECT_EQ(model.store().value(3, 17), 120);
    ASSERT_EQ(sink.sent.size(), 1u);
    EXPECT_EQ(sink.sent[0], std::make_pair(makeTag(4, 17), 150));
}

TEST_F(ParameterModelTest, ResolvingTheInputGainTellsWhetherItIsEditable) {
    model.store().setValue(PageMusic, 88, 0);
    model.resolveStoreTag(makeTag(0, 0));
    model.store().setValue(PageMusic, 88, 3);
    model.resolveStoreTag(makeTag(0, 0));
    model.resolveStoreTag(makeTag(0, 1));
    EXPECT_EQ(observer.gainEnabled, (std::vector<bool>{false, true}));
}

TEST_F(ParameterModelTest, LoadViewValuesFollowsTheSelection) {
    auto& store = model.store();
    auto& sel = model.selection();
    sel.CurrentMusicPage = 1;
    sel.CurrentOutputPage = 14;
    sel.OutputModeOffset = 0;
    store.setValue(1, 5, 77);   // music right band 1 gain
    store.setValue(0, 15, 55);  // music left band 1 gain: hidden
    store.setValue(14, 30, 33); // surround right sing band
    store.setValue(12, 12, 9);  // surround limiter lives on the left page
    store.setValue(10, 10, 41); // main right delay, sing
    store.setValue(15, 11, 1);  // surround right mute, disco: not shown
    store.setValue(14, 11, 0);

    model.loadViewValues();

    const auto& view = model.viewValues();
    EXPECT_EQ(view.value(0, 15), 77);
    EXPECT_EQ(view.value(8, 30), 33);
    EXPECT_EQ(view.value(8, 12), 9);
    EXPECT_EQ(view.value(10, 10), 41);
    EXPECT_EQ(view.value(14, 11), 0);
    EXPECT_EQ(view.value(30, 20), 4);
}

TEST_F(ParameterModelTest, ResetEqOfOneViewPageResetsItsStorePageAndTellsTheBox) {
    auto& store = model.store();
    model.selection().CurrentOutputPage = 13;
    store.setValue(13, 21 + 2, 7);
    store.setValue(13, 20, 1);     // EQ pass: not a band slot
    store.setValue(12, 21 + 2, 7); // another page keeps its bands

    model.resetEq(8);

    EXPECT_EQ(store.value(13, 23), 120);
    EXPECT_EQ(store.value(13, 20), 1);
    EXPECT_EQ(store.value(12, 23), 7);
    EXPECT_EQ(store.value(26, 10), 1);
    ASSERT_EQ(sink.sent.size(), 1u);
    EXPECT_EQ(sink.sent[0], std::make_pair(makeTag(26, 10), 1));
    EXPECT_EQ(observer.refreshes, std::vector<int>{8});
}

TEST_F(ParameterModelTest, ResetEqNumbersAuxAndHintPages) {
    model.selection().CurrentHintPage = 23;
    model.resetEq(21);
    model.resetEq(22);
    ASSERT_EQ(sink.sent.size(), 2u);
    EXPECT_EQ(sink.sent[0].first, makeTag(26, 18));
    EXPECT_EQ(sink.sent[1].first, makeTag(26, 16));
}

TEST_F(ParameterModelTest, ResetAllTouchesOnlyBandSlotsAndSendsNothing) {
    ParameterStore changed;
    for (int page = 0; page < PageCount; ++page)
        for (int slot = 0; slot < SlotsPerPage; ++slot)
            changed.setValue(page, slot, 999);
    model.store() = changed;

    model.resetEq(ResetAllPages);

    ParameterStore expected = changed;
    for (int page = 0; page < BandPageCount; ++page)
        WriteBandDefaults(expected, page);
    EXPECT_EQ(model.store(), expected);
    EXPECT_TRUE(sink.sent.empty());
    EXPECT_EQ(observer.refreshes, std::vector<int>{ResetAllPages});
}

TEST_F(ParameterModelTest, CopyChannelCopiesLeftOntoRight) {
    auto& store = model.store();
    for (int slot = 0; slot < SlotsPerPage; ++slot) {
        for (int page : {0, 3, 8, 9, 12, 13})
            store.setValue(page, slot, 1000 + slot);
        for (int page : {1, 4, 10, 11, 14, 15})
            store.setValue(page, slot, -1);
    }

    struct Case {
        ChannelPair pair;
        int toPage, slot, expected;
    } cases[] = {
        {ChannelPair::Music, 1, 0, 1010},    {ChannelPair::Music, 1, 74, 1084},
        {ChannelPair::Music, 1, 75, -1},     {ChannelPair::Mic, 4, 0, 1000},
        {ChannelPair::Mic, 4, 115, 1115},    {ChannelPair::Mic, 4, 116, -1},
        {ChannelPair::Main, 10, 9, 1009},    {ChannelPair::Main, 10, 10, -1},
        {ChannelPair::Main, 11, 11, -1},     {ChannelPair::Main, 11, 70, 1070},
        {ChannelPair::Main, 11, 71, -1},     {ChannelPair::Surround, 14, 12, 1012},
        {ChannelPair::Surround, 15, 10, -1}, {ChannelPair::Surround, 15, 0, 1000},
    };
    for (auto pair :
         {ChannelPair::Music, ChannelPair::Mic, ChannelPair::Main, ChannelPair::Surround})
        model.copyChannel(pair);
    for (const auto& c : cases)
        EXPECT_EQ(store.value(c.toPage, c.slot), c.expected) << c.toPage << ":" << c.slot;
    EXPECT_TRUE(sink.sent.empty());
}

} // namespace
} // namespace kdsp
