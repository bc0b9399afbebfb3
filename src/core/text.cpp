#include "core/text.h"

#include <array>

namespace qm {

namespace {

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    else if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    return v < base ? v : -1;
}

// Unicode code points of the bytes 0x80-0x9F. The five bytes Windows-1252
// leaves unassigned map to the C1 control of the same value, as Windows does.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t ByteToCodePoint(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighControls[b - 0x80];
    return b;
}

int CodePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == cp) return static_cast<int>(0x80 + i);
    }
    return -1;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

int64_t TextToNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i < text.size() && text[i] == '%') {
        base = 2;
        ++i;
    }
    uint64_t value = 0;  // unsigned so that overflow wraps instead of being undefined
    for (; i < text.size(); ++i) {
        int d = DigitValue(text[i], base);
        if (d < 0) break;
        value = value * static_cast<uint64_t>(base) + static_cast<uint64_t>(d);
    }
    if (negative) value = 0 - value;
    return static_cast<int64_t>(value);
}

int32_t TextToInt32(std::string_view text) {
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(TextToNumber(text))));
}

int64_t LeadingDecimal(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    uint64_t value = 0;  // unsigned so that overflow wraps instead of being undefined
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    if (negative) value = 0 - value;
    return static_cast<int64_t>(value);
}

std::string NumberToText(int64_t value) { return std::to_string(value); }

std::string TrimSpaces(std::string_view text) {
    size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return {};
    size_t end = text.find_last_not_of(' ');
    return std::string(text.substr(begin, end - begin + 1));
}

bool IsBlank(std::string_view text) { return text.find_first_not_of(' ') == std::string_view::npos; }

unsigned char UpperChar(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
    switch (c) {
        case 0x9A: return 0x8A;
        case 0x9C: return 0x8C;
        case 0x9E: return 0x8E;
        case 0xFF: return 0x9F;
        default: return c;
    }
}

std::string UpperCase(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(UpperChar(static_cast<unsigned char>(c)));
    return out;
}

std::string Cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) AppendUtf8(out, ByteToCodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        auto b = static_cast<unsigned char>(text[i]);
        char32_t cp = 0;
        size_t length = 0;
        if (b < 0x80) { cp = b; length = 1; }
        else if ((b & 0xE0) == 0xC0) { cp = b & 0x1F; length = 2; }
        else if ((b & 0xF0) == 0xE0) { cp = b & 0x0F; length = 3; }
        else if ((b & 0xF8) == 0xF0) { cp = b & 0x07; length = 4; }
        bool valid = length > 0 && i + length <= text.size();
        for (size_t k = 1; valid && k < length; ++k) {
            auto cb = static_cast<unsigned char>(text[i + k]);
            if ((cb & 0xC0) != 0x80) valid = false;
            else cp = (cp << 6) | (cb & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        int byte = CodePointToByte(cp);
        out += byte < 0 ? '?' : static_cast<char>(byte);
        i += length;
    }
    return out;
}

}  // namespace qm
