// The system's modal dialogs, behind one interface so that the program can be
// run against a scripted implementation in tests.
#pragma once

#include <optional>
#include <string>

namespace qm::platform {

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

// What the file requester is asked.
struct FileRequest {
    std::string title;
    std::string startFolder;
    std::string fileName;  // preset name, may be empty
    std::string filter;    // "description|pattern|description|pattern..."
    bool mayNotExist = false;  // a name that does not exist yet may be typed
};

// A font as the chooser takes and gives it: 256 bold, 512 italic.
struct FontChoice {
    std::string face;
    int points = 0;
    int styleBits = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with a title, a text and its buttons.
    virtual MessageAnswer ShowMessage(const std::string& title, const std::string& text,
                                      MessageButtons buttons) = 0;
    // The chosen file's full path, or nothing when cancelled.
    virtual std::optional<std::string> RequestFile(const FileRequest& request) = 0;
    // The chosen font, or nothing when cancelled.
    virtual std::optional<FontChoice> ChooseFont(const FontChoice& current) = 0;
};

// The dialogs the program uses. Until an implementation is installed, message
// boxes are written to the standard error stream.
Dialogs& SystemDialogs();

// The dialogs of the window system; valid once StartWindowing succeeded.
Dialogs& WindowSystemDialogs();

// Whether dialogs other than the standard-error fallback are installed.
bool DialogsInstalled();

// Installs the dialogs to use; nullptr restores the standard-error fallback.
// The caller keeps ownership.
void InstallDialogs(Dialogs* dialogs);

}  // namespace qm::platform
