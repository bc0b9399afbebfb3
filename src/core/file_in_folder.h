// The program's file-presence test.
#pragma once

#include <string>

namespace qm {

// Lists `folder` with the pattern "*." plus the last three characters of
// `name` and reports whether a listed name equals `name` byte for byte. So a
// name whose extension is not three letters long, or that differs only in
// letter case, counts as absent. False when the folder cannot be listed.
// Never opens the file.
bool FileInFolder(const std::string& folder, const std::string& name);

}  // namespace qm
