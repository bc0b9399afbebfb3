// The "Get Addressee" window: lists the book's records whose name begins with
// what the name field holds, and picks one into the form. While it is open it
// takes every event of the program and drops those that are not its own.
#pragma once

#include <vector>

#include "addressbook/record_commands.h"

namespace qm {

enum SearchControlId : int {
    SearchList = 200,
    SearchCancelButton = 310,
    SearchSelectButton = 311,
    SearchHintLine2 = 312,
    SearchHintLine3 = 313,
    SearchHintLine1 = 314,
};

// The rows to list for a name filter: every entry whose name begins with the
// filter byte for byte (all when the filter is empty), whose list flag is
// exactly "1" and whose name is not empty. Returns each row's record number.
std::vector<int64_t> SearchRows(const std::string& filter);

// Opens the window over `owner` and returns when a record was picked or the
// user cancelled.
void OpenSearchWindow(int owner, AddresseeFormAccess& form);

}  // namespace qm
