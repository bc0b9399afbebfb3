#include "ui/event_loop.h"

#include <array>
#include <cstdint>
#include <string>

#include "addressbook/record_commands.h"
#include "addressbook/record_store.h"
#include "addressbook/search_window.h"
#include "core/app_state.h"
#include "core/book_settings.h"
#include "platform/clock.h"
#include "print/logo.h"
#include "print/preview.h"
#include "print/print_command.h"
#include "ui/controls.h"
#include "ui/main_window.h"
#include "zip/zip_table.h"

namespace qm {

namespace {

using platform::Event;
using platform::EventKind;
using platform::EventType;

int g_hintId = 0;
int64_t g_hintShownAt = 0;
// A hint that stays through the focus change the program itself makes (the
// form emptied after printing), until the user moves or the time-out.
bool g_lastingHint = false;
constexpr int kSavedToHint = 14;

struct FieldHint {
    int field;
    const char* text;
};
constexpr std::array<FieldHint, 13> kHints = {{
    {AddresseeNameField, "Enter Company Name or Addressee Name"},
    {AddresseeStreetField, "ATTN: {Name} if Company Name used above otherwise enter #### Street Number"},
    {AddresseeSuiteField, "Suite, Apt #, Dept Name, or #### Street Name if ATTN: line used above"},
    {AddresseeZipField, "Zipcode - will autofill City/State if found in database"},
    {AddresseeCityField, "City name - should be autofilled if valid Zipcode entered"},
    {AddresseeStateField, "State - 2 character US State abbreviation"},
    {SenderNameField, "Enter YOUR name or Company name"},
    {SenderStreetField, "Enter YOUR street address"},
    {SenderCityStateZipField, "Enter YOUR City, State, zipcode"},
    {SenderVerticalField, "This is the Vertical (up/down) Location of the Sender Address"},
    {SenderHorizontalField, "This is the Horizontal (left/right) Location of the Sender Address"},
    {AddresseeVerticalField, "This is the Vertical (up/down) Location of the TO Address"},
    {AddresseeHorizontalField, "This is the Horizontal (left/right) Location of the TO Address"},
}};

bool Is(const Event& e, int control, EventType type) {
    return e.kind == EventKind::Control && e.number == control && e.type == type;
}
bool Clicked(const Event& e, int control) { return Is(e, control, EventType::Click); }
// A command test compares the number alone: no control carries a command's.
bool Command(const Event& e, int number) { return e.number == number; }

std::string Text(int control) { return platform::ControlText(MainWindow(), control); }
bool Empty(int control) { return Text(control).empty(); }

void SaveSettingsFromWindow() { SaveBookSettings(ReadBookSettingsForm()); }

class WindowAutofillFields final : public AutofillFields {
public:
    std::string City() const override { return Text(AddresseeCityField); }
    std::string State() const override { return Text(AddresseeStateField); }
    std::string Zip() const override { return Text(AddresseeZipField); }
    void SetCity(const std::string& text) override { platform::SetControlText(MainWindow(), AddresseeCityField, text); }
    void SetState(const std::string& text) override { platform::SetControlText(MainWindow(), AddresseeStateField, text); }
};

class LookupCheckMark final : public CheckMark {
public:
    bool Checked() const override { return platform::MenuChecked(MainWindow(), MenuDisableZipLookup); }
    void SetChecked(bool checked) override { platform::SetMenuChecked(MainWindow(), MenuDisableZipLookup, checked); }
};

void ShowFieldHint(int control, bool byProgram) {
    if (byProgram && g_lastingHint) return;
    g_lastingHint = false;
    for (size_t i = 0; i < kHints.size(); ++i) {
        const int id = static_cast<int>(i) + 1;
        if (kHints[i].field == control && g_hintId != id) {
            platform::SetControlText(MainWindow(), HintLine, kHints[i].text);
            g_hintId = id;
        }
    }
    g_hintShownAt = platform::MillisecondClock();
}

// The focused control when it is one of the window's text fields, else -1.
int FocusedTextField() {
    const int focused = platform::FocusedControl(MainWindow());
    return focused >= 0 && platform::IsTextField(MainWindow(), focused) ? focused : -1;
}

void Cut() {
    const int field = FocusedTextField();
    if (field < 0) return;
    platform::SetClipboardText(Text(field));
    platform::SetControlText(MainWindow(), field, "");
}

void Copy() {
    const int field = FocusedTextField();
    if (field >= 0) platform::SetClipboardText(Text(field));
}

void Paste() {
    const int field = FocusedTextField();
    if (field >= 0) platform::SetControlText(MainWindow(), field, platform::ClipboardText());
}

class MainAddresseeForm final : public AddresseeFormAccess {
public:
    AddresseeForm Read() const override { return ReadAddresseeForm(); }
    void Empty() override { EmptyAddresseeForm(); }
    void Fill(const AddresseeForm& form) override { FillAddresseeForm(form); }
    void ClearHint() override { qm::ClearHint(); }
    void ShowHint(const std::string& text) override { platform::SetControlText(MainWindow(), HintLine, text); }
};

class MainPrintWindow final : public PrintWindow {
public:
    EnvelopeFieldTexts Fields() const override { return ReadEnvelopeFields(); }
    std::string PrinterShown() const override { return Text(PrinterList); }
    std::string CopiesText() const override { return Text(CopiesField); }
    void ClearHint() override { qm::ClearHint(); }
    void SaveSettings() override { SaveSettingsFromWindow(); }
    void AfterLastCopy() override {
        MainAddresseeForm form;
        PrintSaveStep(form);
    }
    void ShowSavedTo(const std::string& pdfFile) override {
        platform::SetControlText(MainWindow(), HintLine, "Saved to " + pdfFile);
        g_hintId = kSavedToHint;
        g_hintShownAt = platform::MillisecondClock();
        g_lastingHint = true;
    }
};

void Quit() {
    SaveSettingsFromWindow();  // the printer shown becomes the book's default printer
    App().QuitRequested = true;
}

}  // namespace

int CurrentHintId() { return g_hintId; }

void ClearHint() {
    platform::SetControlText(MainWindow(), HintLine, "");
    g_hintId = 0;
    g_lastingHint = false;
}

void StartHintTimer() {
    g_hintId = 0;
    g_lastingHint = false;
    g_hintShownAt = platform::MillisecondClock();
}

void DispatchEvent(const Event& e) {
    const int main = MainWindow();
    // 1: a name typed with the other five addressee fields empty starts a new entry.
    if (Is(e, AddresseeNameField, EventType::TextChanged)) {
        Store().NewEntryFlag = Empty(AddresseeStreetField) && Empty(AddresseeSuiteField) &&
                               Empty(AddresseeCityField) && Empty(AddresseeStateField) && Empty(AddresseeZipField);
    }
    // 2: leaving a sender or position field saves the book settings.
    if (e.kind == EventKind::Control && e.type == EventType::LostFocus &&
        (e.number == SenderNameField || e.number == SenderStreetField || e.number == SenderCityStateZipField ||
         e.number == SenderVerticalField || e.number == SenderHorizontalField || e.number == AddresseeVerticalField ||
         e.number == AddresseeHorizontalField)) {
        SaveSettingsFromWindow();
    }
    // 3: field hints.
    if (e.kind == EventKind::Control && e.type == EventType::GotFocus) ShowFieldHint(e.number, e.byProgram);
    // 4: the hint time-out.
    if (platform::MillisecondClock() - g_hintShownAt > 10000) ClearHint();
    // 5, 6: the sender and addressee font choice (not built yet).
    // 7: the ZIP lookup switch.
    if (Command(e, MenuDisableZipLookup)) {
        LookupCheckMark mark;
        ToggleZipLookup(mark);
    }
    // 8: the ZIP autofill.
    if (Is(e, AddresseeZipField, EventType::LostFocus)) {
        WindowAutofillFields fields;
        AutofillCityState(fields);
    }
    MainAddresseeForm form;
    // 9: save the addressee record.
    if (Clicked(e, SaveButton) || Command(e, KeyF4) || Command(e, MenuSave)) SaveRecord(form);
    // 10: clear the form.
    if (Clicked(e, ClearButton)) ClearRecord(form);
    // 11: print.
    if (Clicked(e, PrintButton) || Command(e, KeyF6) || Command(e, MenuPrint)) {
        MainPrintWindow window;
        PrintCommand(window);
    }
    // 12: the search window.
    if (Clicked(e, SearchButton) || Command(e, KeyF3)) OpenSearchWindow(main, form);
    // 13: a new logo.
    if (Is(e, LogoBox, EventType::DoubleClick)) {
        ChangeLogo(main);
        SaveSettingsFromWindow();
    }
    // 14: delete the current record.
    if (Clicked(e, DeleteButton) || Command(e, KeyF8)) DeleteRecord(form);
    // 15, 16: load and new address book (not built yet).
    // 17: the print preview.
    if (Command(e, MenuPrintPreview)) OpenPrintPreview(main, ReadEnvelopeFields());
    // 18-20: Cut, Copy, Paste.
    if (Command(e, MenuCut)) Cut();
    if (Command(e, MenuCopy)) Copy();
    if (Command(e, MenuPaste)) Paste();
    // 21: check for updates (not built yet).
    // 22: About (the window is not built yet).
    if (Command(e, KeyF1) || Command(e, MenuAbout)) ClearHint();
    // 23: the blue hints.
    if (Command(e, KeyF2)) SetBlueHintsShown(!BlueHintsShown());
    // 24: quit, for the main window's own events.
    if (e.window == main && (e.kind == EventKind::Close || Command(e, KeyEscape) || Command(e, MenuQuit))) Quit();
}

void RunEventLoop() {
    while (!App().QuitRequested) DispatchEvent(platform::WaitEvent());
}

}  // namespace qm
