#include "app/console/console.h"
#include "app/window/main_window.h"
#include "model/address_resolution.h"

namespace kdsp {

namespace {

using Look = BitmapButton::Look;

// The two buttons of each option pair: the first stands for 0, the second 1.
constexpr std::pair<const char*, const char*> OptionPairs[] = {
    {"SysVolRunBtn1", "SysVolRunBtn2"}, {"SysPanelBtn1", "SysPanelBtn2"},
    {"SysLRBtn1", "SysLRBtn2"},         {"SysUserBtn", "SysManagerBtn"},
    {"SysRemoteBtn1", "SysRemoteBtn2"},
};

// Tool buttons of a group: the one selected, the others not.
template <std::size_t N>
void selectOne(const std::array<ToolButton*, N>& group, const ToolButton* selected) {
    for (ToolButton* button : group)
        button->setSelectedLook(button == selected);
}

int valueOf(const Control* control) {
    return control->hint() == QLatin1String("1") ? 1 : 0;
}

} // namespace

int Console::widgetState(Control* c, int kind) {
    if (c == nullptr)
        return 0;
    auto* button = dynamic_cast<BitmapButton*>(c);
    switch (kind) {
    case 10: {
        auto* tab = dynamic_cast<ToolButton*>(c);
        selectOne(bindings_.viewSelectors, tab);
        currentViewType_ = c->tag();
        return selectView(c->tag());
    }
    case 11:
    case 14: {
        const int value = 1 - valueOf(c);
        c->setHint(QString::number(value));
        if (button != nullptr) {
            if (kind == 14) {
                // The phase faces come from the template button.
                auto* faces = find<BitmapButton>("ExampleBtn2");
                button->setCaption(QString());
                button->setPictures(faces->upPicture(), faces->downPicture());
            }
            button->setLook(value != 0 ? Look::Down : Look::Up);
        }
        return value;
    }
    case 12:
        if (button != nullptr)
            button->setLook(valueOf(c) != 0 ? Look::Down : Look::Up);
        return valueOf(c);
    case 13: {
        const int value = (c->hint().toInt() + 1) % 3;
        static const char* const captions[] = {"频率", "增益", "Q值"};
        c->setHint(QString::number(value));
        c->setCaption(QString::fromUtf8(captions[value]));
        return value;
    }
    case 15:
        c->setCaption(valueOf(c) != 0 ? QStringLiteral("-") : QStringLiteral("+"));
        return valueOf(c);
    case 16: {
        const bool manual = c == find<BitmapButton>("ManulModeBtn");
        find<BitmapButton>("ManulModeBtn")->setLook(manual ? Look::Down : Look::Dim);
        find<BitmapButton>("AutoModeBtn")->setLook(manual ? Look::Dim : Look::Down);
        return manual ? 1 : 0;
    }
    case 17: {
        for (BitmapButton* mode : bindings_.outputModeButtons)
            mode->setLook(mode == c ? Look::Down : Look::Up);
        return c == bindings_.outputModeButtons[1] ? 1 : 0;
    }
    case 18: {
        for (const auto& [first, second] : OptionPairs) {
            auto* zero = find<BitmapButton>(first);
            auto* one = find<BitmapButton>(second);
            if (c != zero && c != one)
                continue;
            const int value = c->hint().toInt();
            zero->setLook(value == 0 ? Look::Down : Look::Up);
            one->setLook(value == 1 ? Look::Down : Look::Up);
            return value;
        }
        return c->hint().toInt();
    }
    case 19:
        for (BitmapButton* link : bindings_.linkButtons)
            link->setLook(link == c ? Look::Down : Look::Up);
        return c == bindings_.linkButtons[1] ? 1 : 0;
    case 20: {
        auto* link = find<BitmapButton>("LinkBtn");
        auto* unlink = find<BitmapButton>("UnLinkBtn");
        const bool chinese = language_ == Language::Chinese;
        linkConnected_ = c == link;
        if (linkConnected_) {
            link->setLook(Look::Down);
            link->setCaption(chinese ? QStringLiteral("断开") : QStringLiteral("Unlink"));
            unlink->setLook(Look::Up);
        } else {
            link->setLook(Look::Up);
            link->setCaption(chinese ? QStringLiteral("联机") : QStringLiteral("link"));
            unlink->setLook(Look::Down);
        }
        return linkConnected_ ? 0 : 1;
    }
    case 21: {
        const int position = c->hint().toInt();
        for (int i = 0; i < CompanionCount; ++i) {
            if (auto* letter = dynamic_cast<StyledLabel*>(bindings_.companion(c->tag(), i)))
                letter->setHighlighted(i == position);
        }
        return 0;
    }
    case 23: {
        const QString name = c->asWidget()->objectName();
        auto* box = bindings_.find<ComboBox>(QStringLiteral("DEQTypeBox") + name.right(1));
        if (box == nullptr)
            return c->tag();
        for (int i = 0; i < 3; ++i) {
            if (auto* trigger = dynamic_cast<BitmapButton*>(bindings_.companion(box->tag(), i)))
                trigger->setLook(i == c->tag() ? Look::Down : Look::Up);
        }
        return c->tag();
    }
    case 24: {
        auto* tab = dynamic_cast<ToolButton*>(c);
        selectOne(bindings_.effectSelectors, tab);
        const int pages[] = {PageEcho, PageEcho2, PageReverb};
        const int index = std::clamp(c->tag(), 0, 2);
        model_.selection().CurrentEffectPage = pages[index];
        return index == 2 ? makeTag(PageReverb, 1) : makeTag(PageEcho, 0);
    }
    case 25: {
        auto* tab = dynamic_cast<ToolButton*>(c);
        selectOne(bindings_.hintSelectors, tab);
        const int index = std::clamp(c->tag(), 0, 3);
        model_.selection().CurrentHintPage = index < 3 ? PageHint + index : PageHint;
        find<GroupBox>("HintModePage")->setVisible(index == 3);
        return makeTag(PageHint, 0);
    }
    default:
        if (kind >= 0 && kind <= 7)
            highlightBand(c, kind);
        return 0;
    }
}

void Console::highlightBand(Control* c, int sheet) {
    if (flags_.loading || c->kind() != ControlKind::Edit)
        return;
    const int band = BandOfTag(c->tag()) / 256;
    selectedBand_[static_cast<std::size_t>(sheet)] = band;
    if (activeEdit_ != previousEdit_) {
        const bool reverb = sheet == 2 && model_.selection().CurrentEffectPage == PageReverb;
        const std::vector<StyledLabel*>& labels =
            reverb ? bindings_.reverbNumberLabels
                   : bindings_.numberLabels[static_cast<std::size_t>(sheet)];
        for (std::size_t i = 0; i < labels.size(); ++i)
            labels[i]->setOpaque(static_cast<int>(i) == band);
        if (activeEdit_ != nullptr && bindings_.isPrimary(activeEdit_))
            activeEdit_->setShade(Edit::Shade::Active);
        if (previousEdit_ != nullptr && bindings_.isPrimary(previousEdit_))
            previousEdit_->setShade(Edit::Shade::Previous);
        previousEdit_ = activeEdit_;
    }
    // Keep the chosen band inside the strip's window.
    const struct {
        const char* bar;
        int window;
    } strips[] = {{"MusPanScrollBar", 9}, {"MicPanScrollBar", 8}, {}, {"MainPanScrollBar", 5}};
    const int shown = window_.pageArea()->currentIndex();
    if (shown != 0 && shown != 1 && shown != 3)
        return;
    const auto& strip = strips[shown];
    auto* pan = find<ScrollBar>(strip.bar);
    int position = pan->value();
    if (band >= position + strip.window)
        position = band - strip.window + 1;
    else if (band < position)
        position = band;
    pan->setValue(position);
}

void Console::setOutputEditing(bool enabled) {
    for (int slot = 0; slot <= 70; ++slot) {
        const Tag tag = makeTag(PageMain, slot);
        for (Control* control : {bindings_.control(tag), bindings_.companion(tag, 0)}) {
            if (control != nullptr && control->kind() == ControlKind::TrackBar)
                control->asWidget()->setEnabled(enabled);
        }
    }
    for (const char* name : {"AutoModeBtn", "SingModeBtn", "DiscoModeBtn", "MainLmuteBtn",
                             "MainRmuteBtn", "MainRdelayBar", "AdvGroupBox6", "OutLimiteGroup",
                             "OutLHPGroup", "AdvGroupBox21", "MainPanScrollBar"})
        bindings_.byName(QString::fromLatin1(name))->asWidget()->setEnabled(enabled);
    auto* copy = find<GroupBox>("CopyGrop");
    auto* pass = find<GroupBox>("EQPassGrop");
    if (model_.selection().CurrentViewPage >= PageMain) {
        copy->setEnabled(enabled);
        pass->setEnabled(enabled);
    }
    updateEqResetButton();
}

void Console::updateEqResetButton() {
    auto* passButton = find<BitmapButton>(EqPassButtonName.data());
    const int passPage = std::clamp(pageOf(passButton->tag()), 0, PageCount - 1);
    find<BitmapButton>("EQResetBtn")
        ->setEnabled(eqPassState_[static_cast<std::size_t>(passPage)] == 0 &&
                     find<GroupBox>("EQPassGrop")->isEnabled());
}

} // namespace kdsp
