// The binary form definition: "TPF0" followed by the root object.
//
//     object   = [prefix] ShortString(class) ShortString(name)
//                { ShortString(property) value } 00  { object } 00
//     prefix   = F0..FF; low bits: 1 inherited, 2 position value follows, 4 inline
//
// Integers are little-endian; a value is a type byte and its payload (see
// ValueType). The reader checks every length against the bytes that remain
// and refuses nesting deeper than MaxNestingDepth, so no input can make it
// read outside the definition or exhaust the stack.
#pragma once

#include "ByteView.h"
#include "ByteWriter.h"
#include "Error.h"
#include "FormValue.h"

namespace vcl {

constexpr char FormSignature[4] = {'T', 'P', 'F', '0'};
constexpr int MaxNestingDepth = 64;

// Whether `bytes` begins with the signature "TPF0".
bool HasFormSignature(ByteView bytes);

// Reads a whole definition into `root`. Binary values stay views into
// `definition`, which must outlive `root`. Bytes after the root object are
// an error.
Error ReadFormDefinition(ByteView definition, FormObject& root);

// Writes `root` as a whole definition. Text-only values (a storage's file
// list, a picture) must have been turned into binary data first.
Error WriteFormDefinition(const FormObject& root, ByteWriter& out);

} // namespace vcl
