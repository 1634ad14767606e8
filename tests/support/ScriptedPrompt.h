// A prompt for tests: it records every message and fails the test on any
// message it was not told to expect, in order.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "base/Prompt.h"

namespace quaeryn::test {

class ScriptedPrompt final : public UserPrompt {
public:
    ScriptedPrompt() = default;
    ~ScriptedPrompt() override;

    // The next message must have this id; answer it with `answer`.
    ScriptedPrompt& expect(const std::string& id, PromptAnswer answer = PromptAnswer::Ok);
    // Any number of messages with this id are accepted from now on.
    ScriptedPrompt& allow(const std::string& id, PromptAnswer answer = PromptAnswer::Ok);

    PromptAnswer ask(const PromptMessage& message) override;

    const std::vector<PromptMessage>& seen() const { return seen_; }
    std::vector<std::string> seenIds() const;
    // True when every expected message was shown.
    bool done() const { return expected_.empty(); }

private:
    struct Expectation {
        std::string id;
        PromptAnswer answer;
    };
    std::deque<Expectation> expected_;
    std::vector<Expectation> allowed_;
    std::vector<PromptMessage> seen_;
};

}  // namespace quaeryn::test
