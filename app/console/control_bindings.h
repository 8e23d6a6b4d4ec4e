#pragma once

#include "app/controls/buttons.h"
#include "app/controls/containers.h"
#include "app/controls/inputs.h"
#include "app/controls/labels.h"
#include "model/binding_tables.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <array>
#include <vector>

namespace kdsp {

class MainWindow;

// The binding tables over the real widgets: which control edits, shows or
// mirrors each view page and slot, and the groups addressed by position.
class ControlBindings {
public:
    // Looks every control of the window up by its component name.
    explicit ControlBindings(MainWindow& window);

    // The control of that component name, or nullptr.
    Control* byName(const QString& name) const { return byName_.value(name); }
    template <class T> T* find(const QString& name) const { return dynamic_cast<T*>(byName(name)); }

    // Fills the tables from the model's binding tables.
    void build();

    Control* control(Tag tag) const { return entry(tag).control; }
    Control* readout(Tag tag) const { return entry(tag).readout; }
    Control* companion(Tag tag, int index) const {
        return entry(tag).companions[static_cast<std::size_t>(index)];
    }
    void setControl(Tag tag, Control* control);

    // Whether `control` is the primary control of some slot.
    bool isPrimary(Control* control) const { return primaries_.contains(control); }

    // Names of the table entries that the window lacks; empty when whole.
    const QStringList& missing() const { return missing_; }

    std::array<ToolButton*, 13> viewSelectors{};
    std::array<ToolButton*, 3> effectSelectors{};
    std::array<ToolButton*, 4> hintSelectors{};
    std::array<BitmapButton*, 3> linkButtons{};
    std::array<BitmapButton*, 2> outputModeButtons{};
    std::array<BitmapButton*, 7> factoryModeButtons{};
    // Band number labels by sheet index; the reverb has its own row.
    std::array<std::vector<StyledLabel*>, 9> numberLabels{};
    std::vector<StyledLabel*> reverbNumberLabels;

private:
    struct Entry {
        Control* control = nullptr;
        Control* readout = nullptr;
        std::array<Control*, CompanionCount> companions{};
    };

    const Entry& entry(Tag tag) const;
    Control* resolve(const std::string& name);
    template <class T, std::size_t N, class Names>
    void resolveGroup(std::array<T*, N>& group, const Names& names);

    QHash<QString, Control*> byName_;
    std::vector<Entry> entries_;
    QSet<Control*> primaries_;
    QStringList missing_;
};

} // namespace kdsp
