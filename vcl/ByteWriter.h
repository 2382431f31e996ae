// Collects little-endian output in a growable buffer.
#pragma once

#include "ByteView.h"
#include "Error.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vcl {

class ByteWriter {
public:
    void WriteU8(uint8_t value) { bytes_.push_back(value); }
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void WriteU64(uint64_t value);
    void WriteBytes(const uint8_t* data, size_t count);
    void WriteBytes(ByteView bytes) { WriteBytes(bytes.data, bytes.size); }
    // A length byte and the text; fails for text longer than 255 bytes.
    Error WriteShortString(const std::string& text, const char* what);

    size_t Size() const { return bytes_.size(); }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }
    std::vector<uint8_t> TakeBytes() { return std::move(bytes_); }

private:
    std::vector<uint8_t> bytes_;
};

} // namespace vcl
