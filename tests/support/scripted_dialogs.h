// Dialogs for tests: each request is recorded and answered from a script;
// a dialog nobody expected fails the test.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "platform/dialogs.h"

namespace qm::test {

struct MessageRequest {
    std::string title;
    std::string text;
    platform::MessageButtons buttons;
};

class ScriptedDialogs final : public platform::Dialogs {
public:
    ScriptedDialogs();   // installs itself
    ~ScriptedDialogs() override;  // uninstalls, and fails on answers never asked for

    // Expect one more message box, answered with `answer`.
    void ExpectMessage(platform::MessageAnswer answer = platform::MessageAnswer::Ok);

    platform::MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                                        platform::MessageButtons buttons) override;

    const std::vector<MessageRequest>& messages() const { return messages_; }

private:
    std::deque<platform::MessageAnswer> answers_;
    std::vector<MessageRequest> messages_;
};

}  // namespace qm::test
