#include "core/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/files.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class SettingsFileTest : public ::testing::Test {
protected:
    std::string Path() const { return folder.File("test.inf"); }
    test::TempFolder folder;
    SettingsFile file;
};

TEST_F(SettingsFileTest, CreateNewWritesEntriesInTheOrderWritten) {
    ASSERT_TRUE(file.CreateNew(Path()));
    file.WriteComment("Top");
    file.WriteComment("");
    file.SelectGroup("One");
    file.WriteText("A", "1");
    file.WriteInteger("B", -12);
    file.WriteComment("");
    file.WriteComment("Second group");
    file.SelectGroup("Two");
    file.WriteText("Empty", "");
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()),
              "; Top\r\n; \r\n[One]\r\nA = 1\r\nB = -12\r\n; \r\n; Second group\r\n[Two]\r\nEmpty = \r\n");
}

TEST_F(SettingsFileTest, CreateNewOverAnExistingFileWithNothingWrittenLeavesItEmpty) {
    WriteBytes(Path(), "[Old]\r\nKey = 1\r\n");
    ASSERT_TRUE(file.CreateNew(Path()));
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()), "");
}

TEST_F(SettingsFileTest, CreateNewThatCannotBeWrittenLeavesNothingBehind) {
    EXPECT_FALSE(file.CreateNew(folder.File("missing-folder/test.inf")));
    EXPECT_FALSE(test::Exists(folder.File("missing-folder")));
    ASSERT_TRUE(file.CreateNew(Path()));
    file.WriteComment("never written");
    platform::FailNextReplacements(1, ENOSPC);
    file.CloseSettings();
    EXPECT_FALSE(test::Exists(Path()));  // no empty file that a later start would trust
}

TEST_F(SettingsFileTest, ReadRulesAndRewriteInPlace) {
    // Odd spacing, lower-case keys, words after "]", a header without "]",
    // comments, blank lines, a key without "=", and a value holding "=".
    WriteBytes(Path(),
               "  ; first comment\n"
               "\n"
               "[Sender Address] words after the bracket\r"
               "name=Alice\r\n"
               "\t Size \t=  12  \r\n"
               "Flag\r\n"
               "Url = a=b\r\n"
               "   \t  \r\n"
               ";no space\r\n"
               "[Open\r\n"
               "K = v\r\n");
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    EXPECT_TRUE(file.SelectGroup("sender address"));
    EXPECT_EQ(file.ReadText("Name", "x"), "Alice");
    EXPECT_EQ(file.ReadText("SIZE", "x"), "12");
    EXPECT_EQ(file.ReadInteger("Size", 7), 12);
    EXPECT_EQ(file.ReadText("Flag", "x"), "");
    EXPECT_EQ(file.ReadText("Url", "x"), "a=b");
    EXPECT_EQ(file.ReadText("K", "x"), "x");  // belongs to the next group
    EXPECT_TRUE(file.SelectGroup("Open"));
    EXPECT_EQ(file.ReadText("K", "x"), "v");

    EXPECT_TRUE(file.SelectGroup("Sender Address"));
    file.WriteText("Name", "Bob");
    file.CloseSettings();
    // The key takes the case written; the untouched value keeps its trailing spaces.
    EXPECT_EQ(ReadBytes(Path()),
              "; first comment\r\n"
              "[Sender Address]\r\n"
              "Name = Bob\r\n"
              "Size = 12  \r\n"
              "Flag = \r\n"
              "Url = a=b\r\n"
              "; no space\r\n"
              "[Open]\r\n"
              "K = v\r\n");
}

TEST_F(SettingsFileTest, IntegersReadByTheDecimalRule) {
    WriteBytes(Path(), "[G]\r\nA = -42x\r\nB = abc\r\nC = $10\r\nD = +7\r\n");
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    file.SelectGroup("G");
    EXPECT_EQ(file.ReadInteger("A", 5), -42);
    EXPECT_EQ(file.ReadInteger("B", 5), 0);
    EXPECT_EQ(file.ReadInteger("C", 5), 0);
    EXPECT_EQ(file.ReadInteger("D", 5), 7);
    EXPECT_EQ(file.ReadInteger("Missing", 5), 5);
}

TEST_F(SettingsFileTest, KeysGoIntoTheirGroupOrANewGroupAtTheEnd) {
    WriteBytes(Path(), "Loose = 1\r\n[A]\r\nX = 1\r\n[B]\r\nY = 2\r\n");
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    EXPECT_TRUE(file.SelectGroup("A"));
    file.WriteText("X2", "new");
    EXPECT_FALSE(file.SelectGroup("C"));
    EXPECT_EQ(file.ReadText("Y", "pending"), "pending");  // a pending group reads defaults
    file.WriteText("Z", "3");
    file.SelectGroup("");
    file.WriteText("Top", "t");
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()),
              "Loose = 1\r\nTop = t\r\n[A]\r\nX = 1\r\nX2 = new\r\n[B]\r\nY = 2\r\n[C]\r\nZ = 3\r\n");
}

TEST_F(SettingsFileTest, CommentsFollowTheEntryLastSelectedOrWritten) {
    WriteBytes(Path(), "[A]\r\nX = 1\r\n[B]\r\nY = 2\r\n");
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    file.WriteComment("at the top");
    file.SelectGroup("B");
    file.WriteComment("after B");
    file.SelectGroup("A");
    file.WriteText("X", "1");
    file.WriteComment("after X");
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()),
              "; at the top\r\n[A]\r\nX = 1\r\n; after X\r\n[B]\r\n; after B\r\nY = 2\r\n");
}

TEST_F(SettingsFileTest, UnchangedFileIsNotRewritten) {
    const std::string original = "[A]\nX=1\n\n";
    WriteBytes(Path(), original);
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    file.SelectGroup("A");
    EXPECT_EQ(file.ReadText("X", ""), "1");
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()), original);
}

TEST_F(SettingsFileTest, Utf8FileRoundTripsWithItsPreamble) {
    // "Zoë" in UTF-8, and a character outside the code page.
    WriteBytes(Path(), "\xEF\xBB\xBF[A]\r\nName = Zo\xC3\xAB\r\nOther = \xE4\xB8\xAD\r\n");
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    file.SelectGroup("A");
    EXPECT_EQ(file.ReadText("Name", ""), "Zo\xEB");
    EXPECT_EQ(file.ReadText("Other", ""), "?");
    file.WriteText("Name", "Ren\xE9");
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()), "\xEF\xBB\xBF\r\n[A]\r\nName = Ren\xC3\xA9\r\nOther = ?\r\n");
}

TEST_F(SettingsFileTest, ReadOnlyFileIsReadButNeverRewritten) {
    const std::string original = "[A]\r\nX = 1\r\n";
    WriteBytes(Path(), original);
    ASSERT_EQ(::chmod(Path().c_str(), 0444), 0);
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    file.SelectGroup("A");
    EXPECT_EQ(file.ReadText("X", ""), "1");
    file.WriteText("X", "2");
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()), original);
    EXPECT_FALSE(file.CreateNew(Path()));
    EXPECT_EQ(ReadBytes(Path()), original);
}

TEST_F(SettingsFileTest, FileThatCannotBeOpenedGetsOnlyWhatIsWrittenAfterwards) {
    // As the update reminder does when qm.inf could not be opened.
    EXPECT_FALSE(file.OpenForUpdate(Path()));
    EXPECT_EQ(file.ReadText("LastCheckValue", "dflt"), "dflt");
    file.WriteText("LastCheckValue", "5");
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()), "LastCheckValue = 5\r\n");
}

TEST_F(SettingsFileTest, FailedRewriteLeavesTheOldFileWhole) {
    const std::string original = "[A]\r\nX = 1\r\n";
    WriteBytes(Path(), original);
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    file.SelectGroup("A");
    file.WriteText("X", "2");
    platform::FailNextReplacements(1, ENOSPC);
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()), original);

    ASSERT_TRUE(file.OpenForUpdate(Path()));
    file.SelectGroup("A");
    file.WriteText("X", "3");
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()), "[A]\r\nX = 3\r\n");
}

TEST_F(SettingsFileTest, RewriteKeepsPermissionsAndLineBreaksBecomeSpaces) {
    WriteBytes(Path(), "[A]\r\n");
    ASSERT_EQ(::chmod(Path().c_str(), 0640), 0);
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    file.SelectGroup("A");
    file.WriteText("X", "one\r\ntwo");
    file.WriteComment("a\nb");
    file.CloseSettings();
    EXPECT_EQ(ReadBytes(Path()), "[A]\r\nX = one  two\r\n; a b\r\n");
    struct stat info {};
    ASSERT_EQ(::stat(Path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST_F(SettingsFileTest, OpeningAnotherFileWritesBackTheOpenOne) {
    WriteBytes(Path(), "[A]\r\n");
    ASSERT_TRUE(file.OpenForUpdate(Path()));
    file.SelectGroup("A");
    file.WriteText("X", "1");
    EXPECT_FALSE(file.OpenForUpdate(folder.File("missing.inf")));
    EXPECT_EQ(ReadBytes(Path()), "[A]\r\nX = 1\r\n");
    EXPECT_EQ(file.ReadText("X", "none"), "none");
}

}  // namespace
}  // namespace qm
