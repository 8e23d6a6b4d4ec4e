// kdsp-console: the control console of the karaoke processor.
#include "app/app_options.h"
#include "app/console_app.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("KaraoKe Digital Signal Processor");

    QString error;
    const auto options = kdsp::ParseAppOptions(app.arguments(), error);
    if (!options) {
        QTextStream(stderr) << "kdsp-console: " << error << '\n';
        return 2;
    }
    kdsp::ConsoleApp console(*options);
    console.show();
    return app.exec();
}
