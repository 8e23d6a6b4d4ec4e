#pragma once

#include "app/graph/graph_controller.h"
#include "app/graph/graph_image.h"
#include "app/window/main_window.h"
#include "tests/app/console_fixture.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <gtest/gtest.h>
#include <memory>

namespace kdsp::test {

// An input with no device behind it, like the machines without a sound
// server.
struct MissingInput : audio::WaveInput {
    bool open(const audio::WaveFormat&, audio::WaveSink&, std::string& error) override {
        error = "no audio input device";
        return false;
    }
    bool start(std::string&) override { return false; }
    void stop() override {}
    void close() override {}
};

// A started console on a shown window with the graph at its design size,
// 883 x 268 pixels.
class GraphTest : public ::testing::Test {
protected:
    void SetUp() override {
        input = makeInput();
        graph = std::make_unique<GraphController>(window, console, *input);
        image()->setFixedSize(883, 268);
        window.show();
        console.start();
        settle();
        ASSERT_EQ(graph->canvas().picture().size(), QSize(883, 268));
        sink.sent.clear();
    }
    void TearDown() override { graph.reset(); }

    virtual std::unique_ptr<audio::WaveInput> makeInput() {
        return std::make_unique<MissingInput>();
    }

    template <class T = QWidget> T* get(const char* name) {
        T* control = window.control<T>(QString::fromLatin1(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    GraphImage* image() { return get<GraphImage>("Image1"); }
    MarkerImage* marker(const char* name) { return get<MarkerImage>(name); }
    const QImage& picture() const { return graph->canvas().picture(); }
    ParameterStore& store() { return console.model().store(); }
    void clickTab(const char* name) {
        get<ToolButton>(name)->click();
        settle();
    }

    // Music band `band` (from 0) as the box would hold it, then shown.
    void setMusicBand(int band, int type, int frequency, int gain, int q = 16) {
        const int first = 10 + 5 * band;
        store().setValue(PageMusic, first + BandType, type);
        store().setValue(PageMusic, first + BandFrequency, frequency);
        store().setValue(PageMusic, first + BandGain, gain);
        store().setValue(PageMusic, first + BandQPeaking, q);
    }
    void refresh(int page) {
        console.refreshView(page);
        settle();
    }

    static void settle(int ms = 0) {
        QElapsedTimer clock;
        clock.start();
        do
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        while (clock.elapsed() < ms);
    }
    template <class Done> static bool pumpUntil(Done done, int timeoutMs) {
        QElapsedTimer clock;
        clock.start();
        while (!done() && clock.elapsed() < timeoutMs)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }

    // Mouse events as the window system delivers them to the widget under
    // (or holding) the mouse, in its own coordinates.
    static void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
                      Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button, held,
                          Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
    static void press(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        mouse(w, QEvent::MouseButtonPress, at, button, button);
    }
    static void moveTo(QWidget* w, QPoint at, Qt::MouseButtons held = Qt::LeftButton) {
        mouse(w, QEvent::MouseMove, at, Qt::NoButton, held);
    }
    static void release(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        mouse(w, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
    }
    // A left-button drag of a marker by (dx, dy): the marker follows the
    // mouse, so the mouse stays on the same point of it.
    void drag(MarkerImage* m, int dx, int dy) {
        const QPoint grip(7, 7);
        press(m, grip);
        moveTo(m, grip + QPoint(dx, dy));
        release(m, grip);
        settle();
    }

    RecordingSink sink;
    RecordingPrompter prompter;
    MainWindow window;
    Console console{window, sink, prompter};
    std::unique_ptr<audio::WaveInput> input;
    std::unique_ptr<GraphController> graph;
};

} // namespace kdsp::test
