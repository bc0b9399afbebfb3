// BMP files: the core (12-byte) and info (40-byte and later) headers; 1, 4 and
// 8 bits per pixel with a palette, 16, 24 and 32 bits direct, uncompressed or
// with bit-field masks; bottom-up and top-down rows.
#include <bit>
#include <cstring>

#include "platform/picture.h"

namespace qm::platform {

namespace {

constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

uint32_t U16(std::string_view b, size_t at) {
    return static_cast<uint32_t>(static_cast<unsigned char>(b[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8;
}
uint32_t U32(std::string_view b, size_t at) { return U16(b, at) | U16(b, at + 2) << 16; }

struct Channel {
    uint32_t mask = 0;
    int shift = 0;
    int bits = 0;
    explicit Channel(uint32_t m = 0) : mask(m), shift(m ? std::countr_zero(m) : 0), bits(std::popcount(m)) {}
    uint32_t Extract(uint32_t pixel) const {
        if (!mask) return 0;
        uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return v >> (bits - 8);
        return v * 255 / ((1u << bits) - 1);
    }
};

}  // namespace

std::optional<Picture> DecodeBmp(std::string_view b) {
    if (b.size() < 26 || b[0] != 'B' || b[1] != 'M') return std::nullopt;
    const uint32_t dataOffset = U32(b, 10);
    const uint32_t headerSize = U32(b, 14);
    if (headerSize < 12 || 14ull + headerSize > b.size()) return std::nullopt;

    int64_t width = 0, height = 0;
    uint32_t bpp = 0, compression = 0, colorsUsed = 0;
    size_t paletteEntry = 4;
    if (headerSize == 12) {
        width = U16(b, 18);
        height = static_cast<int16_t>(U16(b, 20));
        bpp = U16(b, 24);
        paletteEntry = 3;
    } else {
        if (headerSize < 40) return std::nullopt;
        width = static_cast<int32_t>(U32(b, 18));
        height = static_cast<int32_t>(U32(b, 22));
        bpp = U16(b, 28);
        compression = U32(b, 30);
        colorsUsed = U32(b, 46);
    }
    const bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0 || width * height > kMaxPixels) return std::nullopt;

    Channel red, green, blue;
    size_t afterHeader = 14 + headerSize;
    if (compression == 3 || compression == 6) {  // bit fields
        if (bpp != 16 && bpp != 32) return std::nullopt;
        size_t masksAt = 14 + 40;
        if (headerSize == 40) afterHeader += compression == 6 ? 16 : 12;
        if (masksAt + 12 > b.size()) return std::nullopt;
        red = Channel(U32(b, masksAt));
        green = Channel(U32(b, masksAt + 4));
        blue = Channel(U32(b, masksAt + 8));
    } else if (compression == 0) {
        if (bpp == 16) {
            red = Channel(0x7C00), green = Channel(0x03E0), blue = Channel(0x001F);
        } else if (bpp == 32) {
            red = Channel(0xFF0000), green = Channel(0xFF00), blue = Channel(0xFF);
        }
    } else {
        return std::nullopt;  // run-length and embedded JPEG/PNG are not read
    }

    std::vector<uint32_t> palette;
    if (bpp == 1 || bpp == 4 || bpp == 8) {
        size_t count = colorsUsed ? colorsUsed : (1u << bpp);
        if (count > 256) count = 256;
        for (size_t i = 0; i < count; ++i) {
            size_t at = afterHeader + i * paletteEntry;
            if (at + 3 > b.size()) break;
            palette.push_back(0xFF000000u | static_cast<uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16 |
                              static_cast<uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8 |
                              static_cast<unsigned char>(b[at]));
        }
        if (palette.empty()) return std::nullopt;
    } else if (bpp != 16 && bpp != 24 && bpp != 32) {
        return std::nullopt;
    }

    const uint64_t stride = (static_cast<uint64_t>(width) * bpp + 31) / 32 * 4;
    if (dataOffset > b.size() || stride * static_cast<uint64_t>(height) > b.size() - dataOffset) return std::nullopt;

    Picture picture;
    picture.width = static_cast<int>(width);
    picture.height = static_cast<int>(height);
    picture.pixels.resize(static_cast<size_t>(width * height));
    for (int64_t row = 0; row < height; ++row) {
        const char* line = b.data() + dataOffset + stride * static_cast<uint64_t>(topDown ? row : height - 1 - row);
        uint32_t* out = picture.pixels.data() + row * width;
        for (int64_t x = 0; x < width; ++x) {
            uint32_t color = 0;
            if (bpp <= 8) {
                auto byte = static_cast<unsigned char>(line[x * bpp / 8]);
                uint32_t index = (byte >> (8 - bpp - (x * bpp) % 8)) & ((1u << bpp) - 1);
                color = index < palette.size() ? palette[index] : 0xFF000000u;
            } else if (bpp == 24) {
                const auto* p = reinterpret_cast<const unsigned char*>(line + x * 3);
                color = 0xFF000000u | static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[1]) << 8 | p[0];
            } else {
                uint32_t raw = 0;
                std::memcpy(&raw, line + x * (bpp / 8), bpp / 8);  // little-endian files on little-endian hosts
                color = 0xFF000000u | red.Extract(raw) << 16 | green.Extract(raw) << 8 | blue.Extract(raw);
            }
            out[x] = color;
        }
    }
    return picture;
}

}  // namespace qm::platform
