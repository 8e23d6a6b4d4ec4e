#pragma once

#include <string_view>

namespace kdsp {

enum class QuestionButtons { YesNo, OkCancel };

// Modal dialogs on behalf of the core. The texts arrive already in the
// console language; the core never waits on anything else while one is up.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A plain message with an OK button.
    virtual void showMessage(std::string_view text) = 0;
    // A question; true when the user chose Yes or OK.
    virtual bool ask(std::string_view caption, std::string_view text, QuestionButtons buttons) = 0;
};

} // namespace kdsp
