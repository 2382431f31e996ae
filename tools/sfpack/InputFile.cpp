#include "InputFile.h"

#include "FileIO.h"
#include "PeResources.h"
#include "ToolError.h"

#include "packer/acSFPack.h"
#include "vcl/FormBinary.h"

namespace sfpack {

InputFile ReadInputFile(const std::string& path) {
    InputFile input;
    input.path = path;
    input.bytes = ReadWholeFile(path, acsf::MaxStreamInput);
    const vcl::ByteView all(input.bytes);
    if (vcl::HasFormSignature(all)) {
        input.kind = InputKind::FormDefinition;
        input.definition = all;
    } else if (LooksLikeWindowsProgram(all)) {
        input.kind = InputKind::WindowsProgram;
        if (vcl::Error error = FindRcdataResource(all, FormResourceName, input.definition))
            throw ToolError("'" + path + "': " + error.Message());
    }
    return input;
}

} // namespace sfpack
