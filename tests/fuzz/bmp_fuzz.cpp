// Fuzzes the BMP decoder: no input crashes it or reads out of bounds, and a
// decoded picture has exactly width x height pixels.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto picture = qm::platform::DecodeBmp(bytes);
    if (picture && (picture->width <= 0 || picture->height <= 0 ||
                    picture->pixels.size() != static_cast<size_t>(picture->width) * static_cast<size_t>(picture->height))) {
        std::abort();
    }
    return 0;
}
