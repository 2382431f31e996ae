// Definitions used by several vcl tests.
#pragma once

#include "vcl/FormValue.h"

#include <cstdint>
#include <vector>

namespace vcltest {

using Bytes = std::vector<uint8_t>;

// A definition holding every value type of the binary format, nested
// objects with flags and positions, and a collection.
vcl::FormObject EveryValueType();

// Bytes of a definition tree; fails the test if it cannot be written.
Bytes BinaryOf(const vcl::FormObject& root);

} // namespace vcltest
