#include "core/book_settings.h"

#include <gtest/gtest.h>

#include "core/app_state.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using test::ReadBytes;
using test::WriteBytes;

class BookSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        App() = AppState{};
        Book() = BookSettings{};
        App().BookFolder = folder.path();
        App().BookName = "Addresses";
        App().BookFile = "Addresses.adb";
        App().BookSettingsFile = "Addresses.inf";
    }
    std::string Path() const { return folder.File("Addresses.inf"); }
    std::string Created() const {
        return "; Quillmark Initalization Information\r\n"
               "; \r\n"
               "[Application]\r\n"
               "Version = 2.57\r\n"
               "Addressbook = Addresses.adb\r\n"
               "AddressbookDirectory = " + folder.path() + "\r\n"
               "; \r\n"
               "; Sender Address associated with this addressbook\r\n"
               "[Sender Address]\r\n"
               "Name = \r\n"
               "Street = \r\n"
               "CSZ = \r\n"
               "Return Font = \r\n"
               "Return Size = \r\n"
               "Return Style = \r\n"
               "Logo Filename = \r\n"
               "; \r\n"
               "; Printer setup\r\n"
               "[Printer Defaults]\r\n"
               "Default Printer = \r\n"
               "Sender Horizontal = 0\r\n"
               "Sender Vertical = 0\r\n"
               "Addressee Horizontal = 0\r\n"
               "Addressee Vertical = 0\r\n"
               "Address Font = \r\n"
               "Address Size = \r\n"
               "Address Style = \r\n"
               "; \r\n"
               "; Last position of window\r\n"
               "[Windows Defaults]\r\n"
               "WindowX = 10\r\n"
               "WindowY = -20\r\n";
    }
    test::TempFolder folder;
};

TEST_F(BookSettingsTest, CreatedFileIsUpgradedOnceByTheNextLoads) {
    App().WindowAnchor = {10, -20};
    Book().SenderHorizontal = 99;
    LoadBookSettings();  // no file yet: creates it
    EXPECT_EQ(ReadBytes(Path()), Created());
    EXPECT_EQ(Book().SenderHorizontal, 0);
    EXPECT_EQ(Book().WindowX, 10);

    LoadBookSettings();
    std::string upgraded = Created();
    upgraded.replace(upgraded.find("2.57"), 4, "2.85");
    EXPECT_EQ(ReadBytes(Path()), upgraded);
    EXPECT_EQ(App().BookFolder, folder.path());
    EXPECT_EQ(Book().WindowY, -20);

    // Later loads find 2.85 and leave every byte alone.
    WriteBytes(Path(), upgraded + "; hand-added\n");
    LoadBookSettings();
    EXPECT_EQ(ReadBytes(Path()), upgraded + "; hand-added\n");
}

TEST_F(BookSettingsTest, CarriedLayoutKeepsThePositions) {
    App().CarryLayoutFlag = true;
    Book().SenderHorizontal = 5;
    Book().AddresseeVertical = -3;
    Book().SenderName = "Old sender";
    CreateBookSettings();
    EXPECT_EQ(Book().SenderHorizontal, 5);
    EXPECT_EQ(Book().SenderName, "");
    std::string text = ReadBytes(Path());
    EXPECT_NE(text.find("Sender Horizontal = 5\r\n"), std::string::npos);
    EXPECT_NE(text.find("Addressee Vertical = -3\r\n"), std::string::npos);
}

TEST_F(BookSettingsTest, LoadReadsHandEditedFilesAndSaveRewritesInPlace) {
    WriteBytes(Path(),
               "[Application]\r\nVersion = 2.85\r\n"
               "[Sender Address]\r\nname=Alice\r\nStreet = 1 Main St\r\n"
               "[Printer Defaults]\r\nSender Vertical = abc\r\nAddressee Horizontal =  -40  \r\n"
               "Unknown = kept\r\n");
    Book().LogoFilename = "/pictures/logo.png";
    LoadBookSettings();
    EXPECT_EQ(Book().SenderName, "Alice");
    EXPECT_EQ(Book().SenderStreet, "1 Main St");
    EXPECT_EQ(Book().SenderVertical, 0);
    EXPECT_EQ(Book().AddresseeHorizontal, -40);
    EXPECT_EQ(Book().LogoFilename, "/pictures/logo.png");  // missing key keeps the logo in memory
    EXPECT_EQ(App().BookFolder, "");                         // missing directory key
    App().BookFolder = folder.path();

    BookSettingsForm form;
    form.SenderName = "Alice Smith";
    form.SenderStreet = "1 Main St";
    form.SenderCSZ = "Springfield, IL 62701";
    form.SenderVertical = "$10";
    form.SenderHorizontal = " -5x";
    form.AddresseeVertical = "";
    form.AddresseeHorizontal = "%11";
    form.WindowX = 100;
    form.WindowY = 200;
    form.PrinterShown = "Save as PDF";
    SaveBookSettings(form);
    EXPECT_EQ(ReadBytes(Path()),
              "[Application]\r\nVersion = 2.85\r\nAddressbook = Addresses.adb\r\n"
              "AddressbookDirectory = " + folder.path() + "\r\n"
              "[Sender Address]\r\nName = Alice Smith\r\nStreet = 1 Main St\r\n"
              "CSZ = Springfield, IL 62701\r\nReturn Font = Arial\r\nReturn Size = 12\r\n"
              "Return Style = \r\nLogo Filename = /pictures/logo.png\r\n"
              "[Printer Defaults]\r\nSender Vertical = 16\r\nAddressee Horizontal = 3\r\n"
              "Unknown = kept\r\nDefault Printer = Save as PDF\r\nSender Horizontal = -5\r\n"
              "Addressee Vertical = 0\r\nAddress Font = Arial\r\nAddress Size = 14\r\n"
              "Address Style = \r\n"
              "[Windows Defaults]\r\nWindowX = 100\r\nWindowY = 200\r\n");
    EXPECT_EQ(Book().AddressSize, "14");
    EXPECT_EQ(Book().DefaultPrinter, "Save as PDF");
}

TEST_F(BookSettingsTest, SaveWritesNothingWhenTheFileIsMissing) {
    SaveBookSettings({});
    EXPECT_FALSE(test::Exists(Path()));
    EXPECT_EQ(Book().ReturnFont, "Arial");
}

}  // namespace
}  // namespace qm
