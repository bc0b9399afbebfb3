// The main window: its build, the reading and filling of its fields, and the
// window number every command addresses.
#pragma once

#include <string>

#include "addressbook/record_store.h"
#include "core/book_settings.h"
#include "print/envelope.h"

namespace qm {

// The main window's number, 0 while there is none.
int MainWindow();

// Builds the main window at (x, y) (0 or less: 250 and 200) with its menus,
// toolbar, shortcuts and controls, the printer list filled from the system's
// printers. May change Book().DefaultPrinter (a single printer becomes it).
// Clears the ZIP lookup switch and shows the blue hints. False, with nothing
// created, when the window cannot be opened.
bool BuildMainWindow(int x, int y, const std::string& title);

// Closes the main window.
void CloseMainWindow();

// Fills the sender, position and path fields from the current settings.
void FillMainWindow();

// What the settings save takes from the window now.
BookSettingsForm ReadBookSettingsForm();

// The six addressee fields.
AddresseeForm ReadAddresseeForm();
// Sets the six addressee fields (no change events).
void FillAddresseeForm(const AddresseeForm& form);
// Empties the six addressee fields in order and puts the focus into the name.
void EmptyAddresseeForm();

// Every field printing and the preview read.
EnvelopeFieldTexts ReadEnvelopeFields();

// Whether the four blue hint labels are shown.
bool BlueHintsShown();
void SetBlueHintsShown(bool shown);

// Where ToFontSample goes for an address size text.
struct SampleBox {
    int x, y, w, h;
};
SampleBox ToFontSampleBox(const std::string& addressSize);

}  // namespace qm
