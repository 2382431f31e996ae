// The inputs that list, extract and form dump accept: a storage stream, a
// binary form definition, or a Windows program that carries a definition as
// RCDATA resource "TFORM1".
#pragma once

#include "vcl/ByteView.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sfpack {

enum class InputKind { StorageStream, FormDefinition, WindowsProgram };

struct InputFile {
    std::string path;
    std::vector<uint8_t> bytes;
    InputKind kind = InputKind::StorageStream;
    // The form definition: all of `bytes`, or the resource inside the program.
    vcl::ByteView definition;
};

constexpr const char* FormResourceName = "TFORM1";

// Reads `path` and tells its kind by its first bytes. Throws ToolError when
// it cannot be read, or when a program carries no "TFORM1".
InputFile ReadInputFile(const std::string& path);

} // namespace sfpack
