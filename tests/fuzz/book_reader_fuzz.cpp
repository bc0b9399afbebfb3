// Fuzzes the book line reader and the load pipeline that runs between the
// read and the write: parse, sort for the file, format. A loaded book is
// numbered by position and has no empty names. (A first load drops empty
// lines that split the sort, so a second load may still reorder; after that
// a load changes nothing.)
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "addressbook/book_format.h"
#include "addressbook/book_sort.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto records = qm::ParseBook(text);
    qm::SortForFile(records);
    const std::string once = qm::FormatBook(records);

    auto again = qm::ParseBook(once);
    for (size_t i = 0; i < again.size(); ++i) {
        if (again[i].Get(qm::AddresseeRecord::Name).empty()) std::abort();
        if (qm::RecordNumberValue(again[i].Get(qm::AddresseeRecord::RecordNumber)) != static_cast<int64_t>(i)) std::abort();
    }
    qm::SortForFile(again);
    const std::string twice = qm::FormatBook(again);
    auto third = qm::ParseBook(twice);
    if (third.size() != again.size()) std::abort();
    qm::SortForFile(third);
    if (qm::FormatBook(third) != twice) std::abort();

    qm::SortByTrimmedName(records);
    return 0;
}
