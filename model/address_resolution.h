#pragma once

#include "model/page_catalogue.h"
#include "model/parameter_store.h"
#include "model/view_selection.h"

namespace kdsp {

// The store address that view address `viewTag` currently stands for. The
// music input gain (view slot 0 of page 0) follows the input source held in
// store page 0 slot 88.
Tag ResolveStoreTag(Tag viewTag, const ViewSelection& selection, const ParameterStore& store);

// Which graph point a view tag belongs to and its position in the band:
// point * 256 + position, or 0 when the tag belongs to no point.
int BandOfTag(Tag viewTag);

// For a tag on either Q slot of a band, the Q slot the band's current type
// uses (slot +3 for bypass and peaking, +4 for the shelves); any other tag
// unchanged.
Tag ResolveQSlot(Tag viewTag, const ViewValues& view);

} // namespace kdsp
