#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <vector>

class QListWidget;

namespace kdsp {

// TForm3: the link's history of errors and USB events and the list of the
// box vendor's devices. Created hidden; nothing in the console shows it, but
// its lists are kept all the same.
class CommsWindow : public QWidget {
public:
    explicit CommsWindow(std::function<void()> startTcp, QWidget* parent = nullptr);

    // Appends a line, selects it, and widens the list's horizontal extent
    // when the line is wider than any before.
    void addHistoryLine(const QString& line);
    void showDeviceList(const std::vector<std::string>& lines);

    QListWidget* history() const { return history_; }
    QListWidget* devices() const { return devices_; }

private:
    QListWidget* history_;
    QListWidget* devices_;
    int historyExtent_ = 0;
};

} // namespace kdsp
