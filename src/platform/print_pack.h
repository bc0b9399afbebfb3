// PrintPack: the printing operations the program uses, in its own units.
// Positions and sizes are device pixels (unit 0); every printer is opened at
// 600 dots per inch, so the envelope layout lands at the same place on every
// printer. Coordinates are rounded to whole pixels, an exact half to the even
// neighbour. Besides the system's printers there is a built-in PDF printer,
// "Save as PDF", whose jobs become PDF files in the user's documents folder.
#pragma once

#include <optional>
#include <string>

#include "platform/picture.h"

namespace qm::platform {

struct BoxF {
    double x = 0, y = 0, w = 0, h = 0;
};

class PrintPack {
public:
    virtual ~PrintPack() = default;

    // Releases any printer opened before, then opens the named printer (empty:
    // the system's default printer, else the PDF printer) with its defaults
    // overridden by "KEY=value,..." page settings: ORIENTATION 1 portrait or
    // 2 landscape, PAPERSIZE a paper code (20 is the #10 envelope).
    virtual bool OpenPrinter(const std::string& name, const std::string& pageSettings) = 0;

    // 0 device pixels, 1 tenths of an inch, 2 millimetres (the initial unit).
    virtual void SetUnit(int unit) = 0;

    // Face, whole points, 256 bold and 512 italic. The font's cell height
    // (ascent plus descent) is points x vertical dpi / 72 pixels.
    virtual void SelectFont(const std::string& face, int points, int styleBits) = 0;

    // The smallest box with top-left corner (x, y) that holds the text, lines
    // broken at line feeds, one natural line height apart. Draws nothing.
    virtual BoxF MeasureTextBox(double x, double y, double w, double h, const std::string& text) = 0;

    // Draws the lines left-aligned from (x, y), clipped to the box; "&" prints
    // as itself.
    virtual void DrawTextBox(double x, double y, double w, double h, const std::string& text) = 0;

    // Draws the picture stretched over the rectangle, opaque.
    virtual void DrawPicture(const Picture& picture, double x, double y, double w, double h) = 0;

    // Starts a job of that title on the open printer and opens its page: a
    // positive identifier, or 0 when the job or its page cannot start.
    virtual int StartJob(const std::string& title) = 0;
    virtual void EndJob() = 0;

    // Draws into a white picture of the given width standing for the open
    // page's printable area instead of the page; 0 when the page reports no
    // size.
    virtual int StartPreview(int width) = 0;
    virtual void StopPreview() = 0;
    // The preview picture of that page, or none.
    virtual std::optional<Picture> PreviewPicture(int page) = 0;

    // The PDF file the last job of the PDF printer wrote, empty when the last
    // job went elsewhere or failed.
    virtual std::string LastPdfFile() const = 0;

    // Releases the printer at program end.
    virtual void Cleanup() = 0;
};

// The pack the program prints through.
PrintPack& Printing();

// Tests: print through this pack instead (nullptr restores the system's).
void InstallPrintPack(PrintPack* pack);

}  // namespace qm::platform
