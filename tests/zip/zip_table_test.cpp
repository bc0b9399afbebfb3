#include "zip/zip_table.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/app_state.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "zip/base64.h"

namespace qm {
namespace {

std::string Encode(const std::string& text) {
    static const char* alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < text.size(); i += 3) {
        unsigned n = static_cast<unsigned char>(text[i]) << 16;
        if (i + 1 < text.size()) n |= static_cast<unsigned char>(text[i + 1]) << 8;
        if (i + 2 < text.size()) n |= static_cast<unsigned char>(text[i + 2]);
        out += alphabet[(n >> 18) & 63];
        out += alphabet[(n >> 12) & 63];
        out += i + 1 < text.size() ? alphabet[(n >> 6) & 63] : '=';
        out += i + 2 < text.size() ? alphabet[n & 63] : '=';
    }
    return out;
}

TEST(DecodeBase64Line, DecodesCompleteGroupsOnly) {
    struct Case {
        std::string line;
        std::string text;
    };
    const Case cases[] = {
        {"OTAyMTBeQmV2ZXJseSBIaWxsc15DQQ==", "90210^Beverly Hills^CA"},
        {"QUJD", "ABC"},
        {"QUI=", "AB"},
        {"QQ==", "A"},
        {"QUJDRA", "ABC"},        // a partial last group is dropped
        {"QU JD\t!*", "ABC"},     // characters outside the alphabet are skipped
        {"-_-_", "\xFB\xFF\xBF"},  // "-" and "_" stand for "+" and "/"
        {"+/+/", "\xFB\xFF\xBF"},
        {"", ""},
        {"=QUJ", ""},  // padding out of place gives nothing
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeBase64Line(c.line), c.text) << c.line;
    EXPECT_EQ(DecodeBase64Line(Encode(std::string(2000, 'z'))), std::string(1024, 'z'));
}

class ZipTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        App() = AppState{};
        App().StartFolder = folder.path();
        Zips().Clear();
        ResetZipLookup();
    }
    void WriteDatabase(const std::string& bytes) { test::WriteBytes(folder.File("envelope.dat"), bytes); }
    test::TempFolder folder;
    test::ScriptedDialogs dialogs;
};

struct FakeFields final : AutofillFields {
    std::string city, state, zip;
    std::string City() const override { return city; }
    std::string State() const override { return state; }
    std::string Zip() const override { return zip; }
    void SetCity(const std::string& text) override { city = text; }
    void SetState(const std::string& text) override { state = text; }
};

struct FakeCheck final : CheckMark {
    bool checked = false;
    bool Checked() const override { return checked; }
    void SetChecked(bool c) override { checked = c; }
};

TEST_F(ZipTableTest, AutofillFollowsTheFieldRules) {
    WriteDatabase("header\r\n" + Encode("90210^Beverly Hills^CA") + "\r\n" + Encode("10001^New York^NY") + "\r\n" +
                  Encode("10001^Duplicate^XX") + "\r\n" + Encode("123^Three^TD") + "\r\n");
    LoadZipTable();
    struct Case {
        const char* what;
        std::string cityBefore, stateBefore, zip;
        std::string city, state;
    };
    const Case cases[] = {
        {"known ZIP", "", "", "90210", "Beverly Hills", "CA"},
        {"ZIP+4 uses the first five", "", "", "90210-1234", "Beverly Hills", "CA"},
        {"leading space: not found, fields emptied", "", "", " 90210", "", ""},
        {"City filled: nothing changes", "Somewhere", "", "90210", "Somewhere", ""},
        {"State filled: nothing changes", "", "ZZ", "90210", "", "ZZ"},
        {"City of spaces counts as blank", "   ", "", "90210", "Beverly Hills", "CA"},
        {"tab is not blank", "\t", "", "90210", "\t", ""},
        {"empty ZIP empties City and State", "  ", " ", "", "", ""},
        {"duplicate: the first wins", "", "", "10001", "New York", "NY"},
        {"three digits match only three digits", "", "", "123", "Three", "TD"},
        {"unknown ZIP", "", "", "99999", "", ""},
    };
    for (const Case& c : cases) {
        FakeFields fields;
        fields.city = c.cityBefore;
        fields.state = c.stateBefore;
        fields.zip = c.zip;
        AutofillCityState(fields);
        EXPECT_EQ(fields.city, c.city) << c.what;
        EXPECT_EQ(fields.state, c.state) << c.what;
        EXPECT_EQ(fields.zip, c.zip) << c.what;  // the ZIP field keeps its whole text
    }
}

TEST_F(ZipTableTest, TheSwitchTurnsTheLookupOffAndOnAndARebuildResetsIt) {
    WriteDatabase("h\r\n" + Encode("90210^Beverly Hills^CA") + "\r\n");
    LoadZipTable();
    FakeCheck mark;
    ToggleZipLookup(mark);
    EXPECT_TRUE(mark.checked);
    EXPECT_TRUE(ZipLookupDisabled());
    FakeFields fields;
    fields.zip = "90210";
    AutofillCityState(fields);
    EXPECT_EQ(fields.city, "");
    ToggleZipLookup(mark);
    EXPECT_FALSE(mark.checked);
    AutofillCityState(fields);
    EXPECT_EQ(fields.city, "Beverly Hills");

    ToggleZipLookup(mark);
    ResetZipLookup();  // the window was built again
    fields.city.clear();
    fields.state.clear();
    AutofillCityState(fields);
    EXPECT_EQ(fields.city, "Beverly Hills");
}

TEST_F(ZipTableTest, LoaderReadsLinesAsTheyCome) {
    WriteDatabase(Encode("90210^Header^HH") + "\n" +           // a header that decodes to an entry
                  Encode("55555^Partial^PP") + "QUJ\r" +        // a trailing partial group
                  "\r\n" +                                     // an empty line: an empty entry in bucket 0
                  "MzMzMzNeRGFzaF5E-w==\r\n" +                // "-" in place of "+"
                  Encode("A1^Letter^LL") + "\n\r" +           // LF then CR: another empty line
                  Encode("77777") + "\r\n" +                  // missing fields read empty
                  Encode("44444^City^ST^extra") + "\r\n" +
                  Encode("10001^New York^NY"));                // no ending on the last line
    LoadZipTable();
    EXPECT_EQ(FindZip("90210"), nullptr);
    ASSERT_NE(FindZip("55555"), nullptr);
    EXPECT_EQ(FindZip("55555")->City, "Partial");
    EXPECT_EQ(FindZip("55555")->State, "PP");
    ASSERT_NE(FindZip("33333"), nullptr);
    EXPECT_EQ(FindZip("33333")->State, std::string("D\xFB", 2));
    ASSERT_NE(FindZip("A1"), nullptr);
    EXPECT_EQ(Zips().Bucket(0).size(), 3u);  // two empty entries and A1
    ASSERT_NE(FindZip("77777"), nullptr);
    EXPECT_EQ(FindZip("77777")->City, "");
    EXPECT_EQ(FindZip("44444")->State, "ST");
    EXPECT_NE(FindZip("10001"), nullptr);
    EXPECT_EQ(Zips().Size(), 8u);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(ZipTableTest, ABucketKeepsMoreThanSevenThousandEntries) {
    std::string file = "h\r\n";
    for (int i = 0; i < 7005; ++i) file += Encode("5" + std::to_string(10000 + i) + "^C^S") + "\r\n";
    WriteDatabase(file);
    LoadZipTable();
    EXPECT_EQ(Zips().Bucket(5).size(), 7005u);
    ASSERT_NE(FindZip("517004"), nullptr);
}

TEST_F(ZipTableTest, MissingOrUnreadableDatabaseIsReportedOnce) {
    for (bool unreadable : {false, true}) {
        if (unreadable) {
            ASSERT_EQ(::mkdir(folder.File("envelope.dat").c_str(), 0755), 0);
        }
        test::WriteBytes(folder.File("Envelope.dat"), "h\r\n" + Encode("90210^Beverly Hills^CA") + "\r\n");
        dialogs.ExpectMessage();
        LoadZipTable();
        EXPECT_EQ(Zips().Size(), 0u);
        FakeFields fields;
        fields.city = " ";
        fields.zip = "90210";
        AutofillCityState(fields);  // no further message, no fill
        EXPECT_EQ(fields.city, "");
    }
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].title, "Error");
    EXPECT_EQ(dialogs.messages()[0].text,
              "You do not have the zipcode database installed\rAuto-fill of City, State based on zipcode disabled");
}

TEST_F(ZipTableTest, TheDeliveredDatabase) {
    App().StartFolder = std::string(QUILLMARK_SOURCE_DIR) + "/data/";
    LoadZipTable();
    EXPECT_EQ(Zips().Size(), 42555u);
    struct Known {
        const char* zip;
        const char* city;
        const char* state;
    };
    for (Known k : {Known{"90210", "Beverly Hills", "CA"}, Known{"10001", "New York", "NY"},
                    Known{"00501", "Holtsville", "NY"}}) {
        const ZipEntry* entry = FindZip(k.zip);
        ASSERT_NE(entry, nullptr) << k.zip;
        EXPECT_EQ(entry->City, k.city);
        EXPECT_EQ(entry->State, k.state);
    }
    for (int b = 0; b < 10; ++b) EXPECT_LE(Zips().Bucket(b).size(), 7000u) << "bucket " << b;
    EXPECT_TRUE(dialogs.messages().empty());
}

}  // namespace
}  // namespace qm
