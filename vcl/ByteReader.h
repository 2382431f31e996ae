// A reader over a bounded span of bytes. Every read checks first that the
// bytes are there; a short read is an error naming the field and the
// offset, and leaves the position unchanged. Bytes are handed out as views
// into the span, so large fields are never copied.
#pragma once

#include "ByteView.h"
#include "Error.h"

#include <cstdint>
#include <string>

namespace vcl {

class ByteReader {
public:
    ByteReader() = default;
    ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    explicit ByteReader(ByteView view) : data_(view.data), size_(view.size) {}

    size_t Position() const { return pos_; }
    size_t Remaining() const { return size_ - pos_; }
    bool AtEnd() const { return pos_ == size_; }

    // `what` names the field for the error message ("name length of file 2").
    Error ReadU8(uint8_t& value, const char* what);
    Error ReadU16(uint16_t& value, const char* what);
    Error ReadU32(uint32_t& value, const char* what);
    Error ReadU64(uint64_t& value, const char* what);
    Error ReadI8(int8_t& value, const char* what);
    Error ReadI16(int16_t& value, const char* what);
    Error ReadI32(int32_t& value, const char* what);
    Error ReadI64(int64_t& value, const char* what);
    // A view of the next `count` bytes, valid as long as the span is.
    Error ReadBytes(size_t count, ByteView& bytes, const char* what);
    Error Skip(size_t count, const char* what);
    // A length byte and that many bytes (the definition's ShortString).
    Error ReadShortString(std::string& text, const char* what);

private:
    Error Require(size_t count, const char* what) const;

    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
    size_t pos_ = 0;
};

} // namespace vcl
