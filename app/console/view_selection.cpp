#include "app/console/console.h"
#include "app/window/main_window.h"

namespace kdsp {

namespace {

// Texts of the shared output panel by view type, Chinese then English.
struct PanelTexts {
    const char* left[2];
    const char* right[2];
    const char* limiter[2];
    const char* crossover[2];
    const char* leftMute[2];
    const char* leftDelay[2];
};

const PanelTexts* panelTexts(int viewType) {
    static const PanelTexts music{
        {"音乐左", "Left"}, {"音乐右", "Right"}, {"", ""}, {"", ""}, {"", ""}, {"", ""}};
    static const PanelTexts mic{{"麦克1", "MIC 1"}, {"麦克2", "MIC 2"}, {"", ""},
                                {"", ""},           {"", ""},           {"", ""}};
    static const PanelTexts main{{"主左", "Main L"},           {"主右", "Main R"},
                                 {"主输出压限", "Main Limit"}, {"主输出分频", "Main LHF"},
                                 {"左静音", "L Mute"},         {"左声道延时", "Left Delay"}};
    static const PanelTexts surround{{"环左", "SUR L"},
                                     {"环右", "SUR R"},
                                     {"环绕压限", "Surround Limit"},
                                     {"环绕分频", "Surround LHF"},
                                     {"左静音", "L Mute"},
                                     {"左声道延时", "Left Delay"}};
    static const PanelTexts center{{"", ""},
                                   {"", ""},
                                   {"中置压限", "Center Limit"},
                                   {"中置分频", "Center LHF"},
                                   {"中置静音", "Cen Mute"},
                                   {"中置延时", "Center Delay"}};
    static const PanelTexts sub{{"", ""},
                                {"", ""},
                                {"超低压限", "SUB Limit"},
                                {"超低分频", "SUB LHF"},
                                {"超低静音", "SUB Mute"},
                                {"超低延时", "SUB Delay"}};
    static const PanelTexts none{{"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}, {"", ""}};
    switch (viewType) {
    case 0:
        return &music;
    case 2:
    case 3:
        return &mic;
    case 5:
        return &main;
    case 6:
        return &surround;
    case 7:
        return &center;
    case 8:
        return &sub;
    default:
        return &none;
    }
}

} // namespace

int Console::selectView(int viewType) {
    ViewSelection& selection = model_.selection();
    const int mode = selection.OutputModeOffset;
    int code = 0;
    switch (viewType) {
    case 0:
        selection.CurrentMusicPage = selection.MusicLinkState == 2 ? PageMusicRight : PageMusic;
        code = makeTag(0, 0);
        break;
    case 1:
        code = makeTag(PageDeq, 8);
        break;
    case 2:
        selection.CurrentMicPage = PageMic1;
        if (selection.MicLinkState != 1)
            selection.MicLinkState = 0;
        code = makeTag(PageMic1, 1);
        break;
    case 3:
        if (selection.MicLinkState == 1) {
            selection.CurrentMicPage = PageMic1;
        } else {
            selection.CurrentMicPage = PageMic2;
            selection.MicLinkState = 2;
        }
        code = makeTag(PageMic1, 1);
        break;
    case 4:
        code = selection.CurrentEffectPage == PageReverb ? makeTag(PageReverb, 2)
                                                         : makeTag(PageEcho, 2);
        break;
    case 5:
        selection.CurrentOutputPage = PageMain + mode + (selection.MainLinkState == 2 ? 2 : 0);
        code = makeTag(PageMain, 3);
        break;
    case 6:
        selection.CurrentOutputPage =
            PageSurround + mode + (selection.SurroundLinkState == 2 ? 2 : 0);
        code = makeTag(PageMain, 3);
        break;
    case 7:
        selection.CurrentOutputPage = PageCenter + mode;
        code = makeTag(PageMain, 3);
        break;
    case 8:
        selection.CurrentOutputPage = PageSub + mode;
        code = makeTag(PageMain, 3);
        break;
    case 9:
        code = makeTag(PageHint, 4);
        break;
    case 10:
        code = makeTag(PageRec, 5);
        break;
    case 11:
    case 12:
        find<PageControl>("AuxPageCtrol")->setCurrentIndex(viewType == 11 ? 1 : 0);
        code = makeTag(PageAux, 6);
        break;
    default:
        break;
    }

    // Left/same/right only where a pair may be split; sing/disco only on
    // the outputs.
    const bool independent = model_.viewValues().value(PageSystem, 3) == 0;
    bool copyShown = false;
    bool modesShown = false;
    if (viewType == 0) {
        copyShown = independent;
    } else if (viewType == 2 || viewType == 3) {
        copyShown = true;
    } else if (viewType == 5 || viewType == 6) {
        copyShown = independent;
        modesShown = true;
    } else if (viewType == 7 || viewType == 8) {
        modesShown = true;
    }
    auto* copy = find<GroupBox>("CopyGrop");
    auto* pass = find<GroupBox>("EQPassGrop");
    copy->setVisible(copyShown);
    find<GroupBox>("SingleDiscoGrop")->setVisible(modesShown);
    pass->setVisible(viewType != 11 && viewType != 12);

    const bool rightChannel = viewType == 5 || viewType == 6;
    for (const char* name : {"MainRmuteBtn", "Label157", "MainRdelayBar", "MainRdelayPane"})
        bindings_.byName(QString::fromLatin1(name))->asWidget()->setVisible(rightChannel);

    // In automatic mode the outputs can be neither split nor bypassed.
    const bool editable = viewType <= 4 || manual_;
    copy->setEnabled(editable);
    pass->setEnabled(editable);

    const PanelTexts& texts = *panelTexts(viewType);
    setBilingual(bindings_.linkButtons[0], texts.left[0], texts.left[1]);
    setBilingual(bindings_.linkButtons[2], texts.right[0], texts.right[1]);
    setBilingual(find<GroupBox>("OutLimiteGroup"), texts.limiter[0], texts.limiter[1]);
    setBilingual(find<GroupBox>("OutLHPGroup"), texts.crossover[0], texts.crossover[1]);
    find<BitmapButton>("MainLmuteBtn")
        ->setCaption(QString::fromUtf8(texts.leftMute[language_ == Language::Chinese ? 0 : 1]));
    setBilingual(find<PlainLabel>("OutLDelayLabel"), texts.leftDelay[0], texts.leftDelay[1]);
    if (viewType == 2 || viewType == 3) {
        const bool first = viewType == 2;
        setBilingual(find<GroupBox>("AdvGroupBox1"), first ? "麦克风1压限" : "麦克风2压限",
                     first ? "MiC 1 Limit" : "MiC 2 Limit");
        setBilingual(find<GroupBox>("AdvGroupBox16"), first ? "麦克风1 噪声门" : "麦克风2 噪声门",
                     first ? "MIC1 Noise" : "MIC2 Noise");
    }

    selection.CurrentViewPage = code / 256;
    return code;
}

void Console::linkButtonClick(BitmapButton* button) {
    ViewSelection& selection = model_.selection();
    const int b = button->tag();
    Tag linkTag = 0;
    int* state = nullptr;
    if (selection.CurrentViewPage == 0) {
        linkTag = makeTag(PageMusic, 8);
        state = &selection.MusicLinkState;
    } else if (selection.CurrentViewPage == PageDeq) {
        return;
    } else if (selection.CurrentViewPage == PageMic1) {
        linkTag = makeTag(PageMic1, 13);
        state = &selection.MicLinkState;
    } else if (currentViewType_ == 5) {
        linkTag = makeTag(PageMusic, 89);
        state = &selection.MainLinkState;
    } else if (currentViewType_ == 6) {
        linkTag = makeTag(PageMusic, 90);
        state = &selection.SurroundLinkState;
    } else {
        return;
    }
    // Leaving a link makes the right channel what the left became meanwhile.
    if (b != 1 && *state == 1)
        copyChannel();
    *state = b;
    if (selection.CurrentViewPage == PageMic1)
        widgetState(bindings_.viewSelectors[selection.MicLinkState == 2 ? 3 : 2], 10);

    const int value = widgetState(button, 19);
    model_.commitValue(linkTag, value);
    if (b == 1)
        copyChannel();
    selection.CurrentView = selectView(currentViewType_);
    refreshView(selection.CurrentView / 256);
    emit redrawRequested();
}

void Console::copyChannel() {
    const ViewSelection& selection = model_.selection();
    if (selection.CurrentViewPage == 0)
        model_.copyChannel(ChannelPair::Music);
    else if (selection.CurrentViewPage == PageMic1)
        model_.copyChannel(ChannelPair::Mic);
    else if (currentViewType_ == 5)
        model_.copyChannel(ChannelPair::Main);
    else if (currentViewType_ == 6)
        model_.copyChannel(ChannelPair::Surround);
}

void Console::selectTab(ToolButton* tab) {
    // While the console waits for its password only the music page shows.
    if (!find<GroupBox>("FirstCheckGrop")->isHidden()) {
        if (tab != bindings_.viewSelectors[0])
            tab->setSelectedLook(false);
        return;
    }
    ViewSelection& selection = model_.selection();
    selection.CurrentView = widgetState(tab, 10);
    const int sheet = selection.CurrentView % 256;
    window_.pageArea()->setCurrentIndex(sheet);
    const bool grey = !manual_ && selection.CurrentView / 256 == PageMain;
    curveColour_ = grey ? QColor(172, 172, 172) : QColor(255, 102, 0);
    if (tab == bindings_.viewSelectors[4])
        effectTabClicked(bindings_.effectSelectors[static_cast<std::size_t>(lastEffectTab_)]);
    else
        refreshView(selection.CurrentView / 256);
    emit redrawRequested();
    wheelTarget_ = false;
    find<Edit>("Examplexx")->setFocus();
    find<BitmapButton>(EqPassButtonName.data())->setVisible(sheet != 8);
}

} // namespace kdsp
