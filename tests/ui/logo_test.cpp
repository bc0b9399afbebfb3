#include <QLabel>
#include <QPixmap>
#include <QTest>

#include "core/book_settings.h"
#include "print/logo.h"
#include "program_fixture.h"
#include "support/picture_files.h"
#include "ui/controls.h"

namespace qm {
namespace {

class LogoTest : public test::ProgramTest {
protected:
    std::string Pictures(const std::string& name) const { return pictures.File(name); }
    // Double-clicks the logo box with the file requester answering `answer`.
    void ChooseLogo(std::optional<std::string> answer) {
        dialogs.ExpectFileRequest(std::move(answer));
        QTest::mouseDClick(Widget(LogoBox), Qt::LeftButton);
        Pump();
    }
    static QSize Shown() {
        QPixmap pixmap = qobject_cast<QLabel*>(Widget(LogoBox))->pixmap();
        return pixmap.isNull() ? QSize() : pixmap.size();
    }
    std::string StoredLogo() const {
        std::string settings = test::ReadBytes(DataFolder() + "Addresses.inf");
        size_t at = settings.find("Logo Filename = ");
        return at == std::string::npos ? "" : settings.substr(at + 16, settings.find("\r\n", at) - at - 16);
    }
    test::TempFolder pictures;
};

TEST_F(LogoTest, StartShowsThePlaceholderAndCountsNoLogo) {
    Start();
    EXPECT_EQ(PlaceholderPath(), std::string(QUILLMARK_SOURCE_DIR) + "/data//NoImage.bmp");
    EXPECT_EQ(Book().LogoFilename, PlaceholderPath());
    EXPECT_EQ(Shown(), QSize(100, 100));
    EXPECT_FALSE(Logo().present);
}

TEST_F(LogoTest, ChosenPicturesAreShownOneHundredPixelsWide) {
    Start();
    test::WritePng(Pictures("wide.png"), 400, 200, 0x0000FF);
    test::WriteJpeg(Pictures("banner.jpg"), 400, 100, 0xFF0000);
    test::WriteTiff(Pictures("mark.tif"), 200, 200, 0x00FF00);
    test::WriteTiff(Pictures("mark.tiff"), 50, 100, 0x00FF00);
    test::WriteBytes(Pictures("logo.bmp"), test::BmpBytes({24, false, false, {}, {{1, 2, 3, 4}, {5, 6, 7, 8}}}));
    struct Case {
        const char* file;
        QSize shown;
        float aspect;
    };
    for (Case c : {Case{"wide.png", {100, 50}, 0.5f}, Case{"banner.jpg", {100, 25}, 0.25f},
                   Case{"mark.tif", {100, 100}, 1.0f}, Case{"mark.tiff", {100, 200}, 2.0f},
                   Case{"logo.bmp", {100, 50}, 0.5f}}) {
        ChooseLogo(Pictures(c.file));
        EXPECT_EQ(Shown(), c.shown) << c.file;
        EXPECT_TRUE(Logo().present) << c.file;
        EXPECT_FLOAT_EQ(Logo().aspect, c.aspect) << c.file;
        EXPECT_EQ(StoredLogo(), Pictures(c.file)) << c.file;  // stored at once
    }
    ASSERT_FALSE(dialogs.fileRequests().empty());
    EXPECT_EQ(dialogs.fileRequests()[0].title, "Sender Logo");
    EXPECT_EQ(dialogs.fileRequests()[0].filter, "JPEG |*.jpg| BitMap |*.bmp| PNG |*.png| TIFF |*.tiff ; *.tif");
    EXPECT_EQ(dialogs.fileRequests()[0].fileName, "");
}

TEST_F(LogoTest, CancelOrAnUnsupportedFileRemovesTheLogo) {
    Start();
    test::WritePng(Pictures("logo.png"), 40, 40, 0x123456);
    test::WriteJpeg(Pictures("logo.JPG"), 40, 40, 0x123456);
    test::WritePng(Pictures("logo"), 40, 40, 0x123456);
    struct Case {
        const char* what;
        std::optional<std::string> answer;
        bool message;
    };
    const Case cases[] = {
        {"cancel", std::nullopt, false},
        {"capital extension", Pictures("logo.JPG"), true},
        {"no extension", Pictures("logo"), false},
    };
    for (const Case& c : cases) {
        ChooseLogo(Pictures("logo.png"));
        ASSERT_TRUE(Logo().present) << c.what;
        const size_t messages = dialogs.messages().size();
        if (c.message) dialogs.ExpectMessage();
        ChooseLogo(c.answer);
        EXPECT_FALSE(Logo().present) << c.what;
        EXPECT_EQ(Shown(), QSize(100, 100)) << c.what;  // the placeholder
        EXPECT_EQ(StoredLogo(), PlaceholderPath()) << c.what;
        EXPECT_EQ(dialogs.messages().size(), messages + (c.message ? 1 : 0)) << c.what;
    }
    EXPECT_EQ(dialogs.messages().back().title, "Unsupported File");
    EXPECT_EQ(dialogs.messages().back().text, "File Format not supported for images");

    Restart();  // the stored placeholder counts as no logo
    EXPECT_FALSE(Logo().present);
    EXPECT_EQ(Book().LogoFilename, PlaceholderPath());
}

TEST_F(LogoTest, AFileThatDoesNotDecodeShowsNothingAndIsNoLogo) {
    Start();
    test::WriteBytes(Pictures("broken.png"), "not a picture at all");
    ChooseLogo(Pictures("broken.png"));
    EXPECT_FALSE(Logo().present);
    EXPECT_EQ(Shown(), QSize());
    Restart();
    EXPECT_FALSE(Logo().present);
    EXPECT_EQ(Book().LogoFilename, Pictures("broken.png"));  // the choice itself is kept
}

}  // namespace
}  // namespace qm
