#include "app/console/console.h"
#include "app/window/main_window.h"
#include "model/value_scales.h"
#include "presets/mode_texts.h"

#include <climits>
#include <cmath>

namespace kdsp {

namespace {

// Halves to even, saturating.
int toIndex(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (value <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(std::nearbyint(value));
}

int kindOf(const Control* control) {
    return control->hint().toInt();
}

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

void Console::showValue(Control* c, int action, bool fromStore, double value) {
    if (c == nullptr)
        return;
    const ControlKind classKind = c->kind();
    int kind = 0;
    if (classKind == ControlKind::Edit || classKind == ControlKind::StatusPane) {
        kind = kindOf(c);
    } else if (classKind == ControlKind::ComboBox) {
        if (c->hint().isEmpty())
            return;
        kind = kindOf(c);
    } else {
        return;
    }
    if (classKind == ControlKind::StatusPane && kind < 6)
        return;

    ViewValues& view = model_.viewValues();
    const Tag tag = model_.resolveQSlot(c->tag());
    const ValueContext context = ValueContextFor(tag, view, model_.selection().CurrentViewPage);
    int i = toIndex(value);

    switch (kind) {
    case 1:
        i = std::min(i, 3);
        if (auto* box = dynamic_cast<ComboBox*>(c))
            box->setItemIndex(i);
        break;
    case 2:
    case 3:
    case 5:
        if (fromStore) {
            // What the box holds is shown as it is, short of the scale's end.
            i = std::min(i, LimitValue(kind, INT_MAX, {}));
            if (kind == 3 && model_.selection().CurrentViewPage == PageDeq)
                i = std::max(i, context.gainLower);
        } else {
            i = StepValue(kind, i, action, context);
        }
        c->setCaption(qText(FormatValue(kind, i)));
        break;
    case 4:
        if (fromStore) {
            i = view.value(tag);
            if (i > QCount - 1) {
                i = QCount - 1;
                view.setValue(tag, i);
            }
        } else {
            i = StepValue(kind, i, action, context);
        }
        c->setCaption(qText(FormatValue(kind, i)));
        break;
    case 27:
    case 28:
        i = fromStore ? LimitValue(kind, i, context) : StepValue(kind, i, action, context);
        c->setCaption(qText(FormatValue(kind, i)));
        if (fromStore) {
            view.setValue(tag, i);
            model_.store().setValue(tag, i);
        }
        break;
    default:
        if (kind >= 6 && kind <= 26) {
            i = LimitValue(kind, i, context);
            c->setCaption(qText(FormatValue(kind, i)));
        }
        break;
    }
    if (kind >= 2 && kind <= 5) {
        if (kind == 2) {
            if (auto* edit = dynamic_cast<Edit*>(bindings_.control(tag)))
                activeEdit_ = edit;
        }
        widgetState(c, SheetOfPage(tag));
    }

    TrackBar* bar = dynamic_cast<TrackBar*>(bindings_.control(tag));
    if (bar == nullptr)
        bar = dynamic_cast<TrackBar*>(bindings_.companion(tag, 0));
    if (bar != nullptr) {
        flags_.trackBarGuard = true;
        bar->setPosition(i);
        flags_.trackBarGuard = false;
    }

    if (kind >= 0 && kind <= 4) {
        view.setValue(tag, i);
        model_.store().setValue(model_.resolveStoreTag(tag), i);
    }
    if (!fromStore)
        model_.commitValue(tag, i);
    if (kind >= 0 && kind <= 7 && !flags_.loading)
        lastEdit_ = {tag, i};
}

void Console::refreshSlot(int page, int slot) {
    const Tag tag = makeTag(page, slot);
    Control* k = bindings_.control(tag);
    const int v = model_.viewValues().value(tag);
    if (auto* bar = dynamic_cast<TrackBar*>(k)) {
        bar->setPosition(v);
    } else if (auto* button = dynamic_cast<BitmapButton*>(k)) {
        if (button->objectName() == EqPassButtonName.data())
            return;
        // Set to the opposite, so its own handler toggles it into place.
        button->setHint(v == 0 ? QStringLiteral("1") : QStringLiteral("0"));
        if (button->isPhaseButton())
            phaseClicked(button);
        else
            muteClicked(button);
    } else if (auto* box = dynamic_cast<ComboBox*>(k)) {
        box->setItemIndex(v);
        Control* first = bindings_.companion(tag, 0);
        if (dynamic_cast<StyledLabel*>(first) != nullptr ||
            dynamic_cast<BitmapButton*>(first) != nullptr)
            typeChanged(box);
    } else if (auto* edit = dynamic_cast<Edit*>(k)) {
        if (edit != placeholderEdit_)
            showValue(edit, ActionSet, true, v);
    }
}

void Console::refreshView(int page) {
    flags_.loading = true;
    flags_.sendingSuppressed = true;
    model_.loadViewValues();
    adjustBindings();
    ViewSelection& selection = model_.selection();
    const ParameterStore& store = model_.store();
    const ViewValues& view = model_.viewValues();
    const int mode = store.value(PageMusic, 86);
    selection.OutputModeOffset = mode == 0 || mode == 1 ? mode : 0;

    for (int g : ViewPages) {
        if (page != ResetAllPages && g != page)
            continue;
        for (int s = 0; s < SlotCount[static_cast<std::size_t>(g)]; ++s)
            refreshSlot(g, s);
    }

    // The input label names the selected source's volume.
    auto* source = find<ComboBox>("SysInputBox");
    const int sourceIndex =
        std::clamp(source->itemIndex() >= 0 ? source->itemIndex() : view.value(PageMusic, 88), 0,
                   static_cast<int>(InputSources().size()) - 1);
    const InputSourceText& sourceText = InputSources()[static_cast<std::size_t>(sourceIndex)];
    setBilingual(find<PlainLabel>("InputLabel"), sourceText.chineseVolumeLabel,
                 sourceText.englishVolumeLabel);

    // The right channel's delay and mute are not on view page 8.
    const int output = selection.CurrentOutputPage;
    const int rightPage = output >= 8 && output <= 11 ? 10 : output >= 12 && output <= 15 ? 14 : -1;
    if (rightPage > 0) {
        find<TrackBar>("MainRdelayBar")->setPosition(view.value(rightPage, 10));
        auto* mute = find<BitmapButton>("MainRmuteBtn");
        mute->setHint(view.value(rightPage, 11) == 0 ? QStringLiteral("1") : QStringLiteral("0"));
        muteClicked(mute);
    }

    // A left or right choice survives; only a stored link is taken over.
    const auto linkState = [&view](int current, Tag flag) {
        return view.value(flag) == 1 ? 1 : current == 1 ? 0 : current;
    };
    selection.MusicLinkState = linkState(selection.MusicLinkState, makeTag(0, 8));
    selection.MicLinkState = linkState(selection.MicLinkState, makeTag(3, 13));
    selection.MainLinkState = linkState(selection.MainLinkState, makeTag(0, 89));
    selection.SurroundLinkState = linkState(selection.SurroundLinkState, makeTag(0, 90));
    manual_ = view.value(PageMusic, 85) != 0;

    const auto showLink = [this](int state) {
        widgetState(bindings_.linkButtons[static_cast<std::size_t>(std::clamp(state, 0, 2))], 19);
    };
    if (selection.CurrentViewPage == 0)
        showLink(selection.MusicLinkState);
    else if (selection.CurrentViewPage == 3)
        showLink(selection.MicLinkState);
    else if (currentViewType_ == 5)
        showLink(selection.MainLinkState);
    else if (currentViewType_ == 6)
        showLink(selection.SurroundLinkState);

    // The equaliser-pass button stands for the pass slot of the page shown;
    // the dynamic equaliser and the auxiliary page have none.
    const int p = selection.CurrentView / 256;
    auto* pass = find<BitmapButton>(EqPassButtonName.data());
    pass->setTag(makeTag(p, FirstBandSlot[static_cast<std::size_t>(p)] - 1));
    if (p == PageDeq || p == PageAux)
        pass->setHint(QStringLiteral("1"));
    else
        pass->setHint(view.value(pass->tag()) == 0 ? QStringLiteral("1") : QStringLiteral("0"));
    const int passed = widgetState(pass, 11);
    eqPassState_[static_cast<std::size_t>(p)] = passed;
    find<StyledLabel>("EQPassLabel")->setVisible(passed != 0);

    autoManualClicked(find<BitmapButton>(manual_ ? "ManulModeBtn" : "AutoModeBtn"));
    widgetState(bindings_.outputModeButtons[static_cast<std::size_t>(selection.OutputModeOffset)],
                17);

    refreshSystemPage();

    flags_.loading = false;
    emit redrawRequested();
    flags_.sendingSuppressed = false;
}

void Console::refreshSystemPage() {
    const ParameterStore& store = model_.store();
    const ViewValues& view = model_.viewValues();
    find<GroupBox>("SysHintLoadGrop")->setVisible(store.value(PageSystem, 21) == 0);
    switchPairClicked(
        find<BitmapButton>(store.value(PageSystem, 3) == 0 ? "SysLRBtn1" : "SysLRBtn2"));
    switchPairClicked(
        find<BitmapButton>(store.value(PageSystem, 4) == 0 ? "SysPanelBtn1" : "SysPanelBtn2"));
    switchPairClicked(
        find<BitmapButton>(view.value(PageVolume, 9) == 0 ? "SysVolRunBtn1" : "SysVolRunBtn2"));
    fillModeBoxes();

    // The source list follows the box's highest source and the language.
    auto* source = find<ComboBox>("SysInputBox");
    const int last =
        std::clamp(store.value(PageSystem, 20), 0, static_cast<int>(InputSources().size()) - 1);
    source->clear();
    for (int i = 0; i <= last; ++i) {
        const InputSourceText& text = InputSources()[static_cast<std::size_t>(i)];
        source->addItem(
            qText(language_ == Language::Chinese ? text.chineseName : text.englishName));
    }
    source->setItemIndex(view.value(PageMusic, 88));
}

void Console::fillModeBox(const char* name, int list, int selected) {
    auto* box = find<ComboBox>(name);
    box->clear();
    for (int n = 1; n <= ModesPerList; ++n)
        box->addItem(QString::number(n) + "-" + QString::fromStdString(modeName_(list, n - 1)));
    box->setItemIndex(selected);
    modeBoxChanged(box);
}

void Console::fillModeBoxes() {
    const ParameterStore& store = model_.store();
    fillModeBox("SysModeBox", 0, store.value(PageSystem, 2));
    fillModeBox("SysMode2Box", 1, store.value(PageSystem, 34));
    fillModeBox("SysMode3Box", 1, store.value(PageSystem, 34));
    find<BitmapButton>("SysSaveModeBtn")->setEnabled(true);
    showFactoryModeButtons();
}

void Console::rebuildModeList(int list) {
    // The mode just stored stays chosen, under its new name.
    if (list == 0) {
        fillModeBox("SysModeBox", 0, find<ComboBox>("SysModeBox")->itemIndex());
        return;
    }
    const int selected = find<ComboBox>("SysMode2Box")->itemIndex();
    fillModeBox("SysMode2Box", 1, selected);
    fillModeBox("SysMode3Box", 1, selected);
}

void Console::showFactoryModeButtons() {
    const auto buttons = UserModeButtons(model_.store().value(PageSystem, 2));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        BitmapButton* button = bindings_.factoryModeButtons[i];
        button->setCaption(QString::fromStdString(buttons[i].caption));
        button->setLook(buttons[i].look == ButtonLook::Pressed    ? BitmapButton::Look::Down
                        : buttons[i].look == ButtonLook::Disabled ? BitmapButton::Look::Dim
                                                                  : BitmapButton::Look::Up);
    }
}

void Console::showStoredValue(Tag storeTag, int value) {
    const bool suppressed = flags_.sendingSuppressed;
    const bool loading = flags_.loading;
    flags_.sendingSuppressed = true;
    flags_.loading = true;
    for (int page : ViewPages) {
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot) {
            const Tag viewTag = makeTag(page, slot);
            if (bindings_.control(viewTag) == nullptr ||
                ResolveStoreTag(viewTag, model_.selection(), model_.store()) != storeTag)
                continue;
            model_.viewValues().setValue(viewTag, value);
            refreshSlot(page, slot);
        }
    }
    flags_.loading = loading;
    flags_.sendingSuppressed = suppressed;
}

void Console::refreshAfterDownload() {
    refreshView(ResetAllPages);
    model_.selection().CurrentView = selectView(currentViewType_);
    refreshView(model_.selection().CurrentView / 256);
    emit downloadShown();
}

} // namespace kdsp
