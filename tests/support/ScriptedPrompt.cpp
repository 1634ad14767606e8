#include "support/ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace quaeryn::test {

ScriptedPrompt::~ScriptedPrompt() {
    for (const auto& e : expected_) ADD_FAILURE() << "expected message not shown: " << e.id;
}

ScriptedPrompt& ScriptedPrompt::expect(const std::string& id, PromptAnswer answer) {
    expected_.push_back({id, answer});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::allow(const std::string& id, PromptAnswer answer) {
    allowed_.push_back({id, answer});
    return *this;
}

PromptAnswer ScriptedPrompt::ask(const PromptMessage& message) {
    seen_.push_back(message);
    if (!expected_.empty() && expected_.front().id == message.id) {
        const PromptAnswer a = expected_.front().answer;
        expected_.pop_front();
        return a;
    }
    for (const auto& a : allowed_)
        if (a.id == message.id) return a.answer;
    ADD_FAILURE() << "unexpected message [" << message.id << "] " << message.title << ": "
                  << message.text;
    return DefaultAnswer(message.buttons);
}

std::vector<std::string> ScriptedPrompt::seenIds() const {
    std::vector<std::string> ids;
    for (const auto& m : seen_) ids.push_back(m.id);
    return ids;
}

}  // namespace quaeryn::test
