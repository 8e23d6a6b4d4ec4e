#include "console_fixture.h"

namespace kdsp::test {
namespace {

TEST(ConsoleWindowTest, EveryNamedControlExists) {
    MainWindow window;
    RecordingSink sink;
    RecordingPrompter prompter;
    Console console(window, sink, prompter);
    EXPECT_TRUE(console.bindings().missing().isEmpty())
        << console.bindings().missing().join(QStringLiteral(", ")).toStdString();

    // Named controls outside the binding tables.
    const char* names[] = {
        "Image2",
        "RzLabel9",
        "RzBmpButton1",
        "RzBmpButton2",
        "RzBmpButton3",
        "RzGroupBox17",
        "RzToolButton11",
        "LinkLabel",
        "LinkBtn",
        "UnLinkBtn",
        "Examplexx",
        "FormPageItem",
        "AdvTabSheet1_mus",
        "AdvTabSheet2_mic",
        "AdvTabSheet3_Eff",
        "AdvTabSheet4_Main",
        "AdvTabSheet5_Center",
        "AdvTabSheet6_REC",
        "AdvTabSheet7_sur",
        "AdvTabSheet8_Sys",
        "AdvTabSheet9_DEQ",
        "AdvPanel1",
        "AdvPanel2",
        "Image1",
        "EP1",
        "EP20",
        "HPF",
        "LPF",
        "EQlabel",
        "EQPassLabel",
        "SingleDiscoGrop",
        "AutoModeBtn",
        "ManulModeBtn",
        "EQPassGrop",
        "EQResetBtn",
        "CopyGrop",
        "RzGroupBox19",
        "PinDCFBtn",
        "PinPPBtn",
        "RzGroupBox2",
        "AdvPageControl1",
        "AdvTabSheet1",
        "AdvTabSheet2",
        "AdvTabSheet3",
        "FirstCheckGrop",
        "PanelPassWordEdit",
        "RzBmpButton4",
        "SysLogoLabel",
        "SysLogoEdit",
        "ExampleBtn2",
        "Example",
        "ComComboBox1",
        "Memo1",
        "MusScrollBox",
        "MusPanScrollBar",
        "MicScrollBox",
        "MicPanScrollBar",
        "EffScrollBox",
        "AdvScrollBox1",
        "AdvScrollBox2",
        "MainScrollBox",
        "MainPanScrollBar",
        "EffPageControl",
        "RzGroupBox20",
        "AuxPageCtrol",
        "TabSheet1",
        "TabSheet2",
        "SysHintLoadGrop",
        "SysMode3Box",
        "PresetMode3Edit",
        "SysLoad3ModeBtn",
        "HintModePage",
        "PresetMode2Edit",
        "SysLoad2ModeBtn",
        "SysSave2ModeBtn",
        "ValueListEditor2",
        "FileEdit2",
        "HintSavetoPCBtn",
        "HintLoadPCBtn",
        "DeviceIDLabel",
        "FileListBox1",
        "FileListBox2",
        "SysRemoteBtn1",
        "SysRemoteBtn2",
        "DEQ1Grop",
        "DEQ3Grop",
        "AdvGroupBox1",
        "AdvGroupBox16",
        "AdvGroupBox17",
        "AdvGroupBox18",
        "AdvGroupBox2",
        "AdvGroupBox6",
        "AdvGroupBox7",
        "AdvGroupBox12",
        "AdvGroupBox21",
        "OutLimiteGroup",
        "OutLHPGroup",
        "OutLDelayLabel",
        "Label157",
        "InputLabel",
        "MusFreUpDownBtn1",
        "MusStartImage",
        "MusMaxImage",
        "EffStartImage",
        "musLabel",
        "micLabel",
        "EffLabel",
        "AdvGroupBox23",
        "AdvGroupBox25",
        "PassPanelLabel1",
        "RzBmpButton22",
        "NewPassLabel1",
        "RzBmpButton23",
        "IPstrEdit",
        "IPPortStrEdit",
        "AdvGroupBox26",
        "PresetModeEdit",
        "SysLoadModeBtn",
        "SysSaveModeBtn",
        "SysPanelBtn1",
        "SysPanelBtn2",
        "ValueListEditor1",
        "FileEdit",
        "RzBmpButton24",
        "RzBmpButton25",
        "RzBmpButton119",
        "RzBmpButton120",
        "RzBmpButton118",
        "SysUserBtn",
        "SysManagerBtn",
        "SysVolRunBtn1",
        "SysLRBtn2",
        "AUXMUS2GainEdit3",
        "AUXMUSGainEdit1",
    };
    for (const char* name : names)
        EXPECT_NE(window.control(QString::fromLatin1(name)), nullptr) << name;
    for (const char* name : {"Timer1", "Timer2", "DeletePopupMenu", "DeletePopupMenu2"})
        EXPECT_NE(window.findChild<QObject*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST(ConsoleWindowTest, TagsAfterBindingAndAfterTheFirstRefresh) {
    MainWindow window;
    RecordingSink sink;
    RecordingPrompter prompter;
    Console console(window, sink, prompter);
    console.bindControls();

    auto tagOf = [&window](const char* name) {
        return AsControl(window.control(QString::fromLatin1(name)))->tag();
    };
    EXPECT_EQ(tagOf("MainRdelayBar"), makeTag(14, 10));
    EXPECT_EQ(tagOf("MainRmuteBtn"), makeTag(14, 11));
    EXPECT_EQ(tagOf("MicQEdit5"), makeTag(3, 39));
    EXPECT_EQ(tagOf("MusBYBtn3"), 20);
    EXPECT_EQ(AsControl(window.control(QStringLiteral("MusHSQBtn3")))->hint(), "3");
    EXPECT_EQ(tagOf("MicMaxImage"), makeTag(25, 3));
    // The trigger buttons keep their own numbers.
    EXPECT_EQ(tagOf("DEQTYpeAboveBtn2"), 2);

    console.refreshView(PageMain);
    EXPECT_EQ(tagOf("MainRdelayBar"), makeTag(10, 10));
    EXPECT_EQ(tagOf("MainRdelayPane"), makeTag(10, 10));

    console.model().selection().CurrentOutputPage = 13;
    console.refreshView(PageMain);
    EXPECT_EQ(tagOf("MainRmuteBtn"), makeTag(14, 11));
    EXPECT_TRUE(sink.sent.empty());
}

TEST_F(ConsoleTest, AuxiliaryGainSlotsFollowTheTabShown) {
    clickTab("FormAUXTabBtn");
    EXPECT_EQ(console.bindings().control(makeTag(PageAux, 8)), get<Edit>("AUXMUS2GainEdit2"));
    store().setValue(PageAux, 8, 130);
    console.refreshView(PageAux);
    EXPECT_EQ(get<Edit>("AUXMUS2GainEdit2")->text(), "2.0dB");

    clickTab("HintAuxBtn");
    EXPECT_EQ(console.bindings().control(makeTag(PageAux, 8)), get<Edit>("AUXMUSGainEdit2"));
    EXPECT_EQ(get<Edit>("AUXMUSGainEdit2")->text(), "2.0dB");
}

TEST_F(ConsoleTest, QEditShowsTheQSlotOfItsBandType) {
    // Microphone band 5 starts at slot 35: a shelf with distinct Q values.
    store().setValue(PageMic1, 35, 2);
    store().setValue(PageMic1, 38, 40);
    store().setValue(PageMic1, 39, 20);
    clickTab("FormMICATabBtn");
    auto* q = get<Edit>("MicQEdit5");
    EXPECT_EQ(q->text(), "1.26");
    EXPECT_TRUE(get<StyledLabel>("MicLSQBtn5")->highlighted());

    auto* type = get<ComboBox>("MicModeBox5");
    type->setItemIndex(1);
    emit type->activated(1);
    EXPECT_EQ(q->text(), "4.00");
    EXPECT_TRUE(get<StyledLabel>("MicPEQBtn5")->highlighted());
    EXPECT_FALSE(get<StyledLabel>("MicLSQBtn5")->highlighted());
    ASSERT_EQ(sink.sent.size(), 1u);
    EXPECT_EQ(sink.sent[0], std::make_pair(makeTag(3, 35), 1));

    // A click on a letter is a choice in the box.
    emit get<StyledLabel>("MicHSQBtn5")->clicked();
    EXPECT_EQ(type->itemIndex(), 3);
    EXPECT_EQ(q->text(), "1.26");
}

} // namespace
} // namespace kdsp::test
