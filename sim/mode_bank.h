#pragma once

#include "link/link_texts.h"
#include "model/parameter_store.h"

#include <string>
#include <string_view>
#include <vector>

namespace kdsp {

// The box's two lists of numbered modes. A system mode is a snapshot of the
// whole store; a hint mode covers the three hint pages only. Names are kept
// as the box shows them: at most 20 characters, trailing spaces removed.
class ModeBank {
public:
    static constexpr std::size_t MaxNameLength = 20;
    static constexpr int HintPageCount = 3;

    ModeBank();

    static constexpr bool validIndex(int index) { return index >= 0 && index < ModesPerList; }

    // Page-30 slot that remembers which mode of `list` was recalled last.
    static constexpr int recalledModeSlot(ModeList list) {
        return list == ModeList::System ? 2 : 34;
    }

    // Copies the pages `list` covers from `live` and names the mode. Returns
    // false, changing nothing, when `index` is outside 0..15.
    bool store(ModeList list, int index, const ParameterStore& live, std::string_view name);

    // Copies the mode's pages into `live` and notes the index in its
    // recalled-mode slot. Returns false, changing nothing, when `index` is
    // outside 0..15.
    bool recall(ModeList list, int index, ParameterStore& live) const;

    // `index` must be in 0..15.
    const std::string& name(ModeList list, int index) const;
    // The mode's saved pages (only those the list covers are meaningful).
    // `index` must be in 0..15.
    const ParameterStore& snapshot(ModeList list, int index) const {
        return modes(list)[static_cast<std::size_t>(index)].pages;
    }

    // The pages a mode of `list` covers, as [first, last).
    static constexpr int firstPage(ModeList list) {
        return list == ModeList::System ? 0 : PageHint;
    }
    static constexpr int endPage(ModeList list) {
        return list == ModeList::System ? PageCount : PageHint + HintPageCount;
    }

private:
    struct Mode {
        ParameterStore pages;
        std::string name;
    };

    std::vector<Mode>& modes(ModeList list) { return list == ModeList::System ? system_ : hint_; }
    const std::vector<Mode>& modes(ModeList list) const {
        return list == ModeList::System ? system_ : hint_;
    }

    // On the heap: 32 stores would make the simulator too large for a stack.
    std::vector<Mode> system_;
    std::vector<Mode> hint_;
};

} // namespace kdsp
