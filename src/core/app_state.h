// The program state every part reads: folders, the current book's file
// names, the settings version and a few program-wide flags.
#pragma once

#include <cstdint>
#include <string>

namespace qm {

struct WindowPosition {
    int32_t x = 0;
    int32_t y = 0;
};

struct AppState {
    std::string DataFolder;        // "ALLUSERSPROFILE" + "/Quillmark/", with trailing separator
    std::string StartFolder;       // working folder at start, with trailing separator
    std::string BookFolder;        // folder of the current address book
    std::string BookName;          // current book name without extension
    std::string BookFile;          // BookName + ".adb"
    std::string BookSettingsFile;  // BookName + ".inf"
    std::string ProgramVersion;    // "Version" read back from qm.inf
    bool CarryLayoutFlag = false;  // keep the positions when a new book is created
    WindowPosition WindowAnchor;   // main window position for a new book settings file
    bool QuitRequested = false;

    std::string BookPath() const { return BookFolder + BookFile; }
    std::string BookSettingsPath() const { return BookFolder + BookSettingsFile; }
};

AppState& App();

}  // namespace qm
