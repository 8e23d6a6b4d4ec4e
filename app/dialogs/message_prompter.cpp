#include "app/dialogs/message_prompter.h"

#include <QMessageBox>

namespace kdsp {

namespace {

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

} // namespace

void MessagePrompter::showMessage(std::string_view message) {
    QMessageBox::information(parent_, text(caption_), text(message));
}

bool MessagePrompter::ask(std::string_view caption, std::string_view question,
                          QuestionButtons buttons) {
    const auto choices = buttons == QuestionButtons::YesNo ? QMessageBox::Yes | QMessageBox::No
                                                           : QMessageBox::Ok | QMessageBox::Cancel;
    const auto answer = QMessageBox::question(parent_, text(caption), text(question), choices);
    return answer == QMessageBox::Yes || answer == QMessageBox::Ok;
}

} // namespace kdsp
