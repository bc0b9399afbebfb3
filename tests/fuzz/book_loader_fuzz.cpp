// Fuzzes the real loaders on a book file in a temporary folder: whatever the
// file holds, LoadAddressBook and ReloadAddressBook finish, the loaded book is
// numbered by position, and once loaded twice a further load leaves its bytes
// alone.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "addressbook/address_book.h"
#include "addressbook/book_format.h"
#include "core/app_state.h"

namespace {

std::string Folder() {
    static std::string folder = [] {
        char pattern[] = "/tmp/quillmark-fuzz-XXXXXX";
        if (!::mkdtemp(pattern)) std::abort();
        return std::string(pattern) + "/";
    }();
    return folder;
}

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    qm::AppState& app = qm::App();
    app.BookFolder = Folder();
    app.BookFile = "Fuzz.adb";
    const std::string path = app.BookFolder + app.BookFile;
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    qm::LoadAddressBook();
    const auto& entries = qm::Store().entries;
    for (size_t i = 0; i < entries.size(); ++i) {
        if (qm::RecordNumberValue(entries[i].Get(qm::AddresseeRecord::RecordNumber)) != static_cast<int64_t>(i)) std::abort();
    }
    qm::LoadAddressBook();
    const std::string loaded = Read(path);
    qm::LoadAddressBook();
    if (Read(path) != loaded) std::abort();
    qm::ReloadAddressBook();
    if (qm::Store().entries.size() != entries.size()) std::abort();
    return 0;
}
