#include "addressbook/record_store.h"

namespace qm {

AddresseeRecord AddresseeRecord::FromFields(const std::vector<std::string_view>& fields) {
    size_t size = 0;
    for (std::string_view f : fields) size += f.size();
    RecordBuilder builder(size);
    for (std::string_view f : fields) builder.Add(f);
    return builder.Finish();
}

void AddresseeRecord::Set(int field, std::string_view value) {
    auto index = static_cast<size_t>(field);
    uint32_t begin = field == 0 ? 0 : end_[index - 1];
    uint32_t oldSize = end_[index] - begin;
    text_.replace(begin, oldSize, value);
    auto newSize = static_cast<uint32_t>(value.size());
    for (size_t i = index; i < end_.size(); ++i) end_[i] = end_[i] - oldSize + newSize;
}

void RecordBuilder::Add(std::string_view field) {
    if (count_ >= AddresseeRecord::kFieldCount) return;
    record_.text_.append(field);
    record_.end_[static_cast<size_t>(count_++)] = static_cast<uint32_t>(record_.text_.size());
}

AddresseeRecord RecordBuilder::Finish() {
    auto end = static_cast<uint32_t>(record_.text_.size());
    while (count_ < AddresseeRecord::kFieldCount) record_.end_[static_cast<size_t>(count_++)] = end;
    return std::move(record_);
}

RecordStore& Store() {
    static RecordStore store;
    return store;
}

}  // namespace qm
