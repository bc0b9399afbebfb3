#include <QClipboard>
#include <QComboBox>
#include <QMenu>
#include <QTest>

#include "addressbook/record_store.h"
#include "core/app_state.h"
#include "program_fixture.h"
#include "ui/controls.h"
#include "zip/zip_table.h"

namespace qm {
namespace {

class DispatchTest : public test::ProgramTest {
protected:
    std::string BookSettingsBytes() const { return test::ReadBytes(DataFolder() + "Addresses.inf"); }
    static void Type(int id, const char* text) {
        Focus(id);
        QTest::keyClicks(Widget(id), text);
        Pump();
    }
    static void Command(int number) { DispatchEvent({platform::EventKind::Command, MainWindow(), number}); }
};

TEST_F(DispatchTest, TypingANameWithTheRestEmptyStartsANewEntry) {
    Start();
    Type(AddresseeNameField, "Jo");
    EXPECT_TRUE(Store().NewEntryFlag);
    SetText(AddresseeZipField, "90210");
    Type(AddresseeNameField, "e");
    EXPECT_FALSE(Store().NewEntryFlag);
    SetText(AddresseeZipField, "");
    Type(AddresseeNameField, "y");
    EXPECT_TRUE(Store().NewEntryFlag);
    SetText(AddresseeNameField, "set by the program");  // raises no event
    SetText(AddresseeStreetField, "x");
    Pump();
    EXPECT_TRUE(Store().NewEntryFlag);
}

TEST_F(DispatchTest, LeavingASenderOrPositionFieldSavesTheBookSettingsAtOnce) {
    Start();
    Focus(AddresseeNameField);  // leaving the sender name, where start-up put the focus, saves
    const std::string before = BookSettingsBytes();
    Type(AddresseeNameField, "Jane Roe");
    Type(AddresseeStreetField, "1 Elm St");
    EXPECT_EQ(BookSettingsBytes(), before);  // addressee fields are not settings

    Type(SenderStreetField, "12 Oak Ave");
    Focus(SenderCityStateZipField);
    EXPECT_NE(BookSettingsBytes().find("Street = 12 Oak Ave\r\n"), std::string::npos);

    SetText(AddresseeHorizontalField, "$20");
    Focus(AddresseeHorizontalField);
    Focus(SenderNameField);
    EXPECT_NE(BookSettingsBytes().find("Addressee Horizontal = 32\r\n"), std::string::npos);
}

TEST_F(DispatchTest, FieldHintsAndTheirTimeout) {
    platform::SetClockForTesting(1000);
    Start();
    Focus(AddresseeZipField);
    EXPECT_EQ(Text(HintLine), "Zipcode - will autofill City/State if found in database");
    EXPECT_EQ(CurrentHintId(), 4);
    platform::SetClockForTesting(11000);  // exactly 10 seconds: still shown
    Command(KeyF2);
    EXPECT_EQ(CurrentHintId(), 4);
    platform::SetClockForTesting(11001);
    Command(KeyF2);
    EXPECT_EQ(Text(HintLine), "");
    EXPECT_EQ(CurrentHintId(), 0);
    Focus(SenderVerticalField);
    EXPECT_EQ(Text(HintLine), "This is the Vertical (up/down) Location of the Sender Address");
    Focus(PrintButton);  // no hint of its own: the last one stays, its time starts again
    EXPECT_EQ(CurrentHintId(), 10);
    Command(KeyF1);  // About clears the hint
    EXPECT_EQ(Text(HintLine), "");
}

TEST_F(DispatchTest, F2HidesAndShowsTheBlueHints) {
    Start();
    Command(KeyF2);
    for (int id : {NameHintLabel, StreetHintLabel, SuiteHintLabel, CityStateZipHintLabel}) {
        EXPECT_FALSE(platform::ControlVisible(MainWindow(), id));
    }
    Command(KeyF2);
    for (int id : {NameHintLabel, StreetHintLabel, SuiteHintLabel, CityStateZipHintLabel}) {
        EXPECT_TRUE(platform::ControlVisible(MainWindow(), id));
    }
}

TEST_F(DispatchTest, CutCopyAndPasteTakeTheWholeText) {
    Start();
    SetText(AddresseeCityField, "Springfield");
    Focus(AddresseeCityField);
    Field(AddresseeCityField)->setSelection(0, 3);
    Command(MenuCopy);
    EXPECT_EQ(platform::ClipboardText(), "Springfield");
    Command(MenuCut);
    EXPECT_EQ(Text(AddresseeCityField), "");
    Focus(AddresseeStateField);
    Command(MenuPaste);
    EXPECT_EQ(Text(AddresseeStateField), "Springfield");

    QApplication::clipboard()->clear();
    Command(MenuPaste);
    EXPECT_EQ(Text(AddresseeStateField), "");

    SetText(AddresseeStateField, "IL");
    platform::SetClipboardText("kept");
    Focus(SaveButton);
    Command(MenuCut);
    Command(MenuPaste);
    EXPECT_EQ(platform::ClipboardText(), "kept");
    EXPECT_EQ(Text(AddresseeStateField), "IL");
}

TEST_F(DispatchTest, FieldsRefuseBytesThatWouldBreakTheBook) {
    Start();
    Type(AddresseeNameField, "Smith^Co");
    EXPECT_EQ(Text(AddresseeNameField), "SmithCo");
    platform::SetClipboardText("a^b");
    Focus(AddresseeStreetField);
    Field(AddresseeStreetField)->paste();
    EXPECT_EQ(Text(AddresseeStreetField), "");
    platform::SetClipboardText("line one\nline two");
    Focus(SenderNameField);
    Field(SenderNameField)->paste();
    EXPECT_EQ(Text(SenderNameField).find('\n'), std::string::npos);
    Type(SenderStreetField, "x^y");  // "^" is fine outside the addressee
    EXPECT_EQ(Text(SenderStreetField), "x^y");
}

TEST_F(DispatchTest, LeavingTheZipFieldFillsCityAndStateUnlessSwitchedOff) {
    Start();
    Type(AddresseeZipField, "90210");
    Focus(AddresseeCityField);
    EXPECT_EQ(Text(AddresseeCityField), "Beverly Hills");
    EXPECT_EQ(Text(AddresseeStateField), "CA");

    QAction* item = platform::MenuAction(MainWindow(), MenuDisableZipLookup);
    item->trigger();
    Pump();
    EXPECT_TRUE(item->isChecked());
    EXPECT_TRUE(ZipLookupDisabled());
    SetText(AddresseeCityField, "");
    SetText(AddresseeStateField, "");
    Focus(AddresseeZipField);
    Focus(AddresseeNameField);
    EXPECT_EQ(Text(AddresseeCityField), "");

    // A rebuilt window has the lookup on again.
    CloseMainWindow();
    ASSERT_TRUE(BuildMainWindow(10, 10, "t"));
    EXPECT_FALSE(platform::MenuAction(MainWindow(), MenuDisableZipLookup)->isChecked());
    EXPECT_FALSE(ZipLookupDisabled());
    Type(AddresseeZipField, "10001");
    Focus(AddresseeNameField);
    EXPECT_EQ(Text(AddresseeCityField), "New York");
}

TEST_F(DispatchTest, EveryWayOfQuittingSavesTheSettingsWithThePrinterShown) {
    enum class Way { CloseBox, Escape, FileQuit };
    for (Way way : {Way::CloseBox, Way::Escape, Way::FileQuit}) {
        Restart();
        App().QuitRequested = false;
        qobject_cast<QComboBox*>(Widget(PrinterList))->setCurrentIndex(1);  // "Save as PDF"
        SetText(SenderNameField, "Pat Sender");
        switch (way) {
            case Way::CloseBox: platform::TopWidget(MainWindow())->close(); break;
            case Way::Escape: QTest::keyClick(platform::TopWidget(MainWindow())->windowHandle(), Qt::Key_Escape); break;
            case Way::FileQuit: platform::MenuAction(MainWindow(), MenuQuit)->trigger(); break;
        }
        Pump();
        EXPECT_TRUE(App().QuitRequested) << static_cast<int>(way);
        const std::string settings = BookSettingsBytes();
        EXPECT_NE(settings.find("Default Printer = Save as PDF\r\n"), std::string::npos) << static_cast<int>(way);
        EXPECT_NE(settings.find("Name = Pat Sender\r\n"), std::string::npos) << static_cast<int>(way);
        test::WriteBytes(DataFolder() + "Addresses.inf", "");  // the next start creates it again
        std::remove((DataFolder() + "Addresses.inf").c_str());
    }
}

}  // namespace
}  // namespace qm
