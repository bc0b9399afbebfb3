#include "addressbook/address_book.h"

#include <sys/stat.h>

#include <cerrno>

#include "addressbook/book_format.h"
#include "book_fixture.h"

namespace qm {
namespace {

using Lines = std::vector<std::string>;

class AddressBookTest : public test::BookTest {};

TEST_F(AddressBookTest, LoadSortsByNameAndNumbersFromZero) {
    WriteBook("bob^1 B St^^Bville^BB^11111^7^1\r\nAlice^2 A St^^Aville^AA^22222^3^1\r\ncarol^^^^^^0^1\r\n");
    Store().CurrentRecord = 2;
    LoadAddressBook();
    EXPECT_EQ(StoreLines(), (Lines{"Alice^2 A St^^Aville^AA^22222^0^1", "bob^1 B St^^Bville^BB^11111^1^1",
                                   "carol^^^^^^2^1"}));
    EXPECT_EQ(BookBytes(),
              "Alice^2 A St^^Aville^AA^22222^0^1\r\nbob^1 B St^^Bville^BB^11111^1^1\r\ncarol^^^^^^2^1\r\n");
    EXPECT_EQ(Store().CurrentRecord, -1);
    EXPECT_FALSE(test::Exists(folder.File("Addresses.bak")));  // the load's own rewrite makes no backup
}

struct ReadCase {
    const char* what;
    std::string file;
    Lines store;        // after LoadAddressBook
    std::string after;  // the file afterwards
};

TEST_F(AddressBookTest, LoadReadsOddFilesAndRewritesThemClean) {
    const std::string bigName(1'000'000, 'x');
    const ReadCase cases[] = {
        {"LF only", "b^^^^^^0^1\na^^^^^^1^1\n", {"a^^^^^^0^1", "b^^^^^^1^1"}, "a^^^^^^0^1\r\nb^^^^^^1^1\r\n"},
        {"CR only", "b^^^^^^0^1\ra^^^^^^1^1\r", {"a^^^^^^0^1", "b^^^^^^1^1"}, "a^^^^^^0^1\r\nb^^^^^^1^1\r\n"},
        {"mixed, no final ending", "c\r\nb\ra\n\r\nd", {"a^^^^^^0^", "b^^^^^^1^", "c^^^^^^2^", "d^^^^^^3^"},
         "a^^^^^^0^\r\nb^^^^^^1^\r\nc^^^^^^2^\r\nd^^^^^^3^\r\n"},
        {"NUL ends a line", std::string("b^x\0a^y\r\n", 9), {"a^y^^^^^0^", "b^x^^^^^1^"},
         "a^y^^^^^0^\r\nb^x^^^^^1^\r\n"},
        {"blank lines only", "\r\n\n\r\r\n", {}, ""},
        {"two fields", "Jane^1 Elm St\r\n", {"Jane^1 Elm St^^^^^0^"}, "Jane^1 Elm St^^^^^0^\r\n"},
        {"twelve fields", "A^B^C^D^E^F^G^H^I^J^K^L\r\n", {"A^B^C^D^E^F^0^H"}, "A^B^C^D^E^F^0^H\r\n"},
        {"three spaces", "   ^1 Way^^^^^0^1\r\n", {"   ^1 Way^^^^^0^1"}, "   ^1 Way^^^^^0^1\r\n"},
        {"accented names", "\xE9mile\r\nEve\r\n\xC9lise\r\n", {"Eve^^^^^^0^", "\xC9lise^^^^^^1^", "\xE9mile^^^^^^2^"},
         "Eve^^^^^^0^\r\n\xC9lise^^^^^^1^\r\n\xE9mile^^^^^^2^\r\n"},
        {"a 1 MB line", bigName + "^^^^^^0^1", {bigName + "^^^^^^0^1"}, bigName + "^^^^^^0^1\r\n"},
    };
    for (const ReadCase& c : cases) {
        WriteBook(c.file);
        LoadAddressBook();
        EXPECT_EQ(StoreLines(), c.store) << c.what;
        EXPECT_EQ(BookBytes(), c.after) << c.what;
    }
}

TEST_F(AddressBookTest, BlankNamesSplitTheSortAndNeverMove) {
    WriteBook("d\r\nc\r\n   \r\nb\r\n^empty name\r\na\r\n");
    LoadAddressBook();
    EXPECT_EQ(BookBytes(), "c^^^^^^0^\r\nd^^^^^^1^\r\n   ^^^^^^2^\r\nb^^^^^^3^\r\na^^^^^^4^\r\n");
}

TEST_F(AddressBookTest, MissingBookLoadsEmptyAndOnlyReloadCreatesIt) {
    Store().entries.push_back(AddresseeRecord::FromFields({"stale"}));
    LoadAddressBook();
    EXPECT_TRUE(Store().entries.empty());
    EXPECT_FALSE(test::Exists(BookPath()));
    ReloadAddressBook();
    EXPECT_TRUE(Store().entries.empty());
    EXPECT_TRUE(test::Exists(BookPath()));
    EXPECT_EQ(BookBytes(), "");
}

TEST_F(AddressBookTest, ReloadKeepsTheFileOrderAndFields) {
    WriteBook("b^^^^^^5^0\r\na^^^^^^x^1\r\n");
    Store().CurrentRecord = 1;
    Store().NewEntryFlag = true;
    ReloadAddressBook();
    EXPECT_EQ(StoreLines(), (Lines{"b^^^^^^5^0", "a^^^^^^x^1"}));
    EXPECT_EQ(Store().CurrentRecord, 1);
    EXPECT_TRUE(Store().NewEntryFlag);
}

TEST_F(AddressBookTest, UnreadableBookGivesAnEmptyStoreAndIsLeftAlone) {
    // A folder and a pipe where the book should be: neither can be read, and
    // neither may hang the loaders or be replaced.
    ASSERT_EQ(::mkdir(BookPath().c_str(), 0755), 0);
    LoadAddressBook();
    ReloadAddressBook();
    EXPECT_TRUE(Store().entries.empty());
    struct stat info {};
    ASSERT_EQ(::stat(BookPath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));

    UseBook("Pipe");
    ASSERT_EQ(::mkfifo(BookPath().c_str(), 0644), 0);
    LoadAddressBook();
    ReloadAddressBook();
    EXPECT_TRUE(Store().entries.empty());
    ASSERT_EQ(::stat(BookPath().c_str(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(AddressBookTest, SaveAddsRecordsAndKeepsOneGenerationOfBackup) {
    WriteBook("carol^^^^^^0^1\r\n");
    LoadAddressBook();
    ASSERT_TRUE(WriteAddressBook({"Bob", "1 Elm St", "", "Springfield", "IL", "62701"}));
    const std::string afterFirst = "Bob^1 Elm St^^Springfield^IL^62701^0^1\r\ncarol^^^^^^1^1\r\n";
    EXPECT_EQ(BookBytes(), afterFirst);
    EXPECT_EQ(test::ReadBytes(folder.File("Addresses.bak")), "carol^^^^^^0^1\r\n");

    ASSERT_TRUE(WriteAddressBook({"alice", "", "", "", "", ""}));
    EXPECT_EQ(BookBytes(), "alice^^^^^^0^1\r\nBob^1 Elm St^^Springfield^IL^62701^1^1\r\ncarol^^^^^^2^1\r\n");
    EXPECT_EQ(test::ReadBytes(folder.File("Addresses.bak")), afterFirst);
    EXPECT_EQ(Store().CurrentRecord, -1);
}

TEST_F(AddressBookTest, SaveOfAPickedRecordReplacesIt) {
    WriteBook("Ann^^^^^^0^1\r\nZed^^^^^^1^0\r\n");
    LoadAddressBook();
    Store().CurrentRecord = 0;
    Store().entries[0].Set(AddresseeRecord::Name, "Tom");  // as the Save command copies the form in
    ASSERT_TRUE(WriteAddressBook({"Tom", "", "", "", "", ""}));
    EXPECT_EQ(BookBytes(), "Tom^^^^^^0^1\r\nZed^^^^^^1^0\r\n");  // other flags are carried unchanged
}

TEST_F(AddressBookTest, NamesDifferingInCaseKeepFileOrderUntilASaveReordersThem) {
    WriteBook("bob^^^^^^0^1\r\nBob^^^^^^1^1\r\n   ^^^^^^2^1\r\n");
    LoadAddressBook();
    EXPECT_EQ(BookBytes(), "bob^^^^^^0^1\r\nBob^^^^^^1^1\r\n   ^^^^^^2^1\r\n");
    ASSERT_TRUE(WriteAddressBook({"carl", "", "", "", "", ""}));
    // The in-memory order after the save puts the blank name first and Bob before bob.
    EXPECT_EQ(StoreLines(), (Lines{"   ^^^^^^0^1", "Bob^^^^^^1^1", "bob^^^^^^2^1", "carl^^^^^^3^1"}));
    ASSERT_TRUE(WriteAddressBook({"dave", "", "", "", "", ""}));
    // The new record goes in front of the blank name, which splits the sort.
    EXPECT_EQ(BookBytes(), "dave^^^^^^0^1\r\n   ^^^^^^1^1\r\nBob^^^^^^2^1\r\nbob^^^^^^3^1\r\ncarl^^^^^^4^1\r\n");
}

TEST_F(AddressBookTest, BackupNameCutsAtTheFirstAdb) {
    UseBook("Trip.adb");
    WriteBook("x^^^^^^0^1\r\n");
    LoadAddressBook();
    ASSERT_TRUE(WriteAddressBook({"y", "", "", "", "", ""}));
    EXPECT_EQ(test::ReadBytes(folder.File("Trip.bak")), "x^^^^^^0^1\r\n");
    EXPECT_EQ(BackupFileName("Addresses.adb"), "Addresses.bak");
    EXPECT_EQ(BackupFileName(".adb"), ".bak");
}

TEST_F(AddressBookTest, FieldBytesThatWouldSplitARecordAreWrittenAsSpaces) {
    ASSERT_TRUE(WriteAddressBook({"Smith^Co", "1 Main\r\nSt", std::string("A\0B", 3), "X\rY", "I\nL", "6^2"}));
    EXPECT_EQ(BookBytes(), "Smith Co^1 Main  St^A B^X Y^I L^6 2^0^1\r\n");
    EXPECT_EQ(StoreLines(), (Lines{"Smith Co^1 Main  St^A B^X Y^I L^6 2^0^1"}));
    ReloadAddressBook();
    EXPECT_EQ(StoreLines(), (Lines{"Smith Co^1 Main  St^A B^X Y^I L^6 2^0^1"}));
}

TEST_F(AddressBookTest, FailedSaveKeepsTheBookAndStoreAndTellsTheUser) {
    const std::string original = "Ann^^^^^^0^1\r\n";
    WriteBook(original);
    LoadAddressBook();
    const Lines loaded = StoreLines();
    struct Case {
        const char* what;
        int skip;  // replacements that succeed first: 0 fails the backup copy, 1 the book itself
    };
    for (Case c : {Case{"backup copy fails", 0}, Case{"book rewrite fails", 1}}) {
        dialogs.ExpectMessage();
        platform::FailNextReplacements(1, ENOSPC, c.skip);
        EXPECT_FALSE(WriteAddressBook({"Bob", "", "", "", "", ""})) << c.what;
        EXPECT_EQ(BookBytes(), original) << c.what;
        EXPECT_EQ(StoreLines(), loaded) << c.what;
    }
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[1].title, "Error");
    EXPECT_EQ(dialogs.messages()[1].text,
              "Could not save the address book " + BookPath() + ": No space left on device");

    Store().CurrentRecord = 0;
    dialogs.ExpectMessage();
    platform::FailNextReplacements(1, ENOSPC, 1);
    EXPECT_FALSE(RemoveRecord());
    EXPECT_EQ(BookBytes(), original);
    EXPECT_EQ(StoreLines(), loaded);
}

TEST_F(AddressBookTest, ReadOnlyBookIsNeverReplaced) {
    WriteBook("b^^^^^^0^1\r\na^^^^^^1^1\r\n");
    ASSERT_EQ(::chmod(BookPath().c_str(), 0444), 0);
    LoadAddressBook();  // the sort cannot be written: the store reads the file as it is, silently
    EXPECT_EQ(StoreLines(), (Lines{"b^^^^^^0^1", "a^^^^^^1^1"}));
    dialogs.ExpectMessage();
    EXPECT_FALSE(WriteAddressBook({"c", "", "", "", "", ""}));
    EXPECT_EQ(BookBytes(), "b^^^^^^0^1\r\na^^^^^^1^1\r\n");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text,
              "Could not save the address book " + BookPath() + ": Permission denied");
}

TEST_F(AddressBookTest, RemoveTakesOutThePickedRecordAndRenumbers) {
    WriteBook("a^^^^^^0^1\r\nb^^^^^^1^1\r\nc^^^^^^2^1\r\n");
    LoadAddressBook();
    Store().CurrentRecord = 1;
    ASSERT_TRUE(RemoveRecord());
    EXPECT_EQ(BookBytes(), "a^^^^^^0^1\r\nc^^^^^^1^1\r\n");
    EXPECT_EQ(StoreLines(), (Lines{"a^^^^^^0^1", "c^^^^^^1^1"}));
    EXPECT_EQ(test::ReadBytes(folder.File("Addresses.bak")), "a^^^^^^0^1\r\nb^^^^^^1^1\r\nc^^^^^^2^1\r\n");

    Store().CurrentRecord = 5;  // not a position in the store
    EXPECT_FALSE(RemoveRecord());
    EXPECT_EQ(BookBytes(), "a^^^^^^0^1\r\nc^^^^^^1^1\r\n");
}

TEST_F(AddressBookTest, RemoveDropsEveryRecordCarryingTheNumber) {
    WriteBook("a^^^^^^4^1\r\nb^^^^^^ +4x^1\r\nc^^^^^^1^1\r\n");  // a hand-edited book
    ReloadAddressBook();
    Store().CurrentRecord = 0;
    ASSERT_TRUE(RemoveRecord());
    EXPECT_EQ(BookBytes(), "c^^^^^^0^1\r\n");
}

}  // namespace
}  // namespace qm
