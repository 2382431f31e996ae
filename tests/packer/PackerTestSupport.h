// Shared helpers of the packer tests: byte vectors, deterministic inputs, and
// packing into guarded buffers.
#pragma once

#include "sampledata/SampleData.h"

#include <cstdint>
#include <string>
#include <vector>

namespace acsf::test {

using Bytes = std::vector<uint8_t>;

// Bytes from a hex text such as "05 00 00 41"; blanks are ignored.
Bytes Hex(const std::string& text);
// Hex text of bytes, for failure messages.
std::string ToHex(const Bytes& bytes);
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Repeat(uint8_t value, size_t count);
// 00, 01, ..., FF.
Bytes AllByteValues();

// Deterministic inputs of any size.
using sample::CodeLike;
using sample::RandomBytes;
using sample::RunHeavy;

// Packs `input` the way a careful caller does: two slack bytes past the input
// and an output buffer of PackedSizeBound bytes, both followed by guard bytes.
// Fails the current test if the packer touches a guard, changes the input or
// the slack bytes, or writes past the length it returns.
Bytes PackGuarded(const Bytes& input);

// Unpacks a whole packed stream (size field first) with the trusting unpacker.
Bytes UnpackTrusting(const Bytes& packed);

} // namespace acsf::test
