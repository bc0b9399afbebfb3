#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace qm::test {

ScriptedDialogs::ScriptedDialogs() { platform::InstallDialogs(this); }

ScriptedDialogs::~ScriptedDialogs() {
    platform::InstallDialogs(nullptr);
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " expected message box(es) never shown";
    EXPECT_TRUE(fileAnswers_.empty()) << fileAnswers_.size() << " expected file request(s) never made";
    EXPECT_TRUE(fontAnswers_.empty()) << fontAnswers_.size() << " expected font choice(s) never made";
}

void ScriptedDialogs::ExpectFileRequest(std::optional<std::string> answer) { fileAnswers_.push_back(std::move(answer)); }

void ScriptedDialogs::ExpectFontChoice(std::optional<platform::FontChoice> answer) {
    fontAnswers_.push_back(std::move(answer));
}

std::optional<std::string> ScriptedDialogs::RequestFile(const platform::FileRequest& request) {
    fileRequests_.push_back(request);
    if (fileAnswers_.empty()) {
        ADD_FAILURE() << "unexpected file request \"" << request.title << "\"";
        return std::nullopt;
    }
    auto answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    return answer;
}

std::optional<platform::FontChoice> ScriptedDialogs::ChooseFont(const platform::FontChoice& current) {
    fontRequests_.push_back(current);
    if (fontAnswers_.empty()) {
        ADD_FAILURE() << "unexpected font chooser";
        return std::nullopt;
    }
    auto answer = fontAnswers_.front();
    fontAnswers_.pop_front();
    return answer;
}

void ScriptedDialogs::ExpectMessage(platform::MessageAnswer answer) { answers_.push_back(answer); }

platform::MessageAnswer ScriptedDialogs::ShowMessage(const std::string& title, const std::string& text,
                                                     platform::MessageButtons buttons) {
    messages_.push_back({title, text, buttons});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected message box \"" << title << "\": " << text;
        return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok : platform::MessageAnswer::No;
    }
    platform::MessageAnswer answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace qm::test
