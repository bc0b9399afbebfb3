#include "core/settings_file.h"

#include "core/text.h"
#include "platform/files.h"

namespace qm {

namespace {

bool SameIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

bool IsSpaceOrTab(char c) { return c == ' ' || c == '\t'; }

std::string TrimSpacesAndTabs(const std::string& text) {
    size_t begin = 0, end = text.size();
    while (begin < end && IsSpaceOrTab(text[begin])) ++begin;
    while (end > begin && IsSpaceOrTab(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

// A line break inside a value or comment would split the line at the next
// read; such bytes are written as spaces.
std::string OnOneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

const char kUtf8Preamble[] = "\xEF\xBB\xBF";

}  // namespace

SettingsFile::~SettingsFile() { CloseSettings(); }

SettingsFile& Settings() {
    static SettingsFile file;
    return file;
}

bool SettingsFile::OpenForUpdate(const std::string& path) {
    CloseSettings();
    path_ = path;
    platform::FileAccess access = platform::ProbeFileAccess(path);
    std::string content;
    if (access == platform::FileAccess::None || !platform::ReadWholeFile(path, content).ok) {
        mode_ = Mode::Failed;
        return false;
    }
    mode_ = access == platform::FileAccess::ReadWrite ? Mode::ReadWrite : Mode::ReadOnly;
    Parse(content);
    return true;
}

bool SettingsFile::CreateNew(const std::string& path) {
    CloseSettings();
    // The file itself is written at close, whole, so that a failed write
    // leaves no empty file behind.
    if (!platform::CanCreateFile(path)) return false;
    path_ = path;
    mode_ = Mode::ReadWrite;
    changed_ = true;  // the file becomes what is written, even if that is nothing
    return true;
}

void SettingsFile::Parse(const std::string& content) {
    size_t pos = 0;
    if (content.compare(0, 3, kUtf8Preamble) == 0) {
        utf8_ = true;
        pos = 3;
    }
    auto convert = [this](std::string text) { return utf8_ ? Utf8ToCp1252(text) : text; };
    while (pos < content.size()) {
        size_t end = content.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = content.size();
        std::string line = content.substr(pos, end - pos);
        pos = content.find_first_not_of("\r\n", end);
        if (pos == std::string::npos) pos = content.size();

        size_t start = 0;
        while (start < line.size() && IsSpaceOrTab(line[start])) ++start;
        if (start == line.size()) continue;
        char first = line[start];
        if (first == ';') {
            size_t text = start + 1;
            if (text < line.size() && line[text] == ' ') ++text;
            entries_.push_back({Kind::Comment, convert(line.substr(text)), {}});
        } else if (first == '[') {
            size_t close = line.find(']', start + 1);
            size_t count = close == std::string::npos ? std::string::npos : close - start - 1;
            entries_.push_back({Kind::Group, convert(line.substr(start + 1, count)), {}});
        } else {
            size_t eq = line.find('=', start);
            std::string key = line.substr(start, eq == std::string::npos ? std::string::npos : eq - start);
            while (!key.empty() && IsSpaceOrTab(key.back())) key.pop_back();
            std::string value;
            if (eq != std::string::npos) {
                size_t v = eq + 1;
                while (v < line.size() && IsSpaceOrTab(line[v])) ++v;
                value = line.substr(v);
            }
            entries_.push_back({Kind::Key, convert(key), convert(value)});
        }
    }
}

std::string SettingsFile::Render() const {
    std::string out;
    if (entries_.empty()) return out;
    auto convert = [this](const std::string& text) { return utf8_ ? Cp1252ToUtf8(text) : text; };
    if (utf8_) out += std::string(kUtf8Preamble) + "\r\n";
    for (const Entry& e : entries_) {
        switch (e.kind) {
            case Kind::Group: out += "[" + convert(OnOneLine(e.name)) + "]"; break;
            case Kind::Comment: out += "; " + convert(OnOneLine(e.name)); break;
            case Kind::Key: out += convert(OnOneLine(e.name)) + " = " + convert(OnOneLine(e.value)); break;
        }
        out += "\r\n";
    }
    return out;
}

bool SettingsFile::SelectGroup(const std::string& name) {
    if (name.empty()) {
        currentGroup_.reset();
        pendingGroup_.reset();
        return true;
    }
    for (size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].kind == Kind::Group && SameIgnoringAsciiCase(entries_[i].name, name)) {
            currentGroup_ = i;
            lastTouched_ = i;
            pendingGroup_.reset();
            return true;
        }
    }
    pendingGroup_ = name;
    return false;
}

std::optional<size_t> SettingsFile::FindKey(const std::string& key) const {
    size_t i = currentGroup_ ? *currentGroup_ + 1 : 0;
    for (; i < entries_.size() && entries_[i].kind != Kind::Group; ++i) {
        if (entries_[i].kind == Kind::Key && SameIgnoringAsciiCase(entries_[i].name, key)) return i;
    }
    return std::nullopt;
}

size_t SettingsFile::EndOfCurrentGroup() const {
    size_t i = currentGroup_ ? *currentGroup_ + 1 : 0;
    while (i < entries_.size() && entries_[i].kind != Kind::Group) ++i;
    return i;
}

void SettingsFile::Insert(size_t position, Entry entry) {
    entries_.insert(entries_.begin() + static_cast<std::ptrdiff_t>(position), std::move(entry));
    if (currentGroup_ && *currentGroup_ >= position) ++*currentGroup_;
    lastTouched_ = position;
}

void SettingsFile::AddPendingGroup() {
    if (!pendingGroup_) return;
    entries_.push_back({Kind::Group, *pendingGroup_, {}});
    currentGroup_ = entries_.size() - 1;
    lastTouched_ = currentGroup_;
    pendingGroup_.reset();
}

std::string SettingsFile::ReadText(const std::string& key, const std::string& fallback) const {
    if (mode_ == Mode::Closed || pendingGroup_) return fallback;
    auto found = FindKey(key);
    return found ? TrimSpacesAndTabs(entries_[*found].value) : fallback;
}

int32_t SettingsFile::ReadInteger(const std::string& key, int32_t fallback) const {
    if (mode_ == Mode::Closed || pendingGroup_) return fallback;
    auto found = FindKey(key);
    if (!found) return fallback;
    const uint64_t value = static_cast<uint64_t>(LeadingDecimal(TrimSpacesAndTabs(entries_[*found].value)));
    return static_cast<int32_t>(static_cast<uint32_t>(value));
}

void SettingsFile::WriteText(const std::string& key, const std::string& value) {
    if (mode_ == Mode::Closed) return;
    AddPendingGroup();
    if (auto found = FindKey(key)) {
        entries_[*found].name = key;
        entries_[*found].value = value;
        lastTouched_ = *found;
    } else {
        Insert(EndOfCurrentGroup(), {Kind::Key, key, value});
    }
    changed_ = true;
}

void SettingsFile::WriteInteger(const std::string& key, int32_t value) { WriteText(key, NumberToText(value)); }

void SettingsFile::WriteComment(const std::string& text) {
    if (mode_ == Mode::Closed) return;
    AddPendingGroup();
    Insert(lastTouched_ ? *lastTouched_ + 1 : 0, {Kind::Comment, text, {}});
    changed_ = true;
}

void SettingsFile::CloseSettings() {
    // A failed rewrite leaves the old file whole; settings errors are silent.
    if (changed_ && (mode_ == Mode::ReadWrite || mode_ == Mode::Failed)) {
        platform::ReplaceFile(path_, Render());
    }
    entries_.clear();
    currentGroup_.reset();
    lastTouched_.reset();
    pendingGroup_.reset();
    changed_ = false;
    utf8_ = false;
    mode_ = Mode::Closed;
    path_.clear();
}

}  // namespace qm
