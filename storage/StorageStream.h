// The storage stream: the bytes of a storage's "StoredData" property.
// All integers are 32-bit unsigned, little-endian.
//
// Signed layout (always written):
//     "SFP1"  count  { nameLength name  blockLength packedStream }
// where packedStream (blockLength bytes, at least 4) is the packed contents:
// the unpacked size, then the packed blocks.
//
// Unsigned layout (read only), recognised by a first word other than "SFP1":
//     count  ignored  { nameLength name  size contents }
//
// Nothing follows the last record.
#pragma once

#include <cstdint>

namespace ac {

// "SFP1" read as one little-endian word.
constexpr uint32_t StorageSignature = 0x31504653;

// Smallest records: a signed one with an empty name and empty contents
// (name length, block length, unpacked size), an unsigned one likewise.
constexpr uint32_t MinSignedRecordBytes = 12;
constexpr uint32_t MinUnsignedRecordBytes = 8;

} // namespace ac
