// The trusting unpacker: for packed data that is known to be well formed.
#include "UnpackCore.h"

namespace acsf {

int32_t UnpackBlock(const uint8_t* body, uint8_t* dest, int32_t bodySize) {
    detail::BlockOutput out{dest, 0, 0};
    detail::UnpackBlockBody<false>(body, static_cast<size_t>(bodySize), out);
    return static_cast<int32_t>(out.written);
}

int32_t UnpackStream(const uint8_t* source, uint8_t* dest, int32_t length) {
    const uint8_t* block = source;
    uint8_t* out = dest;
    int32_t remaining = length;
    while (remaining != 0) {
        const int32_t bodySize = LoadU16LE(block);
        remaining -= bodySize + 2;
        out += UnpackBlock(block + 2, out, bodySize);
        block += bodySize + 2;
    }
    return static_cast<int32_t>(out - dest);
}

} // namespace acsf
