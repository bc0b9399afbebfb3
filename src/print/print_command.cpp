#include "print/print_command.h"

#include "core/text.h"
#include "platform/dialogs.h"

namespace qm {

bool PrintOneEnvelope(const std::string& printer, const EnvelopeFieldTexts& fields) {
    platform::PrintPack& pack = platform::Printing();
    const EnvelopeForm form = ReadEnvelopeForm(fields);
    pack.OpenPrinter(printer, kEnvelopePageSettings);
    pack.SetUnit(0);
    const bool started = pack.StartJob("Quillmark - " + UpperCase(fields.Name)) != 0;
    if (started) DrawEnvelope(pack, form, Book(), Logo(), Geometry::Print);
    pack.EndJob();
    return started;
}

void PrintCommand(PrintWindow& window) {
    window.ClearHint();
    const std::string printer = window.PrinterShown();
    ApplyFontDefaults(Book());
    window.SaveSettings();
    const int32_t copies = TextToInt32(window.CopiesText());
    if (copies < 1) return;
    if (printer.empty()) {
        platform::SystemDialogs().ShowMessage("Error! No Printer Selected",
                                              "No printer selected, please use the drop down to select a printer",
                                              platform::MessageButtons::Ok);
        return;
    }
    std::string pdfFile;
    for (int32_t copy = 1; copy <= copies; ++copy) {
        PrintOneEnvelope(printer, window.Fields());
        pdfFile = platform::Printing().LastPdfFile();
    }
    window.AfterLastCopy();
    if (!pdfFile.empty()) window.ShowSavedTo(pdfFile);
}

}  // namespace qm
