#include "core/book_settings.h"

#include "core/app_state.h"
#include "core/settings_file.h"
#include "core/text.h"

namespace qm {

namespace {

const char kHeading[] = "Quillmark Initalization Information";

void WriteSenderFonts(SettingsFile& file, const BookSettings& book) {
    file.WriteText("Return Font", book.ReturnFont);
    file.WriteText("Return Size", book.ReturnSize);
    file.WriteText("Return Style", book.ReturnStyle);
    file.WriteText("Logo Filename", book.LogoFilename);
}

void WritePrinterDefaults(SettingsFile& file, const BookSettings& book) {
    file.WriteText("Default Printer", book.DefaultPrinter);
    file.WriteInteger("Sender Horizontal", book.SenderHorizontal);
    file.WriteInteger("Sender Vertical", book.SenderVertical);
    file.WriteInteger("Addressee Horizontal", book.AddresseeHorizontal);
    file.WriteInteger("Addressee Vertical", book.AddresseeVertical);
    file.WriteText("Address Font", book.AddressFont);
    file.WriteText("Address Size", book.AddressSize);
    file.WriteText("Address Style", book.AddressStyle);
}

void WriteWindowDefaults(SettingsFile& file, const BookSettings& book) {
    file.SelectGroup("Windows Defaults");
    file.WriteInteger("WindowX", book.WindowX);
    file.WriteInteger("WindowY", book.WindowY);
}

}  // namespace

BookSettings& Book() {
    static BookSettings settings;
    return settings;
}

void CreateProgramSettings() {
    SettingsFile& file = Settings();
    if (!file.CreateNew(App().DataFolder + "qm.inf")) {
        file.CloseSettings();
        return;
    }
    file.WriteComment(kHeading);
    file.WriteComment("");
    file.SelectGroup("Application");
    file.WriteText("Version", "2.57");
    file.WriteText("CurrentAddressbook", "Addresses");
    file.WriteText("CurrentAddressbookDirectory", App().DataFolder);
    file.CloseSettings();
}

void CreateBookSettings() {
    AppState& app = App();
    BookSettings& book = Book();
    book.SenderName.clear();
    book.SenderStreet.clear();
    book.SenderCSZ.clear();
    if (!app.CarryLayoutFlag) {
        book.SenderHorizontal = book.SenderVertical = 0;
        book.AddresseeHorizontal = book.AddresseeVertical = 0;
    }
    book.WindowX = app.WindowAnchor.x;
    book.WindowY = app.WindowAnchor.y;

    SettingsFile& file = Settings();
    if (!file.CreateNew(app.BookSettingsPath())) return;
    file.WriteComment(kHeading);
    file.WriteComment("");
    file.SelectGroup("Application");
    file.WriteText("Version", "2.57");
    file.WriteText("Addressbook", app.BookFile);
    file.WriteText("AddressbookDirectory", app.BookFolder);
    file.WriteComment("");
    file.WriteComment("Sender Address associated with this addressbook");
    file.SelectGroup("Sender Address");
    file.WriteText("Name", "");
    file.WriteText("Street", "");
    file.WriteText("CSZ", "");
    WriteSenderFonts(file, book);
    file.WriteComment("");
    file.WriteComment("Printer setup");
    file.SelectGroup("Printer Defaults");
    BookSettings fresh = book;
    fresh.DefaultPrinter.clear();
    WritePrinterDefaults(file, fresh);
    file.WriteComment("");
    file.WriteComment("Last position of window");
    WriteWindowDefaults(file, book);
    file.CloseSettings();
}

void LoadBookSettings() {
    AppState& app = App();
    BookSettings& book = Book();
    SettingsFile& file = Settings();
    if (!file.OpenForUpdate(app.BookSettingsPath())) {
        CreateBookSettings();
        return;
    }
    file.SelectGroup("Application");
    if (file.ReadText("Version", "") != "2.85") file.WriteText("Version", "2.85");
    app.BookFolder = file.ReadText("AddressbookDirectory", "");

    file.SelectGroup("Sender Address");
    book.SenderName = file.ReadText("Name", "");
    book.SenderStreet = file.ReadText("Street", "");
    book.SenderCSZ = file.ReadText("CSZ", "");
    book.ReturnFont = file.ReadText("Return Font", "");
    book.ReturnSize = file.ReadText("Return Size", "");
    book.ReturnStyle = file.ReadText("Return Style", "");
    book.LogoFilename = file.ReadText("Logo Filename", book.LogoFilename);

    file.SelectGroup("Printer Defaults");
    book.DefaultPrinter = file.ReadText("Default Printer", "");
    book.SenderVertical = file.ReadInteger("Sender Vertical", 0);
    book.SenderHorizontal = file.ReadInteger("Sender Horizontal", 0);
    book.AddresseeVertical = file.ReadInteger("Addressee Vertical", 0);
    book.AddresseeHorizontal = file.ReadInteger("Addressee Horizontal", 0);
    book.AddressFont = file.ReadText("Address Font", "");
    book.AddressSize = file.ReadText("Address Size", "");
    book.AddressStyle = file.ReadText("Address Style", "");

    file.SelectGroup("Windows Defaults");
    book.WindowX = file.ReadInteger("WindowX", 0);
    book.WindowY = file.ReadInteger("WindowY", 0);
    file.CloseSettings();
}

void SaveBookSettings(const BookSettingsForm& form) {
    AppState& app = App();
    BookSettings& book = Book();
    book.SenderName = form.SenderName;
    book.SenderStreet = form.SenderStreet;
    book.SenderCSZ = form.SenderCSZ;
    book.SenderVertical = TextToInt32(form.SenderVertical);
    book.SenderHorizontal = TextToInt32(form.SenderHorizontal);
    book.AddresseeVertical = TextToInt32(form.AddresseeVertical);
    book.AddresseeHorizontal = TextToInt32(form.AddresseeHorizontal);
    book.WindowX = form.WindowX;
    book.WindowY = form.WindowY;
    book.DefaultPrinter = form.PrinterShown;
    if (book.ReturnFont.empty()) book.ReturnFont = "Arial";
    if (book.ReturnSize.empty()) book.ReturnSize = "12";
    if (book.AddressFont.empty()) book.AddressFont = "Arial";
    if (book.AddressSize.empty()) book.AddressSize = "14";

    SettingsFile& file = Settings();
    if (!file.OpenForUpdate(app.BookSettingsPath())) {
        file.CloseSettings();  // nothing written, so nothing is created
        return;
    }
    file.SelectGroup("Application");
    file.WriteText("Addressbook", app.BookFile);
    file.WriteText("AddressbookDirectory", app.BookFolder);
    file.SelectGroup("Sender Address");
    file.WriteText("Name", book.SenderName);
    file.WriteText("Street", book.SenderStreet);
    file.WriteText("CSZ", book.SenderCSZ);
    WriteSenderFonts(file, book);
    file.SelectGroup("Printer Defaults");
    WritePrinterDefaults(file, book);
    WriteWindowDefaults(file, book);
    file.CloseSettings();
}

}  // namespace qm
