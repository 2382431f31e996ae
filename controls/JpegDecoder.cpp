#include "JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace vcl {
namespace {

// libjpeg reports a fatal error through error_exit, which must not return;
// it jumps back to the decoding function with the message kept.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void OnFatalError(j_common_ptr info) {
    ErrorManager* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void OnMessage(j_common_ptr) {} // warnings are not shown

// The part that libjpeg may jump out of: only plain data lives here, so the
// jump skips no destructor. Returns false with manager.message set.
bool DecodeWithLibjpeg(jpeg_decompress_struct& info, ErrorManager& manager, ByteView jpeg,
                       DecodedImage& image, bool& tooLarge) {
    if (setjmp(manager.jump)) return false;
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, jpeg.data, static_cast<unsigned long>(jpeg.size));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    if (int64_t(info.image_width) * int64_t(info.image_height) > MaxDecodedPixels) {
        tooLarge = true;
        return false;
    }
    jpeg_start_decompress(&info);
    const size_t width = info.output_width;
    const size_t height = info.output_height;
    image.width = static_cast<int32_t>(width);
    image.height = static_cast<int32_t>(height);
    image.bgrx.resize(width * height * 4); // within MaxDecodedPixels; no jump can occur here
    std::vector<uint8_t>& pixels = image.bgrx;
    std::vector<JSAMPLE>* row = new (std::nothrow) std::vector<JSAMPLE>(width * 3);
    if (!row) return false;
    // The row buffer is freed on both paths below; a jump from
    // jpeg_read_scanlines is caught by the second setjmp.
    if (setjmp(manager.jump)) {
        delete row;
        return false;
    }
    while (info.output_scanline < height) {
        JSAMPROW rows[1] = {row->data()};
        const size_t y = info.output_scanline;
        if (jpeg_read_scanlines(&info, rows, 1) != 1) break;
        uint8_t* out = pixels.data() + y * width * 4;
        const JSAMPLE* in = row->data();
        for (size_t x = 0; x < width; ++x, in += 3, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = 0;
        }
    }
    delete row;
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

Error DecodeJpeg(ByteView jpeg, DecodedImage& image) {
    image = DecodedImage();
    if (jpeg.size < 4 || jpeg.data[0] != 0xFF || jpeg.data[1] != 0xD8)
        return Error("not a JPEG picture (no start-of-image marker)");
    jpeg_decompress_struct info{};
    ErrorManager manager{};
    info.err = jpeg_std_error(&manager.base);
    manager.base.error_exit = OnFatalError;
    manager.base.output_message = OnMessage;
    bool tooLarge = false;
    const bool decoded = DecodeWithLibjpeg(info, manager, jpeg, image, tooLarge);
    jpeg_destroy_decompress(&info);
    if (decoded) return Error();
    image = DecodedImage();
    if (tooLarge) return Error("JPEG picture too large");
    return Error(std::string("JPEG picture cannot be decoded: ") +
                 (manager.message[0] ? manager.message : "out of memory"));
}

} // namespace vcl
