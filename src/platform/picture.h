// Pictures in memory, and decoding picture files: JPEG (libjpeg), PNG
// (libpng), TIFF (libtiff) and BMP (our own decoder), chosen by the file's
// content, not its name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qm::platform {

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // 0xAARRGGBB, rows top to bottom
};

// The decoded file, or nothing when it cannot be read or decoded.
std::optional<Picture> LoadPictureFile(const std::string& path);
std::optional<Picture> DecodePicture(std::string_view bytes);

// The BMP decoder: 1, 4, 8, 24 and 32 bits per pixel, bottom-up and
// top-down, uncompressed and with bit-field masks.
std::optional<Picture> DecodeBmp(std::string_view bytes);

// Resizes with smooth (area-averaging) resampling.
Picture ResizePicture(const Picture& picture, int width, int height);

}  // namespace qm::platform
