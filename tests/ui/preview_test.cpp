#include <QLabel>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/book_settings.h"
#include "print/preview.h"
#include "program_fixture.h"
#include "support/recording_pack.h"
#include "ui/controls.h"

namespace qm {
namespace {

class PreviewTest : public test::ProgramTest {
protected:
    PreviewTest() : home_("HOME", home.path().c_str()) {}
    // The preview window is the newest window: the main window's number + 1.
    static int PreviewWindow() { return MainWindow() + 1; }
    static QImage Picture() {
        auto* box = qobject_cast<QLabel*>(platform::ControlWidget(PreviewWindow(), PreviewBox));
        return box ? box->pixmap().toImage() : QImage();
    }
    // Counts dark pixels in a rectangle of the preview picture.
    static int Ink(const QImage& image, QRect area) {
        int ink = 0;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) ink += qGray(image.pixel(x, y)) < 128;
        }
        return ink;
    }
    test::TempFolder home;

private:
    test::ScopedEnv home_;
};

TEST_F(PreviewTest, ShowsTheEnvelopeUntilClosedAndDropsEverythingElse) {
    Start();
    Book().WindowX = 300;
    Book().WindowY = 200;
    SetText(SenderNameField, "Pat Sender");
    SetText(AddresseeNameField, "John Smith");
    SetText(AddresseeCityField, "Austin");
    SetText(CopiesField, "1");
    // An F6 that got through would leave a PDF file.
    platform::SelectDropDownEntry(MainWindow(), PrinterList, "Save as PDF");

    QImage picture;
    platform::Rect box;
    std::string title, notice;
    platform::Point position;
    std::function<void()> inspect = [&] {
        // Wait until the preview window shows its picture.
        if (!platform::WindowExists(PreviewWindow()) || Picture().isNull()) {
            QTimer::singleShot(10, inspect);
            return;
        }
        title = platform::WindowTitle(PreviewWindow());
        position = platform::WindowPosition(PreviewWindow());
        QRect g = platform::ControlWidget(PreviewWindow(), PreviewBox)->geometry();
        box = {g.x(), g.y(), g.width(), g.height()};
        notice = platform::ControlText(PreviewWindow(), PreviewNotice);
        picture = Picture();
        // The main window takes no input meanwhile, and what reaches the queue is dropped.
        QTest::keyClick(platform::TopWidget(MainWindow())->windowHandle(), Qt::Key_F6);
        platform::TopWidget(PreviewWindow())->close();
    };
    QTimer::singleShot(10, inspect);
    DispatchEvent({platform::EventKind::Command, MainWindow(), MenuPrintPreview});
    Pump();

    EXPECT_EQ(title, "Print Preview");
    EXPECT_EQ(position, (platform::Point{275, 190}));
    EXPECT_EQ(box, (platform::Rect{5, 5, 684, 297}));
    EXPECT_EQ(notice, "Actual Placement on Printed envelopes may vary from this preview");
    ASSERT_EQ(picture.size(), QSize(684, 297));  // the default printer (here the PDF printer) proportions
    EXPECT_GT(Ink(picture, QRect(0, 0, 120, 20)), 20);      // the sender block at (0, 0)
    EXPECT_GT(Ink(picture, QRect(297, 132, 150, 50)), 20);  // the addressee block at (297, 132)
    EXPECT_EQ(Ink(picture, QRect(0, 200, 684, 97)), 0);     // nothing else
    picture.save(QString(QUILLMARK_BINARY_DIR) + "/preview.png");
    EXPECT_FALSE(platform::WindowExists(PreviewWindow()));
    Pump();
    EXPECT_FALSE(test::Exists(home.path() + "Documents/Quillmark Envelopes/Quillmark - JOHN SMITH.pdf"));
    EXPECT_EQ(Text(AddresseeNameField), "John Smith");  // the form is left as it was
}

TEST_F(PreviewTest, UsesTheDefaultPrinterWhateverTheListShows) {
    Start();
    test::RecordingPack pack;
    platform::SelectDropDownEntry(MainWindow(), PrinterList, "Office Laser");
    SetText(AddresseeVerticalField, "1");
    std::optional<platform::Picture> picture = RenderPreviewPicture({});
    ASSERT_FALSE(pack.Calls("open").empty());
    EXPECT_EQ(pack.Calls("open")[0], "open '' Orientation=2,Papersize=20");
    EXPECT_EQ(pack.Calls("preview"), std::vector<std::string>{"preview 684"});
    EXPECT_TRUE(picture.has_value());
    EXPECT_TRUE(pack.Calls("start").empty());  // no job
}

}  // namespace
}  // namespace qm
