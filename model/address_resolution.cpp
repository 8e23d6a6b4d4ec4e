#include "model/address_resolution.h"

namespace kdsp {

namespace {

constexpr int InputSourceSlot = 88;

int musicGainSlot(int source) {
    switch (source) {
    case 2:
        return 1;
    case 3:
        return 2;
    case 4:
        return 93;
    case 5:
        return 94;
    default:
        return 0;
    }
}

// Store page of the limiter, delay and mute slots of the output pages.
int outputSharedPage(int outputPage, int mode) {
    if (outputPage >= 8 && outputPage <= 11)
        return 8 + mode;
    if (outputPage >= 12 && outputPage <= 15)
        return 12 + mode;
    return outputPage;
}

int resolveOutputPage(int page, int slot, const ViewSelection& sel) {
    const int mode = sel.OutputModeOffset;
    if (slot >= 12 && slot <= 15)
        return outputSharedPage(sel.CurrentOutputPage, mode);
    if (slot == 10 || slot == 11) {
        switch (page) {
        case 9:
            return 8 + mode;
        case 10:
        case 11:
            return 10 + mode;
        case 12:
        case 13:
            return 12 + mode;
        case 14:
        case 15:
            return 14 + mode;
        default:
            return outputSharedPage(sel.CurrentOutputPage, mode);
        }
    }
    return sel.CurrentOutputPage;
}

int bandPoint(int slot, int firstSlot) {
    return (slot - firstSlot) / SlotsPerBand;
}
int bandPosition(int slot, int firstSlot) {
    return (slot - firstSlot) % SlotsPerBand;
}

int encodePoint(int point, int position) {
    return point * 256 + position;
}

struct PassPoints {
    int page;
    int highPassSlot; // type slot; the frequency follows it
    int lowPassSlot;
};

constexpr PassPoints PassPointTable[] = {
    {0, 4, 6}, {3, 9, 11}, {5, 9, 11}, {7, 6, 8}, {8, 16, 18}, {20, 12, 14},
};

} // namespace

Tag ResolveStoreTag(Tag viewTag, const ViewSelection& sel, const ParameterStore& store) {
    const int page = pageOf(viewTag);
    const int slot = slotOf(viewTag);
    int storePage = page;
    int storeSlot = slot;

    if (page == 3 || page == 4) {
        if (slot != 13)
            storePage = sel.CurrentMicPage;
    } else if (page == 0) {
        if (slot == 0)
            storeSlot = musicGainSlot(store.value(PageMusic, InputSourceSlot));
        if (sel.CurrentMusicPage == 1 && storeSlot >= 10 && storeSlot <= 84) {
            storePage = 1;
            storeSlot -= 10;
        }
    } else if (page == 5 || page == 6) {
        if (sel.CurrentEffectPage != 7)
            storePage = sel.CurrentEffectPage;
    } else if (page >= 8 && page <= 19) {
        storePage = resolveOutputPage(page, slot, sel);
    } else if (page >= 22 && page <= 24) {
        storePage = sel.CurrentHintPage;
    }
    return makeTag(storePage, storeSlot);
}

int BandOfTag(Tag viewTag) {
    const int page = pageOf(viewTag);
    const int slot = slotOf(viewTag);

    if (page == PageDeq) {
        for (int band = 0; band < 3; ++band) {
            const int first = DeqBandSlots[static_cast<std::size_t>(band)];
            if (slot >= first && slot < first + SlotsPerBand)
                return encodePoint(band, slot - first);
        }
        return 0;
    }
    if (page == PageAux)
        return slot >= 1 && slot <= 30 ? encodePoint(bandPoint(slot, 1), bandPosition(slot, 1)) : 0;
    if (page == PageHint)
        return slot >= 1 ? encodePoint(bandPoint(slot, 1), bandPosition(slot, 1)) : 0;

    for (const auto& entry : PassPointTable) {
        if (entry.page != page)
            continue;
        const int bands = BandCount[static_cast<std::size_t>(page)];
        const int first = FirstBandSlot[static_cast<std::size_t>(page)];
        if (slot == entry.highPassSlot || slot == entry.highPassSlot + 1)
            return encodePoint(bands, 0);
        if (slot == entry.lowPassSlot || slot == entry.lowPassSlot + 1)
            return encodePoint(bands + 1, 0);
        const int lastBandSlot = page == PageMusic ? 84 : SlotsPerPage - 1;
        if (slot >= first && slot <= lastBandSlot)
            return encodePoint(bandPoint(slot, first), bandPosition(slot, first));
        return 0;
    }
    return 0;
}

Tag ResolveQSlot(Tag viewTag, const ViewValues& view) {
    const int position = BandOfTag(viewTag) % 256;
    if (position != BandQPeaking && position != BandQShelf)
        return viewTag;
    const Tag typeSlot = viewTag - position;
    return view.value(typeSlot) < 2 ? typeSlot + BandQPeaking : typeSlot + BandQShelf;
}

} // namespace kdsp
