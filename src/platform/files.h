// Files and folders, as the program uses them: whole-file reads, whole-file
// replacements that never leave a file missing or half-written, folder
// listings with a wildcard pattern, and folder creation.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace qm::platform {

// The outcome of a file operation: ok, or the system's error number.
struct FileResult {
    bool ok = true;
    int error = 0;
    static FileResult Success() { return {}; }
    static FileResult Failure(int err) { return {false, err}; }
};

// The system's words for an error number ("No space left on device").
std::string ErrorText(int error);

// How a file can be opened: for reading and writing, for reading only, or not
// at all. A file without its owner-write permission bit counts as read-only
// even for a user the system would let write it, like a read-only file on
// other systems; only regular files can be opened.
enum class FileAccess { ReadWrite, ReadOnly, None };
FileAccess ProbeFileAccess(const std::string& path);

// Reads the whole regular file into `content`; anything else (a folder, a
// pipe) fails without waiting.
FileResult ReadWholeFile(const std::string& path, std::string& content);

// Replaces the file's content with `content` so that at no moment is the file
// missing or partial: the bytes go to a temporary file in the same folder,
// which is flushed to disk and renamed over the file. An existing file keeps
// its permissions; a read-only one is not replaced (EACCES). On failure the
// old file is untouched.
FileResult ReplaceFile(const std::string& path, const std::string& content);

// Copies `from` over `to` by the same safe replacement.
FileResult CopyFileReplacing(const std::string& from, const std::string& to);

// Whether a file could be created or replaced at the path: its folder exists,
// and the path is not a folder or a read-only file. Touches nothing.
bool CanCreateFile(const std::string& path);

// Creates an empty file when none exists; an existing file is left as it is.
FileResult CreateFileIfMissing(const std::string& path);

// Lists the names in a folder that match a pattern of "*" and "?" wildcards,
// compared without regard to ASCII letter case. An empty folder text lists the
// working folder. No value when the folder cannot be listed.
std::optional<std::vector<std::string>> ListFolder(const std::string& folder,
                                                   const std::string& pattern);

// Creates one folder level; false when it cannot be created.
bool CreateFolder(const std::string& path);

// Test seam: after `skip` calls that work, the next `count` calls of
// ReplaceFile fail with `error` before anything is written, as a full disk or
// a folder refusing new files would.
void FailNextReplacements(int count, int error, int skip = 0);

}  // namespace qm::platform
