// Addressee records and the store that holds the current address book.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qm {

// One addressee record: eight texts. They are kept in one string with the end
// offset of each field, so a large book costs little more than its file.
class AddresseeRecord {
public:
    enum FieldId : int { Name, Street, Suite, City, State, Zip, RecordNumber, ListFlag };
    static constexpr int kFieldCount = 8;

    AddresseeRecord() = default;  // eight empty fields
    // Up to eight fields in order; missing ones are empty, extra ones dropped.
    static AddresseeRecord FromFields(const std::vector<std::string_view>& fields);

    std::string_view Get(int field) const {
        uint32_t begin = field == 0 ? 0 : end_[static_cast<size_t>(field - 1)];
        return std::string_view(text_).substr(begin, end_[static_cast<size_t>(field)] - begin);
    }
    void Set(int field, std::string_view value);
    // Bytes of all eight fields together.
    size_t TextSize() const { return text_.size(); }

    friend bool operator==(const AddresseeRecord&, const AddresseeRecord&) = default;

private:
    friend class RecordBuilder;
    std::string text_;
    std::array<uint32_t, kFieldCount> end_{};
};

// Builds a record field by field without intermediate copies.
class RecordBuilder {
public:
    explicit RecordBuilder(size_t reserve = 0) { record_.text_.reserve(reserve); }
    // Appends the next field; fields past the eighth are ignored.
    void Add(std::string_view field);
    AddresseeRecord Finish();

private:
    AddresseeRecord record_;
    int count_ = 0;
};

// The six addressee texts of the main window's form.
struct AddresseeForm {
    std::string Name;
    std::string Street;
    std::string Suite;
    std::string City;
    std::string State;
    std::string Zip;
};

struct RecordStore {
    std::vector<AddresseeRecord> entries;  // in file order
    int32_t CurrentRecord = -1;            // record shown in the form, -1 for none
    bool NewEntryFlag = false;
};

RecordStore& Store();

}  // namespace qm
