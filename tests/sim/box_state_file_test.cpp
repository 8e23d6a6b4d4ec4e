#include "sim/box_state_file.h"

#include <gtest/gtest.h>

namespace kdsp {
namespace {

TEST(BoxStateFile, RoundTripsEverythingTheBoxRemembers) {
    BoxSimulator box(Transport::Tcp);
    box.store().setValue(PageMic1, 40, 77);
    box.setDevicePassword("9999");
    box.setSystemCode("000111");
    box.setDeviceId({0xDE, 0xAD, 0x00, 0x01});
    ParameterStore live = box.store();
    live.setValue(PageHint + 1, 5, 3);
    box.modes().store(ModeList::Hint, 15, live, "Late night");
    box.modes().store(ModeList::System, 0, live, "");

    BoxSimulator restored(Transport::Serial);
    std::string error;
    ASSERT_TRUE(LoadBoxState(restored, SaveBoxState(box), error)) << error;

    EXPECT_EQ(restored.store(), box.store());
    EXPECT_EQ(restored.devicePassword(), "9999");
    EXPECT_EQ(restored.systemCode(), "000111");
    EXPECT_EQ(restored.deviceId(), box.deviceId());
    for (ModeList list : {ModeList::System, ModeList::Hint}) {
        for (int i = 0; i < ModesPerList; ++i) {
            EXPECT_EQ(restored.modes().name(list, i), box.modes().name(list, i));
            for (int page = ModeBank::firstPage(list); page < ModeBank::endPage(list); ++page)
                for (int slot = 0; slot < SlotsPerPage; ++slot)
                    ASSERT_EQ(restored.modes().snapshot(list, i).value(page, slot),
                              box.modes().snapshot(list, i).value(page, slot));
        }
    }
}

TEST(BoxStateFile, RefusesDamagedTextAndLeavesTheBoxAlone) {
    const std::string damaged[] = {
        "",
        "not a state file\n",
        "kdsp-boxsim state 1\nvalue 31 0 1\n",
        "kdsp-boxsim state 1\nvalue 0 165 1\n",
        "kdsp-boxsim state 1\nvalue 0 0 65536\n",
        "kdsp-boxsim state 1\nname system 16 x\n",
        "kdsp-boxsim state 1\nmode party 0 0 0 1\n",
        "kdsp-boxsim state 1\nbogus\n",
    };
    for (const auto& text : damaged) {
        BoxSimulator box(Transport::Tcp);
        const ParameterStore before = box.store();
        std::string error;
        EXPECT_FALSE(LoadBoxState(box, text, error)) << text;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(box.store(), before);
        EXPECT_EQ(box.devicePassword(), BoxStartPassword);
    }
}

} // namespace
} // namespace kdsp
