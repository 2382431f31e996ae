// One block of the packer: choose escape or table mode and code the runs.
#include "ByteScan.h"
#include "LittleEndian.h"
#include "acSFPack.h"

#include <cstring>

namespace acsf {
namespace {

constexpr int NoMissingValue = -1;

// Lowest byte value that does not occur in [block, block + len), or
// NoMissingValue when all 256 occur. Stops as soon as every value was seen,
// which for incompressible data is after a couple of thousand bytes.
int FindMissingValue(const uint8_t* block, int32_t len) {
    alignas(8) uint8_t seen[256] = {};
    constexpr int32_t Chunk = 512;
    for (int32_t done = 0; done < len;) {
        const int32_t stop = (len - done < Chunk) ? len : done + Chunk;
        for (; done < stop; ++done)
            seen[block[done]] = 1;
        uint64_t all = ~uint64_t{0};
        for (int word = 0; word < 32; ++word) {
            uint64_t flags;
            std::memcpy(&flags, seen + 8 * word, 8);
            all &= flags;
        }
        if (all == 0x0101010101010101ull) return NoMissingValue;
    }
    for (int value = 0; value < 256; ++value) {
        if (!seen[value]) return value;
    }
    return NoMissingValue;
}

// Writes the count of a run of `length` bytes: one byte up to 255, else a 0
// byte and the count as a 16-bit number. Returns the byte after it.
uint8_t* PutRunCount(uint8_t* out, ptrdiff_t length) {
    const uint32_t count = static_cast<uint32_t>(length - 1);
    if (count <= 255) {
        *out = static_cast<uint8_t>(count);
        return out + 1;
    }
    out[0] = 0;
    StoreU16LE(out + 1, count);
    return out + 3;
}

// Escape mode: literals as they are, runs of 4 or more as
// escape byte, value, count. The escape byte does not occur in the block.
int32_t PackEscapeMode(const uint8_t* block, const uint8_t* end, uint8_t* body, uint8_t escape) {
    StoreU16LE(body, escape);
    uint8_t* out = body + 2;
    const uint8_t* pos = block;
    while (pos < end) {
        const uint8_t* run = detail::FindRunStart<4>(pos, end);
        std::memcpy(out, pos, static_cast<size_t>(run - pos));
        out += run - pos;
        if (run == end) break;
        const uint8_t value = *run;
        const uint8_t* runEnd = detail::FindRunEnd(run + 4, end, value);
        out[0] = escape;
        out[1] = value;
        out = PutRunCount(out + 2, runEnd - run);
        pos = runEnd;
    }
    return static_cast<int32_t>(out - body);
}

// Table mode: every value occurs, so no escape byte is free. Runs of 5 or more
// become value, count, and a position table at the end of the body points at
// each count byte, last run first. The table is built downwards from the far
// end of the body's room (len + 2 bytes) while the data grows upwards; every
// run saves at least 3 bytes against its 2-byte entry, so the two never meet.
int32_t PackTableMode(const uint8_t* block, const uint8_t* end, uint8_t* body) {
    const ptrdiff_t room = (end - block) + 2;
    uint8_t* out = body + 2;
    uint8_t* table = body + room;
    const uint8_t* pos = block;
    while (pos < end) {
        const uint8_t* run = detail::FindRunStart<5>(pos, end);
        if (run == end) {
            std::memcpy(out, pos, static_cast<size_t>(end - pos));
            out += end - pos;
            break;
        }
        // The run's value is written as an ordinary data byte.
        std::memcpy(out, pos, static_cast<size_t>(run - pos + 1));
        out += run - pos + 1;
        table -= 2;
        StoreU16LE(table, static_cast<uint32_t>(out - body));
        const uint8_t* runEnd = detail::FindRunEnd(run + 5, end, *run);
        out = PutRunCount(out, runEnd - run);
        pos = runEnd;
    }
    const ptrdiff_t header = out - body;
    StoreU16LE(body, static_cast<uint32_t>(header));
    // The entries lie from the last run's to the first run's, as the table wants.
    const ptrdiff_t tableBytes = body + room - table;
    std::memmove(out, table, static_cast<size_t>(tableBytes));
    return static_cast<int32_t>(header + tableBytes);
}

} // namespace

int32_t PackBlock(uint8_t* block, uint8_t* body, int32_t len) {
    uint8_t* end = block + len;
    // The sentinel differs from the last byte, so no run scan passes the end.
    const uint8_t saved = *end;
    *end = static_cast<uint8_t>(block[len - 1] + 1);

    const int escape = FindMissingValue(block, len);
    const int32_t bodySize = (escape != NoMissingValue)
                                 ? PackEscapeMode(block, end, body, static_cast<uint8_t>(escape))
                                 : PackTableMode(block, end, body);
    *end = saved;
    return bodySize;
}

} // namespace acsf
