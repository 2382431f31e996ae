#include "ByteReader.h"

#include "LittleEndian.h"

namespace vcl {

Error ByteReader::Require(size_t count, const char* what) const {
    if (count <= Remaining()) return Error();
    return Error("data ends inside the " + std::string(what) + " at offset " +
                 std::to_string(pos_) + " (" + std::to_string(count) + " bytes needed, " +
                 std::to_string(Remaining()) + " left)");
}

Error ByteReader::ReadU8(uint8_t& value, const char* what) {
    if (Error error = Require(1, what)) return error;
    value = data_[pos_++];
    return Error();
}

Error ByteReader::ReadU16(uint16_t& value, const char* what) {
    if (Error error = Require(2, what)) return error;
    value = LoadU16LE(data_ + pos_);
    pos_ += 2;
    return Error();
}

Error ByteReader::ReadU32(uint32_t& value, const char* what) {
    if (Error error = Require(4, what)) return error;
    value = LoadU32LE(data_ + pos_);
    pos_ += 4;
    return Error();
}

Error ByteReader::ReadU64(uint64_t& value, const char* what) {
    if (Error error = Require(8, what)) return error;
    value = LoadU64LE(data_ + pos_);
    pos_ += 8;
    return Error();
}

Error ByteReader::ReadI8(int8_t& value, const char* what) {
    uint8_t raw = 0;
    if (Error error = ReadU8(raw, what)) return error;
    value = static_cast<int8_t>(raw);
    return Error();
}

Error ByteReader::ReadI16(int16_t& value, const char* what) {
    uint16_t raw = 0;
    if (Error error = ReadU16(raw, what)) return error;
    value = static_cast<int16_t>(raw);
    return Error();
}

Error ByteReader::ReadI32(int32_t& value, const char* what) {
    uint32_t raw = 0;
    if (Error error = ReadU32(raw, what)) return error;
    value = static_cast<int32_t>(raw);
    return Error();
}

Error ByteReader::ReadI64(int64_t& value, const char* what) {
    uint64_t raw = 0;
    if (Error error = ReadU64(raw, what)) return error;
    value = static_cast<int64_t>(raw);
    return Error();
}

Error ByteReader::ReadBytes(size_t count, ByteView& bytes, const char* what) {
    if (Error error = Require(count, what)) return error;
    bytes = ByteView(data_ + pos_, count);
    pos_ += count;
    return Error();
}

Error ByteReader::Skip(size_t count, const char* what) {
    if (Error error = Require(count, what)) return error;
    pos_ += count;
    return Error();
}

Error ByteReader::ReadShortString(std::string& text, const char* what) {
    const size_t start = pos_;
    uint8_t length = 0;
    if (Error error = ReadU8(length, what)) return error;
    ByteView bytes;
    if (Error error = ReadBytes(length, bytes, what)) {
        pos_ = start;
        return error;
    }
    text.assign(reinterpret_cast<const char*>(bytes.data), bytes.size);
    return Error();
}

} // namespace vcl
