// The record commands: Save, Clear, Delete and the print save step, which
// move the six addressee fields of the main window into the address book.
#pragma once

#include <string>

#include "addressbook/record_store.h"

namespace qm {

// What the record commands need of the main window.
class AddresseeFormAccess {
public:
    virtual ~AddresseeFormAccess() = default;
    virtual AddresseeForm Read() const = 0;
    // Empties the six fields in order and puts the focus into the name field.
    virtual void Empty() = 0;
    // Fills the six fields (no change events).
    virtual void Fill(const AddresseeForm& form) = 0;
    virtual void ClearHint() = 0;
    virtual void ShowHint(const std::string& text) = 0;
};

// Adds the form to the book, or replaces the shown record by it; "Invalid
// Name" for an empty or all-space name. A failed rewrite keeps the form and
// the current record, so the save can be tried again.
void SaveRecord(AddresseeFormAccess& form);

// Empties the form and forgets the shown record; touches no file.
void ClearRecord(AddresseeFormAccess& form);

// Deletes the shown record from the book. With none shown the book stays as
// it is and the hint line says how to pick one.
void DeleteRecord(AddresseeFormAccess& form);

// After printing: files the printed addressee (a name of spaces counts).
void PrintSaveStep(AddresseeFormAccess& form);

inline constexpr const char* kPickBeforeDeleteHint = "Pick the record to delete with the search window (F3) first";

}  // namespace qm
