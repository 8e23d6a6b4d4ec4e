// kdsp-screenshots DIR: runs the console against its demo box, waits for the
// download, then walks every page tab (and the effect and hint sub-tabs) in
// both languages and saves one PNG of the window per view into DIR.
#include "app/console_app.h"
#include "app/controls/inputs.h"
#include "app/window/main_window.h"
#include "audio/pcm_converter.h"
#include "audio/qt/looped_wave_input.h"
#include "presets/preset_folders.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QTextStream>
#include <cmath>
#include <numbers>
#include <random>

namespace {

struct View {
    const char* tab;
    const char* subTab; // nullptr: the tab alone
};

const View Views[] = {
    {"FormMusTabBtn", nullptr},           {"FormDYNBtn", nullptr},
    {"FormMICATabBtn", nullptr},          {"FormMICBTabBtn", nullptr},
    {"FormEFFTabBtn", "EchoAToolButton"}, {"FormEFFTabBtn", "EchoBToolButton"},
    {"FormEFFTabBtn", "RvbToolButton"},   {"FormMAINTabBtn", nullptr},
    {"FormSURTabBtn", nullptr},           {"FormCENTabBtn", nullptr},
    {"FormSUBTabBtn", nullptr},           {"FormHintTabBtn", "HintMusBtn"},
    {"FormHintTabBtn", "HintMicABtn"},    {"FormHintTabBtn", "HintMicBBtn"},
    {"FormHintTabBtn", "HintSysBtn"},     {"FormRECTabBtn", nullptr},
    {"FormAUXTabBtn", nullptr},           {"HintAuxBtn", nullptr},
};

void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
}

bool click(kdsp::MainWindow& window, const char* name) {
    auto* button = window.control<QAbstractButton>(name);
    if (!button)
        return false;
    button->click();
    settle(150);
    return true;
}

// A second of something like music for the spectrum: a few tones from
// bass to treble over a little noise.
std::vector<std::uint8_t> DemoSound() {
    const struct {
        double hz;
        double level;
    } tones[] = {{82, 0.22}, {165, 0.16}, {440, 0.12}, {1000, 0.08}, {2500, 0.05}, {6000, 0.03}};
    std::mt19937 noise(7);
    std::uniform_real_distribution<double> hiss(-0.02, 0.02);
    std::vector<std::uint8_t> samples(48000);
    for (std::size_t n = 0; n < samples.size(); ++n) {
        double v = hiss(noise);
        for (const auto& tone : tones)
            v += tone.level *
                 std::sin(2 * std::numbers::pi * tone.hz * static_cast<double>(n) / 48000);
        samples[n] = kdsp::audio::ToUnsigned8(v);
    }
    return samples;
}

void mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    QMouseEvent event(type, QPointF(at), QPointF(widget->mapToGlobal(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// The music page's graph at work: a crossover set, band 5 dragged up and
// to the right, the spectrum of the demo sound underneath.
bool GraphAtWork(kdsp::MainWindow& window, const QDir& dir) {
    if (!click(window, "FormMusTabBtn"))
        return false;
    const struct {
        const char* box;
        int type;
        const char* bar;
        int position;
    } crossovers[] = {{"MusHPTypeBox", 2, "MusHPFREBar", 70},
                      {"MusLPTypeBox", 2, "MusLPFREBar", 300}};
    for (const auto& crossover : crossovers) {
        auto* box = window.control<kdsp::ComboBox>(crossover.box);
        auto* bar = window.control<kdsp::TrackBar>(crossover.bar);
        if (box == nullptr || bar == nullptr)
            return false;
        box->setCurrentIndex(crossover.type);
        emit box->activated(crossover.type);
        bar->setPosition(crossover.position);
        settle(50);
    }
    QWidget* band = window.control<QWidget>("EP5");
    if (band == nullptr || !click(window, "PinPPBtn"))
        return false;
    const QPoint grip(7, 7);
    mouse(band, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    mouse(band, QEvent::MouseMove, grip + QPoint(40, -40), Qt::NoButton);
    mouse(band, QEvent::MouseButtonRelease, grip, Qt::LeftButton);
    settle(1500);
    return window.grab().save(dir.filePath("graph-at-work.png")) &&
           window.control<QWidget>("AdvPanel1")
               ->grab()
               .save(dir.filePath("graph-at-work-detail.png"));
}

// The editors in use: a band chosen on the music page, the Main output
// greyed in automatic mode, and the unlock panel of a box that locks the
// console on the next link.
bool EditorsAtWork(kdsp::ConsoleApp& console, const QDir& dir) {
    kdsp::MainWindow& window = console.window();
    if (!click(window, "FormMusTabBtn"))
        return false;
    auto* gain = window.control<QWidget>("MusGainEdit4");
    if (gain == nullptr)
        return false;
    mouse(gain, QEvent::MouseButtonPress, QPoint(5, 5), Qt::LeftButton);
    mouse(gain, QEvent::MouseButtonRelease, QPoint(5, 5), Qt::LeftButton);
    settle(300);
    if (!window.grab().save(dir.filePath("band-highlighted.png")))
        return false;

    if (!click(window, "FormMAINTabBtn") || !click(window, "AutoModeBtn"))
        return false;
    settle(300);
    const bool greyed = window.grab().save(dir.filePath("output-automatic.png"));
    if (!click(window, "ManulModeBtn") || !greyed)
        return false;

    // The lock is the box's: switched on, it asks on the next link.
    if (!click(window, "SysPanelBtn2") || !click(window, "UnLinkBtn") || !click(window, "LinkBtn"))
        return false;
    QElapsedTimer clock;
    clock.start();
    auto* panel = window.control<QWidget>("FirstCheckGrop");
    while (!(console.engine().online() && panel->isVisible()) && clock.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    settle(300);
    return panel->isVisible() && window.grab().save(dir.filePath("unlock-panel.png"));
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: kdsp-screenshots DIR\n";
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path())) {
        err << "kdsp-screenshots: cannot create " << dir.path() << '\n';
        return 1;
    }

    kdsp::AppOptions options;
    options.demo = true;
    kdsp::ConsoleSeams seams;
    // Preset folders of a throw-away run.
    QTemporaryDir presets;
    seams.presetBase = kdsp::PathFromUtf8(presets.path().toStdString());
    seams.audioInput = std::make_unique<kdsp::audio::LoopedWaveInput>(DemoSound());
    kdsp::ConsoleApp console(options, std::move(seams));
    console.show();
    QElapsedTimer clock;
    clock.start();
    while (!console.engine().online() && clock.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!console.engine().online()) {
        err << "kdsp-screenshots: the demo box was not reached\n";
        return 1;
    }
    settle(500);

    int saved = 0;
    for (const char* language : {"zh", "en"}) {
        for (std::size_t i = 0; i < std::size(Views); ++i) {
            const View& view = Views[i];
            if (!click(console.window(), view.tab) ||
                (view.subTab && !click(console.window(), view.subTab))) {
                err << "kdsp-screenshots: no control " << view.tab << '\n';
                return 1;
            }
            const QString name = QString("%1-%2-%3%4.png")
                                     .arg(language)
                                     .arg(i + 1, 2, 10, QChar('0'))
                                     .arg(view.tab)
                                     .arg(view.subTab ? QString("-") + view.subTab : QString());
            if (!console.window().grab().save(dir.filePath(name))) {
                err << "kdsp-screenshots: cannot write " << dir.filePath(name) << '\n';
                return 1;
            }
            ++saved;
        }
        click(console.window(), "RzToolButton11"); // the other language
    }
    if (!GraphAtWork(console.window(), dir)) {
        err << "kdsp-screenshots: cannot show the graph at work\n";
        return 1;
    }
    saved += 2;
    if (!EditorsAtWork(console, dir)) {
        err << "kdsp-screenshots: cannot show the editors at work\n";
        return 1;
    }
    saved += 3;
    QTextStream(stdout) << saved << " screenshots in " << dir.path() << '\n';
    return 0;
}
