#include "app/console/control_bindings.h"

#include "app/window/main_window.h"

namespace kdsp {

namespace {

QString qName(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

ControlBindings::ControlBindings(MainWindow& window)
    : entries_(static_cast<std::size_t>(PageCount * SlotsPerPage)) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (Control* control = AsControl(widget);
            control != nullptr && !widget->objectName().isEmpty())
            byName_.insert(widget->objectName(), control);
    }
}

Control* ControlBindings::resolve(const std::string& name) {
    if (name.empty())
        return nullptr;
    Control* control = byName(qName(name));
    if (control == nullptr && !missing_.contains(qName(name)))
        missing_.append(qName(name));
    return control;
}

template <class T, std::size_t N, class Names>
void ControlBindings::resolveGroup(std::array<T*, N>& group, const Names& names) {
    for (std::size_t i = 0; i < N; ++i)
        group[i] = dynamic_cast<T*>(resolve(std::string(names[i])));
}

void ControlBindings::build() {
    missing_.clear();
    primaries_.clear();
    for (int page = 0; page < PageCount; ++page) {
        for (int slot = 0; slot < SlotsPerPage; ++slot) {
            const SlotBinding& names = Bindings().at(page, slot);
            Entry& e = entries_[static_cast<std::size_t>(page * SlotsPerPage + slot)];
            e.control = resolve(names.control);
            e.readout = resolve(names.readout);
            for (std::size_t i = 0; i < e.companions.size(); ++i)
                e.companions[i] = resolve(names.companions[i]);
            if (e.control != nullptr)
                primaries_.insert(e.control);
        }
    }
    resolveGroup(viewSelectors, ViewSelectorNames);
    resolveGroup(effectSelectors, EffectSelectorNames);
    resolveGroup(hintSelectors, HintSelectorNames);
    resolveGroup(linkButtons, LinkButtonNames);
    resolveGroup(outputModeButtons, OutputModeButtonNames);
    resolveGroup(factoryModeButtons, FactoryModeButtonNames);
    for (std::size_t sheet = 0; sheet < numberLabels.size(); ++sheet) {
        numberLabels[sheet].clear();
        for (const std::string& name : BandNumberLabelNames(static_cast<int>(sheet)))
            numberLabels[sheet].push_back(dynamic_cast<StyledLabel*>(resolve(name)));
    }
    reverbNumberLabels.clear();
    for (const std::string& name : ReverbBandNumberLabelNames())
        reverbNumberLabels.push_back(dynamic_cast<StyledLabel*>(resolve(name)));
}

void ControlBindings::setControl(Tag tag, Control* control) {
    if (!PageTable::contains(tag))
        return;
    entries_[static_cast<std::size_t>(pageOf(tag) * SlotsPerPage + slotOf(tag))].control = control;
    if (control != nullptr)
        primaries_.insert(control);
}

const ControlBindings::Entry& ControlBindings::entry(Tag tag) const {
    static const Entry none{};
    if (!PageTable::contains(tag))
        return none;
    return entries_[static_cast<std::size_t>(pageOf(tag) * SlotsPerPage + slotOf(tag))];
}

} // namespace kdsp
