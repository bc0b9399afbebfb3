#include "addressbook/record_commands.h"

#include <optional>

#include "addressbook/address_book.h"
#include "core/text.h"
#include "platform/dialogs.h"

namespace qm {

namespace {

bool ShowsStoredRecord() {
    const RecordStore& store = Store();
    return store.CurrentRecord >= 0 && static_cast<size_t>(store.CurrentRecord) < store.entries.size();
}

// Copies the form into the shown entry; returns the entry as it was, so a
// failed rewrite can put it back.
AddresseeRecord CopyFormIntoCurrentEntry(const AddresseeForm& form) {
    RecordStore& store = Store();
    AddresseeRecord& entry = store.entries[static_cast<size_t>(store.CurrentRecord)];
    AddresseeRecord before = entry;
    entry = AddresseeRecord::FromFields({form.Name, form.Street, form.Suite, form.City, form.State, form.Zip,
                                         NumberToText(store.CurrentRecord), "1"});
    return before;
}

// Writes the form into the book, after copying it into the shown entry when
// `replace`; on success empties the form and resets the selection.
void WriteForm(AddresseeFormAccess& access, const AddresseeForm& form, bool replace) {
    RecordStore& store = Store();
    std::optional<AddresseeRecord> before;
    const int32_t current = store.CurrentRecord;
    if (replace) before = CopyFormIntoCurrentEntry(form);
    if (!WriteAddressBook(form)) {
        // The book kept its content and the user was told; what was typed stays.
        if (before) store.entries[static_cast<size_t>(current)] = std::move(*before);
        store.CurrentRecord = current;
        return;
    }
    access.Empty();
    store.CurrentRecord = -1;
    store.NewEntryFlag = false;
}

void ResetStaleSelection() {
    // A number that is not a position in the store shows no record.
    if (!ShowsStoredRecord()) Store().CurrentRecord = -1;
}

}  // namespace

void SaveRecord(AddresseeFormAccess& access) {
    access.ClearHint();
    const AddresseeForm form = access.Read();
    if (IsBlank(form.Name)) {
        platform::SystemDialogs().ShowMessage("Invalid Name",
                                              "You must at least enter a Name to associate this information with",
                                              platform::MessageButtons::Ok);
        return;
    }
    ResetStaleSelection();
    WriteForm(access, form, !Store().NewEntryFlag && Store().CurrentRecord >= 0);
}

void ClearRecord(AddresseeFormAccess& access) {
    access.Empty();
    Store().CurrentRecord = -1;
    Store().NewEntryFlag = false;
}

void DeleteRecord(AddresseeFormAccess& access) {
    access.ClearHint();
    if (!ShowsStoredRecord()) {
        access.ShowHint(kPickBeforeDeleteHint);
        return;
    }
    if (!RemoveRecord()) return;  // the book is unchanged and the user was told
    access.Empty();
    Store().NewEntryFlag = false;
    Store().CurrentRecord = -1;
}

void PrintSaveStep(AddresseeFormAccess& access) {
    const AddresseeForm form = access.Read();
    if (form.Name.empty()) return;
    ResetStaleSelection();
    WriteForm(access, form, Store().CurrentRecord >= 0);
}

}  // namespace qm
