// The envelope layout and its rendering: the sender block, the logo and the
// addressee block, drawn through PrintPack with the print geometry (printer
// pixels at 600 dpi) or the preview geometry (preview picture pixels).
#pragma once

#include <cstdint>
#include <string>

#include "core/book_settings.h"
#include "platform/print_pack.h"
#include "print/logo.h"

namespace qm {

// The window's texts as typed.
struct EnvelopeFieldTexts {
    std::string SenderName, SenderStreet, SenderCSZ;
    std::string Name, Street, Suite, City, State, Zip;
    std::string SenderVertical, SenderHorizontal, AddresseeVertical, AddresseeHorizontal;
};

// What is drawn: every text upper-cased but the ZIP code, and the positions.
struct EnvelopeForm {
    std::string SenderName, SenderStreet, SenderCSZ;
    std::string Name, Street, Suite, City, State, Zip;
    int32_t Vs = 0, Hs = 0, Va = 0, Ha = 0;
};

EnvelopeForm ReadEnvelopeForm(const EnvelopeFieldTexts& texts);

// Empty faces become "Arial", an empty sender size "12" and an empty
// addressee size "16"; the values stay in the settings.
void ApplyFontDefaults(BookSettings& book);

// The three sender lines joined by line feeds.
std::string SenderText(const EnvelopeForm& form);

// Name, street and (when not blank) suite lines, then "CITY ST  ZIP"; the
// name and street change places when the street holds "ATTN".
std::string AddresseeText(const EnvelopeForm& form);

enum class Geometry { Print, Preview };

// Draws the envelope on the open page or preview picture. Raises font sizes
// below 10 to "10" in the settings.
void DrawEnvelope(platform::PrintPack& pack, const EnvelopeForm& form, BookSettings& book, const LogoState& logo,
                  Geometry geometry);

}  // namespace qm
