#pragma once

#include "link/link_texts.h"
#include "presets/preset_link.h"

namespace kdsp {

// What the system page's editors need from the link besides committed
// values (which go through the model): the preset and mode commands, the
// texts the box reported, and the link-up stage the lock check moves on.
class EditorLink : public PresetLink {
public:
    // Names, device password and system code as the box sent them; the mode
    // store and the password change write here ahead of the box.
    virtual LinkTexts& texts() = 0;
    // 0 after the connect command, 1 once the link has come up, 2 once the
    // console has asked for the device password on this link.
    virtual int linkUpStage() const = 0;
    virtual void setLinkUpStage(int stage) = 0;
};

} // namespace kdsp
