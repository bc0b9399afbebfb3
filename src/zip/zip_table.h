// The ZIP code database: loaded once at start-up from "envelope.dat" in the
// start folder, then only read. Autofill of city and state from it.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qm {

struct ZipEntry {
    std::string Zip;
    std::string City;
    std::string State;
};

// Ten buckets by the first character of the entry text ("0"-"9"; anything
// else, or nothing, goes to bucket 0), in file order. An index from ZIP text
// to its first entry makes a lookup a hash probe with the same first-match
// result as a scan of the bucket.
class ZipTable {
public:
    void Clear();
    // Adds an entry decoded from one line of the database.
    void AddEntryText(std::string_view entryText);
    // The first entry whose ZIP equals `zip` byte for byte, or nullptr.
    const ZipEntry* Find(std::string_view zip) const;

    static int BucketOf(std::string_view text);
    const std::vector<ZipEntry>& Bucket(int b) const { return buckets_[static_cast<size_t>(b)]; }
    size_t Size() const;

private:
    std::array<std::vector<ZipEntry>, 10> buckets_;
    struct Position {
        uint32_t bucket;
        uint32_t index;
    };
    std::unordered_map<std::string, Position> index_;
};

ZipTable& Zips();

// Fills Zips() from the start folder's "envelope.dat". When the file is
// missing, or present but unreadable, shows the "Error" message once and
// leaves the table empty (or with what was read).
void LoadZipTable();

const ZipEntry* FindZip(std::string_view zip);

// The three addressee fields the autofill reads and writes; the main window
// provides them.
class AutofillFields {
public:
    virtual ~AutofillFields() = default;
    virtual std::string City() const = 0;
    virtual std::string State() const = 0;
    virtual std::string Zip() const = 0;
    virtual void SetCity(const std::string& text) = 0;
    virtual void SetState(const std::string& text) = 0;
};

// Runs when the ZIP field loses the focus: unless the lookup is switched off
// or City or State holds more than spaces, empties City and State and fills
// them from the first five characters of the ZIP text when it is known.
void AutofillCityState(AutofillFields& fields);

// The check mark of "Disable Zipcode Lookup", which the main window provides.
class CheckMark {
public:
    virtual ~CheckMark() = default;
    virtual bool Checked() const = 0;
    virtual void SetChecked(bool checked) = 0;
};

// True while "Disable Zipcode Lookup" is checked.
bool ZipLookupDisabled();

// Flips the check mark and the switch together.
void ToggleZipLookup(CheckMark& mark);

// A newly built main window has the item unchecked and the lookup on.
void ResetZipLookup();

}  // namespace qm
