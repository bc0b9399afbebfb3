#include "support/picture_files.h"

#include <cstdio>
#include <cstring>
#include <stdexcept>

// clang-format off
#include <jpeglib.h>
// clang-format on
#include <png.h>
#include <tiffio.h>

#include "support/temp_folder.h"

namespace qm::test {

namespace {

void Put16(std::string& s, uint32_t v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& s, uint32_t v) {
    Put16(s, v & 0xFFFF);
    Put16(s, v >> 16);
}

}  // namespace

void WritePng(const std::string& path, int width, int height, uint32_t rgb) {
    std::vector<unsigned char> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    for (size_t i = 0; i < pixels.size(); i += 3) {
        pixels[i] = static_cast<unsigned char>(rgb >> 16);
        pixels[i + 1] = static_cast<unsigned char>(rgb >> 8);
        pixels[i + 2] = static_cast<unsigned char>(rgb);
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr)) {
        throw std::runtime_error("png write failed");
    }
}

void WriteJpeg(const std::string& path, int width, int height, uint32_t rgb) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) throw std::runtime_error("cannot write " + path);
    jpeg_compress_struct info;
    jpeg_error_mgr error;
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, out);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (size_t i = 0; i < row.size(); i += 3) {
        row[i] = static_cast<unsigned char>(rgb >> 16);
        row[i + 1] = static_cast<unsigned char>(rgb >> 8);
        row[i + 2] = static_cast<unsigned char>(rgb);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(out);
}

void WriteTiff(const std::string& path, int width, int height, uint32_t rgb) {
    TIFF* tif = TIFFOpen(path.c_str(), "w");
    if (!tif) throw std::runtime_error("cannot write " + path);
    TIFFSetField(tif, TIFFTAG_IMAGEWIDTH, static_cast<uint32_t>(width));
    TIFFSetField(tif, TIFFTAG_IMAGELENGTH, static_cast<uint32_t>(height));
    TIFFSetField(tif, TIFFTAG_SAMPLESPERPIXEL, 3);
    TIFFSetField(tif, TIFFTAG_BITSPERSAMPLE, 8);
    TIFFSetField(tif, TIFFTAG_PHOTOMETRIC, PHOTOMETRIC_RGB);
    TIFFSetField(tif, TIFFTAG_PLANARCONFIG, PLANARCONFIG_CONTIG);
    TIFFSetField(tif, TIFFTAG_ROWSPERSTRIP, 1);
    std::vector<unsigned char> row(static_cast<size_t>(width) * 3);
    for (size_t i = 0; i < row.size(); i += 3) {
        row[i] = static_cast<unsigned char>(rgb >> 16);
        row[i + 1] = static_cast<unsigned char>(rgb >> 8);
        row[i + 2] = static_cast<unsigned char>(rgb);
    }
    for (int y = 0; y < height; ++y) TIFFWriteScanline(tif, row.data(), static_cast<uint32_t>(y), 0);
    TIFFClose(tif);
}

std::string BmpBytes(const BmpLayout& layout) {
    const int height = static_cast<int>(layout.rows.size());
    const int width = height ? static_cast<int>(layout.rows[0].size()) : 0;
    const int bpp = layout.bitsPerPixel;
    const int stride = (width * bpp + 31) / 32 * 4;
    std::string pixels;
    for (int i = 0; i < height; ++i) {
        const auto& row = layout.rows[static_cast<size_t>(layout.topDown ? i : height - 1 - i)];
        std::string line(static_cast<size_t>(stride), '\0');
        for (int x = 0; x < width; ++x) {
            uint32_t v = row[static_cast<size_t>(x)];
            if (bpp <= 8) {
                int bit = x * bpp;
                line[static_cast<size_t>(bit / 8)] |= static_cast<char>(v << (8 - bpp - bit % 8));
            } else if (bpp == 24) {
                line[static_cast<size_t>(x * 3)] = static_cast<char>(v & 0xFF);
                line[static_cast<size_t>(x * 3 + 1)] = static_cast<char>((v >> 8) & 0xFF);
                line[static_cast<size_t>(x * 3 + 2)] = static_cast<char>((v >> 16) & 0xFF);
            } else {
                uint32_t raw = layout.bitFields ? v << 8 : v;
                for (int k = 0; k < 4; ++k) line[static_cast<size_t>(x * 4 + k)] = static_cast<char>((raw >> (8 * k)) & 0xFF);
            }
        }
        pixels += line;
    }
    std::string header;
    Put32(header, 40);
    Put32(header, static_cast<uint32_t>(width));
    Put32(header, static_cast<uint32_t>(layout.topDown ? -height : height));
    Put16(header, 1);
    Put16(header, static_cast<uint32_t>(bpp));
    Put32(header, layout.bitFields ? 3 : 0);
    Put32(header, static_cast<uint32_t>(pixels.size()));
    Put32(header, 2835);
    Put32(header, 2835);
    Put32(header, static_cast<uint32_t>(layout.palette.size()));
    Put32(header, 0);
    if (layout.bitFields) {
        Put32(header, 0xFF000000u);
        Put32(header, 0x00FF0000u);
        Put32(header, 0x0000FF00u);
    }
    for (uint32_t color : layout.palette) Put32(header, color & 0xFFFFFF);
    std::string file = "BM";
    Put32(file, static_cast<uint32_t>(14 + header.size() + pixels.size()));
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(14 + header.size()));
    return file + header + pixels;
}

}  // namespace qm::test
