// The packed stream: unpacked size, then one packed block per 65533 bytes.
#include "LittleEndian.h"
#include "acSFPack.h"

namespace acsf {

uint32_t PackedSizeBound(uint32_t n) {
    const uint32_t m = n < 255 ? 255 : n;
    return m + 8 + 4 * (m / MaxBlockInput);
}

int32_t PackStream(uint8_t* source, uint8_t* dest, int32_t n) {
    StoreU32LE(dest, static_cast<uint32_t>(n));
    uint8_t* out = dest + SizeFieldBytes;
    uint8_t* in = source;
    int32_t remaining = n;
    while (remaining != 0) {
        const int32_t len = remaining > static_cast<int32_t>(MaxBlockInput)
                                ? static_cast<int32_t>(MaxBlockInput)
                                : remaining;
        remaining -= len;
        const int32_t bodySize = PackBlock(in, out + 2, len);
        StoreU16LE(out, static_cast<uint32_t>(bodySize));
        out += bodySize + 2;
        in += len;
    }
    return static_cast<int32_t>(out - dest);
}

} // namespace acsf
