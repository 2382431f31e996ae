// acSFPack: the byte-oriented run-length packer that stores file contents.
//
// A packed stream is a 4-byte little-endian unpacked size followed by packed
// blocks. Each block stands for at most MaxBlockInput (65533) input bytes and
// is unpacked without looking at any other block:
//
//     block      = body size (u16) body
//     body       = header (u16) ...
//     header < 256   escape mode: the low byte is the escape byte; the items
//                    are literals (any byte but the escape byte) and run
//                    records  esc value count8 | esc value 00 count16
//     header >= 256  table mode: data from offset 2 up to the header, then a
//                    position table of u16 offsets (last run first) that
//                    point at the count byte of each run record
//                    value count8 | value 00 count16
//
// A run record unpacks to `value` repeated count + 1 times. The packer is
// deterministic: the same input always gives the same bytes, and repacking
// the unpacked contents of a packed stream reproduces it byte for byte.
//
// Two unpackers read the format:
//   - UnpackStream / UnpackBlock trust their input (the launcher's own,
//     freshly packed data, benchmarks). A malformed stream makes them read or
//     write out of bounds.
//   - UnpackStreamChecked / UnpackBlockChecked / UnpackPackedChecked validate
//     every rule as they go and never read or write outside the buffers they
//     are given. Every reader of data that came from a file or a resource
//     uses them.
//
// All functions are free functions on caller-owned buffers: no allocation, no
// global state, safe to call on different buffers from several threads.
#pragma once

#include <cstddef>
#include <cstdint>

namespace acsf {

// Largest number of input bytes that one packed block stands for (0xFFFD).
constexpr uint32_t MaxBlockInput = 65533;
// Largest input that a packed stream can describe (its size field is read as
// a signed 32-bit number by older readers).
constexpr uint32_t MaxStreamInput = 2147483647u;
// Bytes of the unpacked-size field in front of the blocks.
constexpr uint32_t SizeFieldBytes = 4;
// Bytes the packer needs past the last input byte: the first is written for a
// moment (the sentinel) and restored, the second is only read.
constexpr uint32_t PackSlackBytes = 2;

// ---------------------------------------------------------------------------
// Packing

// Number of output bytes to reserve before PackStream packs n bytes:
// max(n, 255) + 8 + 4 * floor(max(n, 255) / 65533). Never smaller than the
// stream PackStream writes for any input of n bytes, and equal to the largest
// possible stream where n is a multiple of 65533 plus 1 (e.g. 65534, 131067).
// Defined for every n up to MaxStreamInput; unsigned 32-bit arithmetic.
uint32_t PackedSizeBound(uint32_t n);

// Packs the n bytes at `source` into a packed stream at `dest` and returns
// its length, the 4-byte size field included (4 for n == 0).
//
// source: n input bytes followed by PackSlackBytes more. Those two bytes need
//         not hold anything in particular, but the first must be writable:
//         while a block is packed the byte past its end is replaced by a
//         sentinel (last byte + 1) and restored before PackStream returns. On
//         return every input byte and the byte past the input hold their old
//         values. Nothing beyond the two slack bytes is read; no other thread
//         may touch the buffer during the call.
// dest:   at least PackedSizeBound(n) writable bytes; only the first
//         4 + n + 4 * ceil(n / 65533) may be written.
// n:      0 to MaxStreamInput.
int32_t PackStream(uint8_t* source, uint8_t* dest, int32_t n);

// Packs one block of `len` bytes (1 to MaxBlockInput) and writes its body
// (header, data, position table) at `body`; returns the body size, at most
// len + 2. Reads block[0 .. len+1], writes block[len] for a moment (restored
// on return) and writes body[0 .. len+1] at most.
int32_t PackBlock(uint8_t* block, uint8_t* body, int32_t len);

// ---------------------------------------------------------------------------
// Trusting unpacker: for streams known to keep the format's rules.

// Unpacks the block sequence of `length` bytes at `source` (the packed stream
// without its 4-byte size field) into `dest` and returns the bytes written.
// For a well-formed stream this equals the recorded unpacked size, and only
// source[0 .. length-1] and dest[0 .. size-1] are touched. Nothing is checked:
// a malformed stream is undefined behaviour. Use UnpackStreamChecked for
// anything that did not come straight from PackStream.
int32_t UnpackStream(const uint8_t* source, uint8_t* dest, int32_t length);

// Unpacks one block body of `bodySize` bytes (at most 65535) into `dest` and
// returns the bytes written. Trusts its input like UnpackStream.
int32_t UnpackBlock(const uint8_t* body, uint8_t* dest, int32_t bodySize);

// ---------------------------------------------------------------------------
// Checked unpacker: for untrusted input.

enum class UnpackStatus : uint8_t {
    Ok = 0,
    MissingSizeField,      // fewer than 4 bytes: no unpacked-size field
    SizeTooLarge,          // recorded unpacked size above MaxStreamInput
    SizeBeyondInput,       // recorded unpacked size more than the packed bytes can hold
    DestinationTooSmall,   // recorded unpacked size above the destination's length
    TruncatedBlockSize,    // a single byte left where a 2-byte body size belongs
    BodyTooShort,          // body size below 3
    BodyTooLong,           // body size above 65535 (UnpackBlockChecked only)
    BodyPastEnd,           // body size runs past the end of the packed bytes
    ItemCutOff,            // escape mode: a run record ends past its body
    TableHeaderPastBody,   // table mode: header beyond the body's end
    TableOddLength,        // table mode: position table of odd length
    TableEntryOutOfOrder,  // table mode: an entry not past the previous run record
    TableEntryOutsideData, // table mode: a run record that reaches into the table
    OutputOverflow,        // the output would run past the destination
    SizeMismatch,          // unpacked total differs from the recorded size
};

// One line of English text for a status, e.g. for a command-line error.
const char* UnpackStatusText(UnpackStatus status);

// No packed byte stands for more than this many unpacked bytes: the densest
// item, a 5-byte long run record, unpacks to 65536 bytes.
constexpr uint64_t MaxExpansionPerPackedByte = 13108;

// Upper bound of what `packedLength` bytes of packed blocks can unpack to.
// A reader checks a recorded size against it before allocating, so a few
// bytes claiming gigabytes are rejected without a large allocation.
uint64_t UnpackedSizeLimit(size_t packedLength);

// Unpacks one block body of `bodySize` bytes into `dest`, which holds
// `destCapacity` bytes. On Ok, *written is the number of bytes written. On
// failure *written holds the bytes written before the fault was found (they
// stay in dest). Reads only body[0 .. bodySize-1]; writes only
// dest[0 .. destCapacity-1].
UnpackStatus UnpackBlockChecked(const uint8_t* body, size_t bodySize, uint8_t* dest,
                                size_t destCapacity, size_t* written);

// Unpacks the block sequence of `length` bytes at `source` (a packed stream
// without its size field) into `dest` of `destCapacity` bytes. Every block is
// validated before or while it is unpacked; *written is the number of bytes
// written (also on failure). *failedAt, if not null, receives the offset in
// `source` of the block where a fault was found. Reads only
// source[0 .. length-1]; writes only dest[0 .. destCapacity-1].
UnpackStatus UnpackStreamChecked(const uint8_t* source, size_t length, uint8_t* dest,
                                 size_t destCapacity, size_t* written, size_t* failedAt = nullptr);

// Reads the unpacked-size field at the start of a whole packed stream of
// `length` bytes. Fails with MissingSizeField, SizeTooLarge, or
// SizeBeyondInput when the rest of the stream cannot unpack to that size, so
// on Ok the size is safe to allocate.
UnpackStatus ReadUnpackedSize(const uint8_t* stream, size_t length, uint32_t* unpackedSize);

// Unpacks a whole packed stream (size field first) of `length` bytes into
// `dest` of `destCapacity` bytes, and requires the total to equal the
// recorded size. On Ok exactly that many bytes were written. The usual
// caller sizes dest with ReadUnpackedSize first.
UnpackStatus UnpackPackedChecked(const uint8_t* stream, size_t length, uint8_t* dest,
                                 size_t destCapacity, size_t* failedAt = nullptr);

} // namespace acsf
