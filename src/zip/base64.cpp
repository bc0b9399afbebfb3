#include "zip/base64.h"

#include <array>

namespace qm {

namespace {

constexpr int kPad = 64;
constexpr int kSkip = -1;

constexpr std::array<int, 256> MakeTable() {
    std::array<int, 256> table{};
    for (int& v : table) v = kSkip;
    for (int i = 0; i < 26; ++i) {
        table[static_cast<size_t>('A' + i)] = i;
        table[static_cast<size_t>('a' + i)] = 26 + i;
    }
    for (int i = 0; i < 10; ++i) table[static_cast<size_t>('0' + i)] = 52 + i;
    table['+'] = table['-'] = 62;
    table['/'] = table['_'] = 63;
    table['='] = kPad;
    return table;
}

constexpr std::array<int, 256> kTable = MakeTable();

}  // namespace

std::string DecodeBase64Line(std::string_view line, size_t limit) {
    std::string out;
    out.reserve(line.size() * 3 / 4);
    int group[4];
    int count = 0;
    for (char c : line) {
        int v = kTable[static_cast<unsigned char>(c)];
        if (v == kSkip) continue;
        group[count++] = v;
        if (count < 4) continue;
        count = 0;
        // "=" may stand only at the end of a group: "xx==" gives one byte,
        // "xxx=" two. A group padded earlier than that gives nothing.
        int bytes = group[3] != kPad ? 3 : group[2] != kPad ? 2 : 1;
        if (group[0] == kPad || group[1] == kPad || (bytes == 3 && group[2] == kPad)) continue;
        unsigned bits = (static_cast<unsigned>(group[0]) << 18) | (static_cast<unsigned>(group[1]) << 12) |
                        (static_cast<unsigned>(group[2] == kPad ? 0 : group[2]) << 6) |
                        static_cast<unsigned>(group[3] == kPad ? 0 : group[3]);
        const char decoded[3] = {static_cast<char>(bits >> 16), static_cast<char>((bits >> 8) & 0xFF),
                                 static_cast<char>(bits & 0xFF)};
        for (int i = 0; i < bytes && out.size() < limit; ++i) out += decoded[i];
        if (out.size() >= limit) break;
    }
    return out;
}

}  // namespace qm
