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
    std::string book = test::ReadBytes(DataFolder() + "Addresses.inf");
    EXPECT_EQ(book.substr(0, book.find("[Sender Address]")),
              "; Quillmark Initalization Information\r\n; \r\n[Application]\r\nVersion = 2.57\r\n"
              "Addressbook = Addresses.adb\r\nAddressbookDirectory = " + DataFolder() + "\r\n; \r\n"
              "; Sender Address associated with this addressbook\r\n");
    EXPECT_NE(book.find("[Windows Defaults]\r\nWindowX = 0\r\nWindowY = 0\r\n"), std::string::npos);
    EXPECT_EQ(platform::FocusedControl(MainWindow()), SenderNameField);
    EXPECT_EQ(Text(HintLine), "Enter YOUR name or Company name");

    // A person can look at the window.
    Widget(SenderNameField)->window()->grab().save(QString(QUILLMARK_BINARY_DIR) + "/main-window.png");
}

}  // namespace
}  // namespace qm
