#include "sim/box_defaults.h"

#include <string>

namespace kdsp {

namespace {

constexpr int PitchSlot = 3;
constexpr int MusicBand1Gain = 12;
constexpr int HintBand1Gain = 3;
constexpr int HighestSourceSlot = 20;
constexpr int GainZeroDb = 120;
constexpr int HintModeGainBase = 100;

} // namespace

ParameterStore BoxStartStore() {
    ParameterStore store = StartupStore();
    store.setValue(PageMusic, PitchSlot, 5);
    store.setValue(PageMusic, MusicBand1Gain, 150);
    store.setValue(PageHint, HintBand1Gain, 130);
    store.setValue(PageVolume, 0, 50);
    store.setValue(PageVolume, 1, 60);
    store.setValue(PageVolume, 2, 40);
    store.setValue(PageSystem, HighestSourceSlot, 5);
    return store;
}

ModeBank BoxStartModes() {
    ModeBank bank;
    ParameterStore system = BoxStartStore();
    ParameterStore hint = BoxStartStore();
    for (int k = 0; k < ModesPerList; ++k) {
        const std::string number = std::to_string(k + 1);
        system.setValue(PageMusic, MusicBand1Gain, GainZeroDb + k);
        system.setValue(PageSystem, ModeBank::recalledModeSlot(ModeList::System), k);
        bank.store(ModeList::System, k, system, "System mode " + number);
        hint.setValue(PageHint, HintBand1Gain, HintModeGainBase + k);
        bank.store(ModeList::Hint, k, hint, "Hint mode " + number);
    }
    return bank;
}

} // namespace kdsp
