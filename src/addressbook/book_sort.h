// The two orders of an address book. Both are stable, and both keep each
// record number at its position while the other seven fields move.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "addressbook/record_store.h"

namespace qm {

// An order: order[i] is the index of the record that goes to position i.
using RecordOrder = std::vector<uint32_t>;

// The file's sort key of a name as it is written: without surrounding
// spaces, upper-cased. An empty key marks a blank record.
std::string FileSortKey(std::string_view name);

// The file's order of records with these names: blank records never move;
// each run of other records between them is sorted by key, compared as
// unsigned bytes.
RecordOrder FileOrder(const std::vector<std::string_view>& names);

// The order kept in memory after a save: all records by the name without
// surrounding spaces, not upper-cased; empty names first.
RecordOrder TrimmedNameOrder(const std::vector<AddresseeRecord>& records);

// Puts the records in the given order, record numbers staying in place.
void ApplyOrder(std::vector<AddresseeRecord>& records, const RecordOrder& order);

// Convenience: the file's order and the in-memory order, applied.
void SortForFile(std::vector<AddresseeRecord>& records);
void SortByTrimmedName(std::vector<AddresseeRecord>& records);

}  // namespace qm
