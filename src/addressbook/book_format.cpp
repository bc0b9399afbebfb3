#include "addressbook/book_format.h"

#include <algorithm>

#include "core/text.h"

namespace qm {

namespace {

bool EndsLine(char c) { return c == '\r' || c == '\n' || c == '\0'; }

bool CannotStandInField(char c) { return c == '^' || EndsLine(c); }

bool NeedsReplacing(std::string_view field) { return std::any_of(field.begin(), field.end(), CannotStandInField); }

void AppendField(std::string& out, std::string_view field) {
    size_t start = out.size();
    out.append(field);
    if (NeedsReplacing(field)) {
        std::replace_if(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), CannotStandInField, ' ');
    }
}

}  // namespace

std::vector<AddresseeRecord> ParseBook(std::string_view content) {
    std::vector<AddresseeRecord> records;
    records.reserve(static_cast<size_t>(std::count(content.begin(), content.end(), '\n')) + 1);
    size_t pos = 0;
    const size_t size = content.size();
    while (pos < size) {
        size_t end = pos;
        while (end < size && !EndsLine(content[end])) ++end;
        std::string_view line = content.substr(pos, end - pos);
        RecordBuilder builder(line.size());
        size_t fieldStart = 0;
        for (size_t caret; (caret = line.find('^', fieldStart)) != std::string_view::npos; fieldStart = caret + 1) {
            builder.Add(line.substr(fieldStart, caret - fieldStart));
        }
        builder.Add(line.substr(fieldStart));
        records.push_back(builder.Finish());
        // One line ending: CR LF together, or a single CR, LF or NUL.
        if (end + 1 < size && content[end] == '\r' && content[end + 1] == '\n') pos = end + 2;
        else pos = end + 1;
    }
    return records;
}

std::string WrittenField(std::string_view field) {
    std::string out;
    AppendField(out, field);
    return out;
}

void AppendRecordLine(std::string& out, const AddresseeRecord& record, std::string_view number) {
    for (int f = 0; f < AddresseeRecord::kFieldCount; ++f) {
        if (f > 0) out += '^';
        AppendField(out, f == AddresseeRecord::RecordNumber ? number : record.Get(f));
    }
    out += "\r\n";
}

void MakeWritten(AddresseeRecord& record, std::string_view number) {
    for (int f = 0; f < AddresseeRecord::kFieldCount; ++f) {
        if (f == AddresseeRecord::RecordNumber) continue;
        if (NeedsReplacing(record.Get(f))) record.Set(f, WrittenField(record.Get(f)));
    }
    if (record.Get(AddresseeRecord::RecordNumber) != number) record.Set(AddresseeRecord::RecordNumber, WrittenField(number));
}

std::string FormatBook(const std::vector<AddresseeRecord>& records) {
    size_t size = 0;
    for (const AddresseeRecord& r : records) size += r.TextSize() + 24;
    std::string out;
    out.reserve(size);
    int64_t counter = 0;
    for (const AddresseeRecord& r : records) {
        if (!r.Get(AddresseeRecord::Name).empty()) AppendRecordLine(out, r, NumberToText(counter++));
    }
    return out;
}

int64_t RecordNumberValue(std::string_view text) { return LeadingDecimal(text); }

std::string BackupFileName(const std::string& bookFile) {
    return bookFile.substr(0, bookFile.find(".adb")) + ".bak";
}

}  // namespace qm
