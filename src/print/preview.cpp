#include "print/preview.h"

#include "platform/window.h"
#include "print/print_command.h"

namespace qm {

namespace {
constexpr int kZoom = 100;
}

std::optional<platform::Picture> RenderPreviewPicture(const EnvelopeFieldTexts& fields) {
    platform::PrintPack& pack = platform::Printing();
    const int width = kZoom * 684 / 100;
    ApplyFontDefaults(Book());
    const EnvelopeForm form = ReadEnvelopeForm(fields);
    pack.OpenPrinter("", kEnvelopePageSettings);  // the default printer, whatever the list shows
    pack.SetUnit(0);
    if (pack.StartPreview(width) != 0) DrawEnvelope(pack, form, Book(), Logo(), Geometry::Preview);
    pack.StopPreview();
    return pack.PreviewPicture(0);
}

void OpenPrintPreview(int owner, const EnvelopeFieldTexts& fields) {
    const int window =
        platform::OpenWindow(Book().WindowX - 25, Book().WindowY - 10, 700, 360, "Print Preview", true, owner);
    if (!window) return;
    platform::AddPictureBox(window, PreviewBox, {5, 5, 684, 297});
    platform::AddLabel(window, PreviewNotice, {10, 340, 590, 20},
                       "Actual Placement on Printed envelopes may vary from this preview", platform::Align::Left);
    const std::optional<platform::Picture> picture = RenderPreviewPicture(fields);
    platform::SetControlPicture(window, PreviewBox, picture ? &*picture : nullptr);
    for (;;) {
        const platform::Event event = platform::WaitEvent();
        if (event.window == window && event.kind == platform::EventKind::Close) break;
        if (!platform::WindowExists(window)) return;
    }
    platform::CloseWindow(window);
}

}  // namespace qm
