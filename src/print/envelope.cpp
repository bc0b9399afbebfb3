#include "print/envelope.h"

#include <cmath>

#include "core/text.h"
#include "print/fonts.h"

namespace qm {

EnvelopeForm ReadEnvelopeForm(const EnvelopeFieldTexts& t) {
    EnvelopeForm f;
    f.SenderName = UpperCase(t.SenderName);
    f.SenderStreet = UpperCase(t.SenderStreet);
    f.SenderCSZ = UpperCase(t.SenderCSZ);
    f.Name = UpperCase(t.Name);
    f.Street = UpperCase(t.Street);
    f.Suite = UpperCase(t.Suite);
    f.City = UpperCase(t.City);
    f.State = UpperCase(t.State);
    f.Zip = t.Zip;
    f.Vs = TextToInt32(t.SenderVertical);
    f.Hs = TextToInt32(t.SenderHorizontal);
    f.Va = TextToInt32(t.AddresseeVertical);
    f.Ha = TextToInt32(t.AddresseeHorizontal);
    return f;
}

void ApplyFontDefaults(BookSettings& book) {
    if (book.ReturnFont.empty()) book.ReturnFont = "Arial";
    if (book.ReturnSize.empty()) book.ReturnSize = "12";
    if (book.AddressFont.empty()) book.AddressFont = "Arial";
    if (book.AddressSize.empty()) book.AddressSize = "16";
}

std::string SenderText(const EnvelopeForm& f) { return f.SenderName + "\n" + f.SenderStreet + "\n" + f.SenderCSZ; }

std::string AddresseeText(const EnvelopeForm& f) {
    std::string first = f.Name, second = f.Street;
    if (f.Street.find("ATTN") != std::string::npos) std::swap(first, second);
    std::string text = first + "\n" + second + "\n";
    if (!IsBlank(f.Suite)) text += f.Suite + "\n";
    return text + f.City + " " + f.State + "  " + f.Zip;
}

namespace {

// Sizes below 10 points, numbers or not, are raised to 10.
int FloorSize(std::string& size) {
    if (TextToInt32(size) < 10) size = "10";
    return TextToInt32(size);
}

}  // namespace

void DrawEnvelope(platform::PrintPack& pack, const EnvelopeForm& f, BookSettings& book, const LogoState& logo,
                  Geometry geometry) {
    const bool print = geometry == Geometry::Print;
    const double gap = print ? 272 : 33;

    const int senderSize = FloorSize(book.ReturnSize);
    pack.SelectFont(book.ReturnFont, senderSize, StyleFlags(book.ReturnStyle));
    const std::string sender = SenderText(f);
    const double sx = f.Hs + (logo.present ? gap : 0);
    const double sy = f.Vs;
    platform::BoxF senderBox = pack.MeasureTextBox(sx, sy, 100, 100, sender);
    pack.DrawTextBox(sx, sy, senderBox.w, senderBox.h, sender);

    if (logo.present) {
        const double logoH = std::trunc(static_cast<double>(logo.aspect) * 250.0);
        double offset = 0;
        if (logoH < 250) offset = print ? std::trunc((250 - logoH) / 2) + 5 : std::trunc(((250 - logoH) / 2 + 5) / 8);
        if (print) pack.DrawPicture(logo.picture, f.Hs, f.Vs + offset, 250, logoH);
        else pack.DrawPicture(logo.picture, f.Hs, f.Vs + offset, 31.25, logoH / 8);
    }

    const int addressSize = FloorSize(book.AddressSize);
    pack.SelectFont(book.AddressFont, addressSize, StyleFlags(book.AddressStyle));
    const std::string addressee = AddresseeText(f);
    if (print) {
        platform::BoxF m = pack.MeasureTextBox(12.0 * f.Ha + 2508, 9.0 * f.Va + 900, 80, 100, addressee);
        pack.DrawTextBox(m.x + 12.0 * f.Ha, m.y + 9.0 * f.Va, m.w, m.h, addressee);
    } else {
        platform::BoxF m = pack.MeasureTextBox(f.Ha + 342.0 - 45, f.Va + 148.5 - 16, 0, 0, addressee);
        pack.DrawTextBox(m.x, m.y, m.w, m.h, addressee);
    }
}

}  // namespace qm
