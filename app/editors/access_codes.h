#pragma once

#include <QObject>

namespace kdsp {

class Console;
class MainWindow;

// The access-code box on the title strip: a double click on the link label
// opens it, and Enter compares its text with the three codes that reveal
// the hidden hint page (with one or all four of its sub-tabs) and the
// auxiliary start-volume page. Nothing of it is stored between runs.
class AccessCodes : public QObject {
    Q_OBJECT
public:
    AccessCodes(MainWindow& window, Console& console);

    // The code typed into the box, as Enter in it does.
    void enter(const QString& code);

private:
    void open();
    void show(const char* name, bool shown);

    MainWindow& window_;
    Console& console_;
};

} // namespace kdsp
