// The unpacked contents of a stored file: exactly Size() bytes, in a block
// with PackSlackBytes more behind them. The packer borrows those two bytes
// while it packs (it writes a sentinel past each block and restores it), so
// contents are packed in place, never copied.
#pragma once

#include "vcl/ByteView.h"
#include "vcl/Error.h"

#include <cstdint>
#include <memory>

namespace ac {

class MemoryBlock {
public:
    uint32_t Size() const { return size_; }
    const uint8_t* Data() const { return block_ ? block_.get() : empty_; }
    uint8_t* Data() { return block_ ? block_.get() : empty_; }
    vcl::ByteView View() const { return vcl::ByteView(Data(), size_); }

    // Replaces the block by a zeroed one of `size` bytes (and the spare ones).
    // Fails without change when the memory cannot be had.
    vcl::Error SetSize(uint32_t size);
    // Replaces the contents by a copy of `bytes`.
    vcl::Error Assign(vcl::ByteView bytes);

private:
    std::unique_ptr<uint8_t[]> block_;
    uint32_t size_ = 0;
    uint8_t empty_[2] = {0, 0}; // the spare bytes of empty contents
};

} // namespace ac
