// The process environment and the working folder.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace qm::platform {

using EnvironmentList = std::vector<std::pair<std::string, std::string>>;

// The process environment in its stored order. "ALLUSERSPROFILE" and "TEMP",
// which the program reads, are appended when the system does not define them:
// "ALLUSERSPROFILE" as $XDG_DATA_HOME, else $HOME/.local/share; "TEMP" as
// $TMPDIR, else /tmp.
EnvironmentList ProcessEnvironment();

// Creates the folders of the values ProcessEnvironment supplies itself (a
// fresh account may lack ~/.local/share). Called once when the platform starts.
void PrepareSuppliedFolders();

// The current working folder, without a trailing separator; empty on failure.
std::string CurrentFolder();

}  // namespace qm::platform
