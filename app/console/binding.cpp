#include "app/console/console.h"
#include "app/window/main_window.h"

namespace kdsp {

void Console::bindControls() {
    bindings_.build();
    flags_.loading = true;
    for (const auto& [name, assigned] : AssignedTags(Bindings())) {
        Control* control = bindings_.byName(QString::fromStdString(name));
        if (control == nullptr)
            continue;
        control->setTag(assigned.tag);
        if (!assigned.hint.empty())
            control->setHint(QString::fromStdString(assigned.hint));
    }
    ResetStoreForBinding(model_.store());
    flags_.loading = false;
}

void Console::adjustBindings() {
    const int output = model_.selection().CurrentOutputPage;
    const int rightPage = output >= 8 && output <= 11 ? 10 : output >= 12 && output <= 15 ? 14 : -1;
    if (rightPage > 0) {
        find<TrackBar>("MainRdelayBar")->setTag(makeTag(rightPage, 10));
        find<StatusPane>("MainRdelayPane")->setTag(makeTag(rightPage, 10));
        find<BitmapButton>("MainRmuteBtn")->setTag(makeTag(rightPage, 11));
    }
    const bool secondTab = find<PageControl>("AuxPageCtrol")->currentIndex() == 1;
    for (std::size_t band = 0; band < AuxGainSlots.size(); ++band) {
        const QString name =
            QString::fromStdString(AuxGainEditName(static_cast<int>(band), secondTab));
        bindings_.setControl(makeTag(PageAux, AuxGainSlots[band]), bindings_.byName(name));
    }
}

} // namespace kdsp
