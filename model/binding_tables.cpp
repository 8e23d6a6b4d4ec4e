#include "model/binding_tables.h"

#include <cstddef>

namespace kdsp {

namespace {

std::string numbered(std::string_view stem, int n) {
    return std::string(stem) + std::to_string(n);
}

// The names of the controls of band `band` (from 1) of a view page.
struct BandNames {
    std::string modeBox, frequencyEdit, gainEdit, qEdit;
    std::array<std::string, CompanionCount> letters;
    std::string gainBar, qSpin, gainReadout;
    bool spinOnShelfSlot = false;
};

std::string_view bandPrefix(int page, int band) {
    switch (page) {
    case PageMusic:
        return "Mus";
    case PageDeq:
        return "DEQ";
    case PageMic1:
        return "Mic";
    case PageEcho:
        return "Echo";
    case PageReverb:
        return "Rvb";
    case PageMain:
        return "Main";
    case PageRec:
        return "REC";
    case PageAux:
        return band <= 3 ? "AUXMUS" : "AUXMIC";
    default:
        return "Hint";
    }
}

BandNames bandNames(int page, int band) {
    const std::string_view x = bandPrefix(page, band);
    // The auxiliary page numbers its music and microphone editors 1..3 each
    // but its companions 1..6 under the common prefix.
    const int n = page == PageAux && band > 3 ? band - 3 : band;
    const std::string_view cx = page == PageAux ? std::string_view("AUX") : x;

    BandNames names;
    names.modeBox = numbered(std::string(x) + "ModeBox", n);
    names.frequencyEdit = numbered(std::string(x) + "FreEdit", n);
    names.gainEdit = numbered(std::string(x) + "GainEdit", n);
    names.qEdit = numbered(std::string(x) + "QEdit", n);
    if (page == PageDeq) {
        names.letters = {numbered("DEQBYBtn", n), numbered("DEQPEQBtn", n),
                         numbered("DEQLEQBtn", n), numbered("DEQHEQBtn", n)};
        names.gainBar = numbered("DEQGainBar", n);
    } else {
        const std::string c(cx);
        names.letters = {numbered(c + "BYBtn", band), numbered(c + "PEQBtn", band),
                         numbered(c + "LSQBtn", band), numbered(c + "HSQBtn", band)};
        names.gainBar = numbered(c + "EQGainBar", band);
    }
    names.qSpin = page == PageMic1 ? numbered("MIcQUpDownBtn", n)
                                   : numbered(std::string(cx) + "QUpDownBtn", band);
    if (page == PageAux)
        names.gainReadout = numbered(std::string(x) + "2GainEdit", n);
    names.spinOnShelfSlot = page == PageAux || page == PageHint;
    return names;
}

struct BandPage {
    int page;
    int bands;
};
constexpr BandPage BandPages[] = {
    {PageMusic, 15}, {PageMic1, 20}, {PageEcho, 7}, {PageReverb, 7}, {PageMain, 10},
    {PageRec, 3},    {PageHint, 5},  {PageDeq, 3},  {PageAux, 6},
};

// A slot outside the bands: a control alone, or a track bar (stem + "Bar")
// with its read-out pane (stem + "Pane").
struct Row {
    int page;
    int slot;
    std::string_view stem;
    bool bar;
};

constexpr Row OtherRows[] = {
    {0, 3, "MusPitch", true},
    {0, 4, "MusHPTypeBox", false},
    {0, 5, "MusHPFRE", true},
    {0, 6, "MusLPTypeBox", false},
    {0, 7, "MusLPFRE", true},
    {0, 8, EqPassButtonName, false},
    {0, 88, "SysInputBox", false},
    {0, 91, "MusHP2TypeBox", false},
    {0, 92, "MusHP2FRE", true},

    {3, 0, "MicInputGain", true},
    {3, 1, "MicFBE", true},
    {3, 2, "MicNoiseLevel", true},
    {3, 3, "MicNoiseAttack", true},
    {3, 4, "MicNoiseRelease", true},
    {3, 5, "MicRmsLevel", true},
    {3, 6, "MicRmsAttack", true},
    {3, 7, "MicRmsRelease", true},
    {3, 8, "MicRmsRatio", true},
    {3, 9, "MicHPTypeBox", false},
    {3, 10, "MicHPFre", true},
    {3, 11, "MicLPTypeBox", false},
    {3, 12, "MicLPFre", true},

    {5, 0, "EchoEffLevel", true},
    {5, 1, "EchoEffPhaseBtn", false},
    {5, 2, "EchoDirectLevel", true},
    {5, 3, "EchoDirectPhaseBtn", false},
    {5, 4, "EchoPreDelay", true},
    {5, 5, "EchoTime", true},
    {5, 6, "EchoRepeat", true},
    {5, 7, "EchoRPreDelay", true},
    {5, 8, "EchoRTime", true},
    {5, 9, "EchoHPTypeBox", false},
    {5, 10, "EchoHPFre", true},
    {5, 11, "EchoLPTypeBox", false},
    {5, 12, "EchoLPFre", true},

    {7, 0, "RvbEffLevel", true},
    {7, 1, "RvbEffPhaseBtn", false},
    {7, 2, "RvbDirectLevel", true},
    {7, 3, "RvbDirectPhaseBtn", false},
    {7, 4, "RvbPreDelay", true},
    {7, 5, "RvbTime", true},
    {7, 6, "RvbHPTypeBox", false},
    {7, 7, "RvbHPFre", true},
    {7, 8, "RvbLPTypeBox", false},
    {7, 9, "RvbLPFre", true},

    {8, 0, "MainMusLevel", true},
    {8, 1, "MainMusPhaseBtn", false},
    {8, 2, "MainMicLevel", true},
    {8, 3, "MainMicPhaseBtn", false},
    {8, 4, "MainEchoALevel", true},
    {8, 5, "MainEchoAPhaseBtn", false},
    {8, 6, "MainEchoBLevel", true},
    {8, 7, "MainEchoBPhaseBtn", false},
    {8, 8, "MainRvbLevel", true},
    {8, 9, "MainRvbPhaseBtn", false},
    {8, 10, "MainLdelay", true},
    {8, 11, "MainLmuteBtn", false},
    {8, 12, "MainRmsLevel", true},
    {8, 13, "MainRmsAttack", true},
    {8, 14, "MainRmsRelease", true},
    {8, 15, "MainRmsRatio", true},
    {8, 16, "MainHPTypeBox", false},
    {8, 17, "MainMusHPFre", true},
    {8, 18, "MainLPTypeBox", false},
    {8, 19, "MainMusLPFre", true},

    // The right channel of Main and of Surround share one delay and mute.
    {10, 10, "MainRdelay", true},
    {10, 11, "MainRmuteBtn", false},
    {14, 10, "MainRdelay", true},
    {14, 11, "MainRmuteBtn", false},

    {20, 0, "RECMusLevel", true},
    {20, 1, "RECMusPhaseBtn", false},
    {20, 2, "RECMicLevel", true},
    {20, 3, "RECMicPhaseBtn", false},
    {20, 4, "RECEchoALevel", true},
    {20, 5, "RECEchoAPhaseBtn", false},
    {20, 6, "RECEchoBLevel", true},
    {20, 7, "RECEchoBPhaseBtn", false},
    {20, 8, "RECRvbLevel", true},
    {20, 9, "RECRvbPhaseBtn", false},
    {20, 10, "RECLmuteBtn", false},
    {20, 11, "RECRmuteBtn", false},
    {20, 12, "RECHPTypeBox", false},
    {20, 13, "RECMusHPFre", true},
    {20, 14, "RECLPTypeBox", false},
    {20, 15, "RECMusLPFre", true},

    {21, 0, "AUXGainBox", false},
    {21, 31, "AUXMUSBassMaxAddEdit", false},
    {21, 32, "AUXMUSBassMaxDecEdit", false},
    {21, 33, "AUXMUSMidMaxAddEdit", false},
    {21, 34, "AUXMUSMidMaxDecEdit", false},
    {21, 35, "AUXMUSHighMaxAddEdit", false},
    {21, 36, "AUXMUSHighMaxDecEdit", false},
    {21, 37, "AUXMICBassMaxAddEdit", false},
    {21, 38, "AUXMICBassMaxDecEdit", false},
    {21, 39, "AUXMICMidMaxAddEdit", false},
    {21, 40, "AUXMICMidMaxDecEdit", false},
    {21, 41, "AUXMICHighMaxAddEdit", false},
    {21, 42, "AUXMICHighMaxDecEdit", false},

    {25, 0, "SysMicNormalVol", true},
    {25, 1, "SysMusNormalVol", true},
    {25, 2, "SysEffNormalVol", true},
    {25, 3, "SysMicMaxVol", true},
    {25, 4, "SysMusMaxVol", true},
    {25, 5, "SysEffMaxVol", true},
    {25, 6, "SysMicStartVol", true},
    {25, 7, "SysMusStartVol", true},
    {25, 8, "SysEffStartVol", true},

    {30, 2, "SysModeBox", false},
    {30, 34, "SysMode2Box", false},
};

const SlotBinding EmptyBinding{};

} // namespace

BindingTables::BindingTables() : entries_(static_cast<std::size_t>(PageCount * SlotsPerPage)) {
    bindBands();
    bindOtherSlots();
}

const SlotBinding& BindingTables::at(int page, int slot) const {
    if (!PageTable::contains(page, slot))
        return EmptyBinding;
    return entries_[static_cast<std::size_t>(page * SlotsPerPage + slot)];
}

SlotBinding& BindingTables::entry(int page, int slot) {
    return entries_[static_cast<std::size_t>(page * SlotsPerPage + slot)];
}

void BindingTables::bindBands() {
    for (const BandPage& bandPage : BandPages) {
        const int page = bandPage.page;
        for (int band = 1; band <= bandPage.bands; ++band) {
            const int first = bandSlot(page, band - 1);
            const BandNames names = bandNames(page, band);

            SlotBinding& type = entry(page, first + BandType);
            type.control = names.modeBox;
            type.companionKind = CompanionKind::TypeLabels;
            type.companions = names.letters;

            entry(page, first + BandFrequency).control = names.frequencyEdit;

            SlotBinding& gain = entry(page, first + BandGain);
            gain.control = names.gainEdit;
            gain.readout = names.gainReadout;
            gain.companionKind = CompanionKind::GainBar;
            gain.companions[0] = names.gainBar;

            for (int q : {BandQPeaking, BandQShelf}) {
                SlotBinding& qSlot = entry(page, first + q);
                qSlot.control = names.qEdit;
                if ((q == BandQShelf) == names.spinOnShelfSlot) {
                    qSlot.companionKind = CompanionKind::SpinButtons;
                    qSlot.companions[0] = names.qSpin;
                }
            }
        }
    }
}

void BindingTables::bindOtherSlots() {
    SlotBinding& inputGain = entry(PageMusic, 0);
    inputGain.control = "MusGain1Edit";
    inputGain.companionKind = CompanionKind::SpinButtons;
    inputGain.companions[0] = "MusGain1UpDown";

    for (int section = 1; section <= 3; ++section) {
        const int base = 10 * (section - 1);
        SlotBinding& trigger = entry(PageDeq, base + 1);
        trigger.control = numbered("DEQTypeBox", section);
        trigger.companionKind = CompanionKind::TriggerButtons;
        trigger.companions = {numbered("DEQTYpeOffBtn", section),
                              numbered("DEQTYpeBelowBtn", section),
                              numbered("DEQTYpeAboveBtn", section), ""};
        const std::string_view detectors[] = {"DEQRmsLevel", "DEQRmsAttack", "DEQRmsRelease",
                                              "DEQRmsRatio"};
        for (int i = 0; i < 4; ++i) {
            SlotBinding& bar = entry(PageDeq, base + 7 + i);
            bar.control = numbered(std::string(detectors[i]) + "Bar", section);
            bar.readout = numbered(std::string(detectors[i]) + "Pane", section);
        }
    }

    for (const Row& row : OtherRows) {
        SlotBinding& slot = entry(row.page, row.slot);
        if (row.bar) {
            slot.control = std::string(row.stem) + "Bar";
            slot.readout = std::string(row.stem) + "Pane";
        } else {
            slot.control = std::string(row.stem);
        }
    }
}

const BindingTables& Bindings() {
    static const BindingTables tables;
    return tables;
}

std::map<std::string, AssignedTag, std::less<>> AssignedTags(const BindingTables& tables) {
    std::map<std::string, AssignedTag, std::less<>> tags;
    for (int page = 0; page < PageCount; ++page) {
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot) {
            const Tag tag = makeTag(page, slot);
            const SlotBinding& binding = tables.at(page, slot);
            if (!binding.control.empty())
                tags[binding.control].tag = tag;
            if (!binding.readout.empty())
                tags[binding.readout].tag = tag;
            if (binding.companionKind == CompanionKind::TriggerButtons)
                continue;
            for (std::size_t i = 0; i < binding.companions.size(); ++i) {
                if (binding.companions[i].empty())
                    continue;
                AssignedTag& assigned = tags[binding.companions[i]];
                assigned.tag = tag;
                if (binding.companionKind == CompanionKind::TypeLabels)
                    assigned.hint = std::to_string(i);
            }
        }
    }
    for (const ExtraTag& extra : ExtraTags)
        tags[std::string(extra.control)].tag = extra.tag;
    return tags;
}

void ResetStoreForBinding(ParameterStore& store) {
    const ParameterStore startup = StartupStore();
    for (int page = 0; page < PageCount; ++page) {
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot) {
            const bool deqGain = page == PageDeq && (slot == 4 || slot == 14 || slot == 24);
            if (!deqGain)
                store.setValue(page, slot, startup.value(page, slot));
        }
    }
}

std::vector<std::string> BandNumberLabelNames(int sheet) {
    struct Row {
        std::string_view stem;
        int count;
    };
    static constexpr Row Rows[] = {
        {"MusEQPointLabel", 15}, {"MicEQPointLabel", 20},
        {"EffEQPointLabel", 7},  {"MainEQPointLabel", 10},
        {"HintEQPointLabel", 5}, {"RECEQPointLabel", 3},
        {"AUXEQPointLabel", 6},  {"", 0},
        {"DEQPointLabel", 3},
    };
    std::vector<std::string> names;
    if (sheet < 0 || sheet >= static_cast<int>(std::size(Rows)))
        return names;
    const Row& row = Rows[static_cast<std::size_t>(sheet)];
    for (int n = 1; n <= row.count; ++n)
        names.push_back(numbered(row.stem, n));
    return names;
}

std::vector<std::string> ReverbBandNumberLabelNames() {
    std::vector<std::string> names;
    for (int n = 1; n <= 7; ++n)
        names.push_back(numbered("RvbEQPointLabel", n));
    return names;
}

std::string AuxGainEditName(int band, bool secondTab) {
    const std::string stem = band < 3 ? "AUXMUS" : "AUXMIC";
    return numbered(stem + (secondTab ? "2GainEdit" : "GainEdit"), band % 3 + 1);
}

} // namespace kdsp
