#include "addressbook/address_book.h"

#include <string>
#include <vector>

#include "addressbook/book_format.h"
#include "addressbook/book_sort.h"
#include "core/app_state.h"
#include "core/file_in_folder.h"
#include "core/text.h"
#include "platform/dialogs.h"
#include "platform/files.h"

namespace qm {

namespace {

std::string BookPath() { return App().BookFolder + App().BookFile; }
std::string BackupPath() { return App().BookFolder + BackupFileName(App().BookFile); }
bool BookPresent() { return FileInFolder(App().BookFolder, App().BookFile); }

void ReportSaveFailure(int error) {
    platform::SystemDialogs().ShowMessage(
        "Error", "Could not save the address book " + BookPath() + ": " + platform::ErrorText(error),
        platform::MessageButtons::Ok);
}

bool MakeBackupCopy() {
    if (!BookPresent()) return true;
    platform::FileResult copied = platform::CopyFileReplacing(BookPath(), BackupPath());
    if (!copied.ok) ReportSaveFailure(copied.error);
    return copied.ok;
}

// The file text of the records taken in the given order, skipping empty
// names and numbering the rest 0, 1, 2, ...
template <typename RecordAt>
std::string FormatInOrder(size_t count, const RecordOrder& order, RecordAt recordAt, size_t sizeHint) {
    std::string text;
    text.reserve(sizeHint);
    int64_t counter = 0;
    for (size_t i = 0; i < count; ++i) {
        const AddresseeRecord& r = recordAt(order[i]);
        if (!r.Get(AddresseeRecord::Name).empty()) AppendRecordLine(text, r, NumberToText(counter++));
    }
    return text;
}

// Leaves only the records with a name, each as its line reads back, numbered
// by position.
void KeepWrittenRecords(std::vector<AddresseeRecord>& records) {
    std::erase_if(records, [](const AddresseeRecord& r) { return r.Get(AddresseeRecord::Name).empty(); });
    for (size_t i = 0; i < records.size(); ++i) MakeWritten(records[i], NumberToText(static_cast<int64_t>(i)));
}

}  // namespace

void SortAddressBook() {
    RecordStore& store = Store();
    std::string content;
    store.entries.clear();
    if (!platform::ReadWholeFile(BookPath(), content).ok) return;  // unreadable: left alone
    std::vector<AddresseeRecord>& records = store.entries;
    records = ParseBook(content);

    std::vector<std::string_view> names;
    names.reserve(records.size());
    for (const AddresseeRecord& r : records) names.push_back(r.Get(AddresseeRecord::Name));
    const RecordOrder order = FileOrder(names);
    std::string text = FormatInOrder(
        records.size(), order, [&records](uint32_t i) -> const AddresseeRecord& { return records[i]; },
        content.size());

    // A file already in order is not written again. A failed sort rewrite is
    // not reported: the book keeps its order, and the store then reads the
    // file as it is.
    if (text != content && !platform::ReplaceFile(BookPath(), text).ok) {
        for (size_t i = 0; i < records.size(); ++i) {
            records[i].Set(AddresseeRecord::RecordNumber, NumberToText(static_cast<int64_t>(i)));
        }
        return;
    }
    ApplyOrder(records, order);
    KeepWrittenRecords(records);
}

void LoadAddressBook() {
    RecordStore& store = Store();
    store.CurrentRecord = -1;
    if (!BookPresent()) {
        store.entries.clear();
        return;
    }
    // Leaves the store as a read of the file gives it, numbered by position.
    SortAddressBook();
}

void ReloadAddressBook() {
    RecordStore& store = Store();
    platform::CreateFileIfMissing(BookPath());
    std::string content;
    if (platform::ReadWholeFile(BookPath(), content).ok) store.entries = ParseBook(content);
    else store.entries.clear();
}

bool WriteAddressBook(const AddresseeForm& form) {
    RecordStore& store = Store();
    const bool newEntry = store.NewEntryFlag || store.CurrentRecord == -1;
    if (!MakeBackupCopy()) return false;

    // The rewrite is followed by a load that sorts the file: sort first and
    // write once. The store is changed only once the file is written.
    AddresseeRecord fresh =
        AddresseeRecord::FromFields({form.Name, form.Street, form.Suite, form.City, form.State, form.Zip, "0", "1"});
    std::vector<AddresseeRecord*> items;
    items.reserve(store.entries.size() + 1);
    if (newEntry) items.push_back(&fresh);
    size_t sizeHint = fresh.TextSize() + 24;
    for (AddresseeRecord& r : store.entries) {
        if (r.Get(AddresseeRecord::Name).empty()) continue;
        items.push_back(&r);
        sizeHint += r.TextSize() + 24;
    }
    std::vector<std::string_view> names;
    names.reserve(items.size());
    for (const AddresseeRecord* r : items) names.push_back(r->Get(AddresseeRecord::Name));
    const RecordOrder order = FileOrder(names);
    const std::string text = FormatInOrder(
        items.size(), order, [&items](uint32_t i) -> const AddresseeRecord& { return *items[i]; }, sizeHint);

    platform::FileResult result = platform::ReplaceFile(BookPath(), text);
    if (!result.ok) {
        ReportSaveFailure(result.error);
        return false;
    }
    std::vector<AddresseeRecord> loaded;
    loaded.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        loaded.push_back(std::move(*items[order[i]]));
        MakeWritten(loaded.back(), NumberToText(static_cast<int64_t>(i)));
    }
    SortByTrimmedName(loaded);
    store.entries = std::move(loaded);
    store.CurrentRecord = -1;
    return true;
}

bool RemoveRecord() {
    RecordStore& store = Store();
    if (store.CurrentRecord < 0 || static_cast<size_t>(store.CurrentRecord) >= store.entries.size()) return false;
    const int64_t target =
        RecordNumberValue(store.entries[static_cast<size_t>(store.CurrentRecord)].Get(AddresseeRecord::RecordNumber));
    if (!MakeBackupCopy()) return false;

    auto removed = [target](const AddresseeRecord& r) {
        return RecordNumberValue(r.Get(AddresseeRecord::RecordNumber)) == target;
    };
    std::string text;
    int64_t counter = 0;
    for (const AddresseeRecord& r : store.entries) {
        if (!removed(r) && !r.Get(AddresseeRecord::Name).empty()) AppendRecordLine(text, r, NumberToText(counter++));
    }
    platform::FileResult result = platform::ReplaceFile(BookPath(), text);
    if (!result.ok) {
        ReportSaveFailure(result.error);
        return false;
    }
    // What reloading the file reads back.
    std::erase_if(store.entries, removed);
    KeepWrittenRecords(store.entries);
    return true;
}

}  // namespace qm
