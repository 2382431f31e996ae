// sfpack pack / unpack: a file to its packed stream and back.
#include "Commands.h"
#include "FileIO.h"
#include "ToolError.h"
#include "packer/acSFPack.h"

#include <vector>

namespace sfpack {
namespace {

void ExpectArgs(const Args& args, size_t count) {
    if (args.size() != count) throw UsageError("expected " + std::to_string(count) + " arguments");
}

} // namespace

int RunPack(const Args& args) {
    ExpectArgs(args, 2);
    std::vector<uint8_t> input = ReadWholeFile(args[0], acsf::MaxStreamInput, acsf::PackSlackBytes);
    const uint32_t size = static_cast<uint32_t>(input.size() - acsf::PackSlackBytes);
    std::vector<uint8_t> packed(acsf::PackedSizeBound(size));
    const int32_t packedSize =
        acsf::PackStream(input.data(), packed.data(), static_cast<int32_t>(size));
    WriteFileAtomically(args[1], packed.data(), static_cast<size_t>(packedSize));
    return ExitOk;
}

int RunUnpack(const Args& args) {
    ExpectArgs(args, 2);
    // A packed stream is never longer than its input plus 4 bytes per block.
    const std::vector<uint8_t> packed =
        ReadWholeFile(args[0], acsf::PackedSizeBound(acsf::MaxStreamInput));
    uint32_t size = 0;
    acsf::UnpackStatus status = acsf::ReadUnpackedSize(packed.data(), packed.size(), &size);
    if (status != acsf::UnpackStatus::Ok)
        throw ToolError("'" + args[0] + "': " + acsf::UnpackStatusText(status));
    std::vector<uint8_t> output(size);
    size_t failedAt = 0;
    status = acsf::UnpackPackedChecked(packed.data(), packed.size(), output.data(), output.size(),
                                       &failedAt);
    // A total that falls short is a fault of the whole stream, not of a block.
    if (status == acsf::UnpackStatus::SizeMismatch)
        throw ToolError("'" + args[0] + "': " + acsf::UnpackStatusText(status));
    if (status != acsf::UnpackStatus::Ok)
        throw ToolError("'" + args[0] + "': " + acsf::UnpackStatusText(status) +
                        " (block at offset " + std::to_string(failedAt) + ")");
    WriteFileAtomically(args[1], output.data(), output.size());
    return ExitOk;
}

} // namespace sfpack
