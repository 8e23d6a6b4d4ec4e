#include "console_fixture.h"

#include <QApplication>
#include <QScreen>
#include <QTest>

namespace kdsp::test {
namespace {

TEST_F(ConsoleTest, VolumeKeysActOnlyOnTheMainSettingsSheet) {
    auto* music = get<TrackBar>("SysMusNormalVolBar");
    auto* mic = get<TrackBar>("SysMicNormalVolBar");
    get<TrackBar>("SysMusMaxVolBar")->setValue(84);
    get<TrackBar>("SysMicMaxVolBar")->setValue(84);
    window.activateWindow();
    QTest::keyClick(window.windowHandle(), Qt::Key_Q);
    QTest::keyClick(window.windowHandle(), Qt::Key_Q);
    QTest::keyClick(window.windowHandle(), Qt::Key_W);
    EXPECT_EQ(music->position(), 2);
    EXPECT_EQ(mic->position(), 1);
    EXPECT_TRUE(sink.contains(makeTag(PageVolume, 1), 2));

    get<PageControl>("AdvPageControl1")->setCurrentIndex(1);
    QTest::keyClick(window.windowHandle(), Qt::Key_A);
    EXPECT_EQ(music->position(), 2);
}

TEST_F(ConsoleTest, TheWheelStepsTheEditChosenByClicking) {
    auto* frequency = get<Edit>("MusFreEdit2");
    QTest::mouseClick(frequency, Qt::LeftButton);
    EXPECT_TRUE(console.wheelTarget());
    EXPECT_EQ(console.activeEdit(), frequency);
    EXPECT_TRUE(sink.sent.empty());

    QWheelEvent up(QPointF(5, 5), frequency->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(frequency, &up);
    // Band 2's frequency is index 25 at start; one step up is 26.
    EXPECT_TRUE(sink.contains(makeTag(0, 16), 26));
    EXPECT_EQ(frequency->text(), "32.5Hz");
    EXPECT_EQ(get<StyledLabel>("MusEQPointLabel2")->opaque(), true);
    EXPECT_EQ(get<StyledLabel>("MusEQPointLabel1")->opaque(), false);

    // A new tab leaves the wheel to the controls.
    clickTab("FormMusTabBtn");
    EXPECT_FALSE(console.wheelTarget());
}

TEST(MainWindowTest, MaximiseLeavesTheWorkAreaAndRestoreGivesTheWindowBack) {
    MainWindow window;
    window.show();
    const QRect normal = window.geometry();
    window.control<BitmapButton>(QStringLiteral("RzBmpButton1"))->click();
    EXPECT_TRUE(window.isMaximisedToWorkArea());
    // The offscreen screen is narrower than the window can be made.
    const QRect work = window.screen()->availableGeometry();
    EXPECT_EQ(window.geometry().topLeft(), work.topLeft());
    EXPECT_EQ(window.geometry().height(), work.height());
    window.control<BitmapButton>(QStringLiteral("RzBmpButton1"))->click();
    EXPECT_FALSE(window.isMaximisedToWorkArea());
    EXPECT_EQ(window.geometry(), normal);
}

} // namespace
} // namespace kdsp::test
