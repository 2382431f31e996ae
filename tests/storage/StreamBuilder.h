// Builds storage streams and packed streams byte by byte for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace storagetest {

using Bytes = std::vector<uint8_t>;

class StreamBuilder {
public:
    StreamBuilder& U32(uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes_.push_back(static_cast<uint8_t>(value >> (8 * i)));
        return *this;
    }
    StreamBuilder& Text(const std::string& text) {
        bytes_.insert(bytes_.end(), text.begin(), text.end());
        return *this;
    }
    StreamBuilder& Raw(const Bytes& bytes) {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    StreamBuilder& Signature() { return Text("SFP1"); }
    // A signed-layout record: name, then the packed stream with its length.
    StreamBuilder& SignedRecord(const std::string& name, const Bytes& packedStream) {
        return U32(static_cast<uint32_t>(name.size()))
            .Text(name)
            .U32(static_cast<uint32_t>(packedStream.size()))
            .Raw(packedStream);
    }
    // An unsigned-layout record: name, size, raw contents.
    StreamBuilder& RawRecord(const std::string& name, const Bytes& contents) {
        return U32(static_cast<uint32_t>(name.size()))
            .Text(name)
            .U32(static_cast<uint32_t>(contents.size()))
            .Raw(contents);
    }
    operator Bytes() const { return bytes_; }

private:
    Bytes bytes_;
};

// The packed stream of `contents` as the packer writes it.
Bytes Pack(const Bytes& contents);

inline void SetU32(Bytes& bytes, size_t offset, uint32_t value) {
    for (size_t i = 0; i < 4; ++i)
        bytes.at(offset + i) = static_cast<uint8_t>(value >> (8 * i));
}

inline Bytes BytesOf(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

} // namespace storagetest
