#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "core/app_state.h"
#include "core/book_settings.h"
#include "program_fixture.h"
#include "ui/controls.h"

namespace qm {
namespace {

class MainWindowTest : public test::ProgramTest {};

enum class Kind { Field, Label, Button, Picture, DropDown };

TEST_F(MainWindowTest, ControlsStandWhereTheTableSays) {
    Start();
    struct Row {
        int id;
        Kind kind;
        platform::Rect box;
        const char* text;
        bool visible;
    };
    const Row rows[] = {
        {0, Kind::Picture, {5, 32, 100, 100}, "", true},
        {69, Kind::Label, {5, 137, 120, 98},
         "Double Click image/ box above to change logo\nNOTE: Cancelling file dialog will delete current logo", true},
        {1, Kind::Field, {110, 32, 210, 20}, "", true},
        {2, Kind::Field, {110, 53, 210, 20}, "", true},
        {3, Kind::Field, {110, 74, 210, 20}, "", true},
        {5, Kind::Field, {330, 110, 230, 20}, "", true},
        {6, Kind::Field, {330, 131, 230, 20}, "", true},
        {7, Kind::Field, {330, 152, 230, 20}, "", true},
        {10, Kind::Field, {490, 173, 70, 20}, "", true},
        {8, Kind::Field, {330, 173, 130, 20}, "", true},
        {9, Kind::Field, {460, 173, 30, 20}, "", true},
        {25, Kind::Label, {10, 237, 40, 20}, "Printer", true},
        {11, Kind::DropDown, {60, 235, 300, 20}, "Office Laser", true},
        {12, Kind::Button, {570, 230, 80, 30}, "Print", true},
        {68, Kind::Label, {370, 237, 80, 20}, "Number Copies", true},
        {71, Kind::Field, {460, 237, 40, 20}, "1", true},
        {13, Kind::Button, {570, 106, 30, 20}, "...", true},
        {14, Kind::Button, {610, 106, 40, 20}, "Clear", true},
        {15, Kind::Button, {570, 133, 30, 20}, "Save", true},
        {16, Kind::Button, {610, 133, 40, 20}, "Delete", true},
        {19, Kind::Label, {307, 90, 40, 20}, "TO:", true},
        {32, Kind::Label, {185, 113, 140, 20}, "Name", true},
        {33, Kind::Label, {185, 135, 140, 20}, "Street Address/Attn:", true},
        {34, Kind::Label, {185, 155, 140, 20}, "Optional Suite, Apt", true},
        {35, Kind::Label, {185, 175, 140, 20}, "City, State, Zipcode", true},
        {36, Kind::Label, {150, 200, 500, 20}, nullptr, true},  // the start-up focus puts a hint here
        {66, Kind::Label, {10, 272, 560, 20}, nullptr, true},
        {20, Kind::Label, {378, 35, 110, 20}, "Vertical Locations", true},
        {21, Kind::Label, {378, 65, 110, 20}, "Horizontal Locations", true},
        {22, Kind::Label, {502, 52, 50, 20}, "Sender", true},
        {23, Kind::Label, {573, 52, 50, 20}, "Addressee", true},
        {26, Kind::Field, {490, 32, 60, 20}, "0", true},
        {27, Kind::Field, {490, 65, 60, 20}, "0", true},
        {28, Kind::Field, {570, 32, 60, 20}, "0", true},
        {29, Kind::Field, {570, 65, 60, 20}, "0", true},
        {62, Kind::Label, {10, 97, 185, 36}, "Sample Sender Font", false},
        {52, Kind::Button, {110, 100, 90, 30}, "Set Sender Font", true},
        {61, Kind::Label, {230, 198, 280, 40}, "Sample To Address Font", false},
        {53, Kind::Button, {570, 160, 80, 30}, "Set To Font", true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE("control " + std::to_string(row.id));
        QWidget* widget = Widget(row.id);
        ASSERT_NE(widget, nullptr);
        switch (row.kind) {
            case Kind::Field: EXPECT_NE(qobject_cast<QLineEdit*>(widget), nullptr); break;
            case Kind::Label: EXPECT_NE(qobject_cast<QLabel*>(widget), nullptr); break;
            case Kind::Button: EXPECT_NE(qobject_cast<QPushButton*>(widget), nullptr); break;
            case Kind::Picture: EXPECT_NE(qobject_cast<QLabel*>(widget), nullptr); break;
            case Kind::DropDown: {
                auto* combo = qobject_cast<QComboBox*>(widget);
                ASSERT_NE(combo, nullptr);
                EXPECT_FALSE(combo->isEditable());
                break;
            }
        }
        const QRect g = widget->geometry();
        EXPECT_EQ((platform::Rect{g.x(), g.y(), g.width(), g.height()}), row.box);
        if (row.text) {
            EXPECT_EQ(Text(row.id), row.text);
        }
        EXPECT_EQ(!widget->isHidden(), row.visible);
    }
    // The area below the menu bar holds the controls; together they fill 660 x 310.
    platform::Rect area = platform::ClientArea(MainWindow());
    EXPECT_EQ(area.w, 660);
    EXPECT_EQ(area.y + area.h, 310);
    EXPECT_EQ(Text(BookPathLine), DataFolder() + "Addresses.adb");
}

TEST_F(MainWindowTest, LabelFontsAndColours) {
    Start();
    for (int id : {NameHintLabel, StreetHintLabel, SuiteHintLabel, CityStateZipHintLabel}) {
        QWidget* label = Widget(id);
        EXPECT_EQ(label->font().pointSize(), 9) << id;
        EXPECT_TRUE(label->font().bold() && label->font().italic()) << id;
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(0, 102, 255)) << id;
    }
    QWidget* hint = Widget(HintLine);
    EXPECT_EQ(hint->font().pointSize(), 11);
    EXPECT_TRUE(hint->font().bold());
    EXPECT_FALSE(hint->font().italic());
    EXPECT_EQ(hint->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

TEST_F(MainWindowTest, FirstStartWritesTheSettingsAndFocusesTheSenderName) {
    Start();
    EXPECT_EQ(platform::WindowTitle(MainWindow()), "Quillmark 2.80 - Addresses.adb");
    EXPECT_EQ(test::ReadBytes(DataFolder() + "qm.inf"),
              "; Quillmark Initalization Information\r\n; \r\n[Application]\r\nVersion = 2.80\r\n"
              "CurrentAddressbook = Addresses\r\nCurrentAddressbookDirectory = " + DataFolder() + "\r\n");
    EXPECT_EQ(test::ReadBytes(DataFolder() + "Addresses.inf"),
              "; Quillmark Initalization Information\r\n; \r\n[Application]\r\nVersion = 2.57\r\n"
              "Addressbook = Addresses.adb\r\nAddressbookDirectory = " + DataFolder() + "\r\n; \r\n"
              "; Sender Address associated with this addressbook\r\n[Sender Address]\r\nName = \r\n"
              "Street = \r\nCSZ = \r\nReturn Font = \r\nReturn Size = \r\nReturn Style = \r\n"
              "Logo Filename = \r\n; \r\n; Printer setup\r\n[Printer Defaults]\r\nDefault Printer = \r\n"
              "Sender Horizontal = 0\r\nSender Vertical = 0\r\nAddressee Horizontal = 0\r\n"
              "Addressee Vertical = 0\r\nAddress Font = \r\nAddress Size = \r\nAddress Style = \r\n; \r\n"
              "; Last position of window\r\n[Windows Defaults]\r\nWindowX = 0\r\nWindowY = 0\r\n");
    EXPECT_EQ(platform::FocusedControl(MainWindow()), SenderNameField);
    EXPECT_EQ(Text(HintLine), "Enter YOUR name or Company name");

    // A person can look at the window.
    Widget(SenderNameField)->window()->grab().save(QString(QUILLMARK_BINARY_DIR) + "/main-window.png");
}

}  // namespace
}  // namespace qm

#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <algorithm>

#include "print/fonts.h"
#include "zip/zip_table.h"

namespace qm {
namespace {

// Raw events, without running them through the dispatch table.
std::vector<platform::Event> TakeEvents() {
    std::vector<platform::Event> events;
    platform::Event e;
    while (platform::PollEvent(e)) events.push_back(e);
    return events;
}

std::vector<int> CommandNumbers(const std::vector<platform::Event>& events) {
    std::vector<int> numbers;
    for (const platform::Event& e : events) {
        if (e.kind == platform::EventKind::Command) numbers.push_back(e.number);
    }
    return numbers;
}

TEST_F(MainWindowTest, TabRunsThroughTheSenderThenTheAddresseeWithZipBeforeCity) {
    Start();
    Focus(SenderNameField);
    std::vector<int> order{platform::FocusedControl(MainWindow())};
    for (int i = 0; i < 9; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        Pump();
        order.push_back(platform::FocusedControl(MainWindow()));
    }
    EXPECT_EQ(order, (std::vector<int>{SenderNameField, SenderStreetField, SenderCityStateZipField, AddresseeNameField,
                                       AddresseeStreetField, AddresseeSuiteField, AddresseeZipField,
                                       AddresseeCityField, AddresseeStateField, PrinterList}));
}

TEST_F(MainWindowTest, MenusToolbarAndShortcutsSendTheirNumbers) {
    Start();
    TakeEvents();
    struct MenuRow {
        const char* title;
        std::vector<std::string> items;  // "-" for a separator
        std::vector<int> numbers;
    };
    const MenuRow menus[] = {
        {"File", {"&New", "&Load", "&Save", "-", "&Print", "Print Preview", "-", "&Quit"}, {39, 40, 41, 54, 55, 42}},
        {"Edit", {"Cut", "Copy", "Paste", "-", "Set Sender Font", "Set To Font"}, {43, 44, 45, 46, 47}},
        {"Options", {"Disable Zipcode Lookup"}, {58}},
        {"Help", {"Check for Updates", "About"}, {48, 51}},
    };
    QList<QAction*> bar = platform::MenuBarOf(MainWindow())->actions();
    ASSERT_EQ(bar.size(), 4);
    for (int m = 0; m < 4; ++m) {
        EXPECT_EQ(bar[m]->text().toStdString(), menus[m].title);
        std::vector<std::string> items;
        for (QAction* action : bar[m]->menu()->actions()) {
            items.push_back(action->isSeparator() ? "-" : action->text().toStdString());
            if (!action->isSeparator()) action->trigger();
        }
        EXPECT_EQ(items, menus[m].items);
        EXPECT_EQ(CommandNumbers(TakeEvents()), menus[m].numbers) << menus[m].title;
    }
    EXPECT_TRUE(platform::MenuAction(MainWindow(), MenuDisableZipLookup)->isCheckable());

    std::vector<std::string> tips;
    for (QAction* action : platform::ToolbarOf(MainWindow())->actions()) {
        if (action->isSeparator()) {
            tips.push_back("-");
            continue;
        }
        EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        tips.push_back(action->toolTip().toStdString());
        action->trigger();
    }
    EXPECT_EQ(tips, (std::vector<std::string>{"New Addressbook", "Load Addressbook", "Save Addresses", "-", "Print",
                                              "Print Preview", "-", "Cut", "Copy", "Paste", "-", "Help"}));
    EXPECT_EQ(CommandNumbers(TakeEvents()), (std::vector<int>{39, 40, 41, 54, 55, 43, 44, 45, 51}));
    EXPECT_GE(platform::ToolbarOf(MainWindow())->geometry().bottom(), 0);
    EXPECT_LT(platform::ToolbarOf(MainWindow())->geometry().bottom(), 32);  // above every control

    Focus(AddresseeNameField);
    TakeEvents();
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F6, Qt::Key_F8}) {
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    EXPECT_EQ(CommandNumbers(TakeEvents()), (std::vector<int>{100, 1000, 2000, 3000, 4000, 6000, 8000}));
}

TEST_F(MainWindowTest, AnOwnedWindowMakesTheMainWindowInert) {
    Start();
    TakeEvents();
    const int owned = platform::OpenWindow(300, 300, 200, 100, "Owned", false, MainWindow());
    ASSERT_GT(owned, 0);
    QTest::keyClick(platform::TopWidget(MainWindow())->windowHandle(), Qt::Key_F2);
    QTest::keyClick(platform::TopWidget(MainWindow())->windowHandle(), Qt::Key_Escape);
    EXPECT_TRUE(CommandNumbers(TakeEvents()).empty());
    platform::CloseWindow(owned);
    QTest::keyClick(platform::TopWidget(MainWindow())->windowHandle(), Qt::Key_F2);
    EXPECT_EQ(CommandNumbers(TakeEvents()), std::vector<int>{KeyF2});
}

TEST_F(MainWindowTest, WindowPositionRule) {
    Start();
    struct Case {
        int x, y;
        platform::Point expected;
    };
    for (Case c : {Case{0, -40, {250, 200}}, Case{300, 150, {300, 150}}, Case{-5, 7, {250, 7}}}) {
        CloseMainWindow();
        ASSERT_TRUE(BuildMainWindow(c.x, c.y, "t"));
        EXPECT_EQ(platform::WindowPosition(MainWindow()), c.expected) << c.x << "," << c.y;
    }
}

TEST_F(MainWindowTest, SampleFontsFollowTheBookSettings) {
    EXPECT_EQ(ToFontSampleBox("23").x, 10);
    EXPECT_EQ(ToFontSampleBox("23").w, 400);
    EXPECT_EQ(ToFontSampleBox("22").x, 230);
    EXPECT_EQ(ToFontSampleBox("").w, 280);
    EXPECT_EQ(ToFontSampleBox("$17").w, 400);  // the text-to-number rule

    struct Style {
        const char* word;
        int flags;
    };
    for (Style s : {Style{"Bold & Italic", 768}, Style{"Italic", 512}, Style{"Bold", 256}, Style{"Underlined", 0},
                    Style{"bold", 0}, Style{"None", 0}, Style{"Regular", 0}, Style{"", 0}}) {
        EXPECT_EQ(StyleFlags(s.word), s.flags) << s.word;
    }

    Start();
    CloseMainWindow();
    Book().AddressFont = "Times New Roman";
    Book().AddressSize = "23";
    Book().AddressStyle = "Bold & Italic";
    Book().ReturnStyle = "Underlined";
    ASSERT_TRUE(BuildMainWindow(10, 10, "t"));
    EXPECT_EQ(Widget(ToFontSample)->geometry(), QRect(10, 198, 400, 40));
    EXPECT_TRUE(Widget(ToFontSample)->font().bold() && Widget(ToFontSample)->font().italic());
    EXPECT_EQ(Widget(ToFontSample)->font().pointSize(), 23);
    EXPECT_FALSE(Widget(SenderFontSample)->font().bold() || Widget(SenderFontSample)->font().italic());
}

TEST_F(MainWindowTest, PrinterListRules) {
    Start();
    struct Case {
        const char* what;
        std::vector<std::string> printers;
        std::string defaultPrinter;
        bool listed;
        std::string shown;
        std::string defaultAfter;
    };
    const Case cases[] = {
        {"match", {"A", "B", "C"}, "B", true, "B", "B"},
        {"no match: the first", {"A", "B"}, "Z", true, "A", "Z"},
        {"letter case differs: the first", {"Laser", "laser2", "LASER"}, "laser", true, "Laser", "laser"},
        {"a later equal name wins", {"A", "B", "B"}, "B", true, "B", "B"},
        {"one printer becomes the default", {"Only"}, "Other", true, "Only", "Only"},
        {"none: no list", {}, "X", false, "", "X"},
    };
    for (const Case& c : cases) {
        CloseMainWindow();
        printers = c.printers;
        Book().DefaultPrinter = c.defaultPrinter;
        ASSERT_TRUE(BuildMainWindow(10, 10, "t"));
        EXPECT_EQ(platform::HasControl(MainWindow(), PrinterList), c.listed) << c.what;
        EXPECT_EQ(Text(PrinterList), c.shown) << c.what;
        EXPECT_EQ(Book().DefaultPrinter, c.defaultAfter) << c.what;
        if (c.what == std::string("a later equal name wins")) {
            EXPECT_EQ(qobject_cast<QComboBox*>(Widget(PrinterList))->currentIndex(), 2);
        }
    }
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST_F(MainWindowTest, PrinterListSelectsByNameWithoutRegardToCase) {
    printers = {"Office Laser", "Label Writer", "Save as PDF"};
    Start();
    platform::SelectDropDownEntry(MainWindow(), PrinterList, "LABEL writer");
    EXPECT_EQ(Text(PrinterList), "Label Writer");
    platform::SelectDropDownEntry(MainWindow(), PrinterList, "No Such Printer");
    EXPECT_EQ(Text(PrinterList), "Label Writer");  // unchanged
    platform::SelectDropDownEntry(MainWindow(), PrinterList, "");
    EXPECT_EQ(Text(PrinterList), "");  // cleared
}

}  // namespace
}  // namespace qm

namespace qm {
namespace {

TEST_F(MainWindowTest, ProgressBarsAndTextLinks) {
    Start();
    TakeEvents();
    const int w = platform::OpenWindow(100, 100, 300, 100, "Controls", true, MainWindow());
    platform::AddProgressBar(w, 80, {10, 10, 200, 20}, 50);
    platform::SetProgress(w, 80, 20);
    EXPECT_EQ(platform::Progress(w, 80), 20);
    platform::AddTextLink(w, 81, {10, 40, 200, 20}, "quillmark.example");
    QWidget* link = platform::ControlWidget(w, 81);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(link->font().underline());
    QTest::mouseClick(link, Qt::LeftButton);
    std::vector<platform::Event> events = TakeEvents();
    const bool clicked = std::any_of(events.begin(), events.end(), [w](const platform::Event& e) {
        return e.window == w && e.number == 81 && e.type == platform::EventType::Click;
    });
    EXPECT_TRUE(clicked);
    platform::CloseWindow(w);
}

}  // namespace
}  // namespace qm
