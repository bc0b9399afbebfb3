#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>

namespace qm::test {

ScriptedDialogs::ScriptedDialogs() { platform::InstallDialogs(this); }

ScriptedDialogs::~ScriptedDialogs() {
    platform::InstallDialogs(nullptr);
    EXPECT_TRUE(answers_.empty()) << answers_.size() << " expected dialog(s) never shown";
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
