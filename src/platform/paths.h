// The path separator of the system the program runs on. Folder values keep a
// trailing separator, and a path is folder plus file name by concatenation.
#pragma once

namespace qm::platform {

inline constexpr char kPathSeparator = '/';

}  // namespace qm::platform
