#include "platform/picture.h"

#include <gtest/gtest.h>

#include "support/picture_files.h"
#include "support/temp_folder.h"

namespace qm {
namespace {

using test::BmpLayout;

TEST(DecodeBmp, ReadsEveryDepthAndRowOrder) {
    const uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF, W = 0xFFFFFF;
    const std::vector<std::vector<uint32_t>> colors = {{R, G, B}, {W, R, G}};
    struct Case {
        const char* what;
        BmpLayout layout;
    };
    const std::vector<uint32_t> palette = {R, G, B, W};
    const std::vector<std::vector<uint32_t>> indexes = {{0, 1, 2}, {3, 0, 1}};
    const Case cases[] = {
        {"1 bit", {1, false, false, {R, W}, {{0, 1, 0}, {1, 0, 1}}}},
        {"4 bits", {4, false, false, palette, indexes}},
        {"8 bits", {8, false, false, palette, indexes}},
        {"8 bits top-down", {8, true, false, palette, indexes}},
        {"24 bits", {24, false, false, {}, colors}},
        {"24 bits top-down", {24, true, false, {}, colors}},
        {"32 bits", {32, false, false, {}, colors}},
        {"32 bits with bit fields", {32, false, true, {}, colors}},
    };
    for (const Case& c : cases) {
        auto picture = platform::DecodeBmp(test::BmpBytes(c.layout));
        ASSERT_TRUE(picture) << c.what;
        ASSERT_EQ(picture->width, 3) << c.what;
        ASSERT_EQ(picture->height, 2) << c.what;
        for (int y = 0; y < 2; ++y) {
            for (int x = 0; x < 3; ++x) {
                uint32_t expected = c.layout.bitsPerPixel <= 8 ? c.layout.palette[c.layout.rows[y][x]] : c.layout.rows[y][x];
                EXPECT_EQ(picture->pixels[static_cast<size_t>(y * 3 + x)], 0xFF000000u | expected)
                    << c.what << " at " << x << "," << y;
            }
        }
    }
}

TEST(DecodeBmp, RefusesDamagedFiles) {
    BmpLayout layout{24, false, false, {}, {{0x123456, 0x654321}}};
    const std::string good = test::BmpBytes(layout);
    ASSERT_TRUE(platform::DecodeBmp(good));
    EXPECT_FALSE(platform::DecodeBmp(good.substr(0, good.size() - 1)));  // pixel data cut short
    EXPECT_FALSE(platform::DecodeBmp(good.substr(0, 20)));
    std::string wrongMagic = good;
    wrongMagic[0] = 'X';
    EXPECT_FALSE(platform::DecodeBmp(wrongMagic));
    std::string hugeWidth = good;
    hugeWidth.replace(18, 4, std::string("\xFF\xFF\xFF\x7F", 4));
    EXPECT_FALSE(platform::DecodeBmp(hugeWidth));
    std::string runLength = good;
    runLength[30] = 1;
    EXPECT_FALSE(platform::DecodeBmp(runLength));
}

TEST(LoadPictureFile, ChoosesTheDecoderByContent) {
    test::TempFolder folder;
    test::WritePng(folder.File("a.png"), 40, 20, 0x336699);
    test::WriteJpeg(folder.File("a.jpg"), 40, 10, 0x808080);
    test::WriteTiff(folder.File("a.tif"), 8, 16, 0x102030);
    test::WriteBytes(folder.File("png-named.bmp"), test::ReadBytes(folder.File("a.png")));
    test::WriteBytes(folder.File("garbage.png"), "\x89PNG\r\n\x1A\n not really");
    struct Case {
        const char* name;
        int width, height;
    };
    for (Case c : {Case{"a.png", 40, 20}, Case{"a.jpg", 40, 10}, Case{"a.tif", 8, 16}, Case{"png-named.bmp", 40, 20}}) {
        auto picture = platform::LoadPictureFile(folder.File(c.name));
        ASSERT_TRUE(picture) << c.name;
        EXPECT_EQ(picture->width, c.width) << c.name;
        EXPECT_EQ(picture->height, c.height) << c.name;
    }
    EXPECT_EQ(platform::LoadPictureFile(folder.File("a.png"))->pixels[0], 0xFF336699u);
    EXPECT_EQ(platform::LoadPictureFile(folder.File("a.tif"))->pixels[0], 0xFF102030u);
    EXPECT_FALSE(platform::LoadPictureFile(folder.File("garbage.png")));
    EXPECT_FALSE(platform::LoadPictureFile(folder.File("missing.png")));
}

}  // namespace
}  // namespace qm
