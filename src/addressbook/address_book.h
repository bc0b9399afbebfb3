// The current address book file (App().BookFolder + App().BookFile) and the
// record store it is read into.
//
// Every change rewrites the whole file from the store, after copying it to the
// backup copy, and every load sorts the file by name first; so after every
// change the file is in name order with its records numbered 0, 1, 2, ...
// Rewrites go through a temporary file that replaces the book, so the book is
// never missing or cut short; when one fails the book keeps its content, the
// store stays as it was, and the user is told in an "Error" message box.
#pragma once

#include "addressbook/record_store.h"

namespace qm {

// Sorts and rewrites the book, then fills the store with record numbers equal
// to positions; CurrentRecord becomes -1. A missing book gives an empty store
// and creates nothing; an unreadable one gives an empty store and is left
// alone.
void LoadAddressBook();

// Fills the store from the file without sorting it, creating an empty file
// when none exists. Leaves CurrentRecord and NewEntryFlag alone.
void ReloadAddressBook();

// Reads, sorts and rewrites the book; no backup copy is made.
void SortAddressBook();

// Rewrites the book from the store after a backup copy. In new-entry mode
// (NewEntryFlag set or CurrentRecord -1) the form goes in as an extra record
// with list flag "1". Then the book is loaded again, the store is put in the
// order that decides names differing only in letter case (Bob before bob), and
// CurrentRecord becomes -1. False, with the store and book unchanged, when the
// book could not be rewritten.
bool WriteAddressBook(const AddresseeForm& form);

// Rewrites the book after a backup copy without the records carrying the
// record number of the entry at CurrentRecord, then reloads the store. False
// when CurrentRecord is not a position in the store or the book could not be
// rewritten (the store and book then stay unchanged).
bool RemoveRecord();

}  // namespace qm
