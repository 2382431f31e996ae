// The checked unpacker: for packed data from files, resources and streams.
#include "UnpackCore.h"

namespace acsf {

const char* UnpackStatusText(UnpackStatus status) {
    switch (status) {
    case UnpackStatus::Ok:
        return "ok";
    case UnpackStatus::MissingSizeField:
        return "packed stream shorter than its 4-byte size field";
    case UnpackStatus::SizeTooLarge:
        return "recorded unpacked size exceeds 2147483647 bytes";
    case UnpackStatus::SizeBeyondInput:
        return "recorded unpacked size is more than the packed bytes can hold";
    case UnpackStatus::DestinationTooSmall:
        return "recorded unpacked size exceeds the destination";
    case UnpackStatus::TruncatedBlockSize:
        return "packed stream ends inside a block size field";
    case UnpackStatus::BodyTooShort:
        return "block body shorter than 3 bytes";
    case UnpackStatus::BodyTooLong:
        return "block body longer than 65535 bytes";
    case UnpackStatus::BodyPastEnd:
        return "block body runs past the end of the packed stream";
    case UnpackStatus::ItemCutOff:
        return "run record cut off at the end of its block";
    case UnpackStatus::TableHeaderPastBody:
        return "position table starts past the end of its block";
    case UnpackStatus::TableOddLength:
        return "position table has an odd length";
    case UnpackStatus::TableEntryOutOfOrder:
        return "position table entry out of order";
    case UnpackStatus::TableEntryOutsideData:
        return "position table entry points outside the block data";
    case UnpackStatus::OutputOverflow:
        return "unpacked data runs past the recorded size";
    case UnpackStatus::SizeMismatch:
        return "unpacked data is shorter than the recorded size";
    }
    return "unknown unpack status";
}

uint64_t UnpackedSizeLimit(size_t packedLength) {
    return static_cast<uint64_t>(packedLength) * MaxExpansionPerPackedByte;
}

UnpackStatus UnpackBlockChecked(const uint8_t* body, size_t bodySize, uint8_t* dest,
                                size_t destCapacity, size_t* written) {
    detail::BlockOutput out{dest, destCapacity, 0};
    const UnpackStatus status = detail::UnpackBlockBody<true>(body, bodySize, out);
    *written = out.written;
    return status;
}

UnpackStatus UnpackStreamChecked(const uint8_t* source, size_t length, uint8_t* dest,
                                 size_t destCapacity, size_t* written, size_t* failedAt) {
    size_t offset = 0;
    size_t total = 0;
    UnpackStatus status = UnpackStatus::Ok;
    while (offset != length) {
        const size_t remaining = length - offset;
        if (remaining < 2) {
            status = UnpackStatus::TruncatedBlockSize;
            break;
        }
        const size_t bodySize = LoadU16LE(source + offset);
        if (bodySize > remaining - 2) {
            status = UnpackStatus::BodyPastEnd;
            break;
        }
        size_t blockWritten = 0;
        status = UnpackBlockChecked(source + offset + 2, bodySize, dest + total,
                                    destCapacity - total, &blockWritten);
        total += blockWritten;
        if (status != UnpackStatus::Ok) break;
        offset += bodySize + 2;
    }
    *written = total;
    if (failedAt) *failedAt = offset;
    return status;
}

UnpackStatus ReadUnpackedSize(const uint8_t* stream, size_t length, uint32_t* unpackedSize) {
    if (length < SizeFieldBytes) return UnpackStatus::MissingSizeField;
    const uint32_t size = LoadU32LE(stream);
    if (size > MaxStreamInput) return UnpackStatus::SizeTooLarge;
    if (size > UnpackedSizeLimit(length - SizeFieldBytes)) return UnpackStatus::SizeBeyondInput;
    *unpackedSize = size;
    return UnpackStatus::Ok;
}

UnpackStatus UnpackPackedChecked(const uint8_t* stream, size_t length, uint8_t* dest,
                                 size_t destCapacity, size_t* failedAt) {
    uint32_t size = 0;
    UnpackStatus status = ReadUnpackedSize(stream, length, &size);
    if (status != UnpackStatus::Ok) {
        if (failedAt) *failedAt = 0;
        return status;
    }
    if (size > destCapacity) return UnpackStatus::DestinationTooSmall;
    size_t written = 0;
    size_t blockOffset = 0;
    // The recorded size is the output limit: more output is an overflow.
    status = UnpackStreamChecked(stream + SizeFieldBytes, length - SizeFieldBytes, dest, size,
                                 &written, &blockOffset);
    if (failedAt) *failedAt = SizeFieldBytes + blockOffset;
    if (status != UnpackStatus::Ok) return status;
    return written == size ? UnpackStatus::Ok : UnpackStatus::SizeMismatch;
}

} // namespace acsf
