// Finds an RCDATA resource in a Windows program file (PE32 or PE32+)
// without loading it: every offset and size in the headers, section table
// and resource directory is checked against the file before it is used.
#pragma once

#include "vcl/ByteView.h"
#include "vcl/Error.h"

#include <string>

namespace sfpack {

// Whether the bytes start like a Windows program ("MZ").
bool LooksLikeWindowsProgram(vcl::ByteView image);

// Sets `data` to the bytes of the RCDATA resource named `name` (names
// compare ignoring ASCII case; the first language found is taken).
vcl::Error FindRcdataResource(vcl::ByteView image, const std::string& name, vcl::ByteView& data);

} // namespace sfpack
