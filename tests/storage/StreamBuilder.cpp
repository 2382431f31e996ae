#include "StreamBuilder.h"

#include "packer/acSFPack.h"

namespace storagetest {

Bytes Pack(const Bytes& contents) {
    Bytes input = contents;
    input.resize(contents.size() + acsf::PackSlackBytes);
    Bytes packed(acsf::PackedSizeBound(static_cast<uint32_t>(contents.size())));
    const int32_t length =
        acsf::PackStream(input.data(), packed.data(), static_cast<int32_t>(contents.size()));
    packed.resize(static_cast<size_t>(length));
    return packed;
}

} // namespace storagetest
