// The print preview window: the envelope drawn with the preview geometry into
// a picture of the default printer's printable area, shown until the window
// is closed. Every other event meanwhile is dropped.
#pragma once

#include "print/envelope.h"

namespace qm {

// Preview window controls.
enum PreviewControlId : int { PreviewBox = 63, PreviewNotice = 65 };

// Opens the preview owned by `owner`, placed at the book's window position
// less (25, 10), and returns when it has been closed.
void OpenPrintPreview(int owner, const EnvelopeFieldTexts& fields);

// Renders the preview picture alone (the window's content).
std::optional<platform::Picture> RenderPreviewPicture(const EnvelopeFieldTexts& fields);

}  // namespace qm
