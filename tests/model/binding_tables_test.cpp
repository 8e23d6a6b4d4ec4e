#include "model/binding_tables.h"

#include <gtest/gtest.h>

namespace kdsp {
namespace {

TEST(BindingTablesTest, TellingRowsBindTheirNamedControls) {
    struct Case {
        int page, slot;
        const char* control;
        const char* readout;
        CompanionKind kind;
        std::array<const char*, 4> companions;
    } cases[] = {
        // Both Q slots of a band share the Q edit; the spin buttons sit on +3.
        {3, 38, "MicQEdit5", "", CompanionKind::SpinButtons, {"MIcQUpDownBtn5", "", "", ""}},
        {3, 39, "MicQEdit5", "", CompanionKind::None, {"", "", "", ""}},
        {0,
         20,
         "MusModeBox3",
         "",
         CompanionKind::TypeLabels,
         {"MusBYBtn3", "MusPEQBtn3", "MusLSQBtn3", "MusHSQBtn3"}},
        {0, 22, "MusGainEdit3", "", CompanionKind::GainBar, {"MusEQGainBar3", "", "", ""}},
        {0, 84, "MusQEdit15", "", CompanionKind::None, {"", "", "", ""}},
        {0, 0, "MusGain1Edit", "", CompanionKind::SpinButtons, {"MusGain1UpDown", "", "", ""}},
        {0, 8, "MusEQAllpassBtn", "", CompanionKind::None, {"", "", "", ""}},
        {0, 92, "MusHP2FREBar", "MusHP2FREPane", CompanionKind::None, {"", "", "", ""}},
        // Page 21: music bands 1..3 and microphone bands 1..3, companions 1..6.
        {21,
         1,
         "AUXMUSModeBox1",
         "",
         CompanionKind::TypeLabels,
         {"AUXBYBtn1", "AUXPEQBtn1", "AUXLSQBtn1", "AUXHSQBtn1"}},
        {21,
         16,
         "AUXMICModeBox1",
         "",
         CompanionKind::TypeLabels,
         {"AUXBYBtn4", "AUXPEQBtn4", "AUXLSQBtn4", "AUXHSQBtn4"}},
        {21,
         18,
         "AUXMICGainEdit1",
         "AUXMIC2GainEdit1",
         CompanionKind::GainBar,
         {"AUXEQGainBar4", "", "", ""}},
        {21, 29, "AUXMICQEdit3", "", CompanionKind::None, {"", "", "", ""}},
        {21, 30, "AUXMICQEdit3", "", CompanionKind::SpinButtons, {"AUXQUpDownBtn6", "", "", ""}},
        {21, 42, "AUXMICHighMaxDecEdit", "", CompanionKind::None, {"", "", "", ""}},
        {22, 5, "HintQEdit1", "", CompanionKind::SpinButtons, {"HintQUpDownBtn1", "", "", ""}},
        // The dynamic equaliser: bands at 2, 12, 22 with their own letter names.
        {2,
         1,
         "DEQTypeBox1",
         "",
         CompanionKind::TriggerButtons,
         {"DEQTYpeOffBtn1", "DEQTYpeBelowBtn1", "DEQTYpeAboveBtn1", ""}},
        {2,
         12,
         "DEQModeBox2",
         "",
         CompanionKind::TypeLabels,
         {"DEQBYBtn2", "DEQPEQBtn2", "DEQLEQBtn2", "DEQHEQBtn2"}},
        {2, 24, "DEQGainEdit3", "", CompanionKind::GainBar, {"DEQGainBar3", "", "", ""}},
        {2, 30, "DEQRmsRatioBar3", "DEQRmsRatioPane3", CompanionKind::None, {"", "", "", ""}},
        // The right delay and mute are entered for Main and Surround alike.
        {10, 10, "MainRdelayBar", "MainRdelayPane", CompanionKind::None, {"", "", "", ""}},
        {14, 10, "MainRdelayBar", "MainRdelayPane", CompanionKind::None, {"", "", "", ""}},
        {14, 11, "MainRmuteBtn", "", CompanionKind::None, {"", "", "", ""}},
        {8, 11, "MainLmuteBtn", "", CompanionKind::None, {"", "", "", ""}},
        {30, 34, "SysMode2Box", "", CompanionKind::None, {"", "", "", ""}},
        // Slots without a control.
        {0, 9, "", "", CompanionKind::None, {"", "", "", ""}},
        {3, 13, "", "", CompanionKind::None, {"", "", "", ""}},
        {8, 20, "", "", CompanionKind::None, {"", "", "", ""}},
        {9, 10, "", "", CompanionKind::None, {"", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.page << ":" << c.slot);
        const SlotBinding& binding = Bindings().at(c.page, c.slot);
        EXPECT_EQ(binding.control, c.control);
        EXPECT_EQ(binding.readout, c.readout);
        EXPECT_EQ(binding.companionKind, c.kind);
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_EQ(binding.companions[i], c.companions[i]) << i;
    }
}

TEST(BindingTablesTest, ALaterSlotWinsTheTag) {
    const auto tags = AssignedTags(Bindings());
    struct Case {
        const char* control;
        Tag tag;
        const char* hint;
    } cases[] = {
        {"MicQEdit5", makeTag(3, 39), ""},
        {"MIcQUpDownBtn5", makeTag(3, 38), ""},
        {"MainRdelayBar", makeTag(14, 10), ""},
        {"MainRdelayPane", makeTag(14, 10), ""},
        {"MainRmuteBtn", makeTag(14, 11), ""},
        {"MusBYBtn3", 20, "0"},
        {"MusHSQBtn3", 20, "3"},
        {"AUXEQGainBar4", makeTag(21, 18), ""},
        {"AUXMIC2GainEdit1", makeTag(21, 18), ""},
        {"MusEQAllpassBtn", 8, ""},
        {"MicMaxImage", makeTag(25, 3), ""},
        {"SysVolRunBtn2", makeTag(25, 9), ""},
        {"SysLRBtn1", makeTag(30, 3), ""},
    };
    for (const Case& c : cases) {
        const auto it = tags.find(c.control);
        ASSERT_NE(it, tags.end()) << c.control;
        EXPECT_EQ(it->second.tag, c.tag) << c.control;
        EXPECT_EQ(it->second.hint, c.hint) << c.control;
    }
    // The trigger buttons keep their own tags, which are their values.
    EXPECT_EQ(tags.count("DEQTYpeBelowBtn1"), 0u);
}

TEST(BindingTablesTest, BindingAgainKeepsTheDynamicEqualiserGains) {
    ParameterStore store = StartupStore();
    store.setValue(PageDeq, 4, 77);
    store.setValue(PageDeq, 14, 78);
    store.setValue(PageDeq, 24, 79);
    store.setValue(PageDeq, 3, 5);
    store.setValue(PageMain, 30, 9);

    ResetStoreForBinding(store);

    EXPECT_EQ(store.value(PageDeq, 4), 77);
    EXPECT_EQ(store.value(PageDeq, 14), 78);
    EXPECT_EQ(store.value(PageDeq, 24), 79);
    EXPECT_EQ(store.value(PageDeq, 3), 20);
    EXPECT_EQ(store.value(PageMain, 30), StartupStore().value(PageMain, 30));
}

} // namespace
} // namespace kdsp
