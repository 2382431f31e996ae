// The block unpacker, written once for both of its uses. With Checked false
// it trusts the block completely (the fast path); with Checked true every
// read and write is validated first and the first fault is returned. The
// checks sit at item granularity, never per byte, so both paths copy
// literals and fill runs the same way.
#pragma once

#include "LittleEndian.h"
#include "acSFPack.h"

#include <cstring>

namespace acsf::detail {

struct BlockOutput {
    uint8_t* dest;
    size_t capacity; // only consulted when checked
    size_t written;
};

// Copies and fills of up to 16 bytes are the common case between runs; two
// overlapping fixed-size moves beat a library call and never touch a byte
// outside [to, to + n).
inline void CopySmall(uint8_t* to, const uint8_t* from, size_t n) {
    if (n >= 8) {
        uint64_t head, tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + n - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + n - 8, &tail, 8);
    } else if (n >= 4) {
        uint32_t head, tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + n - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + n - 4, &tail, 4);
    } else {
        for (size_t i = 0; i < n; ++i)
            to[i] = from[i];
    }
}

inline void FillSmall(uint8_t* to, uint8_t value, size_t n) {
    const uint64_t splat = 0x0101010101010101ull * value;
    if (n >= 8) {
        std::memcpy(to, &splat, 8);
        std::memcpy(to + n - 8, &splat, 8);
    } else {
        for (size_t i = 0; i < n; ++i)
            to[i] = value;
    }
}

template <bool Checked> inline bool Reserve(const BlockOutput& out, size_t bytes) {
    return !Checked || bytes <= out.capacity - out.written;
}

template <bool Checked>
inline UnpackStatus CopyLiterals(BlockOutput& out, const uint8_t* from, size_t bytes) {
    if (!Reserve<Checked>(out, bytes)) return UnpackStatus::OutputOverflow;
    if (bytes <= 16)
        CopySmall(out.dest + out.written, from, bytes);
    else
        std::memcpy(out.dest + out.written, from, bytes);
    out.written += bytes;
    return UnpackStatus::Ok;
}

template <bool Checked>
inline UnpackStatus FillRun(BlockOutput& out, uint8_t value, size_t length) {
    if (!Reserve<Checked>(out, length)) return UnpackStatus::OutputOverflow;
    if (length <= 16)
        FillSmall(out.dest + out.written, value, length);
    else
        std::memset(out.dest + out.written, value, length);
    out.written += length;
    return UnpackStatus::Ok;
}

// Escape mode: literals up to the next escape byte are copied as one stretch;
// each escape byte opens a run record of 3 or 5 bytes.
template <bool Checked>
inline UnpackStatus UnpackEscapeMode(const uint8_t* body, size_t size, uint8_t escape,
                                     BlockOutput& out) {
    size_t pos = 2;
    while (pos < size) {
        const void* found = std::memchr(body + pos, escape, size - pos);
        const size_t next =
            found ? static_cast<size_t>(static_cast<const uint8_t*>(found) - body) : size;
        UnpackStatus status = CopyLiterals<Checked>(out, body + pos, next - pos);
        if (Checked && status != UnpackStatus::Ok) return status;
        if (next == size) break;
        if (Checked && size - next < 3) return UnpackStatus::ItemCutOff;
        const uint8_t value = body[next + 1];
        size_t count = body[next + 2];
        pos = next + 3;
        if (count == 0) {
            if (Checked && size - pos < 2) return UnpackStatus::ItemCutOff;
            count = LoadU16LE(body + pos);
            pos += 2;
        }
        status = FillRun<Checked>(out, value, count + 1);
        if (Checked && status != UnpackStatus::Ok) return status;
    }
    return UnpackStatus::Ok;
}

// Table mode: the position table, read from the end of the body backwards,
// gives the count byte of each run record; the bytes between runs are copied
// as whole stretches.
template <bool Checked>
inline UnpackStatus UnpackTableMode(const uint8_t* body, size_t size, size_t header,
                                    BlockOutput& out) {
    if (Checked && header > size) return UnpackStatus::TableHeaderPastBody;
    if (Checked && (size - header) % 2 != 0) return UnpackStatus::TableOddLength;
    size_t cursor = 2;
    size_t entry = size;
    UnpackStatus status = UnpackStatus::Ok;
    while (entry != header) {
        entry -= 2;
        const size_t countAt = LoadU16LE(body + entry);
        // The run's value sits just before its count byte and must not reach
        // back into the previous run record (or the block header).
        if (Checked && countAt < cursor + 1) return UnpackStatus::TableEntryOutOfOrder;
        if (Checked && countAt >= header) return UnpackStatus::TableEntryOutsideData;
        status = CopyLiterals<Checked>(out, body + cursor, countAt - 1 - cursor);
        if (Checked && status != UnpackStatus::Ok) return status;
        const uint8_t value = body[countAt - 1];
        size_t count = body[countAt];
        cursor = countAt + 1;
        if (count == 0) {
            if (Checked && header - cursor < 2) return UnpackStatus::TableEntryOutsideData;
            count = LoadU16LE(body + cursor);
            cursor += 2;
        }
        status = FillRun<Checked>(out, value, count + 1);
        if (Checked && status != UnpackStatus::Ok) return status;
    }
    return CopyLiterals<Checked>(out, body + cursor, header - cursor);
}

template <bool Checked>
inline UnpackStatus UnpackBlockBody(const uint8_t* body, size_t size, BlockOutput& out) {
    if (Checked && size < 3) return UnpackStatus::BodyTooShort;
    if (Checked && size > 0xFFFF) return UnpackStatus::BodyTooLong;
    const uint32_t header = LoadU16LE(body);
    if (header < 256)
        return UnpackEscapeMode<Checked>(body, size, static_cast<uint8_t>(header), out);
    return UnpackTableMode<Checked>(body, size, header, out);
}

} // namespace acsf::detail
