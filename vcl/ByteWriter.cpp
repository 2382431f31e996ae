#include "ByteWriter.h"

#include "LittleEndian.h"

namespace vcl {

void ByteWriter::WriteU16(uint16_t value) {
    uint8_t raw[2];
    StoreU16LE(raw, value);
    WriteBytes(raw, sizeof raw);
}

void ByteWriter::WriteU32(uint32_t value) {
    uint8_t raw[4];
    StoreU32LE(raw, value);
    WriteBytes(raw, sizeof raw);
}

void ByteWriter::WriteU64(uint64_t value) {
    uint8_t raw[8];
    StoreU64LE(raw, value);
    WriteBytes(raw, sizeof raw);
}

void ByteWriter::WriteBytes(const uint8_t* data, size_t count) {
    if (count != 0) bytes_.insert(bytes_.end(), data, data + count);
}

Error ByteWriter::WriteShortString(const std::string& text, const char* what) {
    if (text.size() > 255)
        return Error(std::string(what) + " is " + std::to_string(text.size()) +
                     " bytes long; at most 255 fit");
    WriteU8(static_cast<uint8_t>(text.size()));
    WriteBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    return Error();
}

} // namespace vcl
