#include "zip/zip_table.h"

#include "core/app_state.h"
#include "core/file_in_folder.h"
#include "core/text.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "zip/base64.h"

namespace qm {

namespace {

bool g_lookupDisabled = false;

void ReportMissingDatabase() {
    platform::SystemDialogs().ShowMessage(
        "Error",
        "You do not have the zipcode database installed\rAuto-fill of City, State based on zipcode disabled",
        platform::MessageButtons::Ok);
}

}  // namespace

void ZipTable::Clear() {
    for (auto& bucket : buckets_) bucket.clear();
    index_.clear();
}

int ZipTable::BucketOf(std::string_view text) {
    if (text.empty() || text[0] < '0' || text[0] > '9') return 0;
    return text[0] - '0';
}

void ZipTable::AddEntryText(std::string_view entryText) {
    ZipEntry entry;
    size_t first = entryText.find('^');
    entry.Zip = std::string(entryText.substr(0, first));
    if (first != std::string_view::npos) {
        size_t second = entryText.find('^', first + 1);
        entry.City = std::string(entryText.substr(first + 1, second == std::string_view::npos ? std::string_view::npos
                                                                                               : second - first - 1));
        if (second != std::string_view::npos) {
            size_t third = entryText.find('^', second + 1);
            entry.State = std::string(entryText.substr(
                second + 1, third == std::string_view::npos ? std::string_view::npos : third - second - 1));
        }
    }
    auto b = static_cast<uint32_t>(BucketOf(entryText));
    auto& bucket = buckets_[b];
    // An entry is found only by a ZIP text in its own bucket, which holds for
    // every non-empty ZIP: its first character is the entry text's.
    if (!entry.Zip.empty()) index_.try_emplace(entry.Zip, Position{b, static_cast<uint32_t>(bucket.size())});
    bucket.push_back(std::move(entry));
}

const ZipEntry* ZipTable::Find(std::string_view zip) const {
    auto found = index_.find(std::string(zip));
    if (found == index_.end()) return nullptr;
    return &buckets_[found->second.bucket][found->second.index];
}

size_t ZipTable::Size() const {
    size_t size = 0;
    for (const auto& bucket : buckets_) size += bucket.size();
    return size;
}

ZipTable& Zips() {
    static ZipTable table;
    return table;
}

void LoadZipTable() {
    ZipTable& table = Zips();
    table.Clear();
    const std::string folder = App().StartFolder;
    if (!FileInFolder(folder, "envelope.dat")) {
        ReportMissingDatabase();
        return;
    }
    std::string content;
    if (!platform::ReadWholeFile(folder + "envelope.dat", content).ok) {
        ReportMissingDatabase();
        return;
    }
    bool header = true;
    size_t pos = 0;
    while (pos < content.size()) {
        size_t end = content.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = content.size();
        if (!header) table.AddEntryText(DecodeBase64Line(std::string_view(content).substr(pos, end - pos)));
        header = false;
        pos = (end + 1 < content.size() && content[end] == '\r' && content[end + 1] == '\n') ? end + 2 : end + 1;
    }
}

const ZipEntry* FindZip(std::string_view zip) { return Zips().Find(zip); }

void AutofillCityState(AutofillFields& fields) {
    if (g_lookupDisabled) return;
    if (!IsBlank(fields.City()) || !IsBlank(fields.State())) return;
    std::string zip = fields.Zip();
    if (zip.size() > 5) zip.resize(5);
    fields.SetCity("");
    fields.SetState("");
    if (zip.empty()) return;
    if (const ZipEntry* entry = FindZip(zip)) {
        fields.SetCity(entry->City);
        fields.SetState(entry->State);
    }
}

bool ZipLookupDisabled() { return g_lookupDisabled; }

void ToggleZipLookup(CheckMark& mark) {
    const bool check = !mark.Checked();
    mark.SetChecked(check);
    g_lookupDisabled = check;
}

void ResetZipLookup() { g_lookupDisabled = false; }

}  // namespace qm
