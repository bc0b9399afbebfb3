#include "print/envelope.h"

#include <gtest/gtest.h>

#include "support/recording_pack.h"

namespace qm {
namespace {

using Calls = std::vector<std::string>;

LogoState LogoOf(int width, int height) {
    LogoState logo;
    logo.present = true;
    logo.aspect = static_cast<float>(height) / static_cast<float>(width);
    logo.picture.width = 100;
    logo.picture.height = static_cast<int>(logo.aspect * 100);
    logo.picture.pixels.assign(static_cast<size_t>(logo.picture.width * logo.picture.height), 0xFF000000);
    return logo;
}

EnvelopeFieldTexts Fields() {
    EnvelopeFieldTexts t;
    t.SenderName = "Pat Sender";
    t.SenderStreet = "1 Main St";
    t.SenderCSZ = "Springfield, IL 62701";
    t.Name = "John Smith";
    t.Street = "12 Elm St";
    t.City = "Austin";
    t.State = "tx";
    t.Zip = "78701";
    t.SenderVertical = "0";
    t.SenderHorizontal = "0";
    t.AddresseeVertical = "0";
    t.AddresseeHorizontal = "0";
    return t;
}

BookSettings Fonts() {
    BookSettings book;
    ApplyFontDefaults(book);
    return book;
}

TEST(Envelope, TheWorkedExampleWithALogo) {
    test::RecordingPack pack;
    EnvelopeFieldTexts t = Fields();
    t.SenderHorizontal = "10";
    t.SenderVertical = "20";
    t.AddresseeHorizontal = "5";
    t.AddresseeVertical = "-4";
    BookSettings book = Fonts();
    DrawEnvelope(pack, ReadEnvelopeForm(t), book, LogoOf(200, 100), Geometry::Print);
    EXPECT_EQ(pack.calls, (Calls{
                              "font Arial 12 0",
                              "measure 282 20 100 100 [PAT SENDER\n1 MAIN ST\nSPRINGFIELD, IL 62701]",
                              "text 282 20 210 60 [PAT SENDER\n1 MAIN ST\nSPRINGFIELD, IL 62701]",
                              "picture 100x50 at 10 87 250 125",
                              "font Arial 16 0",
                              "measure 2568 864 80 100 [JOHN SMITH\n12 ELM ST\nAUSTIN TX  78701]",
                              "text 2628 828 160 60 [JOHN SMITH\n12 ELM ST\nAUSTIN TX  78701]",
                          }));
    EXPECT_EQ(book.ReturnSize, "12");
}

TEST(Envelope, LogoPlacementByShape) {
    struct Case {
        const char* what;
        std::optional<std::pair<int, int>> logo;
        Geometry geometry;
        std::string senderMeasure;
        std::string picture;  // empty: no picture drawn
    };
    const Case cases[] = {
        {"no logo", std::nullopt, Geometry::Print, "measure 0 0 100 100", ""},
        {"square", std::pair{300, 300}, Geometry::Print, "measure 272 0 100 100", "picture 100x100 at 0 0 250 250"},
        {"tall", std::pair{100, 200}, Geometry::Print, "measure 272 0 100 100", "picture 100x200 at 0 0 250 500"},
        {"wide 400x100", std::pair{400, 100}, Geometry::Print, "measure 272 0 100 100",
         "picture 100x25 at 0 99 250 62"},
        {"preview, 200x100", std::pair{200, 100}, Geometry::Preview, "measure 33 0 100 100",
         "picture 100x50 at 0 8 31.25 15.625"},
        {"preview, no logo", std::nullopt, Geometry::Preview, "measure 0 0 100 100", ""},
    };
    for (const Case& c : cases) {
        test::RecordingPack pack;
        BookSettings book = Fonts();
        LogoState logo = c.logo ? LogoOf(c.logo->first, c.logo->second) : LogoState{};
        DrawEnvelope(pack, ReadEnvelopeForm(Fields()), book, logo, c.geometry);
        EXPECT_EQ(pack.Calls("measure")[0].substr(0, c.senderMeasure.size()), c.senderMeasure) << c.what;
        EXPECT_EQ(pack.Calls("picture"), c.picture.empty() ? Calls{} : Calls{c.picture}) << c.what;
    }
}

TEST(Envelope, AddresseeLines) {
    struct Case {
        const char* what;
        EnvelopeFieldTexts t;
        std::string text;
    };
    auto with = [](auto change) {
        EnvelopeFieldTexts t = Fields();
        change(t);
        return t;
    };
    const Case cases[] = {
        {"plain", Fields(), "JOHN SMITH\n12 ELM ST\nAUSTIN TX  78701"},
        {"ATTN swaps", with([](auto& t) { t.Name = "Acme Corp"; t.Street = "Attn: Billing"; }),
         "ATTN: BILLING\nACME CORP\nAUSTIN TX  78701"},
        {"Mattner swaps too", with([](auto& t) { t.Street = "12 Mattner Rd"; }),
         "12 MATTNER RD\nJOHN SMITH\nAUSTIN TX  78701"},
        {"suite of spaces left out", with([](auto& t) { t.Suite = "   "; }), "JOHN SMITH\n12 ELM ST\nAUSTIN TX  78701"},
        {"suite kept untrimmed", with([](auto& t) { t.Suite = "  Apt 4"; }),
         "JOHN SMITH\n12 ELM ST\n  APT 4\nAUSTIN TX  78701"},
        {"empty city, state, ZIP", with([](auto& t) { t.City = t.State = t.Zip = ""; }), "JOHN SMITH\n12 ELM ST\n   "},
        {"ZIP as typed", with([](auto& t) { t.Zip = "k1a 0b1"; }), "JOHN SMITH\n12 ELM ST\nAUSTIN TX  k1a 0b1"},
        {"empty name, accents", with([](auto& t) { t.Name = ""; t.City = "Sa\xEFnt \xE9tienne"; }),
         "\n12 ELM ST\nSA\xCFNT \xC9TIENNE TX  78701"},
        {"ampersand", with([](auto& t) { t.Name = "Smith & Sons"; }), "SMITH & SONS\n12 ELM ST\nAUSTIN TX  78701"},
    };
    for (const Case& c : cases) EXPECT_EQ(AddresseeText(ReadEnvelopeForm(c.t)), c.text) << c.what;
}

TEST(Envelope, FontsSizesAndStyles) {
    struct Case {
        std::string size, style;
        std::string font;  // the sender font selected
        std::string sizeAfter;
    };
    const Case cases[] = {
        {"8", "Bold & Italic", "font Arial 10 768", "10"},
        {"abc", "Underlined", "font Arial 10 0", "10"},
        {"14", "bold", "font Arial 14 0", "14"},
        {"12", "Italic", "font Arial 12 512", "12"},
        {"$10", "Bold", "font Arial 16 256", "$10"},  // the text-to-number rule reads "$10" as 16
    };
    for (const Case& c : cases) {
        test::RecordingPack pack;
        BookSettings book = Fonts();
        book.ReturnSize = c.size;
        book.ReturnStyle = c.style;
        DrawEnvelope(pack, ReadEnvelopeForm(Fields()), book, {}, Geometry::Print);
        EXPECT_EQ(pack.Calls("font")[0], c.font) << c.size << " " << c.style;
        EXPECT_EQ(book.ReturnSize, c.sizeAfter);
    }
    BookSettings empty;
    ApplyFontDefaults(empty);
    EXPECT_EQ(empty.ReturnFont, "Arial");
    EXPECT_EQ(empty.ReturnSize, "12");
    EXPECT_EQ(empty.AddressFont, "Arial");
    EXPECT_EQ(empty.AddressSize, "16");
}

TEST(Envelope, PreviewAddresseeCornersRoundHalfToEven) {
    for (auto [va, top] : {std::pair{"0", "132"}, std::pair{"1", "134"}}) {
        test::RecordingPack pack;
        EnvelopeFieldTexts t = Fields();
        t.AddresseeVertical = va;
        BookSettings book = Fonts();
        DrawEnvelope(pack, ReadEnvelopeForm(t), book, {}, Geometry::Preview);
        const std::string measure = pack.Calls("measure")[1];
        const std::string drawn = pack.Calls("text")[1];
        const std::string measuredAt = va == std::string("0") ? "measure 297 132.5 0 0 [" : "measure 297 133.5 0 0 [";
        EXPECT_EQ(measure.rfind(measuredAt, 0), 0u) << measure;
        EXPECT_EQ(drawn.rfind("text 297 " + std::string(top) + " ", 0), 0u) << drawn;
    }
}

}  // namespace
}  // namespace qm
