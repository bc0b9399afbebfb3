#include "core/file_in_folder.h"

#include "platform/files.h"

namespace qm {

bool FileInFolder(const std::string& folder, const std::string& name) {
    std::string pattern = "*." + (name.size() > 3 ? name.substr(name.size() - 3) : name);
    auto names = platform::ListFolder(folder, pattern);
    if (!names) return false;
    for (const std::string& listed : *names) {
        if (listed == name) return true;
    }
    return false;
}

}  // namespace qm
