#include "model/parameter_model.h"

namespace kdsp {

namespace {

constexpr int InputSourceSlot = 88;

void copySlots(ParameterStore& store, int fromPage, int fromSlot, int toPage, int toSlot,
               int count) {
    for (int i = 0; i < count; ++i)
        store.setValue(toPage, toSlot + i, store.value(fromPage, fromSlot + i));
}

void copyOutputPage(ParameterStore& store, int fromPage, int toPage) {
    for (int slot = 0; slot <= 70; ++slot) {
        if (slot == 10 || slot == 11)
            continue; // delay and mute stay per channel
        store.setValue(toPage, slot, store.value(fromPage, slot));
    }
}

} // namespace

ParameterModel::ParameterModel(CommitSink& sink, ModelObserver& observer)
    : sink_(sink), observer_(observer), store_(StartupStore()) {}

Tag ParameterModel::resolveStoreTag(Tag viewTag) {
    if (viewTag == makeTag(PageMusic, 0))
        observer_.musicInputGainEnabled(store_.value(PageMusic, InputSourceSlot) != 0);
    return ResolveStoreTag(viewTag, selection_, store_);
}

void ParameterModel::commitValue(Tag viewTag, std::int32_t value) {
    view_.setValue(viewTag, value);
    const Tag storeTag = resolveStoreTag(viewTag);
    store_.setValue(storeTag, value);
    sink_.sendParameter(storeTag, value);
}

void ParameterModel::loadViewValues() {
    for (int page : ViewPages) {
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot)
            view_.setValue(page, slot, store_.value(resolveStoreTag(makeTag(page, slot))));
    }
    // The right-channel delay and mute are not reachable through view page 8.
    const int mode = selection_.OutputModeOffset;
    for (int rightPage : {10, 14}) {
        for (int slot : {10, 11})
            view_.setValue(rightPage, slot, store_.value(rightPage + mode, slot));
    }
}

int ParameterModel::storePageOf(int viewPage) const {
    switch (viewPage) {
    case 0:
        return selection_.CurrentMusicPage;
    case 3:
        return selection_.CurrentMicPage;
    case 5:
        return selection_.CurrentEffectPage;
    case 8:
        return selection_.CurrentOutputPage;
    case 22:
        return selection_.CurrentHintPage;
    default:
        return viewPage;
    }
}

void ParameterModel::resetEq(int viewPage) {
    const int page = viewPage == ResetAllPages ? ResetAllPages : storePageOf(viewPage);
    for (int i = 0; i < BandPageCount; ++i) {
        if (page == ResetAllPages || page == i)
            WriteBandDefaults(store_, i);
    }
    if (page != ResetAllPages && page >= 0 && page < BandPageCount)
        commitValue(makeTag(PageEqReset, ResetNumber(page)), 1);
    observer_.refreshRequested(viewPage);
}

void ParameterModel::copyChannel(ChannelPair pair) {
    switch (pair) {
    case ChannelPair::Music:
        copySlots(store_, PageMusic, 10, PageMusicRight, 0, 75);
        break;
    case ChannelPair::Mic:
        copySlots(store_, PageMic1, 0, PageMic2, 0, 116);
        break;
    case ChannelPair::Main:
        copyOutputPage(store_, 8, 10);
        copyOutputPage(store_, 9, 11);
        break;
    case ChannelPair::Surround:
        copyOutputPage(store_, 12, 14);
        copyOutputPage(store_, 13, 15);
        break;
    }
}

} // namespace kdsp
