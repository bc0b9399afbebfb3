// The current address book's settings, and the program operations on the two
// kinds of settings file: qm.inf and the book settings file beside each book.
#pragma once

#include <cstdint>
#include <string>

namespace qm {

struct BookSettings {
    std::string SenderName;
    std::string SenderStreet;
    std::string SenderCSZ;
    std::string ReturnFont;
    std::string ReturnSize;
    std::string ReturnStyle;
    std::string LogoFilename;
    std::string DefaultPrinter;
    int32_t SenderHorizontal = 0;
    int32_t SenderVertical = 0;
    int32_t AddresseeHorizontal = 0;
    int32_t AddresseeVertical = 0;
    std::string AddressFont;
    std::string AddressSize;
    std::string AddressStyle;
    int32_t WindowX = 0;
    int32_t WindowY = 0;
};

BookSettings& Book();

// What SaveBookSettings takes from the main window at the moment it runs.
struct BookSettingsForm {
    std::string SenderName;
    std::string SenderStreet;
    std::string SenderCSZ;
    std::string SenderVertical;  // position fields' texts, read by the text-to-number rule
    std::string SenderHorizontal;
    std::string AddresseeVertical;
    std::string AddresseeHorizontal;
    int32_t WindowX = 0;  // the window's current screen position
    int32_t WindowY = 0;
    std::string PrinterShown;  // the text shown in the printer list
};

// First-run creation of qm.inf in the data folder.
void CreateProgramSettings();

// Creates the current book's settings file from the values in memory.
void CreateBookSettings();

// Reads the current book's settings file into Book() and App().BookFolder,
// creating the file when it cannot be opened.
void LoadBookSettings();

// Writes the window's contents and the settings in memory into the current
// book's settings file.
void SaveBookSettings(const BookSettingsForm& form);

}  // namespace qm
