// The print command: one single-page job per copy on a landscape #10
// envelope, each titled "Quillmark - " and the upper-cased name.
#pragma once

#include <string>

#include "print/envelope.h"

namespace qm {

// What the print command needs of the main window.
class PrintWindow {
public:
    virtual ~PrintWindow() = default;
    virtual EnvelopeFieldTexts Fields() const = 0;
    virtual std::string PrinterShown() const = 0;  // empty when there is no list or no selection
    virtual std::string CopiesText() const = 0;
    virtual void ClearHint() = 0;
    virtual void SaveSettings() = 0;    // the book settings, from the window
    virtual void AfterLastCopy() = 0;   // the print save step
    // The jobs went to the PDF printer; the last one wrote this file.
    virtual void ShowSavedTo(const std::string& pdfFile) = 0;
};

inline constexpr const char* kEnvelopePageSettings = "Orientation=2,Papersize=20";

// Prints one envelope as one job; false when the job could not start.
bool PrintOneEnvelope(const std::string& printer, const EnvelopeFieldTexts& fields);

// The whole command: the settings saved, the copies printed, then the print
// save step; with no printer chosen, the "Error! No Printer Selected" box.
void PrintCommand(PrintWindow& window);

}  // namespace qm
