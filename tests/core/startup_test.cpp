#include "core/startup.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "core/book_settings.h"
#include "core/file_in_folder.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using test::ReadBytes;

TEST(FileInFolder, ComparesNamesExactlyWithinTheThreeLetterPattern) {
    test::TempFolder folder;
    test::WriteBytes(folder.File("qm.inf"), "");
    test::WriteBytes(folder.File("logo.jpeg"), "");
    test::WriteBytes(folder.File("Book.ADB"), "");
    struct Case {
        std::string folder;
        std::string name;
        bool found;
    };
    const Case cases[] = {
        {folder.path(), "qm.inf", true},
        {folder.path(), "other.inf", false},
        {folder.path() + "missing/", "qm.inf", false},
        {folder.path(), "logo.jpeg", false},  // a four-letter extension is never found
        {folder.path(), "book.adb", false},   // differs only in letter case
        {folder.path(), "Book.ADB", true},
    };
    for (const Case& c : cases) EXPECT_EQ(FileInFolder(c.folder, c.name), c.found) << c.folder << c.name;
}

TEST(DataFolder, TakesTheLastExactAllUsersProfile) {
    EXPECT_EQ(DataFolderFromEnvironment({{"HOME", "/h"}, {"ALLUSERSPROFILE", "/a"}, {"allusersprofile", "/b"},
                                         {"ALLUSERSPROFILE", "/c"}}),
              "/c/Quillmark/");
    EXPECT_EQ(DataFolderFromEnvironment({{"HOME", "/h"}}), "/Quillmark/");
}

TEST(DataFolder, CreatesOneMissingLevel) {
    test::TempFolder folder;
    PrepareDataFolder(folder.path() + "Quillmark/");
    EXPECT_TRUE(test::Exists(folder.File("Quillmark")));
    PrepareDataFolder(folder.path() + "a/b/");  // two missing levels: only one is ever made
    EXPECT_FALSE(test::Exists(folder.File("a")));
}

TEST(Startup, FirstStartWritesProgramAndBookSettings) {
    test::TempFolder profile;
    test::TempFolder start;
    test::ScopedEnv env("ALLUSERSPROFILE", profile.path().c_str());
    test::WorkingFolder cwd(start.path());
    const std::string data = profile.path() + "/Quillmark/";

    StartProgramSettings();

    EXPECT_EQ(App().DataFolder, data);
    EXPECT_EQ(App().StartFolder, start.path());
    EXPECT_EQ(App().ProgramVersion, "2.80");
    EXPECT_EQ(App().BookFile, "Addresses.adb");
    EXPECT_EQ(App().BookFolder, data);
    EXPECT_EQ(ReadBytes(data + "qm.inf"),
              "; Quillmark Initalization Information\r\n; \r\n[Application]\r\nVersion = 2.80\r\n"
              "CurrentAddressbook = Addresses\r\nCurrentAddressbookDirectory = " + data + "\r\n");
    std::string book = ReadBytes(data + "Addresses.inf");
    EXPECT_EQ(book.rfind("; Quillmark Initalization Information\r\n; \r\n[Application]\r\nVersion = 2.57\r\n"
                         "Addressbook = Addresses.adb\r\nAddressbookDirectory = " + data + "\r\n", 0), 0u);

    // A second start upgrades the book settings and keeps qm.inf as it is.
    StartProgramSettings();
    EXPECT_NE(ReadBytes(data + "Addresses.inf").find("Version = 2.85\r\n"), std::string::npos);
    EXPECT_EQ(App().ProgramVersion, "2.80");
}

TEST(Startup, ProgramSettingsWithoutCurrentBookGiveEmptyNames) {
    test::TempFolder profile;
    test::ScopedEnv env("ALLUSERSPROFILE", profile.path().c_str());
    test::WorkingFolder cwd(profile.path());
    const std::string data = profile.path() + "/Quillmark/";
    PrepareDataFolder(data);
    test::WriteBytes(data + "qm.inf", "[Application]\r\nCurrentAddressbookDirectory = " + data + "\r\n");
    StartProgramSettings();
    EXPECT_EQ(App().BookFile, ".adb");
    EXPECT_EQ(App().BookSettingsFile, ".inf");
    EXPECT_TRUE(test::Exists(data + ".inf"));
}

}  // namespace
}  // namespace qm
