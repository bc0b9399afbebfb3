// Fuzzes the ZIP database's Base64 line decoder and the entry split: the
// decoded text never exceeds the entry limit or three bytes per four
// alphabet characters, and an entry with a ZIP is found by it.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "zip/base64.h"
#include "zip/zip_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::string text = qm::DecodeBase64Line(line);
    if (text.size() > qm::kMaxZipEntryText || text.size() > size / 4 * 3) std::abort();

    qm::ZipTable table;
    table.AddEntryText(text);
    const std::string zip(text.substr(0, text.find('^')));
    const qm::ZipEntry* entry = table.Find(zip);
    if (!zip.empty() && (entry == nullptr || entry->Zip != zip)) std::abort();
    if (zip.empty() && entry != nullptr) std::abort();
    // A table holds one entry per line, whatever the line held.
    if (table.Size() != 1) std::abort();
    return 0;
}
