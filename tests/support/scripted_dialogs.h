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
    // Expect one more file request, answered with a path or (nullopt) a cancel.
    void ExpectFileRequest(std::optional<std::string> answer);
    // Expect one more font choice, answered with a font or a cancel.
    void ExpectFontChoice(std::optional<platform::FontChoice> answer);

    platform::MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                                        platform::MessageButtons buttons) override;
    std::optional<std::string> RequestFile(const platform::FileRequest& request) override;
    std::optional<platform::FontChoice> ChooseFont(const platform::FontChoice& current) override;

    const std::vector<MessageRequest>& messages() const { return messages_; }
    const std::vector<platform::FileRequest>& fileRequests() const { return fileRequests_; }
    const std::vector<platform::FontChoice>& fontRequests() const { return fontRequests_; }

private:
    std::deque<platform::MessageAnswer> answers_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::deque<std::optional<platform::FontChoice>> fontAnswers_;
    std::vector<MessageRequest> messages_;
    std::vector<platform::FileRequest> fileRequests_;
    std::vector<platform::FontChoice> fontRequests_;
};

}  // namespace qm::test
