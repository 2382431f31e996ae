// Decodes a JPEG (baseline or progressive, JFIF) into 32-bit pixels.
#pragma once

#include "vcl/ByteView.h"
#include "vcl/Error.h"

#include <cstdint>
#include <vector>

namespace vcl {

// Pixels top-down, 4 bytes each in the order blue, green, red, 0: the
// layout of a 32-bit device-independent bitmap.
struct DecodedImage {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> bgrx;
};

// Pictures larger than this are refused before any pixel memory is taken.
constexpr int64_t MaxDecodedPixels = 16 * 1024 * 1024;

Error DecodeJpeg(ByteView jpeg, DecodedImage& image);

} // namespace vcl
