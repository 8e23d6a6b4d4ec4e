#include "sim/mode_bank.h"

namespace kdsp {

namespace {

void copyPages(const PageTable& from, PageTable& to, int firstPage, int endPage) {
    for (int page = firstPage; page < endPage; ++page)
        for (int slot = 0; slot < SlotsPerPage; ++slot)
            to.setValue(page, slot, from.value(page, slot));
}

std::string boxName(std::string_view text) {
    std::string name(text.substr(0, ModeBank::MaxNameLength));
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

} // namespace

ModeBank::ModeBank()
    : system_(static_cast<std::size_t>(ModesPerList)),
      hint_(static_cast<std::size_t>(ModesPerList)) {}

bool ModeBank::store(ModeList list, int index, const ParameterStore& live, std::string_view name) {
    if (!validIndex(index))
        return false;
    Mode& mode = modes(list)[static_cast<std::size_t>(index)];
    copyPages(live, mode.pages, firstPage(list), endPage(list));
    mode.name = boxName(name);
    return true;
}

bool ModeBank::recall(ModeList list, int index, ParameterStore& live) const {
    if (!validIndex(index))
        return false;
    const Mode& mode = modes(list)[static_cast<std::size_t>(index)];
    copyPages(mode.pages, live, firstPage(list), endPage(list));
    live.setValue(PageSystem, recalledModeSlot(list), index);
    return true;
}

const std::string& ModeBank::name(ModeList list, int index) const {
    return modes(list)[static_cast<std::size_t>(index)].name;
}

} // namespace kdsp
