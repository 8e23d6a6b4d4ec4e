#include "model/parameter_store.h"

namespace kdsp {

namespace {

constexpr int BandDefaultType = 1;   // peaking
constexpr int BandDefaultGain = 120; // 0.0 dB
constexpr int BandDefaultQ = 16;     // "1.00"
constexpr int OpenLowPass = 360;     // highest frequency index

} // namespace

void WriteBandDefaults(PageTable& table, int page) {
    for (int band = 0; band < BandCount[static_cast<std::size_t>(page)]; ++band) {
        const int slot = bandSlot(page, band);
        table.setValue(page, slot + BandType, BandDefaultType);
        table.setValue(page, slot + BandFrequency, DefaultBandFrequency(page, band));
        table.setValue(page, slot + BandGain, BandDefaultGain);
        table.setValue(page, slot + BandQPeaking, BandDefaultQ);
        table.setValue(page, slot + BandQShelf, BandDefaultQ);
    }
}

ParameterStore StartupStore() {
    ParameterStore store;
    store.setValue(PageMusic, 0, 1);
    store.setValue(PageMusic, 1, 10);
    store.setValue(PageMusic, 2, 11);
    store.setValue(PageMusic, 93, 12);
    store.setValue(PageMusic, 94, 13);
    store.setValue(PageMusic, 88, 1);
    store.setValue(PageMusic, 85, 1);
    store.setValue(PageSystem, 20, 4);
    store.setValue(PageSystem, 21, 1);

    store.setValue(PageMusic, 7, OpenLowPass);
    for (int page : {PageMic1, PageMic2, PageEcho, PageEcho2})
        store.setValue(page, 12, OpenLowPass);
    store.setValue(PageReverb, 9, OpenLowPass);
    for (int page = PageMain; page < PageRec; ++page)
        store.setValue(page, 19, OpenLowPass);

    for (int page = 0; page < BandPageCount; ++page)
        WriteBandDefaults(store, page);
    return store;
}

} // namespace kdsp
