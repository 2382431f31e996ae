// A read-only view of bytes owned elsewhere (a mapped resource, a file read
// into memory). Definitions are read straight from such views, never copied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vcl {

struct ByteView {
    const uint8_t* data = nullptr;
    size_t size = 0;

    ByteView() = default;
    ByteView(const uint8_t* bytes, size_t count) : data(bytes), size(count) {}
    explicit ByteView(const std::vector<uint8_t>& bytes) : data(bytes.data()), size(bytes.size()) {}

    bool empty() const { return size == 0; }
    const uint8_t* begin() const { return data; }
    const uint8_t* end() const { return data + size; }
    std::vector<uint8_t> ToVector() const { return std::vector<uint8_t>(begin(), end()); }
};

inline bool operator==(ByteView a, ByteView b) {
    if (a.size != b.size) return false;
    for (size_t i = 0; i < a.size; ++i)
        if (a.data[i] != b.data[i]) return false;
    return true;
}

} // namespace vcl
