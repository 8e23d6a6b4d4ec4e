#include "app/dialogs/comms_window.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace kdsp {

namespace {

QPushButton* button(const char* name, const char* text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    return b;
}

} // namespace

CommsWindow::CommsWindow(std::function<void()> startTcp, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint) {
    setObjectName("TForm3");
    setWindowTitle("系统");

    history_ = new QListWidget(this);
    history_->setObjectName("HistoryListBox");
    history_->setFont(QFont("Courier New"));
    history_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    devices_ = new QListWidget(this);
    devices_->setObjectName("DevListBox");

    auto* clear = button("Button3", "Clear", this);
    auto* tcp = button("TcpBtn", "TCP连接", this);
    // Present on the window without an action, as they always were.
    auto* connectButton = button("RzButton13", "连接", this);
    auto* disconnectButton = button("RzButton14", "断开", this);
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName("Memo1");
    auto* reportId = new QLineEdit("1", this);
    reportId->setObjectName("ReportID");

    connect(clear, &QPushButton::clicked, history_, &QListWidget::clear);
    connect(clear, &QPushButton::clicked, this, [this] { historyExtent_ = 0; });
    connect(tcp, &QPushButton::clicked, this, [startTcp] { startTcp(); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(history_, 0, 0, 1, 4);
    layout->addWidget(devices_, 1, 0, 1, 4);
    layout->addWidget(clear, 2, 0);
    layout->addWidget(tcp, 2, 1);
    layout->addWidget(connectButton, 2, 2);
    layout->addWidget(disconnectButton, 2, 3);
    layout->addWidget(memo, 3, 0, 1, 3);
    layout->addWidget(reportId, 3, 3);
    resize(480, 360);
    hide();
}

void CommsWindow::addHistoryLine(const QString& line) {
    const int width = QFontMetrics(history_->font()).horizontalAdvance(line) + 16;
    if (width > historyExtent_)
        historyExtent_ = width;
    history_->addItem(line);
    history_->setCurrentRow(history_->count() - 1);
    history_->scrollToBottom();
}

void CommsWindow::showDeviceList(const std::vector<std::string>& lines) {
    devices_->clear();
    for (const auto& line : lines)
        devices_->addItem(QString::fromStdString(line));
    if (devices_->count() > 0)
        devices_->setCurrentRow(0);
}

} // namespace kdsp
