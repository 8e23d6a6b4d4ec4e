#pragma once

#include "link/link_texts.h"
#include "model/parameter_model.h"
#include "presets/bilingual.h"
#include "presets/preset_link.h"
#include "presets/prompter.h"

#include <string_view>

namespace kdsp {

// Recalling and storing the box's own modes. The box does the work; the
// console sends one command and follows the box.
class DeviceModes {
public:
    // `names` is the link's table of mode names, which the store updates
    // ahead of the box so that the list rebuilt on its acknowledgement
    // shows the new name.
    DeviceModes(ParameterModel& model, LinkTexts& names, Prompter& prompter, PresetLink& link);

    // Asks "模式切换为ITEM?" / "Load Mode toITEM?"; on Yes commits `index`
    // to the list's recall slot through the model, so the store shows the
    // new mode and the write queue sends it. False when nothing was sent
    // (No, or an index outside 0..15).
    bool recall(ModeList list, int index, std::string_view item, Language language);

    // Asks "保存当前模式为 N-NAME?" / "Save Mode to N-NAME?"; on Yes names the
    // mode locally, sends the store command, arms the list's follow-up, shows
    // "保存中..." / "Saving..." and leaves the link waiting for the box. The
    // name is cut to the 20 bytes the box keeps; an empty name is allowed.
    bool store(ModeList list, int index, std::string_view name, Language language);

private:
    ParameterModel& model_;
    LinkTexts& names_;
    Prompter& prompter_;
    PresetLink& link_;
};

} // namespace kdsp
