#pragma once

#include "presets/preset_kind.h"

#include <QObject>
#include <array>

namespace kdsp {

class Console;
class Edit;
class ListGrid;
class MainWindow;
class PresetFiles;

// The two preset-file panels: whole-setup files on the system settings
// sheet and hint-equaliser files on the hint page. Each lists its folder as
// "NO." / "File Name" rows; a click on a row puts the name into the name
// edit, whose text the save and load buttons use; the list's pop-up menu
// deletes the file of the current row.
class FilePanel : public QObject {
    Q_OBJECT
public:
    FilePanel(MainWindow& window, Console& console, PresetFiles& files);

    // Creates the folders and lists both kinds.
    void prepare();
    // Shows the kind's names as the preset core last listed them; the row
    // of `current`, when listed, becomes the current row, and the current
    // row's name goes into the name edit.
    void showList(PresetKind kind, const QString& current = {});

    void save(PresetKind kind);
    void load(PresetKind kind);
    void remove(PresetKind kind);

private:
    struct Panel {
        ListGrid* list = nullptr;
        Edit* name = nullptr;
    };
    Panel& panel(PresetKind kind);
    void rowClicked(PresetKind kind, int row);
    QString rowName(PresetKind kind, int row);

    MainWindow& window_;
    Console& console_;
    PresetFiles& files_;
    std::array<Panel, 2> panels_{};
};

} // namespace kdsp
