#include "core/text.h"

#include <gtest/gtest.h>

namespace qm {
namespace {

struct NumberCase {
    const char* text;
    int64_t wide;
    int32_t narrow;
};

TEST(TextToNumber, FollowsTheProgramsRule) {
    const NumberCase cases[] = {
        {"42", 42, 42},
        {"$1F", 31, 31},
        {"$ff", 255, 255},
        {"%101", 5, 5},
        {"%102", 2, 2},              // stops at the first non-binary digit
        {"  -12abc", -12, -12},
        {"\t\t7", 7, 7},
        {" \t +8", 8, 8},
        {"+", 0, 0},
        {"-", 0, 0},
        {"", 0, 0},
        {"abc", 0, 0},
        {"$", 0, 0},
        {"-$10", -16, -16},
        {"1 2", 1, 1},
        {"99999999999", 99999999999LL, 1215752191},  // narrowed to 32 bits
        {"2147483648", 2147483648LL, -2147483647 - 1},
    };
    for (const NumberCase& c : cases) {
        EXPECT_EQ(TextToNumber(c.text), c.wide) << '"' << c.text << '"';
        EXPECT_EQ(TextToInt32(c.text), c.narrow) << '"' << c.text << '"';
    }
}

TEST(NumberToText, IsPlainSignedDecimal) {
    EXPECT_EQ(NumberToText(0), "0");
    EXPECT_EQ(NumberToText(-12), "-12");
    EXPECT_EQ(NumberToText(2508), "2508");
}

TEST(TrimSpaces, RemovesOnlyByte32) {
    EXPECT_EQ(TrimSpaces("  a b  "), "a b");
    EXPECT_EQ(TrimSpaces("\ta\t"), "\ta\t");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_TRUE(IsBlank("   "));
    EXPECT_TRUE(IsBlank(""));
    EXPECT_FALSE(IsBlank(" \t "));
}

TEST(UpperCase, FollowsWindows1252) {
    EXPECT_EQ(UpperCase("abcxyz AZ 09"), "ABCXYZ AZ 09");
    // "àéîõü" -> "ÀÉÎÕÜ"
    EXPECT_EQ(UpperCase("\xE0\xE9\xEE\xF5\xFC"), "\xC0\xC9\xCE\xD5\xDC");
    EXPECT_EQ(UpperCase("\x9A\x9C\x9E\xFF"), "\x8A\x8C\x8E\x9F");
    EXPECT_EQ(UpperCase("\xFE"), "\xDE");
    // micro sign, sharp s and the division sign have no capital here
    EXPECT_EQ(UpperCase("\xB5\xDF\xF7"), "\xB5\xDF\xF7");
    for (int c = 0; c < 256; ++c) {
        bool lower = (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7) || c == 0x9A ||
                     c == 0x9C || c == 0x9E || c == 0xFF;
        if (!lower) {
            EXPECT_EQ(UpperChar(static_cast<unsigned char>(c)), c) << c;
        }
    }
}

TEST(CodePage, RoundTripsEveryByteThroughUtf8) {
    std::string all;
    for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
    EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");        // euro sign
    EXPECT_EQ(Cp1252ToUtf8("\xE9"), "\xC3\xA9");            // e acute
    EXPECT_EQ(Utf8ToCp1252("\xE2\x80\x9C" "q\xE2\x80\x9D"), "\x93q\x94");
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");           // a CJK letter is outside the code page
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80" "a"), "?a");  // so is an emoji
    EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");                 // cut sequence
    EXPECT_EQ(Utf8ToCp1252("\xFF" "b"), "?b");              // malformed byte
}

}  // namespace
}  // namespace qm
