// Picture files for tests, written with the image libraries themselves.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qm::test {

// Every pixel of the picture has this colour (0xRRGGBB).
void WritePng(const std::string& path, int width, int height, uint32_t rgb);
void WriteJpeg(const std::string& path, int width, int height, uint32_t rgb);
void WriteTiff(const std::string& path, int width, int height, uint32_t rgb);

// BMP files by hand: `rows` top to bottom, pixels as palette indexes (for 1,
// 4 and 8 bits) or 0xRRGGBB.
struct BmpLayout {
    int bitsPerPixel = 24;
    bool topDown = false;
    bool bitFields = false;  // with 32 bits: masks 0xFF000000/0xFF0000/0xFF00 (R, G, B shifted up one byte)
    std::vector<uint32_t> palette;
    std::vector<std::vector<uint32_t>> rows;
};
std::string BmpBytes(const BmpLayout& layout);

}  // namespace qm::test
