#pragma once

#include "presets/prompter.h"

class QWidget;

namespace kdsp {

// Modal message boxes over the main window.
class MessagePrompter : public Prompter {
public:
    explicit MessagePrompter(QWidget* parent) : parent_(parent) {}

    // `caption` of the plain messages: "提示" or "Confirm".
    void setCaption(std::string_view caption) { caption_ = caption; }

    void showMessage(std::string_view text) override;
    bool ask(std::string_view caption, std::string_view text, QuestionButtons buttons) override;

private:
    QWidget* parent_;
    std::string_view caption_ = "提示";
};

} // namespace kdsp
