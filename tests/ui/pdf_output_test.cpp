// Real output through the built-in PDF printer, read back with poppler.
#include <QComboBox>

#include "platform/print_pack.h"
#include "program_fixture.h"
#include "support/pdf_words.h"
#include "ui/controls.h"

namespace qm {
namespace {

class PdfOutputTest : public test::ProgramTest {
protected:
    PdfOutputTest() : home_("HOME", home.path().c_str()), config_("XDG_CONFIG_HOME", home.path().c_str()) {}

    void FillForm() {
        SetText(SenderNameField, "Pat Sender");
        SetText(SenderStreetField, "1 Main St");
        SetText(SenderCityStateZipField, "Springfield, IL 62701");
        SetText(SenderHorizontalField, "300");
        SetText(SenderVerticalField, "240");
        SetText(AddresseeNameField, "John Smith");
        SetText(AddresseeStreetField, "12 Elm St");
        SetText(AddresseeCityField, "Austin");
        SetText(AddresseeStateField, "TX");
        SetText(AddresseeZipField, "78701");
        platform::SelectDropDownEntry(MainWindow(), PrinterList, "save as pdf");
    }
    void Print() {
        DispatchEvent({platform::EventKind::Command, MainWindow(), KeyF6});
        Pump();
    }
    std::string Envelopes() const { return home.path() + "Documents/Quillmark Envelopes/"; }

    test::TempFolder home;

private:
    test::ScopedEnv home_;
    test::ScopedEnv config_;
};

// 600-dpi printer pixels to PDF points.
double Points(double pixels) { return pixels * 72.0 / 600.0; }

TEST_F(PdfOutputTest, TheEnvelopeLandsWhereTheGeometrySays) {
    Start();
    FillForm();
    EXPECT_EQ(Text(PrinterList), "Save as PDF");  // chosen without regard to letter case
    Print();
    const std::string pdf = Envelopes() + "Quillmark - JOHN SMITH.pdf";
    ASSERT_TRUE(test::Exists(pdf));
    EXPECT_EQ(test::PdfPageSize(pdf), "684 x 297 pts");  // a landscape #10 envelope, the whole sheet

    const std::vector<test::PdfWord> words = test::PdfWords(pdf);
    struct Expected {
        const char* word;
        double x, y;  // the block's corner in printer pixels
        int line;     // the word's line in its block
    };
    // Sender block at (Hs, Vs) = (300, 240), 12 points; addressee at (2508, 900), 16 points.
    const double senderLine = 12 * 600 / 72, addresseeLine = 16 * 600 / 72;
    for (Expected e : {Expected{"PAT", 300, 240, 0}, Expected{"SPRINGFIELD,", 300, 240, 2},
                       Expected{"JOHN", 2508, 900, 0}, Expected{"12", 2508, 900, 1}, Expected{"AUSTIN", 2508, 900, 2}}) {
        const test::PdfWord* w = test::FindWord(words, e.word);
        ASSERT_NE(w, nullptr) << e.word;
        const double lineHeight = e.x < 1000 ? senderLine : addresseeLine;
        EXPECT_NEAR(w->xMin, Points(e.x), 2.0) << e.word;
        EXPECT_NEAR(w->yMin, Points(e.y + e.line * lineHeight), 3.0) << e.word;
    }
    ASSERT_NE(test::FindWord(words, "78701"), nullptr);

    // A person can look at the envelope.
    test::RunCommand("pdftoppm -png -r 60 -singlefile " + test::Quote(pdf) + " " +
                     test::Quote(std::string(QUILLMARK_BINARY_DIR) + "/printed-envelope"));
}

TEST_F(PdfOutputTest, TheHintTellsWhereTheFileWentAndLaterFilesGetNumbers) {
    Start();
    FillForm();
    Print();
    const std::string first = Envelopes() + "Quillmark - JOHN SMITH.pdf";
    // The form was emptied and the focus put into the name field: the hint stays.
    EXPECT_EQ(Text(AddresseeNameField), "");
    EXPECT_EQ(platform::FocusedControl(MainWindow()), AddresseeNameField);
    EXPECT_EQ(Text(HintLine), "Saved to " + first);
    // The user's next move replaces it.
    Focus(AddresseeStreetField);
    EXPECT_EQ(Text(HintLine), "ATTN: {Name} if Company Name used above otherwise enter #### Street Number");

    FillForm();
    SetText(CopiesField, "2");
    Print();
    EXPECT_TRUE(test::Exists(Envelopes() + "Quillmark - JOHN SMITH (2).pdf"));
    EXPECT_TRUE(test::Exists(Envelopes() + "Quillmark - JOHN SMITH (3).pdf"));
    EXPECT_EQ(Text(HintLine), "Saved to " + Envelopes() + "Quillmark - JOHN SMITH (3).pdf");
}

TEST_F(PdfOutputTest, TitlesAreMadeSafeForFileNames) {
    Start();
    FillForm();
    SetText(AddresseeNameField, "A/B: \"C\"");
    Print();
    EXPECT_TRUE(test::Exists(Envelopes() + "Quillmark - A_B_ _C_.pdf"));
}

}  // namespace
}  // namespace qm
