#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace qm::platform {

namespace {

int g_failSkip = 0;
int g_failCount = 0;
int g_failError = 0;

// Closes a file descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int Close() {
        int rc = 0;
        if (fd_ >= 0) rc = ::close(fd_);
        fd_ = -1;
        return rc;
    }

private:
    int fd_;
};

class FolderHandle {
public:
    explicit FolderHandle(const std::string& path) : dir_(::opendir(path.c_str())) {}
    ~FolderHandle() {
        if (dir_) ::closedir(dir_);
    }
    FolderHandle(const FolderHandle&) = delete;
    FolderHandle& operator=(const FolderHandle&) = delete;
    DIR* get() const { return dir_; }

private:
    DIR* dir_;
};

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool Matches(const char* pattern, const char* name) {
    // Iterative wildcard match with one backtrack point for the last "*".
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || LowerAscii(*pattern) == LowerAscii(*name)) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*') ++pattern;
    return *pattern == '\0';
}

std::string FolderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

FileResult WriteAll(int fd, const std::string& content) {
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return FileResult::Failure(errno);
        }
        done += static_cast<size_t>(n);
    }
    return FileResult::Success();
}

}  // namespace

std::string ErrorText(int error) { return std::strerror(error); }

FileAccess ProbeFileAccess(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return FileAccess::None;
    if (::access(path.c_str(), R_OK) != 0) return FileAccess::None;
    if ((info.st_mode & S_IWUSR) != 0 && ::access(path.c_str(), W_OK) == 0) return FileAccess::ReadWrite;
    return FileAccess::ReadOnly;
}

FileResult ReadWholeFile(const std::string& path, std::string& content) {
    content.clear();
    // Non-blocking, so that a pipe or device in the file's place cannot hang
    // the program; only regular files are read.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (!fd.valid()) return FileResult::Failure(errno);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return FileResult::Failure(errno);
    if (S_ISDIR(info.st_mode)) return FileResult::Failure(EISDIR);
    if (!S_ISREG(info.st_mode)) return FileResult::Failure(EINVAL);
    if (info.st_size > 0) content.reserve(static_cast<size_t>(info.st_size));
    char buffer[1 << 16];
    for (;;) {
        ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            int err = errno;
            content.clear();
            return FileResult::Failure(err);
        }
        if (n == 0) break;
        content.append(buffer, static_cast<size_t>(n));
    }
    return FileResult::Success();
}

FileResult ReplaceFile(const std::string& path, const std::string& content) {
    if (g_failSkip > 0) {
        --g_failSkip;
    } else if (g_failCount > 0) {
        --g_failCount;
        return FileResult::Failure(g_failError);
    }
    mode_t mode = 0666;
    struct stat old {};
    bool existed = ::stat(path.c_str(), &old) == 0;
    if (existed) {
        if (S_ISDIR(old.st_mode)) return FileResult::Failure(EISDIR);
        // A file the user made read-only is never replaced.
        if (ProbeFileAccess(path) != FileAccess::ReadWrite) return FileResult::Failure(EACCES);
        mode = old.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }

    std::string folder = FolderOf(path);
    std::string name = path.substr(path.rfind('/') == std::string::npos ? 0 : path.rfind('/') + 1);
    std::string temp = (folder == "/" ? std::string("/") : folder + "/") + "." + name + ".XXXXXX";
    Descriptor fd(::mkostemp(temp.data(), O_CLOEXEC));
    if (!fd.valid()) return FileResult::Failure(errno);

    FileResult result = WriteAll(fd.get(), content);
    if (result.ok && ::fchmod(fd.get(), mode) != 0) result = FileResult::Failure(errno);
    if (result.ok && ::fsync(fd.get()) != 0) result = FileResult::Failure(errno);
    if (fd.Close() != 0 && result.ok) result = FileResult::Failure(errno);
    if (result.ok && ::rename(temp.c_str(), path.c_str()) != 0) result = FileResult::Failure(errno);
    if (!result.ok) {
        ::unlink(temp.c_str());
        return result;
    }
    // Make the rename itself durable.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
    return FileResult::Success();
}

FileResult CopyFileReplacing(const std::string& from, const std::string& to) {
    std::string content;
    FileResult read = ReadWholeFile(from, content);
    if (!read.ok) return read;
    return ReplaceFile(to, content);
}

bool CanCreateFile(const std::string& path) {
    struct stat info {};
    if (::stat(FolderOf(path).c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    if (::stat(path.c_str(), &info) != 0) return true;
    return S_ISREG(info.st_mode) && ProbeFileAccess(path) == FileAccess::ReadWrite;
}

FileResult CreateFileIfMissing(const std::string& path) {
    Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666));
    if (!fd.valid()) return FileResult::Failure(errno);
    return FileResult::Success();
}

std::optional<std::vector<std::string>> ListFolder(const std::string& folder, const std::string& pattern) {
    FolderHandle dir(folder.empty() ? std::string(".") : folder);
    if (!dir.get()) return std::nullopt;
    std::vector<std::string> names;
    while (dirent* entry = ::readdir(dir.get())) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) continue;
        if (Matches(pattern.c_str(), entry->d_name)) names.emplace_back(entry->d_name);
    }
    return names;
}

bool CreateFolder(const std::string& path) { return ::mkdir(path.c_str(), 0777) == 0; }

void FailNextReplacements(int count, int error, int skip) {
    g_failSkip = skip;
    g_failCount = count;
    g_failError = error;
}

}  // namespace qm::platform
