// JPEG, PNG and TIFF decoding through libjpeg, libpng and libtiff, and the
// choice of decoder by the file's first bytes.
#include <csetjmp>
#include <cstdio>
#include <cstring>

// clang-format off
#include <jpeglib.h>
// clang-format on
#include <png.h>
#include <tiffio.h>

#include "platform/files.h"
#include "platform/picture.h"

namespace qm::platform {

namespace {

constexpr int64_t kMaxPixels = 64LL * 1024 * 1024;

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JpegFail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }
void JpegQuiet(j_common_ptr, int) {}

// Holds no C++ objects across setjmp/longjmp other than the ones declared
// before setjmp, so a decoding error unwinds cleanly.
bool DecodeJpegInto(std::string_view bytes, Picture& picture, std::vector<unsigned char>& row) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = JpegFail;
    error.manager.emit_message = JpegQuiet;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    if (static_cast<int64_t>(info.output_width) * info.output_height > kMaxPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    picture.width = static_cast<int>(info.output_width);
    picture.height = static_cast<int>(info.output_height);
    picture.pixels.resize(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height));
    row.resize(static_cast<size_t>(info.output_width) * static_cast<size_t>(info.output_components));
    while (info.output_scanline < info.output_height) {
        unsigned char* line = row.data();
        uint32_t* out = picture.pixels.data() + static_cast<size_t>(info.output_scanline) * info.output_width;
        jpeg_read_scanlines(&info, &line, 1);
        for (unsigned x = 0; x < info.output_width; ++x) {
            const unsigned char* p = line + x * static_cast<unsigned>(info.output_components);
            uint32_t r = p[0], g = p[1], bl = p[2];
            if (cmyk) {  // Adobe CMYK JPEGs are stored inverted
                r = p[0] * p[3] / 255;
                g = p[1] * p[3] / 255;
                bl = p[2] * p[3] / 255;
            }
            out[x] = 0xFF000000u | r << 16 | g << 8 | bl;
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

std::optional<Picture> DecodeJpeg(std::string_view bytes) {
    Picture picture;
    std::vector<unsigned char> row;
    if (!DecodeJpegInto(bytes, picture, row)) return std::nullopt;
    return picture;
}

std::optional<Picture> DecodePng(std::string_view bytes) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return std::nullopt;
    if (static_cast<int64_t>(image.width) * image.height > kMaxPixels) {
        png_image_free(&image);
        return std::nullopt;
    }
    image.format = PNG_FORMAT_BGRA;  // bytes B, G, R, A: 0xAARRGGBB on a little-endian host
    Picture picture;
    picture.width = static_cast<int>(image.width);
    picture.height = static_cast<int>(image.height);
    picture.pixels.resize(static_cast<size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, picture.pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return picture;
}

struct TiffSource {
    std::string_view bytes;
    toff_t position = 0;
};

tsize_t TiffRead(thandle_t h, tdata_t buffer, tsize_t size) {
    auto* s = static_cast<TiffSource*>(h);
    if (s->position >= s->bytes.size()) return 0;
    tsize_t n = std::min<tsize_t>(size, static_cast<tsize_t>(s->bytes.size() - s->position));
    std::memcpy(buffer, s->bytes.data() + s->position, static_cast<size_t>(n));
    s->position += static_cast<toff_t>(n);
    return n;
}
tsize_t TiffWrite(thandle_t, tdata_t, tsize_t) { return 0; }
toff_t TiffSeek(thandle_t h, toff_t offset, int whence) {
    auto* s = static_cast<TiffSource*>(h);
    toff_t base = whence == SEEK_CUR ? s->position : whence == SEEK_END ? s->bytes.size() : 0;
    s->position = base + offset;
    return s->position;
}
int TiffClose(thandle_t) { return 0; }
toff_t TiffSize(thandle_t h) { return static_cast<TiffSource*>(h)->bytes.size(); }
int TiffMap(thandle_t, tdata_t*, toff_t*) { return 0; }
void TiffUnmap(thandle_t, tdata_t, toff_t) {}

std::optional<Picture> DecodeTiff(std::string_view bytes) {
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    TiffSource source{bytes};
    TIFF* tif = TIFFClientOpen("logo", "rm", &source, TiffRead, TiffWrite, TiffSeek, TiffClose, TiffSize, TiffMap,
                               TiffUnmap);
    if (!tif) return std::nullopt;
    uint32_t width = 0, height = 0;
    TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &width);
    TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &height);
    std::optional<Picture> result;
    if (width > 0 && height > 0 && static_cast<int64_t>(width) * height <= kMaxPixels) {
        std::vector<uint32_t> raster(static_cast<size_t>(width) * height);
        if (TIFFReadRGBAImageOriented(tif, width, height, raster.data(), ORIENTATION_TOPLEFT, 0)) {
            Picture picture;
            picture.width = static_cast<int>(width);
            picture.height = static_cast<int>(height);
            picture.pixels.resize(raster.size());
            for (size_t i = 0; i < raster.size(); ++i) {
                uint32_t p = raster[i];
                picture.pixels[i] = (p & 0xFF000000u) | TIFFGetR(p) << 16 | TIFFGetG(p) << 8 | TIFFGetB(p);
            }
            result = std::move(picture);
        }
    }
    TIFFClose(tif);
    return result;
}

}  // namespace

std::optional<Picture> DecodePicture(std::string_view b) {
    if (b.size() >= 3 && b.substr(0, 3) == "\xFF\xD8\xFF") return DecodeJpeg(b);
    if (b.size() >= 8 && b.substr(0, 8) == "\x89PNG\r\n\x1A\n") return DecodePng(b);
    if (b.size() >= 4 && (b.substr(0, 4) == std::string_view("II*\0", 4) || b.substr(0, 4) == std::string_view("MM\0*", 4))) {
        return DecodeTiff(b);
    }
    if (b.size() >= 2 && b.substr(0, 2) == "BM") return DecodeBmp(b);
    return std::nullopt;
}

std::optional<Picture> LoadPictureFile(const std::string& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes).ok) return std::nullopt;
    return DecodePicture(bytes);
}

}  // namespace qm::platform
