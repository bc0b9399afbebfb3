// The settings file component: one open settings file at a time, held in
// memory as an ordered list of group headers, comments and key lines.
//
// Reading keeps every line it does not use, so a rewrite leaves unknown keys
// and comments in place. Keys and group names compare without regard to ASCII
// letter case. A file is written back at close only when a key or comment was
// written, and never when it could only be opened for reading. Rewrites go to
// a temporary file that replaces the old one, so a failed write leaves the old
// file whole.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qm {

class SettingsFile {
public:
    SettingsFile() = default;
    ~SettingsFile();
    SettingsFile(const SettingsFile&) = delete;
    SettingsFile& operator=(const SettingsFile&) = delete;

    // Closes any open file, then opens and reads the file. Tries reading and
    // writing, then reading only. False when the file cannot be opened at all;
    // the path is then remembered, reads give their defaults, and values
    // written anyway are saved at close into a new file holding just them.
    bool OpenForUpdate(const std::string& path);

    // Closes any open file, then starts the file anew with no entries; at
    // close the file becomes exactly what was written (zero bytes if
    // nothing). False when the file cannot be created (a missing folder, a
    // read-only file).
    bool CreateNew(const std::string& path);

    // Makes the first group with that name current. When the file has none,
    // keeps the current group, remembers the name as pending (its header is
    // added with the first key or comment written) and returns false. An
    // empty name leaves no group current.
    bool SelectGroup(const std::string& name);

    // The key's value in the current group, without surrounding spaces and
    // tabs; the default when the key is absent, a group is pending, or no file
    // is open.
    std::string ReadText(const std::string& key, const std::string& fallback) const;

    // The leading decimal integer of the value (optional sign; 0 when the
    // value does not start with a number); the default as for ReadText.
    int32_t ReadInteger(const std::string& key, int32_t fallback) const;

    void WriteText(const std::string& key, const std::string& value);
    void WriteInteger(const std::string& key, int32_t value);
    void WriteComment(const std::string& text);

    // Writes the file back when it changed, then releases it.
    void CloseSettings();

    bool IsOpen() const { return mode_ != Mode::Closed; }

private:
    enum class Kind { Group, Comment, Key };
    struct Entry {
        Kind kind;
        std::string name;   // group name, comment text or key
        std::string value;  // key value
    };
    enum class Mode { Closed, ReadWrite, ReadOnly, Failed };

    void Parse(const std::string& content);
    std::string Render() const;
    std::optional<size_t> FindKey(const std::string& key) const;
    size_t EndOfCurrentGroup() const;
    void Insert(size_t position, Entry entry);
    void AddPendingGroup();

    std::vector<Entry> entries_;
    std::optional<size_t> currentGroup_;
    std::optional<size_t> lastTouched_;
    std::optional<std::string> pendingGroup_;
    bool changed_ = false;
    bool utf8_ = false;
    Mode mode_ = Mode::Closed;
    std::string path_;
};

// The program's one settings file: opening or creating a file closes the one
// that is open first.
SettingsFile& Settings();

}  // namespace qm
