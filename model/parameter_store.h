#pragma once

#include "model/page_catalogue.h"

#include <array>
#include <cassert>
#include <cstdint>

namespace kdsp {

// A 31 x 165 table of signed 32-bit values by page and slot. Callers keep
// page and slot in range; the receive path checks before it writes.
class PageTable {
public:
    static constexpr bool contains(int page, int slot) {
        return page >= 0 && page < PageCount && slot >= 0 && slot < SlotsPerPage;
    }
    static constexpr bool contains(Tag tag) {
        return tag >= 0 && contains(pageOf(tag), slotOf(tag));
    }

    std::int32_t value(int page, int slot) const {
        assert(contains(page, slot));
        return rows_[static_cast<std::size_t>(page)][static_cast<std::size_t>(slot)];
    }
    std::int32_t value(Tag tag) const { return value(pageOf(tag), slotOf(tag)); }

    void setValue(int page, int slot, std::int32_t v) {
        assert(contains(page, slot));
        rows_[static_cast<std::size_t>(page)][static_cast<std::size_t>(slot)] = v;
    }
    void setValue(Tag tag, std::int32_t v) { setValue(pageOf(tag), slotOf(tag), v); }

    void clear() { rows_ = {}; }

    friend bool operator==(const PageTable&, const PageTable&) = default;

private:
    std::array<std::array<std::int32_t, SlotsPerPage>, PageCount> rows_{};
};

// The console's image of the box, by store page.
class ParameterStore : public PageTable {};

// What the bound controls show, by view page.
class ViewValues : public PageTable {};

// Writes the five default slots of every band of store page `page` (0..24).
void WriteBandDefaults(PageTable& table, int page);

// The store as it is before anything arrives from the box: source gains,
// input source, manual output control, the open low-pass filters, and every
// equaliser band at its defaults.
ParameterStore StartupStore();

} // namespace kdsp
