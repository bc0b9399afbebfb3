// The system's modal dialogs, behind one interface so that the program can be
// run against a scripted implementation in tests.
#pragma once

#include <string>

namespace qm::platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with a title, a text and its buttons.
    virtual MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                                      MessageButtons buttons) = 0;
};

// The dialogs the program uses. Until an implementation is installed, message
// boxes are written to the standard error stream.
Dialogs& SystemDialogs();

// Installs the dialogs to use; nullptr restores the standard-error fallback.
// The caller keeps ownership.
void InstallDialogs(Dialogs* dialogs);

}  // namespace qm::platform
