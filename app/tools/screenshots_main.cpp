// kdsp-screenshots DIR: runs the console against its demo box, waits for the
// download, then walks every page tab (and the effect and hint sub-tabs) in
// both languages and saves one PNG of the window per view into DIR.
#include "app/console_app.h"
#include "app/window/main_window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

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
    kdsp::ConsoleApp console(options);
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
    QTextStream(stdout) << saved << " screenshots in " << dir.path() << '\n';
    return 0;
}
