#include "addressbook/book_sort.h"

#include <algorithm>
#include <numeric>

#include "addressbook/book_format.h"
#include "core/text.h"

namespace qm {

namespace {

RecordOrder Identity(size_t size) {
    RecordOrder order(size);
    std::iota(order.begin(), order.end(), 0u);
    return order;
}

void SortRuns(RecordOrder& order, const std::vector<std::string>& keys, bool blanksStay) {
    auto byKey = [&keys](uint32_t a, uint32_t b) { return keys[a] < keys[b]; };
    if (!blanksStay) {
        std::stable_sort(order.begin(), order.end(), byKey);
        return;
    }
    size_t i = 0;
    while (i < order.size()) {
        while (i < order.size() && keys[i].empty()) ++i;
        size_t start = i;
        while (i < order.size() && !keys[i].empty()) ++i;
        std::stable_sort(order.begin() + static_cast<std::ptrdiff_t>(start),
                         order.begin() + static_cast<std::ptrdiff_t>(i), byKey);
    }
}

}  // namespace

std::string FileSortKey(std::string_view name) { return UpperCase(TrimSpaces(WrittenField(name))); }

RecordOrder FileOrder(const std::vector<std::string_view>& names) {
    std::vector<std::string> keys(names.size());
    for (size_t i = 0; i < names.size(); ++i) keys[i] = FileSortKey(names[i]);
    RecordOrder order = Identity(keys.size());
    SortRuns(order, keys, true);
    return order;
}

RecordOrder TrimmedNameOrder(const std::vector<AddresseeRecord>& records) {
    std::vector<std::string> keys(records.size());
    for (size_t i = 0; i < records.size(); ++i) keys[i] = TrimSpaces(records[i].Get(AddresseeRecord::Name));
    RecordOrder order = Identity(records.size());
    SortRuns(order, keys, false);
    return order;
}

void ApplyOrder(std::vector<AddresseeRecord>& records, const RecordOrder& order) {
    size_t first = 0;
    while (first < order.size() && order[first] == first) ++first;
    if (first == order.size()) return;

    std::vector<std::string> numbers;
    numbers.reserve(order.size() - first);
    for (size_t i = first; i < order.size(); ++i) numbers.emplace_back(records[i].Get(AddresseeRecord::RecordNumber));

    // Follow each cycle of the permutation, moving records along it.
    std::vector<bool> done(order.size(), false);
    for (size_t start = first; start < order.size(); ++start) {
        if (done[start] || order[start] == start) continue;
        AddresseeRecord held = std::move(records[start]);
        size_t j = start;
        for (;;) {
            size_t from = order[j];
            done[j] = true;
            if (from == start) {
                records[j] = std::move(held);
                break;
            }
            records[j] = std::move(records[from]);
            j = from;
        }
    }
    for (size_t i = first; i < order.size(); ++i) {
        const std::string& number = numbers[i - first];
        if (records[i].Get(AddresseeRecord::RecordNumber) != number) records[i].Set(AddresseeRecord::RecordNumber, number);
    }
}

void SortForFile(std::vector<AddresseeRecord>& records) {
    std::vector<std::string_view> names;
    names.reserve(records.size());
    for (const AddresseeRecord& r : records) names.push_back(r.Get(AddresseeRecord::Name));
    ApplyOrder(records, FileOrder(names));
}

void SortByTrimmedName(std::vector<AddresseeRecord>& records) { ApplyOrder(records, TrimmedNameOrder(records)); }

}  // namespace qm
