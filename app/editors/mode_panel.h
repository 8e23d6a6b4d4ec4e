#pragma once

#include "link/link_texts.h"

#include <QObject>

namespace kdsp {

class ComboBox;
class Console;
class DeviceModes;
class Edit;
class EditorLink;
class MainWindow;

// The device-mode panels: recall of the mode chosen in a mode box and store
// of the current settings under the name typed beside it, each after its
// question, for the system list (main settings) and the hint list (hint
// page, and the extra recall group of the auxiliary page); and the
// one-click user-mode buttons of the main settings sheet.
class ModePanel : public QObject {
    Q_OBJECT
public:
    ModePanel(MainWindow& window, Console& console, DeviceModes& modes, EditorLink& link);

private:
    void recall(ModeList list, ComboBox* box);
    void store(ModeList list, ComboBox* box, Edit* name);
    void userModeClicked(int button);

    MainWindow& window_;
    Console& console_;
    DeviceModes& modes_;
    EditorLink& link_;
};

} // namespace kdsp
