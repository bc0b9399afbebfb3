#include "platform/environment.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

extern char** environ;

namespace qm::platform {

namespace {

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

std::string SuppliedDataFolder() {
    std::string xdg = Variable("XDG_DATA_HOME");
    if (!xdg.empty()) return xdg;
    return Variable("HOME") + "/.local/share";
}

std::string SuppliedTempFolder() {
    std::string tmp = Variable("TMPDIR");
    return tmp.empty() ? std::string("/tmp") : tmp;
}

}  // namespace

EnvironmentList ProcessEnvironment() {
    EnvironmentList list;
    bool hasProfile = false;
    bool hasTemp = false;
    for (char** entry = environ; entry && *entry; ++entry) {
        std::string text(*entry);
        size_t eq = text.find('=');
        std::string name = text.substr(0, eq);
        std::string value = eq == std::string::npos ? std::string() : text.substr(eq + 1);
        hasProfile = hasProfile || name == "ALLUSERSPROFILE";
        hasTemp = hasTemp || name == "TEMP";
        list.emplace_back(std::move(name), std::move(value));
    }
    if (!hasProfile) list.emplace_back("ALLUSERSPROFILE", SuppliedDataFolder());
    if (!hasTemp) list.emplace_back("TEMP", SuppliedTempFolder());
    return list;
}

void PrepareSuppliedFolders() {
    if (std::getenv("ALLUSERSPROFILE") != nullptr) return;
    std::error_code ignored;
    std::filesystem::create_directories(SuppliedDataFolder(), ignored);
}

std::string CurrentFolder() {
    std::error_code error;
    auto path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

}  // namespace qm::platform
