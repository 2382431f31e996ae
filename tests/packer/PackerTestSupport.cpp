#include "PackerTestSupport.h"

#include "packer/acSFPack.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace acsf::test {

Bytes Hex(const std::string& text) {
    Bytes bytes;
    int high = -1;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            continue;
        if (high < 0) {
            high = digit;
        } else {
            bytes.push_back(static_cast<uint8_t>(high * 16 + digit));
            high = -1;
        }
    }
    return bytes;
}

std::string ToHex(const Bytes& bytes) {
    std::string text;
    char buffer[4];
    for (size_t i = 0; i < bytes.size() && i < 400; ++i) {
        std::snprintf(buffer, sizeof buffer, "%02X ", bytes[i]);
        text += buffer;
    }
    if (bytes.size() > 400) text += "... (" + std::to_string(bytes.size()) + " bytes)";
    return text;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Repeat(uint8_t value, size_t count) {
    return Bytes(count, value);
}

Bytes AllByteValues() {
    Bytes values(256);
    for (int i = 0; i < 256; ++i)
        values[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
    return values;
}

Bytes PackGuarded(const Bytes& input) {
    constexpr size_t Guard = 64;
    constexpr uint8_t GuardByte = 0xA5;
    const uint32_t n = static_cast<uint32_t>(input.size());

    Bytes source(input);
    source.push_back(0x5A); // slack byte the packer may overwrite for a moment
    source.push_back(0x3C); // slack byte it may only read
    source.insert(source.end(), Guard, GuardByte);
    const Bytes sourceBefore = source;

    const uint32_t bound = PackedSizeBound(n);
    Bytes dest(bound + Guard, GuardByte);
    const int32_t length = PackStream(source.data(), dest.data(), static_cast<int32_t>(n));

    EXPECT_EQ(source, sourceBefore) << "input or the bytes past it changed";
    const uint64_t blocks = (n + MaxBlockInput - 1) / MaxBlockInput;
    EXPECT_LE(static_cast<uint64_t>(length), 4 + n + 4 * blocks);
    EXPECT_LE(static_cast<uint32_t>(length), bound);
    // Table-mode blocks build their position table at the far end of the
    // block's room, so only the room itself is off limits to the guard check.
    for (size_t i = static_cast<size_t>(4 + n + 4 * blocks); i < dest.size(); ++i) {
        if (dest[i] != GuardByte) {
            ADD_FAILURE() << "packer wrote at output offset " << i
                          << " past the room of its blocks";
            break;
        }
    }
    dest.resize(static_cast<size_t>(length));
    return dest;
}

Bytes UnpackTrusting(const Bytes& packed) {
    const uint32_t size =
        packed[0] | (packed[1] << 8) | (packed[2] << 16) | (static_cast<uint32_t>(packed[3]) << 24);
    Bytes output(size);
    const int32_t written =
        UnpackStream(packed.data() + 4, output.data(), static_cast<int32_t>(packed.size() - 4));
    EXPECT_EQ(static_cast<uint32_t>(written), size);
    return output;
}

} // namespace acsf::test
