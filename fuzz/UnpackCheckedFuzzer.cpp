// Any bytes as a packed stream: the checked unpacker must either unpack
// exactly the recorded size or name a fault, and never leave its buffers.
#include "packer/acSFPack.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // An exact-size copy, so a read one past the end is caught.
    std::unique_ptr<uint8_t[]> stream(new uint8_t[size]);
    std::copy(data, data + size, stream.get());

    uint32_t unpackedSize = 0;
    if (acsf::ReadUnpackedSize(stream.get(), size, &unpackedSize) != acsf::UnpackStatus::Ok)
        return 0;
    if (unpackedSize > (64u << 20)) return 0;
    std::unique_ptr<uint8_t[]> dest(new uint8_t[unpackedSize]);
    const acsf::UnpackStatus status =
        acsf::UnpackPackedChecked(stream.get(), size, dest.get(), unpackedSize);
    if (status == acsf::UnpackStatus::Ok) {
        // What the checked unpacker accepts, the trusting one unpacks alike.
        std::unique_ptr<uint8_t[]> again(new uint8_t[unpackedSize]);
        const int32_t written =
            acsf::UnpackStream(stream.get() + 4, again.get(), static_cast<int32_t>(size - 4));
        if (static_cast<uint32_t>(written) != unpackedSize ||
            !std::equal(dest.get(), dest.get() + unpackedSize, again.get()))
            std::abort();
    }
    // The stream-level entry with a small destination must stop at its end.
    uint8_t small[64];
    size_t written = 0;
    acsf::UnpackStreamChecked(stream.get() + 4, size - 4, small, sizeof small, &written);
    if (written > sizeof small) std::abort();
    return 0;
}
