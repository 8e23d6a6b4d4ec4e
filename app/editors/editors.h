#pragma once

#include "app/editors/access_codes.h"
#include "app/editors/device_lock.h"
#include "app/editors/edit_keys.h"
#include "app/editors/file_panel.h"
#include "app/editors/mode_panel.h"
#include "presets/device_modes.h"
#include "presets/preset_files.h"

namespace kdsp {

class Console;
class EditorLink;
class MainWindow;
class Prompter;

// The editors that work beside the console's generic control handlers: the
// keys of the numeric edits, the device lock, the access codes, and the
// mode and preset-file panels with the preset core behind them. Preset
// files live under `presets`; the folders are made and listed here.
class Editors {
public:
    Editors(MainWindow& window, Console& console, EditorLink& link, Prompter& prompter,
            const PresetFolders& presets);

private:
    DeviceModes modes_;
    PresetFiles files_;
    EditKeys keys_;
    DeviceLock lock_;
    AccessCodes codes_;
    ModePanel modePanel_;
    FilePanel filePanel_;
};

} // namespace kdsp
