#include "addressbook/book_sort.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/text.h"

namespace qm {
namespace {

using Fields = std::array<std::string, 8>;

// The straightforward adjacent-exchange sorts, keys recomputed at every
// comparison: the reference the fast sorts must agree with.
void ExchangeFields(Fields& a, Fields& b) {
    for (int f = 0; f < 8; ++f) {
        if (f != AddresseeRecord::RecordNumber) std::swap(a[static_cast<size_t>(f)], b[static_cast<size_t>(f)]);
    }
}

void ReferenceFileSort(std::vector<Fields>& v) {
    auto key = [](const Fields& r) { return UpperCase(TrimSpaces(r[0])); };
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (size_t i = 0; i + 1 < v.size(); ++i) {
            if (key(v[i]).empty() || key(v[i + 1]).empty()) continue;
            if (key(v[i]) > key(v[i + 1])) {
                ExchangeFields(v[i], v[i + 1]);
                exchanged = true;
            }
        }
    }
}

void ReferenceMemorySort(std::vector<Fields>& v) {
    auto key = [](const Fields& r) { return TrimSpaces(r[0]); };
    for (bool exchanged = true; exchanged;) {
        exchanged = false;
        for (size_t i = 0; i + 1 < v.size(); ++i) {
            if (key(v[i]) > key(v[i + 1])) {
                ExchangeFields(v[i], v[i + 1]);
                exchanged = true;
            }
        }
    }
}

std::vector<Fields> RandomBook(std::mt19937& rng, size_t size) {
    const std::vector<std::string> names = {"bob", "Bob", "BOB", " bob ", "alice", "Alice", "  carol", "",
                                            "   ", "\xE9mile", "\xC9MILE", "zed", "Zed ", "al", "ALICE2",
                                            "\x9A" "ta", "\x8A" "TA", "\tTab", "m\xFF", "M\x9F"};
    std::vector<Fields> book(size);
    for (size_t i = 0; i < size; ++i) {
        book[i][0] = names[rng() % names.size()];
        book[i][1] = std::to_string(rng() % 1000) + " Main St";
        book[i][6] = std::to_string(i);
        book[i][7] = (rng() % 4) ? "1" : "0";
    }
    return book;
}

std::vector<AddresseeRecord> ToRecords(const std::vector<Fields>& book) {
    std::vector<AddresseeRecord> records;
    for (const Fields& f : book) records.push_back(AddresseeRecord::FromFields({f.begin(), f.end()}));
    return records;
}

TEST(BookSort, FastSortsGiveTheReferenceOrderAndNumbers) {
    std::mt19937 rng(20261211);
    for (int round = 0; round < 200; ++round) {
        std::vector<Fields> book = RandomBook(rng, 1 + rng() % 60);
        std::vector<Fields> fileRef = book;
        ReferenceFileSort(fileRef);
        std::vector<AddresseeRecord> fileFast = ToRecords(book);
        SortForFile(fileFast);
        ASSERT_EQ(fileFast, ToRecords(fileRef)) << "file sort, round " << round;

        std::vector<Fields> memoryRef = book;
        ReferenceMemorySort(memoryRef);
        std::vector<AddresseeRecord> memoryFast = ToRecords(book);
        SortByTrimmedName(memoryFast);
        ASSERT_EQ(memoryFast, ToRecords(memoryRef)) << "memory sort, round " << round;
    }
}

TEST(BookSort, RecordNumbersStayWithTheirPositions) {
    std::vector<AddresseeRecord> records = {AddresseeRecord::FromFields({"c", "", "", "", "", "", "x", "1"}),
                                            AddresseeRecord::FromFields({"b", "", "", "", "", "", "", "0"}),
                                            AddresseeRecord::FromFields({"a", "", "", "", "", "", "12", "1"})};
    SortForFile(records);
    EXPECT_EQ(records[0], AddresseeRecord::FromFields({"a", "", "", "", "", "", "x", "1"}));
    EXPECT_EQ(records[1], AddresseeRecord::FromFields({"b", "", "", "", "", "", "", "0"}));
    EXPECT_EQ(records[2], AddresseeRecord::FromFields({"c", "", "", "", "", "", "12", "1"}));
}

}  // namespace
}  // namespace qm
