// Start-up steps that need no window: the data folder, qm.inf, the current
// book's names and settings.
#pragma once

#include <string>

#include "platform/environment.h"

namespace qm {

// The data folder named by the last "ALLUSERSPROFILE" (exact name) in the
// list, followed by "/Quillmark/"; with none, "/Quillmark/".
std::string DataFolderFromEnvironment(const platform::EnvironmentList& environment);

// Creates the data folder (one level) when it cannot be listed. Failure is
// ignored: the program then runs with defaults and nothing persists.
void PrepareDataFolder(const std::string& folder);

// Start-up from the platform's start to the update reminder: resets the
// program state, finds the data folder, creates qm.inf on first run, reads
// the current book from it and stores "Version" = "2.80", loads the book's
// settings, and reads the version back into ProgramVersion. Returns the
// "LastCheckValue" text for the update reminder.
std::string StartProgramSettings();

// Start-up after the window is built: loads the current address book and the
// ZIP code database, and clears the record selection.
void StartProgramData();

}  // namespace qm
