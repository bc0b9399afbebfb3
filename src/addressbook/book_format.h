// The address book file format: one record per line, eight fields joined by
// "^", every line ending in CR LF. Pure text work, no files.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "addressbook/record_store.h"

namespace qm {

// Reads every line of a book: a line ends at CR LF, a lone CR, a lone LF, a
// NUL byte (dropped) or the end of the text. Each line gives one record, its
// fields split at "^"; missing fields are empty, fields after the eighth are
// dropped. A blank line gives a record of eight empty fields.
std::vector<AddresseeRecord> ParseBook(std::string_view content);

// A "^", CR, LF or NUL inside a field would split the record at the next
// read, so each is written as a space. The field as it is written:
std::string WrittenField(std::string_view field);

// Appends one record's line with the given record number.
void AppendRecordLine(std::string& out, const AddresseeRecord& record, std::string_view number);

// Turns a record into what its line reads back as, with the given number.
void MakeWritten(AddresseeRecord& record, std::string_view number);

// The file text of the records whose name is not empty, numbered 0, 1, 2...
std::string FormatBook(const std::vector<AddresseeRecord>& records);

// The integer value of a record number: leading spaces skipped, an optional
// sign, then decimal digits; no digits counts as 0.
int64_t RecordNumberValue(std::string_view text);

// The backup copy's file name: the part of the book file name before its
// first ".adb", followed by ".bak" (Trip.adb.adb -> Trip.bak).
std::string BackupFileName(const std::string& bookFile);

}  // namespace qm
