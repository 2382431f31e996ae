// Little-endian loads and stores at any alignment: the packer's 16- and
// 32-bit helpers, and 64-bit ones built on them.
#pragma once

#include "packer/LittleEndian.h"

#include <cstdint>

namespace vcl {

using acsf::LoadU16LE;
using acsf::LoadU32LE;
using acsf::StoreU16LE;
using acsf::StoreU32LE;

inline uint64_t LoadU64LE(const uint8_t* p) {
    return static_cast<uint64_t>(LoadU32LE(p)) | (static_cast<uint64_t>(LoadU32LE(p + 4)) << 32);
}

inline void StoreU64LE(uint8_t* p, uint64_t v) {
    StoreU32LE(p, static_cast<uint32_t>(v));
    StoreU32LE(p + 4, static_cast<uint32_t>(v >> 32));
}

} // namespace vcl
