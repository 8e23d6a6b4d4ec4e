#pragma once

#include "model/parameter_store.h"
#include "presets/bilingual.h"
#include "presets/preset_folders.h"
#include "presets/preset_kind.h"
#include "presets/preset_link.h"
#include "presets/prompter.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace kdsp {

enum class SaveOutcome { NothingToSave, InvalidName, Cancelled, Failed, Saved };
enum class LoadOutcome { Declined, InvalidName, CannotOpen, FormatError, Corrupted, Loaded };

// The save, load and delete commands of both kinds of preset file, with the
// name table of each kind as last listed. Every message goes through the
// prompter in the language of the call.
class PresetFiles {
public:
    PresetFiles(PresetFolders folders, ParameterStore& store, Prompter& prompter, PresetLink& link);

    const PresetFolders& folders() const { return folders_; }

    // Creates the missing folders and lists both kinds.
    void prepare();
    void refresh(PresetKind kind);
    const std::vector<std::string>& names(PresetKind kind) const;

    // Writes the store under `name` in the kind's folder. An empty name does
    // nothing; a name in the table asks before it is overwritten (a file
    // made elsewhere since the last listing is overwritten without asking).
    // The list is refreshed after every write attempt.
    SaveOutcome save(PresetKind kind, std::string_view name, Language language);

    // Asks, then reads and checks the whole file; only a good file reaches
    // the store, and it is uploaded when the link is online. Offline, the
    // store changes and nothing is sent.
    LoadOutcome load(PresetKind kind, std::string_view name, Language language);

    // Shows the file's path, deletes it and refreshes the list. An empty name
    // does nothing; false when nothing was deleted.
    bool remove(PresetKind kind, std::string_view name, Language language);

private:
    std::vector<std::string>& table(PresetKind kind);

    PresetFolders folders_;
    ParameterStore& store_;
    Prompter& prompter_;
    PresetLink& link_;
    std::array<std::vector<std::string>, 2> names_;
};

} // namespace kdsp
