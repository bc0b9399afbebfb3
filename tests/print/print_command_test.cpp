#include "print/print_command.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "support/recording_pack.h"
#include "support/scripted_dialogs.h"

namespace qm {
namespace {

class FakeWindow final : public PrintWindow {
public:
    EnvelopeFieldTexts fields;
    std::string printer = "Office Laser";
    std::string copies = "1";
    int hintsCleared = 0, saves = 0, saveSteps = 0;
    std::vector<std::string> savedTo;

    EnvelopeFieldTexts Fields() const override { return fields; }
    std::string PrinterShown() const override { return printer; }
    std::string CopiesText() const override { return copies; }
    void ClearHint() override { ++hintsCleared; }
    void SaveSettings() override { ++saves; }
    void AfterLastCopy() override { ++saveSteps; }
    void ShowSavedTo(const std::string& file) override { savedTo.push_back(file); }
};

class PrintCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        Book() = BookSettings{};
        window.fields.Name = "John Smith";
        window.fields.Street = "Attn: Billing";
    }
    FakeWindow window;
    test::RecordingPack pack;
    test::ScriptedDialogs dialogs;
};

TEST_F(PrintCommandTest, EveryCopyIsAJobOfItsOwn) {
    window.copies = "3";
    PrintCommand(window);
    EXPECT_EQ(pack.titles, (std::vector<std::string>(3, "Quillmark - JOHN SMITH")));  // the name, not the ATTN line
    EXPECT_EQ(pack.Calls("open"), (std::vector<std::string>(3, "open 'Office Laser' Orientation=2,Papersize=20")));
    EXPECT_EQ(pack.Calls("end").size(), 3u);
    EXPECT_EQ(pack.Calls("unit"), (std::vector<std::string>(3, "unit 0")));
    EXPECT_EQ(window.saves, 1);
    EXPECT_EQ(window.hintsCleared, 1);
    EXPECT_EQ(window.saveSteps, 1);
    EXPECT_TRUE(window.savedTo.empty());
    EXPECT_EQ(Book().AddressSize, "16");  // the font defaults were applied before the save
}

TEST_F(PrintCommandTest, NoCopiesDoesNothingButSave) {
    for (const char* copies : {"0", "", "abc", "-2"}) {
        window.copies = copies;
        window.printer = "";
        PrintCommand(window);
    }
    EXPECT_TRUE(pack.calls.empty());
    EXPECT_EQ(window.saves, 4);
    EXPECT_EQ(window.saveSteps, 0);
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PrintCommandTest, NoPrinterChosenIsReported) {
    window.printer = "";
    dialogs.ExpectMessage();
    PrintCommand(window);
    EXPECT_TRUE(pack.calls.empty());
    EXPECT_EQ(window.saveSteps, 0);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "Error! No Printer Selected");
    EXPECT_EQ(dialogs.messages()[0].text, "No printer selected, please use the drop down to select a printer");
}

TEST_F(PrintCommandTest, AJobThatCannotStartDrawsNothingAndTheRestGoOn) {
    pack.jobStarts = false;
    window.copies = "2";
    PrintCommand(window);
    EXPECT_EQ(pack.titles.size(), 2u);
    EXPECT_TRUE(pack.Calls("text").empty());
    EXPECT_EQ(pack.Calls("end").size(), 2u);
    EXPECT_EQ(window.saveSteps, 1);
}

TEST_F(PrintCommandTest, JobsToThePdfPrinterTellWhereTheFileWent) {
    pack.pdfFile = "/home/u/Documents/Quillmark Envelopes/Quillmark - JOHN SMITH (2).pdf";
    window.copies = "2";
    PrintCommand(window);
    EXPECT_EQ(window.savedTo, std::vector<std::string>{pack.pdfFile});
}

}  // namespace
}  // namespace qm
