// The one way the core speaks to the user: a message box with a title, a
// text, an icon and buttons. The desktop shows a QMessageBox, the command
// line prints "Title: text" (and the detail's lines) on stderr, the tests
// record and script answers.
#pragma once

#include <string>

namespace quaeryn {

enum class PromptIcon { Information, Exclamation, Critical, Question };
enum class PromptButtons { Ok, YesNo, YesNoCancel };
enum class PromptAnswer { Ok, Yes, No, Cancel };

struct PromptMessage {
    std::string id;     // stable identifier, e.g. "input-error"
    std::string title;  // "Warning!", "Error!", "Information", "Information!"
    std::string text;
    // What the message is about, one line each (for a refused entry: the
    // field and its rule, "minute: 60 is past 59"); empty for most. The
    // desktop shows it under the text, the command line on the next lines.
    std::string detail;
    PromptIcon icon = PromptIcon::Information;
    PromptButtons buttons = PromptButtons::Ok;
};

// The answer of a box closed without a choice: Ok, No for Yes/No, and
// Cancel for Yes/No/Cancel (its default button).
inline PromptAnswer DefaultAnswer(PromptButtons buttons) {
    switch (buttons) {
        case PromptButtons::YesNo: return PromptAnswer::No;
        case PromptButtons::YesNoCancel: return PromptAnswer::Cancel;
        case PromptButtons::Ok: break;
    }
    return PromptAnswer::Ok;
}

class UserPrompt {
public:
    virtual ~UserPrompt() = default;
    // Shows the message and waits for the answer.
    virtual PromptAnswer ask(const PromptMessage& message) = 0;
    void notify(const PromptMessage& message) { ask(message); }
};

// Answers every question with its default (DefaultAnswer) and keeps
// nothing; for callers that want no dialogue at all.
class SilentPrompt final : public UserPrompt {
public:
    PromptAnswer ask(const PromptMessage& message) override { return DefaultAnswer(message.buttons); }
};

}  // namespace quaeryn
