// Any bytes as input to the packer: packing, unpacking (both ways) and
// repacking must give back exactly the input and the same stream, and the
// packer must stay inside its input, its two slack bytes and its bound.
#include "packer/acSFPack.h"

#include <cstdlib>
#include <cstring>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > acsf::MaxStreamInput) return 0;
    const int32_t n = static_cast<int32_t>(size);
    std::unique_ptr<uint8_t[]> source(new uint8_t[size + acsf::PackSlackBytes]);
    std::memcpy(source.get(), data, size);
    source[size] = 0xAB;
    source[size + 1] = 0xCD;

    const uint32_t bound = acsf::PackedSizeBound(static_cast<uint32_t>(n));
    std::unique_ptr<uint8_t[]> packed(new uint8_t[bound]);
    const int32_t packedSize = acsf::PackStream(source.get(), packed.get(), n);
    if (std::memcmp(source.get(), data, size) != 0 || source[size] != 0xAB ||
        source[size + 1] != 0xCD)
        std::abort();
    if (packedSize < 4 || static_cast<uint32_t>(packedSize) > bound) std::abort();

    std::unique_ptr<uint8_t[]> unpacked(new uint8_t[size + acsf::PackSlackBytes]);
    if (acsf::UnpackPackedChecked(packed.get(), static_cast<size_t>(packedSize), unpacked.get(),
                                  size) != acsf::UnpackStatus::Ok)
        std::abort();
    if (std::memcmp(unpacked.get(), data, size) != 0) std::abort();
    if (acsf::UnpackStream(packed.get() + 4, unpacked.get(), packedSize - 4) != n) std::abort();

    std::unique_ptr<uint8_t[]> repacked(new uint8_t[bound]);
    if (acsf::PackStream(unpacked.get(), repacked.get(), n) != packedSize ||
        std::memcmp(repacked.get(), packed.get(), static_cast<size_t>(packedSize)) != 0)
        std::abort();
    return 0;
}
