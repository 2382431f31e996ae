// A deliberately plain packer, one byte at a time with explicit bounds, used
// to check that the fast packer's output is exactly the format's.
#pragma once

#include "PackerTestSupport.h"

namespace acsf::test {

Bytes ReferencePack(const Bytes& input);

} // namespace acsf::test
