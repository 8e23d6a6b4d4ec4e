#include "app/editors/editors.h"

#include "app/console/console.h"
#include "app/editors/editor_link.h"

namespace kdsp {

Editors::Editors(MainWindow& window, Console& console, EditorLink& link, Prompter& prompter,
                 const PresetFolders& presets)
    : modes_(console.model(), link.texts(), prompter, link),
      files_(presets, console.model().store(), prompter, link), keys_(console),
      lock_(window, console, link), codes_(window, console),
      modePanel_(window, console, modes_, link), filePanel_(window, console, files_) {
    filePanel_.prepare();
}

} // namespace kdsp
