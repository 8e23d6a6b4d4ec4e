#include "app/console/console.h"

#include "app/editors/volume_markers.h"
#include "app/window/main_window.h"
#include "model/value_scales.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

namespace kdsp {

namespace {

QString qText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

Console::Console(MainWindow& window, CommitSink& link, Prompter& prompter)
    : window_(window), prompter_(prompter), gate_(link, flags_), model_(gate_, *this),
      bindings_(window) {
    bindings_.build();
    volumeMarkers_ = std::make_unique<VolumeMarkers>(bindings_);
    placeholderEdit_ = find<Edit>("Example");
    activeEdit_ = find<Edit>("MusFreEdit1");
    previousEdit_ = placeholderEdit_;
    modeName_ = [](int, int) { return std::string(); };
    connectHandlers();
    qApp->installEventFilter(this);
}

Console::~Console() {
    qApp->removeEventFilter(this);
}

void Console::start() {
    if (started_)
        return;
    started_ = true;
    bindControls();
    bindControls();
    model_.resetEq(ResetAllPages);
    selectTab(bindings_.viewSelectors[0]);
    if (auto* timer = window_.findChild<QTimer*>(QStringLiteral("Timer1")))
        timer->start();
}

void Console::connectHandlers() {
    for (ToolButton* tab : bindings_.viewSelectors)
        connect(tab, &QToolButton::clicked, this, [this, tab] { selectTab(tab); });
    for (ToolButton* tab : bindings_.effectSelectors)
        connect(tab, &QToolButton::clicked, this, [this, tab] { effectTabClicked(tab); });
    for (ToolButton* tab : bindings_.hintSelectors)
        connect(tab, &QToolButton::clicked, this, [this, tab] { hintTabClicked(tab); });
    for (BitmapButton* button : bindings_.linkButtons)
        connect(button, &QPushButton::clicked, this, [this, button] { linkButtonClick(button); });
    for (BitmapButton* button : bindings_.outputModeButtons)
        connect(button, &QPushButton::clicked, this, [this, button] { singDiscoClicked(button); });
    for (const char* name : {"AutoModeBtn", "ManulModeBtn"}) {
        auto* button = find<BitmapButton>(name);
        connect(button, &QPushButton::clicked, this, [this, button] { autoManualClicked(button); });
    }
    for (const char* name : {"SysVolRunBtn1", "SysVolRunBtn2", "SysPanelBtn1", "SysPanelBtn2",
                             "SysLRBtn1", "SysLRBtn2"}) {
        auto* button = find<BitmapButton>(name);
        connect(button, &QPushButton::clicked, this, [this, button] { switchPairClicked(button); });
    }
    connect(find<ToolButton>("RzToolButton11"), &QToolButton::clicked, this,
            &Console::switchLanguage);
    connect(find<BitmapButton>("EQResetBtn"), &QPushButton::clicked, this,
            &Console::eqResetClicked);
    connect(find<BitmapButton>(EqPassButtonName.data()), &QPushButton::clicked, this,
            &Console::eqPassClicked);
    for (const char* name : {"SysModeBox", "SysMode2Box", "SysMode3Box"}) {
        auto* box = find<ComboBox>(name);
        connect(box, &ComboBox::userChanged, this, [this, box] { modeBoxChanged(box); });
    }
    const struct {
        const char* bar;
        const char* box;
    } pans[] = {{"MusPanScrollBar", "MusScrollBox"},
                {"MicPanScrollBar", "MicScrollBox"},
                {"MainPanScrollBar", "MainScrollBox"}};
    for (const auto& pan : pans) {
        const char* box = pan.box;
        connect(find<ScrollBar>(pan.bar), &QScrollBar::valueChanged, this,
                [this, box](int position) { panBarMoved(box, position); });
    }

    // Every bound control gets the generic handler of its kind once; the
    // handler finds its slot through the sender's tag.
    QSet<Control*> wired;
    for (int page = 0; page < PageCount; ++page) {
        for (int slot = 0; slot < SlotsPerPage; ++slot) {
            const Tag tag = makeTag(page, slot);
            const SlotBinding& names = Bindings().at(tag);
            Control* primary = bindings_.control(tag);
            if (primary != nullptr && !wired.contains(primary)) {
                wired.insert(primary);
                if (auto* bar = dynamic_cast<TrackBar*>(primary)) {
                    if (page == PageVolume)
                        connect(bar, &TrackBar::positionChanged, this,
                                [this, bar] { volumeBarChanged(bar); });
                    else
                        connect(bar, &TrackBar::positionChanged, this,
                                [this, bar] { barChanged(bar); });
                } else if (auto* button = dynamic_cast<BitmapButton*>(primary)) {
                    if (button->objectName() == EqPassButtonName.data())
                        continue;
                    if (button->isPhaseButton())
                        connect(button, &QPushButton::clicked, this,
                                [this, button] { phaseClicked(button); });
                    else
                        connect(button, &QPushButton::clicked, this,
                                [this, button] { muteClicked(button); });
                } else if (auto* box = dynamic_cast<ComboBox*>(primary)) {
                    if (names.companionKind == CompanionKind::TypeLabels ||
                        names.companionKind == CompanionKind::TriggerButtons)
                        connect(box, &ComboBox::userChanged, this,
                                [this, box] { typeChanged(box); });
                    else if (box->hint() == QLatin1String("20") ||
                             box->hint() == QLatin1String("21"))
                        connect(box, &ComboBox::userChanged, this,
                                [this, box] { crossoverTypeChanged(box); });
                    else if (page != PageSystem)
                        connect(box, &ComboBox::userChanged, this,
                                [this, box] { sourceBoxChanged(box); });
                } else if (auto* edit = dynamic_cast<Edit*>(primary)) {
                    connect(edit, &Edit::clicked, this, [this, edit] { editClicked(edit); });
                }
            }
            for (int i = 0; i < CompanionCount; ++i) {
                Control* companion = bindings_.companion(tag, i);
                if (companion == nullptr || wired.contains(companion))
                    continue;
                wired.insert(companion);
                if (auto* bar = dynamic_cast<TrackBar*>(companion))
                    connect(bar, &TrackBar::positionChanged, this,
                            [this, bar] { gainBarChanged(bar); });
                else if (auto* letter = dynamic_cast<StyledLabel*>(companion))
                    connect(letter, &StyledLabel::clicked, this,
                            [this, letter] { typeLetterClicked(letter); });
                else if (auto* trigger = dynamic_cast<BitmapButton*>(companion))
                    connect(trigger, &QPushButton::clicked, this,
                            [this, trigger] { triggerButtonClicked(trigger); });
                else if (auto* spin = dynamic_cast<SpinButtons*>(companion)) {
                    connect(spin, &SpinButtons::upClicked, this,
                            [this, spin] { spinClicked(spin, ActionStepUp); });
                    connect(spin, &SpinButtons::downClicked, this,
                            [this, spin] { spinClicked(spin, ActionStepDown); });
                }
            }
        }
    }
    // The frequency spin buttons of the bands are no table companions; they
    // carry their slot from the band strip.
    for (SpinButtons* spin : window_.findChildren<SpinButtons*>()) {
        if (wired.contains(spin))
            continue;
        wired.insert(spin);
        connect(spin, &SpinButtons::upClicked, this,
                [this, spin] { spinClicked(spin, ActionStepUp); });
        connect(spin, &SpinButtons::downClicked, this,
                [this, spin] { spinClicked(spin, ActionStepDown); });
    }
    // The gain edits of the auxiliary page's second tab are bound only while
    // that tab shows.
    for (int band = 0; band < 6; ++band) {
        auto* edit = bindings_.find<Edit>(QString::fromStdString(AuxGainEditName(band, true)));
        connect(edit, &Edit::clicked, this, [this, edit] { editClicked(edit); });
    }
    if (auto* timer = window_.findChild<QTimer*>(QStringLiteral("Timer1")))
        connect(timer, &QTimer::timeout, this, &Console::tick);
}

// --- Language --------------------------------------------------------------

namespace {

struct CaptionPair {
    std::initializer_list<const char*> controls;
    const char* chinese;
    const char* english;
};

// Bitmap buttons keep numbers in their hints, so their texts come from here.
// RzBmpButton4 and SysLoad3ModeBtn are listed too, so no Chinese stays on
// an English screen.
const CaptionPair BitmapCaptions[] = {
    {{"PinPPBtn"}, "频谱", "Spectrum"},
    {{"PinDCFBtn"}, "低触发", "Normal"},
    {{"SameBtn"}, "同步", "SYNC"},
    {{"EQResetBtn"}, "EQ重置", "EQ Reset"},
    {{"ManulModeBtn"}, "手动", "Manual"},
    {{"AutoModeBtn"}, "自动", "Auto"},
    {{"SingModeBtn"}, "唱歌", "Sing"},
    {{"DiscoModeBtn"}, "热舞", "Disco"},
    {{"SysLoadModeBtn", "SysLoad2ModeBtn", "SysLoad3ModeBtn"}, "调用设备模式", "Load Mode"},
    {{"SysSaveModeBtn", "SysSave2ModeBtn"}, "保存设备模式", "Save Mode"},
    {{"RzBmpButton118", "RzBmpButton22", "RzBmpButton4"}, "确定", "OK"},
    {{"RzBmpButton23"}, "修改", "Modify"},
    {{"RzBmpButton24"}, "单模式参数", "Alone Mode File"},
    {{"RzBmpButton25"}, "整机参数", "All Mode File"},
    {{"RzBmpButton119", "HintLoadPCBtn"}, "上传数据到设备", "Load File data"},
    {{"RzBmpButton120", "HintSavetoPCBtn"}, "保存数据到电脑", "Save Data to PC"},
    {{"SysPanelBtn2", "SysVolRunBtn2", "SysLRBtn1"}, "启用", "Enable"},
    {{"SysPanelBtn1", "SysVolRunBtn1", "SysLRBtn2"}, "禁用", "Disable"},
    {{"MainRmuteBtn", "RECRmuteBtn"}, "右静音", "R Mute"},
    {{"RECLmuteBtn"}, "左静音", "L Mute"},
    {{"DEQTYpeOffBtn1", "DEQTYpeOffBtn2", "DEQTYpeOffBtn3"}, "关闭", "Off"},
    {{"DEQTYpeBelowBtn1", "DEQTYpeBelowBtn2", "DEQTYpeBelowBtn3"}, "低启动", "Below"},
    {{"DEQTYpeAboveBtn1", "DEQTYpeAboveBtn2", "DEQTYpeAboveBtn3"}, "高启动", "Above"},
};

bool swapsCaption(ControlKind kind) {
    switch (kind) {
    case ControlKind::PlainLabel:
    case ControlKind::Button:
    case ControlKind::GroupBox:
    case ControlKind::ToolButton:
    case ControlKind::TabSheet:
        return true;
    default:
        return false;
    }
}

} // namespace

void Console::setLanguage(Language language) {
    if (language == language_)
        return;
    language_ = language;
    for (QWidget* widget : window_.findChildren<QWidget*>()) {
        Control* control = AsControl(widget);
        if (control == nullptr || !swapsCaption(control->kind()))
            continue;
        const QString caption = control->caption();
        control->setCaption(control->hint());
        control->setHint(caption);
    }
    // The delete menus carry their other language in the action's data.
    for (const char* name : {"MenuItem1", "MenuItem2"}) {
        if (auto* item = window_.findChild<QAction*>(QString::fromLatin1(name))) {
            const QString text = item->text();
            item->setText(item->data().toString());
            item->setData(text);
        }
    }
    const bool chinese = language == Language::Chinese;
    for (const CaptionPair& pair : BitmapCaptions) {
        for (const char* name : pair.controls) {
            if (auto* button = find<BitmapButton>(name))
                button->setCaption(QString::fromUtf8(chinese ? pair.chinese : pair.english));
        }
    }
    // LinkBtn names the command it gives: disconnect while connected.
    auto* link = find<BitmapButton>("LinkBtn");
    if (linkConnected_)
        link->setCaption(chinese ? QStringLiteral("断开") : QStringLiteral("Unlink"));
    else
        link->setCaption(chinese ? QStringLiteral("联机") : QStringLiteral("Link"));
    emit languageChanged(language);
}

void Console::switchLanguage() {
    auto* button = find<ToolButton>("RzToolButton11");
    setLanguage(button->tag() == 0 ? Language::English : Language::Chinese);
    button->setTag(1 - button->tag());
    model_.selection().CurrentView = selectView(currentViewType_);
    refreshView(model_.selection().CurrentView / 256);
}

void Console::showPrompt(std::string_view chinese, std::string_view english) {
    prompter_.showMessage(language_ == Language::Chinese ? chinese : english);
}

void Console::setBilingual(Control* control, std::string_view chinese, std::string_view english) {
    const bool inChinese = language_ == Language::Chinese;
    control->setCaption(qText(inChinese ? chinese : english));
    control->setHint(qText(inChinese ? english : chinese));
}

void Console::showLinkStatus(std::string_view chinese, std::string_view english) {
    setBilingual(find<PlainLabel>("LinkLabel"), chinese, english);
}

void Console::setLinkButtonsConnected(bool connected) {
    widgetState(find<BitmapButton>(connected ? "LinkBtn" : "UnLinkBtn"), 20);
}

void Console::setModeNameSource(std::function<std::string(int, int)> source) {
    modeName_ = std::move(source);
}

// --- Model observer --------------------------------------------------------

void Console::musicInputGainEnabled(bool enabled) {
    find<Edit>("MusGain1Edit")->setEnabled(enabled);
    find<SpinButtons>("MusGain1UpDown")->setEnabled(enabled);
}

void Console::refreshRequested(int viewPage) {
    refreshView(viewPage);
}

// --- Timer, keys and wheel --------------------------------------------------

void Console::tick() {
    if (lastEdit_ == lastDrawn_)
        return;
    lastDrawn_ = lastEdit_;
    emit lastEditChanged(lastEdit_);
}

void Console::stepVolume(const char* bar, int step) {
    auto* volume = find<TrackBar>(bar);
    volume->setPosition(volume->position() + step);
}

bool Console::keyShortcut(int key) {
    // Only the main settings sheet, where the three volumes are, takes them.
    if (find<PageControl>("AdvPageControl1")->currentIndex() != 0)
        return false;
    switch (key) {
    case Qt::Key_Q:
        stepVolume("SysMusNormalVolBar", 1);
        return true;
    case Qt::Key_A:
        stepVolume("SysMusNormalVolBar", -1);
        return true;
    case Qt::Key_W:
        stepVolume("SysMicNormalVolBar", 1);
        return true;
    case Qt::Key_S:
        stepVolume("SysMicNormalVolBar", -1);
        return true;
    case Qt::Key_E:
        stepVolume("SysEffNormalVolBar", 1);
        return true;
    case Qt::Key_D:
        stepVolume("SysEffNormalVolBar", -1);
        return true;
    case Qt::Key_P:
        captureFrozen_ = !captureFrozen_;
        return true;
    default:
        return false;
    }
}

bool Console::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Show)
        start();

    const bool key = event->type() == QEvent::KeyPress;
    const bool wheel = event->type() == QEvent::Wheel;
    if (!key && !wheel)
        return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (target == nullptr || target->window() != &window_)
        return false;
    // The window sees keys before its controls; the control still gets
    // them. A key travels up from the focus widget, so it is taken there.
    if (key) {
        QWidget* focus = window_.focusWidget();
        // A letter typed into an edit (a file or mode name, an access code)
        // is text, not a volume step; the hidden focus sink types nothing.
        const auto* edit = qobject_cast<QLineEdit*>(focus);
        const bool typing = edit != nullptr && edit != find<Edit>("Examplexx");
        if (watched == (focus != nullptr ? focus : &window_) && !typing)
            keyShortcut(static_cast<QKeyEvent*>(event)->key());
        return false;
    }
    if (!wheelTarget_ || activeEdit_ == nullptr || activeEdit_ == placeholderEdit_)
        return false;
    const int delta = static_cast<QWheelEvent*>(event)->angleDelta().y();
    if (delta != 0)
        applyTypedText(delta > 0 ? ActionStepUp : ActionStepDown);
    return true;
}

} // namespace kdsp
