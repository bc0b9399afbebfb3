#include "ui/main_window.h"

#include <vector>

#include "core/app_state.h"
#include "core/text.h"
#include "platform/printers.h"
#include "platform/window.h"
#include "print/fonts.h"
#include "ui/controls.h"
#include "zip/zip_table.h"

namespace qm {

namespace {

using platform::Align;
using platform::Rect;

int g_window = 0;
bool g_blueHintsShown = true;

constexpr int kClientWidth = 660;
constexpr int kClientHeight = 310;
const platform::Rgb kBlue{0, 102, 255};
const platform::Rgb kRed{255, 0, 0};

void AddMenus(int w) {
    using platform::MenuEntry;
    const MenuEntry separator{};
    platform::AddMenu(w, "File",
                      {{MenuNew, "&New"}, {MenuLoad, "&Load"}, {MenuSave, "&Save"}, separator, {MenuPrint, "&Print"},
                       {MenuPrintPreview, "Print Preview"}, separator, {MenuQuit, "&Quit"}});
    platform::AddMenu(w, "Edit",
                      {{MenuCut, "Cut"}, {MenuCopy, "Copy"}, {MenuPaste, "Paste"}, separator,
                       {MenuSetSenderFont, "Set Sender Font"}, {MenuSetToFont, "Set To Font"}});
    platform::AddMenu(w, "Options", {{MenuDisableZipLookup, "Disable Zipcode Lookup", true}});
    platform::AddMenu(w, "Help", {{MenuCheckUpdates, "Check for Updates"}, {MenuAbout, "About"}});
}

void AddToolbarAndShortcuts(int w) {
    using platform::StandardImage;
    using platform::ToolEntry;
    const ToolEntry separator{};
    platform::AddToolbar(w, {{MenuNew, StandardImage::FileNew, "New Addressbook"},
                             {MenuLoad, StandardImage::FileOpen, "Load Addressbook"},
                             {MenuSave, StandardImage::FileSave, "Save Addresses"},
                             separator,
                             {MenuPrint, StandardImage::Print, "Print"},
                             {MenuPrintPreview, StandardImage::PrintPreview, "Print Preview"},
                             separator,
                             {MenuCut, StandardImage::Cut, "Cut"},
                             {MenuCopy, StandardImage::Copy, "Copy"},
                             {MenuPaste, StandardImage::Paste, "Paste"},
                             separator,
                             {MenuAbout, StandardImage::Help, "Help"}});
    using platform::Key;
    const std::pair<Key, int> keys[] = {{Key::Escape, KeyEscape}, {Key::F1, KeyF1}, {Key::F2, KeyF2},
                                        {Key::F3, KeyF3},         {Key::F4, KeyF4}, {Key::F6, KeyF6},
                                        {Key::F8, KeyF8}};
    for (auto [key, number] : keys) platform::AddShortcut(w, key, number);
}

// The printer list: the spooler's printers in its order, the book's default
// printer selected when one matches exactly, a lone printer becoming it.
void AddPrinterList(int w) {
    std::vector<std::string> names;
    if (!platform::ListPrinters(names)) return;
    int selected = 0;
    std::vector<std::string> items;
    if (names.size() >= 2) {
        for (size_t i = 0; i < names.size(); ++i) {
            if (names[i] == Book().DefaultPrinter) selected = static_cast<int>(i);
        }
        items = names;
    } else if (names.size() == 1) {
        Book().DefaultPrinter = names[0];
        items = names;
    }
    platform::AddDropDown(w, PrinterList, {60, 235, 300, 20}, items, selected);
}

platform::FontSpec SampleFont(const std::string& face, const std::string& size, const std::string& style) {
    const int flags = StyleFlags(style);
    return {face, TextToInt32(size), (flags & kStyleBold) != 0, (flags & kStyleItalic) != 0};
}

void AddControls(int w) {
    using platform::AddButton;
    using platform::AddLabel;
    using platform::AddTextField;
    platform::AddPictureBox(w, LogoBox, {5, 32, 100, 100});
    AddLabel(w, LogoHint, {5, 137, 120, 98},
             "Double Click image/ box above to change logo\nNOTE: Cancelling file dialog will delete current logo",
             Align::Left);
    AddTextField(w, SenderNameField, {110, 32, 210, 20}, "");
    AddTextField(w, SenderStreetField, {110, 53, 210, 20}, "");
    AddTextField(w, SenderCityStateZipField, {110, 74, 210, 20}, "");
    AddTextField(w, AddresseeNameField, {330, 110, 230, 20}, "");
    AddTextField(w, AddresseeStreetField, {330, 131, 230, 20}, "");
    AddTextField(w, AddresseeSuiteField, {330, 152, 230, 20}, "");
    AddTextField(w, AddresseeZipField, {490, 173, 70, 20}, "");
    AddTextField(w, AddresseeCityField, {330, 173, 130, 20}, "");
    AddTextField(w, AddresseeStateField, {460, 173, 30, 20}, "");
    AddLabel(w, PrinterLabel, {10, 237, 40, 20}, "Printer", Align::Right);
    AddPrinterList(w);
    AddButton(w, PrintButton, {570, 230, 80, 30}, "Print");
    AddLabel(w, CopiesLabel, {370, 237, 80, 20}, "Number Copies", Align::Right);
    AddTextField(w, CopiesField, {460, 237, 40, 20}, "1");
    AddButton(w, SearchButton, {570, 106, 30, 20}, "...");
    AddButton(w, ClearButton, {610, 106, 40, 20}, "Clear");
    AddButton(w, SaveButton, {570, 133, 30, 20}, "Save");
    AddButton(w, DeleteButton, {610, 133, 40, 20}, "Delete");
    AddLabel(w, ToLabel, {307, 90, 40, 20}, "TO:", Align::Right);
    AddLabel(w, NameHintLabel, {185, 113, 140, 20}, "Name", Align::Right);
    AddLabel(w, StreetHintLabel, {185, 135, 140, 20}, "Street Address/Attn:", Align::Right);
    AddLabel(w, SuiteHintLabel, {185, 155, 140, 20}, "Optional Suite, Apt", Align::Right);
    AddLabel(w, CityStateZipHintLabel, {185, 175, 140, 20}, "City, State, Zipcode", Align::Right);
    AddLabel(w, HintLine, {150, 200, 500, 20}, "", Align::Left);
    AddLabel(w, BookPathLine, {10, 272, 560, 20}, "", Align::Left);
    AddLabel(w, VerticalLocationsLabel, {378, 35, 110, 20}, "Vertical Locations", Align::Right);
    AddLabel(w, HorizontalLocationsLabel, {378, 65, 110, 20}, "Horizontal Locations", Align::Right);
    AddLabel(w, SenderColumnLabel, {502, 52, 50, 20}, "Sender", Align::Left);
    AddLabel(w, AddresseeColumnLabel, {573, 52, 50, 20}, "Addressee", Align::Left);
    AddTextField(w, SenderVerticalField, {490, 32, 60, 20}, "");
    AddTextField(w, SenderHorizontalField, {490, 65, 60, 20}, "");
    AddTextField(w, AddresseeVerticalField, {570, 32, 60, 20}, "");
    AddTextField(w, AddresseeHorizontalField, {570, 65, 60, 20}, "");
    AddLabel(w, SenderFontSample, {10, 97, 185, 36}, "Sample Sender Font", Align::Left);
    platform::SetControlVisible(w, SenderFontSample, false);
    AddButton(w, SenderFontButton, {110, 100, 90, 30}, "Set Sender Font");
    SampleBox box = ToFontSampleBox(Book().AddressSize);
    AddLabel(w, ToFontSample, {box.x, box.y, box.w, box.h}, "Sample To Address Font", Align::Left);
    platform::SetControlVisible(w, ToFontSample, false);
    AddButton(w, ToFontButton, {570, 160, 80, 30}, "Set To Font");

    // A "^" would split a record of the address book.
    for (int field : {AddresseeNameField, AddresseeStreetField, AddresseeSuiteField, AddresseeCityField,
                      AddresseeStateField, AddresseeZipField}) {
        platform::SetRefusedBytes(w, field, "^");
    }
}

}  // namespace

int MainWindow() { return g_window; }

SampleBox ToFontSampleBox(const std::string& addressSize) {
    if (TextToInt32(addressSize) > 22) return {10, 198, 400, 40};
    return {230, 198, 280, 40};
}

bool BuildMainWindow(int x, int y, const std::string& title) {
    if (x <= 0) x = 250;
    if (y <= 0) y = 200;
    const int w = platform::OpenWindow(x, y, kClientWidth, kClientHeight, title, true);
    if (!w) return false;
    g_window = w;
    AddMenus(w);
    AddToolbarAndShortcuts(w);
    AddControls(w);

    const platform::FontSpec labelFont{"Times New Roman", 9, true, true};
    const platform::FontSpec hintFont{"Times New Roman", 11, true, false};
    for (int label : {NameHintLabel, StreetHintLabel, SuiteHintLabel, CityStateZipHintLabel}) {
        platform::SetControlFont(w, label, labelFont);
        platform::SetControlColor(w, label, kBlue);
    }
    platform::SetControlFont(w, HintLine, hintFont);
    platform::SetControlColor(w, HintLine, kRed);
    g_blueHintsShown = true;

    ResetZipLookup();
    platform::SetMenuChecked(w, MenuDisableZipLookup, false);

    const BookSettings& book = Book();
    platform::SetControlFont(w, SenderFontSample, SampleFont(book.ReturnFont, book.ReturnSize, book.ReturnStyle));
    platform::SetControlFont(w, ToFontSample, SampleFont(book.AddressFont, book.AddressSize, book.AddressStyle));
    return true;
}

void CloseMainWindow() {
    if (g_window) platform::CloseWindow(g_window);
    g_window = 0;
}

void FillMainWindow() {
    const int w = g_window;
    const BookSettings& book = Book();
    platform::SetControlText(w, SenderNameField, book.SenderName);
    platform::SetControlText(w, SenderStreetField, book.SenderStreet);
    platform::SetControlText(w, SenderCityStateZipField, book.SenderCSZ);
    platform::SetControlText(w, SenderVerticalField, NumberToText(book.SenderVertical));
    platform::SetControlText(w, SenderHorizontalField, NumberToText(book.SenderHorizontal));
    platform::SetControlText(w, AddresseeVerticalField, NumberToText(book.AddresseeVertical));
    platform::SetControlText(w, AddresseeHorizontalField, NumberToText(book.AddresseeHorizontal));
    platform::SetControlText(w, BookPathLine, App().BookFolder + App().BookFile);
}

BookSettingsForm ReadBookSettingsForm() {
    const int w = g_window;
    BookSettingsForm form;
    form.SenderName = platform::ControlText(w, SenderNameField);
    form.SenderStreet = platform::ControlText(w, SenderStreetField);
    form.SenderCSZ = platform::ControlText(w, SenderCityStateZipField);
    form.SenderVertical = platform::ControlText(w, SenderVerticalField);
    form.SenderHorizontal = platform::ControlText(w, SenderHorizontalField);
    form.AddresseeVertical = platform::ControlText(w, AddresseeVerticalField);
    form.AddresseeHorizontal = platform::ControlText(w, AddresseeHorizontalField);
    platform::Point position = platform::WindowPosition(w);
    form.WindowX = position.x;
    form.WindowY = position.y;
    form.PrinterShown = platform::ControlText(w, PrinterList);
    return form;
}

AddresseeForm ReadAddresseeForm() {
    const int w = g_window;
    return {platform::ControlText(w, AddresseeNameField), platform::ControlText(w, AddresseeStreetField),
            platform::ControlText(w, AddresseeSuiteField), platform::ControlText(w, AddresseeCityField),
            platform::ControlText(w, AddresseeStateField), platform::ControlText(w, AddresseeZipField)};
}

void FillAddresseeForm(const AddresseeForm& f) {
    const int w = g_window;
    platform::SetControlText(w, AddresseeNameField, f.Name);
    platform::SetControlText(w, AddresseeStreetField, f.Street);
    platform::SetControlText(w, AddresseeSuiteField, f.Suite);
    platform::SetControlText(w, AddresseeCityField, f.City);
    platform::SetControlText(w, AddresseeStateField, f.State);
    platform::SetControlText(w, AddresseeZipField, f.Zip);
}

void EmptyAddresseeForm() {
    FillAddresseeForm({});
    platform::FocusControl(g_window, AddresseeNameField);
}

EnvelopeFieldTexts ReadEnvelopeFields() {
    const int w = g_window;
    const AddresseeForm a = ReadAddresseeForm();
    EnvelopeFieldTexts t;
    t.SenderName = platform::ControlText(w, SenderNameField);
    t.SenderStreet = platform::ControlText(w, SenderStreetField);
    t.SenderCSZ = platform::ControlText(w, SenderCityStateZipField);
    t.Name = a.Name;
    t.Street = a.Street;
    t.Suite = a.Suite;
    t.City = a.City;
    t.State = a.State;
    t.Zip = a.Zip;
    t.SenderVertical = platform::ControlText(w, SenderVerticalField);
    t.SenderHorizontal = platform::ControlText(w, SenderHorizontalField);
    t.AddresseeVertical = platform::ControlText(w, AddresseeVerticalField);
    t.AddresseeHorizontal = platform::ControlText(w, AddresseeHorizontalField);
    return t;
}

bool BlueHintsShown() { return g_blueHintsShown; }

void SetBlueHintsShown(bool shown) {
    for (int label : {NameHintLabel, StreetHintLabel, SuiteHintLabel, CityStateZipHintLabel}) {
        platform::SetControlVisible(g_window, label, shown);
    }
    g_blueHintsShown = shown;
}

}  // namespace qm
