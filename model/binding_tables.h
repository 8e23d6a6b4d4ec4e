#pragma once

#include "model/page_catalogue.h"
#include "model/parameter_store.h"

#include <array>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kdsp {

inline constexpr int CompanionCount = 4;

// What the companions of a slot are; it decides what binding gives them.
enum class CompanionKind {
    None,
    TypeLabels,     // the four band-type letters: the tag, and their type as hint
    GainBar,        // a band's gain track bar: the tag
    SpinButtons,    // the tag
    TriggerButtons, // the dynamic equaliser's Off/Below/Above: keep their own tags 0..2
};

// The controls bound to one view page and slot, by component name. An empty
// name binds nothing.
struct SlotBinding {
    std::string control; // the primary control
    std::string readout; // the text read-out beside it
    CompanionKind companionKind = CompanionKind::None;
    std::array<std::string, CompanionCount> companions;
};

// The binding of every console control to its view page and slot, built by
// the band-row rule and the lists of the other slots.
class BindingTables {
public:
    BindingTables();

    // Out-of-range addresses give an empty binding.
    const SlotBinding& at(int page, int slot) const;
    const SlotBinding& at(Tag tag) const { return at(pageOf(tag), slotOf(tag)); }

private:
    SlotBinding& entry(int page, int slot);
    void bindBands();
    void bindOtherSlots();

    std::vector<SlotBinding> entries_;
};

// The tables are constant; one shared instance.
const BindingTables& Bindings();

// The tag and hint binding gives one control. The hint is set only for the
// band-type letters (their type, "0".."3").
struct AssignedTag {
    Tag tag = 0;
    std::string hint;
};

// Walks pages and slots in increasing order, so a control entered under
// several slots keeps the last one (MicQEdit5 ends on its shelf Q slot, the
// right delay and mute controls on page 14). The extra tags are included.
std::map<std::string, AssignedTag, std::less<>> AssignedTags(const BindingTables& tables);

// The store content binding leaves: the start-up store, except that the
// dynamic equaliser's three gain slots keep what `store` held.
void ResetStoreForBinding(ParameterStore& store);

// --- Control groups: the position in a group is the value it stands for ---

// View types 0..12.
inline constexpr std::array<std::string_view, 13> ViewSelectorNames = {
    "FormMusTabBtn",  "FormDYNBtn",    "FormMICATabBtn", "FormMICBTabBtn", "FormEFFTabBtn",
    "FormMAINTabBtn", "FormSURTabBtn", "FormCENTabBtn",  "FormSUBTabBtn",  "FormHintTabBtn",
    "FormRECTabBtn",  "FormAUXTabBtn", "HintAuxBtn",
};
// Echo A, echo B, reverb.
inline constexpr std::array<std::string_view, 3> EffectSelectorNames = {
    "EchoAToolButton", "EchoBToolButton", "RvbToolButton"};
// Hint pages 22, 23, 24 and the hint system panel.
inline constexpr std::array<std::string_view, 4> HintSelectorNames = {"HintMusBtn", "HintMicABtn",
                                                                      "HintMicBBtn", "HintSysBtn"};
// Link states 0 left, 1 same, 2 right.
inline constexpr std::array<std::string_view, 3> LinkButtonNames = {"LeftBtn", "SameBtn",
                                                                    "RightBtn"};
// Output mode offset 0 sing, 1 disco.
inline constexpr std::array<std::string_view, 2> OutputModeButtonNames = {"SingModeBtn",
                                                                          "DiscoModeBtn"};
inline constexpr std::array<std::string_view, 7> FactoryModeButtonNames = {
    "SysFactoryBtn",  "SysFactoryBtn2", "SysFactoryBtn3", "SysFactoryBtn4",
    "SysFactoryBtn5", "SysFactoryBtn6", "SysFactoryBtn7"};

// Band number labels of a sheet of the main page control (0..8; sheet 7
// has none). The effect sheet's row is the echo's; the reverb has its own.
std::vector<std::string> BandNumberLabelNames(int sheet);
std::vector<std::string> ReverbBandNumberLabelNames();

// Controls outside the tables that still carry an address.
struct ExtraTag {
    std::string_view control;
    Tag tag;
};
inline constexpr std::array<ExtraTag, 7> ExtraTags = {{
    {"MicMaxImage", makeTag(PageVolume, 3)},
    {"MusMaxImage", makeTag(PageVolume, 4)},
    {"EffMaxImage", makeTag(PageVolume, 5)},
    {"SysVolRunBtn1", makeTag(PageVolume, 9)},
    {"SysVolRunBtn2", makeTag(PageVolume, 9)},
    {"SysLRBtn1", makeTag(PageSystem, 3)},
    {"SysLRBtn2", makeTag(PageSystem, 3)},
}};

// The auxiliary page's band-gain slots; their primary control depends on
// which tab of the auxiliary page control shows.
inline constexpr std::array<int, 6> AuxGainSlots = {3, 8, 13, 18, 23, 28};
// Gain edit of auxiliary band 0..5 (music 1..3, then microphone 1..3) on
// the first tab, or the one on the second tab.
std::string AuxGainEditName(int band, bool secondTab);

// The equaliser-pass button's first entry; the refresh re-points its tag.
inline constexpr std::string_view EqPassButtonName = "MusEQAllpassBtn";

} // namespace kdsp
