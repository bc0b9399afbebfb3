#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <cerrno>
#include <functional>

#include "addressbook/record_store.h"
#include "addressbook/search_window.h"
#include "core/app_state.h"
#include "platform/files.h"
#include "program_fixture.h"
#include "support/recording_pack.h"
#include "ui/controls.h"

namespace qm {
namespace {

class RecordCommandsTest : public test::ProgramTest {
protected:
    void TearDown() override {
        platform::FailNextReplacements(0, 0);
        ProgramTest::TearDown();
    }
    std::string Book() const { return DataFolder() + "Addresses.adb"; }
    std::string BookBytes() const { return test::ReadBytes(Book()); }
    void StartWithBook(const std::string& bytes) {
        Start();
        test::WriteBytes(Book(), bytes);
        Restart();  // loads and sorts it
    }
    static void Command(int number) {
        DispatchEvent({platform::EventKind::Command, MainWindow(), number});
        Pump();
    }
    static void Type(int id, const char* text) {
        Focus(id);
        QTest::keyClicks(Widget(id), text);
        Pump();
    }
    static void FillForm(const std::vector<std::string>& six) {
        const int ids[] = {AddresseeNameField, AddresseeStreetField, AddresseeSuiteField,
                           AddresseeCityField, AddresseeStateField, AddresseeZipField};
        for (int i = 0; i < 6; ++i) SetText(ids[i], six[static_cast<size_t>(i)]);
    }
    static std::vector<std::string> Form() {
        return {Text(AddresseeNameField), Text(AddresseeStreetField), Text(AddresseeSuiteField),
                Text(AddresseeCityField), Text(AddresseeStateField), Text(AddresseeZipField)};
    }
    static int SearchWindow() { return platform::LastOpenedWindow(); }
    static QTreeView* List() { return qobject_cast<QTreeView*>(platform::ControlWidget(SearchWindow(), SearchList)); }

    // Opens the search window with F3 and runs `inside` once it is shown;
    // `inside` must end the window (a pick or Cancel).
    static void WithSearchWindow(const std::function<void()>& inside) {
        const int before = platform::LastOpenedWindow();
        RunWhenSearchWindowIsShown(before, inside);
        // A window still open long after is a failure, not a hang.
        QTimer::singleShot(5000, [before] {
            const int w = platform::LastOpenedWindow();
            if (w != before && platform::WindowExists(w)) {
                ADD_FAILURE() << "the search window did not close";
                ClickInSearch(SearchCancelButton);
            }
        });
        Command(KeyF3);
    }
    // Runs `inside` once the search window has all its controls.
    static void RunWhenSearchWindowIsShown(int before, std::function<void()> inside) {
        QTimer::singleShot(10, [before, inside] {
            const int w = platform::LastOpenedWindow();
            if (w == before || !platform::ControlWidget(w, SearchHintLine3)) return RunWhenSearchWindowIsShown(before, inside);
            inside();
        });
    }
    static void ClickInSearch(int id) {
        QTest::mouseClick(platform::ControlWidget(SearchWindow(), id), Qt::LeftButton);
    }
    static void SelectRow(int row) {
        QModelIndex index = List()->model()->index(row, 0);
        List()->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        List()->setCurrentIndex(index);
    }
    // Picks a row of the search window the way the user does most: a double-click.
    static void PickRow(int row) {
        WithSearchWindow([row] {
            QModelIndex index = List()->model()->index(row, 0);
            const QPoint at = List()->visualRect(index).center();
            QTest::mouseClick(List()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, at);
        });
    }
};

const std::string kThree =
    "Alice Adams^1 A St^^Aville^AA^11111^0^1\r\nBob Brown^2 B St^Apt 2^Bville^BB^22222^1^1\r\n"
    "Carol Clark^3 C St^^Cville^CC^33333^2^1\r\n";

TEST_F(RecordCommandsTest, SaveOutcomes) {
    struct Case {
        const char* what;
        std::function<void()> steps;
        std::string book;  // afterwards
    };
    const Case cases[] = {
        {"an empty form typed in is added at its place by name",
         [] {
             Type(AddresseeNameField, "Bea Best");
             FillForm({"Bea Best", "5 E St", "", "Eville", "EE", "55555"});
             Command(KeyF4);
         },
         "Alice Adams^1 A St^^Aville^AA^11111^0^1\r\nBea Best^5 E St^^Eville^EE^55555^1^1\r\n"
         "Bob Brown^2 B St^Apt 2^Bville^BB^22222^2^1\r\nCarol Clark^3 C St^^Cville^CC^33333^3^1\r\n"},
        {"a picked record with a changed city is replaced",
         [] {
             PickRow(1);
             SetText(AddresseeCityField, "Newtown");
             Command(KeyF4);
         },
         "Alice Adams^1 A St^^Aville^AA^11111^0^1\r\nBob Brown^2 B St^Apt 2^Newtown^BB^22222^1^1\r\n"
         "Carol Clark^3 C St^^Cville^CC^33333^2^1\r\n"},
        {"a pick emptied by hand and typed anew is added",
         [] {
             PickRow(1);
             FillForm({"", "", "", "", "", ""});
             Type(AddresseeNameField, "Dan Dunn");
             FillForm({"Dan Dunn", "4 D St", "", "Dville", "DD", "44444"});
             Command(KeyF4);
         },
         kThree.substr(0, kThree.find("Carol")) + "Carol Clark^3 C St^^Cville^CC^33333^2^1\r\n"
             "Dan Dunn^4 D St^^Dville^DD^44444^3^1\r\n"},
        {"a picked record with a changed name is renamed",
         [] {
             PickRow(0);
             Focus(AddresseeNameField);
             QTest::keyClick(Widget(AddresseeNameField), Qt::Key_End);  // Tab selected the text
             QTest::keyClicks(Widget(AddresseeNameField), "s");
             Pump();
             Command(KeyF4);
         },
         "Alice Adamss^1 A St^^Aville^AA^11111^0^1\r\nBob Brown^2 B St^Apt 2^Bville^BB^22222^1^1\r\n"
         "Carol Clark^3 C St^^Cville^CC^33333^2^1\r\n"},
        {"Cancel after a pick makes the next Save add",
         [] {
             PickRow(2);
             WithSearchWindow([] { ClickInSearch(SearchCancelButton); });
             Command(KeyF4);
         },
         kThree.substr(0, kThree.find("Carol")) + "Carol Clark^3 C St^^Cville^CC^33333^2^1\r\n"
             "Carol Clark^3 C St^^Cville^CC^33333^3^1\r\n"},
    };
    for (const Case& c : cases) {
        StartWithBook(kThree);
        c.steps();
        EXPECT_EQ(BookBytes(), c.book) << c.what;
        EXPECT_EQ(Form(), std::vector<std::string>(6)) << c.what;
        EXPECT_EQ(platform::FocusedControl(MainWindow()), AddresseeNameField) << c.what;
        EXPECT_EQ(Store().CurrentRecord, -1) << c.what;
    }
}

TEST_F(RecordCommandsTest, ANameOfSpacesIsRefusedBySaveButFiledByPrinting) {
    StartWithBook(kThree);
    test::RecordingPack pack;
    FillForm({"   ", "1 Way", "", "", "", ""});
    dialogs.ExpectMessage();
    Command(KeyF4);
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "Invalid Name");
    EXPECT_EQ(dialogs.messages()[0].text, "You must at least enter a Name to associate this information with");
    EXPECT_EQ(BookBytes(), kThree);
    EXPECT_EQ(Text(AddresseeStreetField), "1 Way");

    Command(KeyF6);
    EXPECT_EQ(pack.titles, std::vector<std::string>{"Quillmark -    "});
    // Written in front, the blank name never moves in the sort.
    EXPECT_EQ(BookBytes(), "   ^1 Way^^^^^0^1\r\nAlice Adams^1 A St^^Aville^AA^11111^1^1\r\n"
                           "Bob Brown^2 B St^Apt 2^Bville^BB^22222^2^1\r\nCarol Clark^3 C St^^Cville^CC^33333^3^1\r\n");
}

TEST_F(RecordCommandsTest, PrintingAPickWithANewEntryFlagLeavesTwoEqualRecords) {
    StartWithBook(kThree);
    test::RecordingPack pack;
    PickRow(0);
    // Empty the other five by hand, type a name (which sets the flag), then the address.
    FillForm({"", "", "", "", "", ""});
    Type(AddresseeNameField, "Ann Other");
    ASSERT_TRUE(Store().NewEntryFlag);
    FillForm({"Ann Other", "7 G St", "", "Gville", "GG", "77777"});
    Command(KeyF6);
    EXPECT_EQ(pack.titles, std::vector<std::string>{"Quillmark - ANN OTHER"});
    EXPECT_EQ(BookBytes(), "Ann Other^7 G St^^Gville^GG^77777^0^1\r\nAnn Other^7 G St^^Gville^GG^77777^1^1\r\n"
                           "Bob Brown^2 B St^Apt 2^Bville^BB^22222^2^1\r\nCarol Clark^3 C St^^Cville^CC^33333^3^1\r\n");
}

TEST_F(RecordCommandsTest, PrintingWithAnEmptyNameStoresNothingAndKeepsTheFields) {
    StartWithBook(kThree);
    test::RecordingPack pack;
    FillForm({"", "1 Way", "", "Town", "ST", "12345"});
    Command(KeyF6);
    EXPECT_EQ(pack.titles.size(), 1u);
    EXPECT_EQ(BookBytes(), kThree);
    EXPECT_EQ(Form(), (std::vector<std::string>{"", "1 Way", "", "Town", "ST", "12345"}));
}

TEST_F(RecordCommandsTest, ClearNeverTouchesTheBook) {
    StartWithBook(kThree);
    PickRow(1);
    QTest::mouseClick(Widget(ClearButton), Qt::LeftButton);
    Pump();
    EXPECT_EQ(Form(), std::vector<std::string>(6));
    EXPECT_EQ(Store().CurrentRecord, -1);
    EXPECT_EQ(BookBytes(), kThree);
    EXPECT_FALSE(test::Exists(DataFolder() + "Addresses.bak"));
}

TEST_F(RecordCommandsTest, DeleteRemovesThePickedRecordOnly) {
    StartWithBook(kThree);
    Command(KeyF8);  // nothing picked
    EXPECT_EQ(Text(HintLine), "Pick the record to delete with the search window (F3) first");
    EXPECT_EQ(BookBytes(), kThree);

    PickRow(1);
    Command(KeyF8);
    EXPECT_EQ(BookBytes(), "Alice Adams^1 A St^^Aville^AA^11111^0^1\r\nCarol Clark^3 C St^^Cville^CC^33333^1^1\r\n");
    EXPECT_EQ(test::ReadBytes(DataFolder() + "Addresses.bak"), kThree);
    EXPECT_EQ(Form(), std::vector<std::string>(6));
    EXPECT_EQ(Store().CurrentRecord, -1);
}

TEST_F(RecordCommandsTest, AFailedRewriteKeepsTheForm) {
    StartWithBook(kThree);
    test::RecordingPack pack;
    PickRow(1);
    SetText(AddresseeCityField, "Newtown");
    const std::vector<std::string> typed = Form();
    for (int command : {KeyF4, KeyF6, KeyF8}) {
        dialogs.ExpectMessage();
        platform::FailNextReplacements(1, ENOSPC, 1);  // the backup copy works, the book does not
        Command(command);
        EXPECT_EQ(Form(), typed) << command;
        EXPECT_EQ(Store().CurrentRecord, 1) << command;
        EXPECT_EQ(BookBytes(), kThree) << command;
    }
    EXPECT_EQ(dialogs.messages().back().text,
              "Could not save the address book " + Book() + ": No space left on device");
    Command(KeyF4);  // and the save can be tried again
    EXPECT_NE(BookBytes().find("Bob Brown^2 B St^Apt 2^Newtown^BB^22222^1^1\r\n"), std::string::npos);
}

TEST(SearchRows, FilterByNamePrefixAndListFlag) {
    Store() = RecordStore{};
    const std::vector<std::vector<std::string_view>> book = {
        {"Mr Smith", "", "", "", "", "", "0", "1"}, {"Smith", "", "", "", "", "", "1", "1"},
        {"Smyth", "", "", "", "", "", "2", "1"},    {"S", "", "", "", "", "", "3", "1"},
        {"Smithers", "", "", "", "", "", "4", "0"}, {"smith", "", "", "", "", "", "5", "1"},
        {"Smee", "", "", "", "", "", "6", "1 "},    {"", "", "", "", "", "", "7", "1"},
    };
    for (const auto& fields : book) Store().entries.push_back(AddresseeRecord::FromFields(fields));
    EXPECT_EQ(SearchRows("Sm"), (std::vector<int64_t>{1, 2}));
    EXPECT_EQ(SearchRows(""), (std::vector<int64_t>{0, 1, 2, 3, 5}));
    EXPECT_EQ(SearchRows("Smith"), (std::vector<int64_t>{1}));
    EXPECT_EQ(SearchRows("Smithy"), (std::vector<int64_t>{}));
    EXPECT_EQ(SearchRows(" Sm"), (std::vector<int64_t>{}));  // taken unaltered, not trimmed
}

class SearchWindowTest : public RecordCommandsTest {};

TEST_F(SearchWindowTest, TheWindowItsListAndAPickOfEverySixFields) {
    StartWithBook(kThree + "Zed Zane^9 Z St^^Z^ZZ^99999^3^0\r\n");
    SetText(AddresseeNameField, "");
    int rows = 0;
    std::vector<std::string> headers;
    std::vector<int> widths;
    std::string title, line1, line2, line3;
    platform::Point size, position;
    bool closeButton = true;
    RunWhenSearchWindowIsShown(platform::LastOpenedWindow(), [&] {
        const int w = SearchWindow();
        title = platform::WindowTitle(w);
        size = {platform::ClientArea(w).w, platform::ClientArea(w).h};
        position = platform::WindowPosition(w);
        closeButton = platform::TopWidget(w)->windowFlags().testFlag(Qt::WindowCloseButtonHint);
        rows = platform::ListRowCount(w, SearchList);
        for (int c = 0; c < 5; ++c) {
            headers.push_back(List()->model()->headerData(c, Qt::Horizontal).toString().toStdString());
            widths.push_back(List()->columnWidth(c));
        }
        line1 = platform::ControlText(w, SearchHintLine1);
        line2 = platform::ControlText(w, SearchHintLine2);
        line3 = platform::ControlText(w, SearchHintLine3);
        ClickInSearch(SearchSelectButton);  // no row selected: ignored
        QTimer::singleShot(20, [] {
            SelectRow(1);
            ClickInSearch(SearchSelectButton);
        });
    });
    Command(KeyF3);
    EXPECT_EQ(title, "Get Addressee");
    EXPECT_EQ(size, (platform::Point{640, 340}));
    // Centred over the main window, which stands at (250, 200) after a first start.
    EXPECT_EQ(position, (platform::Point{260, 185}));
    EXPECT_FALSE(closeButton);
    EXPECT_EQ(rows, 3);  // Zed's list flag is not "1"
    EXPECT_EQ(headers, (std::vector<std::string>{"Name", "Address", "City", "State", "Zip"}));
    EXPECT_EQ(widths, (std::vector<int>{185, 190, 120, 40, 78}));
    EXPECT_EQ(line1, "You can Left Double Click any name to auto select -or- you can");
    EXPECT_EQ(line2, "highlight a name and click SELECT to return that name and address for printing");
    EXPECT_EQ(line3, "To exit without selecting a name and address click CANCEL");
    EXPECT_EQ(Form(), (std::vector<std::string>{"Bob Brown", "2 B St", "Apt 2", "Bville", "BB", "22222"}));
    EXPECT_EQ(Store().CurrentRecord, 1);
    EXPECT_FALSE(Store().NewEntryFlag);
    EXPECT_FALSE(platform::WindowExists(SearchWindow()));
    // Zed survives the rewrites.
    Command(KeyF4);
    EXPECT_NE(BookBytes().find("Zed Zane^9 Z St^^Z^ZZ^99999^3^0\r\n"), std::string::npos);
}

TEST_F(SearchWindowTest, ANegativeCornerIsRaisedToZero) {
    Start();
    CloseMainWindow();
    ASSERT_TRUE(BuildMainWindow(5, 5, "t"));
    platform::Point position;
    WithSearchWindow([&] {
        position = platform::WindowPosition(SearchWindow());
        ClickInSearch(SearchCancelButton);
    });
    EXPECT_EQ(position, (platform::Point{15, 0}));  // y would be 5 - 15
}

TEST_F(SearchWindowTest, TheNameFieldFiltersTheList) {
    StartWithBook("Mr Smith^^^^^^0^1\r\nSmith^^^^^^1^1\r\nsmith^^^^^^2^1\r\nSmyth^^^^^^3^1\r\n");
    SetText(AddresseeNameField, "Sm");
    std::vector<std::string> names;
    WithSearchWindow([&] {
        for (int r = 0; r < platform::ListRowCount(SearchWindow(), SearchList); ++r) {
            names.push_back(List()->model()->index(r, 0).data().toString().toStdString());
        }
        ClickInSearch(SearchCancelButton);
    });
    EXPECT_EQ(names, (std::vector<std::string>{"Smith", "Smyth"}));
    EXPECT_EQ(Text(AddresseeNameField), "Sm");
}

TEST_F(SearchWindowTest, AMissingBookIsCreatedEmptyAndListsNothing) {
    Start();
    ASSERT_FALSE(test::Exists(Book()));
    int rows = -1;
    WithSearchWindow([&] {
        rows = platform::ListRowCount(SearchWindow(), SearchList);
        ClickInSearch(SearchCancelButton);
    });
    EXPECT_EQ(rows, 0);
    EXPECT_TRUE(test::Exists(Book()));
    EXPECT_EQ(BookBytes(), "");
}

TEST_F(SearchWindowTest, TheMainWindowIsInertWhileItIsOpen) {
    StartWithBook(kThree);
    test::RecordingPack pack;
    SetText(AddresseeNameField, "Alice");
    WithSearchWindow([] {
        QWindow* main = platform::TopWidget(MainWindow())->windowHandle();
        QTest::keyClick(main, Qt::Key_F6);
        QTest::mouseClick(main, Qt::LeftButton, {}, Widget(PrintButton)->mapTo(Widget(PrintButton)->window(), QPoint(5, 5)));
        QTest::keyClick(main, Qt::Key_Escape);
        ClickInSearch(SearchCancelButton);
    });
    Pump();
    EXPECT_TRUE(pack.titles.empty());
    EXPECT_FALSE(App().QuitRequested);
    EXPECT_EQ(Text(AddresseeNameField), "Alice");
}

TEST_F(SearchWindowTest, ARecordNumberOutsideTheStoreIsNeverRead) {
    StartWithBook(kThree);
    test::WriteBytes(Book(), "Hand Edited^^^^^^7^1\r\n");  // edited behind the program's back
    WithSearchWindow([] {
        SelectRow(0);
        ClickInSearch(SearchSelectButton);
    });
    EXPECT_EQ(Form(), std::vector<std::string>(6));
    EXPECT_EQ(Store().CurrentRecord, -1);
    Command(KeyF8);  // nothing is picked: nothing is deleted
    EXPECT_EQ(BookBytes(), "Hand Edited^^^^^^7^1\r\n");
}

}  // namespace
}  // namespace qm
