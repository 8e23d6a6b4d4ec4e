#include "app/console/console.h"
#include "app/editors/volume_markers.h"
#include "app/window/band_strip.h"
#include "app/window/main_window.h"
#include "model/value_scales.h"
#include "presets/mode_texts.h"

#include <QScrollBar>
#include <QSignalBlocker>

namespace kdsp {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The switch pairs and the slot each one sets.
struct SwitchPair {
    const char* first;  // value 0
    const char* second; // value 1
    Tag slot;
};
constexpr SwitchPair SwitchPairs[] = {
    {"SysVolRunBtn1", "SysVolRunBtn2", makeTag(PageVolume, 9)},
    {"SysPanelBtn1", "SysPanelBtn2", makeTag(PageSystem, 4)},
    {"SysLRBtn1", "SysLRBtn2", makeTag(PageSystem, 3)},
};

constexpr Tag ManualSlot = makeTag(PageMusic, 85);
constexpr Tag OutputModeSlot = makeTag(PageMusic, 86);

} // namespace

void Console::setActiveEdit(Edit* edit) {
    activeEdit_ = edit != nullptr ? edit : placeholderEdit_;
}

void Console::barChanged(TrackBar* bar) {
    if (flags_.trackBarGuard)
        return;
    if (auto* pane = dynamic_cast<StatusPane*>(bindings_.readout(bar->tag())))
        showValue(pane, ActionSet, false, bar->position());
    // Arrow keys and the wheel stop acting on an edit chosen before.
    activeEdit_ = placeholderEdit_;
}

void Console::gainBarChanged(TrackBar* bar) {
    if (flags_.trackBarGuard)
        return;
    auto* edit = dynamic_cast<Edit*>(bindings_.control(bar->tag()));
    if (edit == nullptr)
        return;
    activeEdit_ = edit;
    showValue(edit, ActionSet, false, bar->position());
}

void Console::volumeBarChanged(TrackBar* bar) {
    // The bar's name says its channel and role: Sys<Mus|Mic|Eff><Normal|Start|Max>VolBar.
    const QString name = bar->objectName();
    const QString channel = name.mid(3, 3);
    const auto barOf = [this, &channel](const char* role) {
        return bindings_.find<TrackBar>(QStringLiteral("Sys") + channel +
                                        QString::fromLatin1(role) + QStringLiteral("VolBar"));
    };
    TrackBar* current = barOf("Normal");
    TrackBar* start = barOf("Start");
    TrackBar* maximum = barOf("Max");
    const int previous = bar->property("previousPosition").toInt();

    // The current volume rises one step per change; it may fall any amount.
    if (bar == current && !flags_.sendingSuppressed && bar->position() > previous) {
        const QSignalBlocker quiet(bar);
        bar->setPosition(previous + 1);
    }
    if (!flags_.sendingSuppressed) {
        if ((bar == current || bar == start) && bar->position() > maximum->position()) {
            const QSignalBlocker quiet(bar);
            bar->setPosition(maximum->position());
        } else if (bar == maximum) {
            for (TrackBar* below : {start, current}) {
                if (below->position() > maximum->position())
                    below->setPosition(maximum->position());
            }
        }
    }
    const int position = bar->position();
    if (auto* pane = dynamic_cast<StatusPane*>(bindings_.readout(bar->tag())))
        pane->setCaption(QString::number(position));
    bar->setProperty("previousPosition", position);
    const int index = channel == QLatin1String("Mus") ? 0 : channel == QLatin1String("Mic") ? 1 : 2;
    volumeMarkers_->place(index);
    if (bar != current) {
        const char* labels[] = {"musLabel", "micLabel", "EffLabel"};
        find<StyledLabel>(labels[index])->setCaption(QString::number(position));
    }
    model_.commitValue(bar->tag(), position);
}

void Console::typeChanged(ComboBox* box) {
    const Tag tag = box->tag();
    const int type = std::max(box->itemIndex(), 0);
    Control* first = bindings_.companion(tag, 0);
    if (dynamic_cast<BitmapButton*>(first) != nullptr)
        widgetState(bindings_.companion(tag, std::min(type, 2)), 23);
    else if (dynamic_cast<StyledLabel*>(first) != nullptr)
        widgetState(bindings_.companion(tag, std::min(type, 3)), 21);
    if (flags_.sendingSuppressed)
        return;

    model_.commitValue(tag, type);
    if (Bindings().at(tag).companionKind != CompanionKind::TriggerButtons) {
        // The Q edit shows the Q slot of the new type.
        const Tag qSlot = tag + (type <= 1 ? BandQPeaking : BandQShelf);
        if (auto* q = dynamic_cast<Edit*>(bindings_.control(qSlot))) {
            activeEdit_ = q;
            showValue(q, ActionSet, true, model_.viewValues().value(qSlot));
        }
    }
    lastEdit_ = {tag, type};
}

void Console::typeLetterClicked(StyledLabel* letter) {
    auto* box = dynamic_cast<ComboBox*>(bindings_.control(letter->tag()));
    if (box == nullptr)
        return;
    box->setItemIndex(letter->hint().toInt());
    typeChanged(box);
}

void Console::triggerButtonClicked(BitmapButton* button) {
    const QString section = button->objectName().right(1);
    auto* box = bindings_.find<ComboBox>(QStringLiteral("DEQTypeBox") + section);
    if (box == nullptr || dynamic_cast<ComboBox*>(bindings_.control(box->tag())) == nullptr)
        return;
    box->setItemIndex(button->tag());
    typeChanged(box);
}

void Console::crossoverTypeChanged(ComboBox* box) {
    model_.commitValue(box->tag(), box->itemIndex());
    emit redrawRequested();
}

void Console::sourceBoxChanged(ComboBox* box) {
    model_.commitValue(box->tag(), box->itemIndex());
    if (box->objectName() != QLatin1String("SysInputBox"))
        return;
    // Each source keeps its own gain.
    const Tag gainView = makeTag(PageMusic, 0);
    const int raw = model_.store().value(model_.resolveStoreTag(gainView));
    model_.viewValues().setValue(gainView, raw);
    find<Edit>("MusGain1Edit")->setCaption(qText(FormatValue(5, raw)));
    const int index = std::clamp(box->itemIndex(), 0, static_cast<int>(InputSources().size()) - 1);
    const InputSourceText& text = InputSources()[static_cast<std::size_t>(index)];
    setBilingual(find<PlainLabel>("InputLabel"), text.chineseVolumeLabel, text.englishVolumeLabel);
}

void Console::modeBoxChanged(ComboBox* box) {
    const struct {
        const char* box;
        const char* name;
        const char* store;
    } parts[] = {{"SysModeBox", "PresetModeEdit", "SysSaveModeBtn"},
                 {"SysMode2Box", "PresetMode2Edit", "SysSave2ModeBtn"},
                 {"SysMode3Box", "PresetMode3Edit", nullptr}};
    for (const auto& part : parts) {
        if (box->objectName() != QLatin1String(part.box))
            continue;
        find<Edit>(part.name)->setText(QString::fromStdString(
            NameFromItem(box->itemIndex(), box->currentText().toStdString())));
        if (part.store != nullptr)
            find<BitmapButton>(part.store)->setEnabled(true);
    }
}

void Console::phaseClicked(BitmapButton* button) {
    model_.commitValue(button->tag(), widgetState(button, 14));
}

void Console::muteClicked(BitmapButton* button) {
    model_.commitValue(button->tag(), widgetState(button, 11));
}

void Console::eqPassClicked() {
    auto* button = find<BitmapButton>(EqPassButtonName.data());
    const int value = widgetState(button, 11);
    const int page = std::clamp(pageOf(button->tag()), 0, PageCount - 1);
    eqPassState_[static_cast<std::size_t>(page)] = value;
    model_.commitValue(button->tag(), value);
    find<StyledLabel>("EQPassLabel")->setVisible(value == 1);
    updateEqResetButton();
}

void Console::eqResetClicked() {
    ViewSelection& selection = model_.selection();
    model_.resetEq(selection.CurrentView / 256);
    selection.CurrentView = selectView(currentViewType_);
    refreshView(selection.CurrentView / 256);
    emit redrawRequested();
}

void Console::autoManualClicked(BitmapButton* button) {
    const int value = widgetState(button, 16);
    model_.commitValue(ManualSlot, value);
    manual_ = value != 0;
    setOutputEditing(manual_);
    const bool grey = !manual_ && model_.selection().CurrentView / 256 == PageMain;
    curveColour_ = grey ? QColor(172, 172, 172) : QColor(255, 102, 0);
    emit redrawRequested();
}

void Console::singDiscoClicked(BitmapButton* button) {
    const int value = widgetState(button, 17);
    model_.commitValue(OutputModeSlot, value);
    ViewSelection& selection = model_.selection();
    selection.OutputModeOffset = value;
    selection.CurrentView = selectView(currentViewType_);
    refreshView(selection.CurrentView / 256);
    emit redrawRequested();
}

void Console::switchPairClicked(BitmapButton* button) {
    for (const SwitchPair& pair : SwitchPairs) {
        const bool second = button == find<BitmapButton>(pair.second);
        if (!second && button != find<BitmapButton>(pair.first))
            continue;
        const int value = widgetState(button, 18);
        // Without independent left and right, music, Main and Surround are
        // linked from now on.
        if (pair.slot == makeTag(PageSystem, 3) && second && !flags_.sendingSuppressed) {
            for (int slot : {8, 89, 90})
                model_.commitValue(makeTag(PageMusic, slot), 1);
        }
        model_.commitValue(pair.slot, value);
        return;
    }
}

void Console::effectTabClicked(ToolButton* tab) {
    widgetState(tab, 24);
    lastEffectTab_ = std::clamp(tab->tag(), 0, 2);
    const bool reverb = lastEffectTab_ == 2;
    find<PageControl>("EffPageControl")->setCurrentIndex(reverb ? 1 : 0);
    const int page = reverb ? PageReverb : PageEcho;
    ViewSelection& selection = model_.selection();
    selection.CurrentView = makeTag(page, 2);
    selection.CurrentViewPage = page;
    refreshView(page);
    emit redrawRequested();
}

void Console::hintTabClicked(ToolButton* tab) {
    widgetState(tab, 25);
    ViewSelection& selection = model_.selection();
    selection.CurrentView = makeTag(PageHint, 4);
    selection.CurrentViewPage = PageHint;
    refreshView(PageHint);
    emit redrawRequested();
}

void Console::editClicked(Edit* edit) {
    auto* bound = dynamic_cast<Edit*>(bindings_.control(edit->tag()));
    if (bound != nullptr) {
        wheelTarget_ = true;
        activeEdit_ = bound;
        bound->setFocus();
        lastGoodText_ = bound->text();
    }
    const bool suppressed = flags_.sendingSuppressed;
    flags_.sendingSuppressed = true;
    applyTypedText(ActionSet);
    flags_.sendingSuppressed = suppressed;
}

void Console::spinClicked(SpinButtons* spin, int action) {
    Control* bound = bindings_.control(spin->tag());
    if (auto* edit = dynamic_cast<Edit*>(bound)) {
        // A garbled text is then put back to this edit's own last text.
        if (edit != activeEdit_)
            lastGoodText_ = edit->text();
        activeEdit_ = edit;
        edit->setFocus();
        applyTypedText(action);
    } else if (auto* bar = dynamic_cast<TrackBar*>(bound)) {
        bar->setPosition(bar->position() + (action == ActionStepUp ? 1 : -1));
    }
}

void Console::panBarMoved(const char* box, int position) {
    find<ScrollBox>(box)->horizontalScrollBar()->setValue(position * build::BandColumnWidth);
}

void Console::applyTypedText(int action) {
    Edit* edit = activeEdit_;
    if (edit == nullptr || edit == placeholderEdit_)
        return;
    QString digits;
    for (QChar c : edit->text()) {
        if (c == QLatin1Char('-') || c == QLatin1Char('.') ||
            (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
            digits.append(c);
    }
    bool ok = !digits.isEmpty();
    const double number = ok ? digits.toDouble(&ok) : 0.0;
    if (ok && edit->hint().isEmpty()) {
        prompter_.showMessage("error");
        ok = false;
    }
    if (!ok) {
        edit->setText(lastGoodText_);
        return;
    }
    showValue(edit, action, false, ParseValue(edit->hint().toInt(), number));
    lastGoodText_ = edit->text();
}

} // namespace kdsp
