// The device-mode and preset-file panels against the box: questions and
// their answers, the frames a recall or store sends, the lists and the
// files written under a temporary folder.
#include "editor_rig.h"

#include <QFile>
#include <QHeaderView>

namespace kdsp::test {
namespace {

using Frames = std::vector<std::string>;
using Texts = std::vector<std::string>;

class ModePanelTest : public EditorRig {
protected:
    void SetUp() override {
        EditorRig::SetUp();
        // System mode 3 is "KTV" with the pitch at 7; live it is 2.
        box.store().setValue(PageMusic, 3, 7);
        box.modes().store(ModeList::System, 2, box.store(), "KTV");
        box.modes().store(ModeList::System, 11, box.store(), "Party");
        box.store().setValue(PageMusic, 3, 2);
    }
    void choose(const char* name, int index) {
        auto* list = get<ComboBox>(name);
        list->setCurrentIndex(index);
        emit list->activated(index);
    }
};

TEST_F(ModePanelTest, ChoosingAModeShowsItsNameAlone) {
    linkUp();
    const std::pair<int, const char*> cases[] = {{11, "Party"}, {2, "KTV"}, {0, "System mode 1"}};
    for (const auto& [index, name] : cases) {
        choose("SysModeBox", index);
        EXPECT_EQ(get<Edit>("PresetModeEdit")->text(), QString::fromLatin1(name));
    }
    EXPECT_EQ(received(), Frames{});
}

TEST_F(ModePanelTest, ARecallAsksFirstAndReloadsTheConsoleFromTheBox) {
    linkUp();
    choose("SysModeBox", 2);
    prompter.answers = {false};
    clickButton("SysLoadModeBtn");
    EXPECT_EQ(prompter.questions, Texts{"Confirm|模式切换为3-KTV?"});
    EXPECT_EQ(received(), Frames{});

    clickButton("SysLoadModeBtn");
    const Frames frames = received();
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front(), "write 1E02=2");
    EXPECT_EQ(get<TrackBar>("MusPitchBar")->position(), 7) << "the recalled mode's pitch";
    EXPECT_EQ(get<ComboBox>("SysModeBox")->itemIndex(), 2);
    EXPECT_EQ(get<BitmapButton>("SysFactoryBtn3")->look(), BitmapButton::Look::Down);
    EXPECT_EQ(get<BitmapButton>("SysFactoryBtn")->look(), BitmapButton::Look::Up);
}

TEST_F(ModePanelTest, AStoreNamesTheModeAndTheBoxConfirmsIt) {
    linkUp();
    choose("SysModeBox", 4);
    get<Edit>("PresetModeEdit")->setText("Duet");
    clickButton("SysSaveModeBtn");
    EXPECT_EQ(prompter.questions, Texts{"Confirm|保存当前模式为 5-Duet?"});
    EXPECT_EQ(received(), Frames{"write 1E01 +22 bytes"});
    EXPECT_EQ(box.modes().name(ModeList::System, 4), "Duet");
    EXPECT_EQ(get<ComboBox>("SysModeBox")->itemText(4), "5-Duet");
    EXPECT_EQ(get<ComboBox>("SysModeBox")->itemIndex(), 4) << "the stored mode stays chosen";
    EXPECT_EQ(prompter.messages, Texts{"保存成功!"});

    // The hint list: index 4 and a zero byte lead the name.
    clickButton("HintSysBtn");
    choose("SysMode2Box", 4);
    get<Edit>("PresetMode2Edit")->setText("Soft");
    clickButton("SysSave2ModeBtn");
    ASSERT_EQ(box.receivedFrames().size(), 1u);
    const Bytes& frame = box.receivedFrames().front();
    EXPECT_EQ(frame[6], 4);
    EXPECT_EQ(frame[7], 0);
    settle();
    EXPECT_EQ(box.modes().name(ModeList::Hint, 4), "Soft");
    EXPECT_EQ(get<ComboBox>("SysMode2Box")->itemText(4), "5-Soft");
    EXPECT_EQ(get<ComboBox>("SysMode3Box")->itemText(4), "5-Soft");
    EXPECT_EQ(get<ComboBox>("SysMode3Box")->itemIndex(), 4) << "as the hint page's box";
}

TEST_F(ModePanelTest, UserModeButtonsRecallTheirModeOnlyWhileOnline) {
    clickButton("SysFactoryBtn2");
    EXPECT_TRUE(prompter.questions.empty()) << "nothing while off line";

    box.store().setValue(PageSystem, 2, 8);
    linkUp();
    auto* more = get<BitmapButton>("SysFactoryBtn7");
    EXPECT_EQ(more->text(), "9");
    EXPECT_EQ(more->look(), BitmapButton::Look::Down);
    prompter.answers = {false};
    clickButton("SysFactoryBtn7");
    EXPECT_EQ(prompter.questions, Texts{"Confirm|模式切换为9-System mode 9?"});

    clickButton("SysFactoryBtn2");
    EXPECT_EQ(received().front(), "write 1E02=1");
    EXPECT_EQ(more->text(), "...");
    EXPECT_EQ(more->look(), BitmapButton::Look::Dim);
    clickButton("SysFactoryBtn7");
    EXPECT_EQ(get<PageControl>("AdvPageControl1")->currentIndex(), 1);
    EXPECT_EQ(prompter.questions.size(), 2u);
}

class FilePanelTest : public EditorRig {
protected:
    QString path(const char* relative) {
        return presetBase.filePath(QString::fromLatin1(relative));
    }
    QByteArray contents(const char* relative) {
        QFile file(path(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList listed(const char* list) {
        QStringList rows;
        auto* grid = get<ListGrid>(list);
        for (int row = 0; row < grid->rowCount(); ++row)
            rows << grid->item(row, 0)->text() + " " + grid->item(row, 1)->text();
        return rows;
    }
};

TEST_F(FilePanelTest, SaveChangeAndLoadBringsTheBoxBackToTheFile) {
    linkUp();
    auto* list = get<ListGrid>("ValueListEditor1");
    EXPECT_EQ(list->horizontalHeaderItem(0)->text(), "NO.");
    EXPECT_EQ(list->horizontalHeaderItem(1)->text(), "File Name");

    get<Edit>("FileEdit")->setText("Alpha");
    clickButton("RzBmpButton120");
    get<Edit>("FileEdit")->setText("Beta");
    clickButton("RzBmpButton120");
    EXPECT_EQ(listed("ValueListEditor1"), (QStringList{"0 Alpha", "1 Beta"}));
    EXPECT_EQ(get<Edit>("FileEdit")->text(), "Beta");
    const ParameterStore saved = store();
    const QByteArray alpha = contents("Mode/R9Mode/Alpha.Nddt");
    ASSERT_FALSE(alpha.isEmpty());

    // Overwriting asks; Cancel writes nothing.
    get<TrackBar>("MusPitchBar")->setValue(12);
    get<Edit>("FileEdit")->setText("Alpha");
    prompter.answers = {false};
    clickButton("RzBmpButton120");
    EXPECT_EQ(prompter.questions, Texts{"*系统提示*|文件已存在,覆盖它吗?"});
    EXPECT_EQ(contents("Mode/R9Mode/Alpha.Nddt"), alpha);
    received();

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(0, 1)).center());
    EXPECT_EQ(get<Edit>("FileEdit")->text(), "Alpha");
    clickButton("RzBmpButton119");
    EXPECT_EQ(prompter.questions.back(), "Confirm|加载模式：Alpha ?");
    const Frames upload = received();
    ASSERT_FALSE(upload.empty());
    EXPECT_EQ(upload.front().rfind("upload page", 0), 0u) << upload.front();
    for (int page = 0; page <= 21; ++page)
        for (int slot = 0; slot < SlotCount[static_cast<std::size_t>(page)]; ++slot)
            ASSERT_EQ(boxStore().value(page, slot), saved.value(page, slot)) << page << "/" << slot;
    EXPECT_EQ(get<TrackBar>("MusPitchBar")->position(), saved.value(PageMusic, 3));
}

TEST_F(FilePanelTest, MissingFilesAndDeletionAreReported) {
    get<Edit>("FileEdit")->setText("Nope");
    clickButton("RzBmpButton119");
    EXPECT_EQ(prompter.messages, Texts{"文件不存在"});

    get<Edit>("FileEdit2")->setText("Warm");
    clickButton("HintSavetoPCBtn");
    EXPECT_EQ(listed("ValueListEditor2"), QStringList{"0 Warm"});
    ASSERT_FALSE(contents("Mode/HintMode/Warm.EQdt").isEmpty());

    window.findChild<QAction*>("MenuItem2")->trigger();
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_TRUE(QString::fromStdString(prompter.messages.back()).endsWith("Warm.EQdt"));
    EXPECT_FALSE(QFile::exists(path("Mode/HintMode/Warm.EQdt")));
    EXPECT_TRUE(listed("ValueListEditor2").isEmpty());
    EXPECT_TRUE(get<Edit>("FileEdit2")->text().isEmpty());
}

} // namespace
} // namespace kdsp::test
