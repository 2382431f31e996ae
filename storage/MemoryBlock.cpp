#include "MemoryBlock.h"

#include "packer/acSFPack.h"

#include <cstring>
#include <new>

namespace ac {

vcl::Error MemoryBlock::SetSize(uint32_t size) {
    if (size == 0) {
        block_.reset();
        size_ = 0;
        return vcl::Error();
    }
    const size_t total = static_cast<size_t>(size) + acsf::PackSlackBytes;
    std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[total]());
    if (!block) return vcl::OutOfMemory(total, "file contents");
    block_ = std::move(block);
    size_ = size;
    return vcl::Error();
}

vcl::Error MemoryBlock::Assign(vcl::ByteView bytes) {
    if (bytes.size > UINT32_MAX)
        return vcl::Error("contents of " + std::to_string(bytes.size) +
                          " bytes exceed the 4 GiB a stored file can hold");
    if (vcl::Error error = SetSize(static_cast<uint32_t>(bytes.size))) return error;
    if (bytes.size != 0) std::memcpy(Data(), bytes.data, bytes.size);
    return vcl::Error();
}

} // namespace ac
