#include "app/editors/mode_panel.h"

#include "app/console/console.h"
#include "app/editors/editor_link.h"
#include "app/window/main_window.h"
#include "presets/device_modes.h"
#include "presets/mode_texts.h"

namespace kdsp {

ModePanel::ModePanel(MainWindow& window, Console& console, DeviceModes& modes, EditorLink& link)
    : window_(window), console_(console), modes_(modes), link_(link) {
    const auto button = [&window](const char* name) {
        return window.control<QPushButton>(QString::fromLatin1(name));
    };
    const auto box = [&window](const char* name) {
        return window.control<ComboBox>(QString::fromLatin1(name));
    };
    const auto edit = [&window](const char* name) {
        return window.control<Edit>(QString::fromLatin1(name));
    };
    const struct {
        const char* recall;
        const char* store; // none for the auxiliary page's recall group
        ModeList list;
        const char* box;
        const char* name;
    } panels[] = {
        {"SysLoadModeBtn", "SysSaveModeBtn", ModeList::System, "SysModeBox", "PresetModeEdit"},
        {"SysLoad2ModeBtn", "SysSave2ModeBtn", ModeList::Hint, "SysMode2Box", "PresetMode2Edit"},
        {"SysLoad3ModeBtn", nullptr, ModeList::Hint, "SysMode3Box", "PresetMode3Edit"},
    };
    for (const auto& panel : panels) {
        ComboBox* modeBox = box(panel.box);
        const ModeList list = panel.list;
        connect(button(panel.recall), &QPushButton::clicked, this,
                [this, list, modeBox] { recall(list, modeBox); });
        if (panel.store != nullptr) {
            Edit* name = edit(panel.name);
            connect(button(panel.store), &QPushButton::clicked, this,
                    [this, list, modeBox, name] { store(list, modeBox, name); });
        }
    }
    const auto& userButtons = console.bindings().factoryModeButtons;
    for (std::size_t i = 0; i < userButtons.size(); ++i)
        connect(userButtons[i], &QPushButton::clicked, this,
                [this, i] { userModeClicked(static_cast<int>(i)); });
}

void ModePanel::recall(ModeList list, ComboBox* box) {
    modes_.recall(list, box->itemIndex(), box->currentText().toStdString(), console_.language());
    // Yes or No, the buttons show the system mode the store now holds.
    if (list == ModeList::System)
        console_.showFactoryModeButtons();
}

void ModePanel::store(ModeList list, ComboBox* box, Edit* name) {
    modes_.store(list, box->itemIndex(), name->text().toStdString(), console_.language());
}

void ModePanel::userModeClicked(int button) {
    BitmapButton* clicked =
        console_.bindings().factoryModeButtons[static_cast<std::size_t>(button)];
    const UserModeAction action =
        UserModeButtonAction(clicked->caption().toStdString(), link_.online());
    switch (action.kind) {
    case UserModeAction::RecallSystemMode: {
        auto* box = window_.control<ComboBox>(QStringLiteral("SysModeBox"));
        box->setItemIndex(action.modeIndex);
        console_.modeBoxChanged(box);
        recall(ModeList::System, box);
        break;
    }
    case UserModeAction::ShowModeSheet:
        window_.control<PageControl>(QStringLiteral("AdvPageControl1"))->setCurrentIndex(1);
        break;
    case UserModeAction::Nothing:
        break;
    }
}

} // namespace kdsp
