#include "SampleData.h"

#include <algorithm>

namespace sample {
namespace {

void AppendRandom(Bytes& bytes, size_t count, Random& random) {
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        const uint64_t word = random.Next();
        for (int b = 0; b < 8; ++b)
            bytes.push_back(static_cast<uint8_t>(word >> (8 * b)));
    }
    for (; i < count; ++i)
        bytes.push_back(static_cast<uint8_t>(random.Next()));
}

} // namespace

Bytes RandomBytes(size_t size, uint64_t seed) {
    Random random(seed);
    Bytes bytes;
    bytes.reserve(size);
    AppendRandom(bytes, size, random);
    return bytes;
}

Bytes RunHeavy(size_t size, uint64_t seed) {
    Random random(seed);
    Bytes bytes;
    bytes.reserve(size);
    while (bytes.size() < size) {
        const size_t length = std::min<size_t>(1 + random.Below(600), size - bytes.size());
        if (random.Below(2))
            bytes.insert(bytes.end(), length, static_cast<uint8_t>(random.Below(4)));
        else
            AppendRandom(bytes, length, random);
    }
    return bytes;
}

Bytes CodeLike(size_t size, uint64_t seed) {
    static const Bytes Patterns[] = {
        {0x55, 0x48, 0x89, 0xE5},
        {0x48, 0x83, 0xEC, 0x20},
        {0xE8, 0x00, 0x00, 0x00, 0x00},
        {0x8B, 0x45, 0xFC},
        {0xFF, 0x15},
        {0x48, 0x8D, 0x0D},
        {0x0F, 0x1F, 0x44, 0x00, 0x00},
    };
    static const char Text[] =
        "The quick brown fox jumps over the lazy dog. Installation Setup Version ";
    Random random(seed);
    Bytes bytes;
    bytes.reserve(size + 4096);
    while (bytes.size() < size) {
        // One function: instruction-like bytes, then a return and int3
        // padding up to the next 16-byte boundary.
        const size_t end = bytes.size() + 32 + random.Below(480);
        while (bytes.size() < end) {
            const uint32_t pick = random.Below(20);
            if (pick < 12) {
                AppendRandom(bytes, 2 + random.Below(6), random);
            } else if (pick < 18) {
                const Bytes& pattern = Patterns[random.Below(7)];
                bytes.insert(bytes.end(), pattern.begin(), pattern.end());
            } else {
                bytes.push_back(static_cast<uint8_t>(random.Below(256)));
                bytes.insert(bytes.end(), 3, 0); // a small 32-bit immediate
            }
        }
        bytes.push_back(0xC3);
        while (bytes.size() % 16 != 0)
            bytes.push_back(0xCC);
        // Now and then a stretch of data: zero fill or text.
        if (random.Below(16) == 0) {
            if (random.Below(2)) {
                bytes.insert(bytes.end(), 16 + random.Below(1024), 0);
            } else {
                for (uint32_t i = 0, n = 32 + random.Below(480); i < n; ++i)
                    bytes.push_back(static_cast<uint8_t>(Text[random.Below(sizeof Text - 1)]));
            }
        }
    }
    bytes.resize(size);
    return bytes;
}

Bytes InstallerPayload(size_t size, uint64_t seed) {
    Random random(seed);
    Bytes bytes = CodeLike(std::min<size_t>(size, 256 * 1024), seed);
    bytes.reserve(size);
    while (bytes.size() < size) {
        AppendRandom(bytes,
                     std::min<size_t>(16 * 1024 + random.Below(48 * 1024), size - bytes.size()),
                     random);
        const size_t zeros = std::min<size_t>(256 + random.Below(3840), size - bytes.size());
        bytes.insert(bytes.end(), zeros, 0);
    }
    return bytes;
}

} // namespace sample
