#include "StoredFile.h"

#include "acFileStorage.h"

#include "packer/acSFPack.h"
#include "vcl/ClassInfo.h"

#include <new>

namespace ac {

TStoredFile::TStoredFile(TacFileStorage* owner) : TacAddon(owner), storage_(owner) {}

const vcl::ClassInfo& TStoredFile::StaticClassInfo() {
    static const vcl::ClassInfo info("TStoredFile", &TacAddon::StaticClassInfo(), nullptr, nullptr);
    return info;
}

vcl::Error TStoredFile::ReadFromStream(vcl::ByteReader& in) {
    uint32_t nameLength = 0;
    if (vcl::Error error = in.ReadU32(nameLength, "name length")) return error;
    if (nameLength > in.Remaining())
        return vcl::Error("name length " + std::to_string(nameLength) + " exceeds the " +
                          std::to_string(in.Remaining()) + " bytes that remain");
    vcl::ByteView name;
    if (vcl::Error error = in.ReadBytes(nameLength, name, "name")) return error;
    name_.assign(reinterpret_cast<const char*>(name.data), name.size);
    const bool signedLayout = !storage_ || storage_->SignatureFound();
    vcl::Error error = signedLayout ? ReadPackedContents(in) : ReadRawContents(in);
    return error ? error.WithContext("\"" + name_ + "\"") : error;
}

vcl::Error TStoredFile::ReadPackedContents(vcl::ByteReader& in) {
    uint32_t blockLength = 0;
    if (vcl::Error error = in.ReadU32(blockLength, "block length")) return error;
    if (blockLength < acsf::SizeFieldBytes)
        return vcl::Error("block length " + std::to_string(blockLength) +
                          " is below the 4 bytes of the unpacked size");
    if (blockLength > in.Remaining())
        return vcl::Error("block length " + std::to_string(blockLength) + " exceeds the " +
                          std::to_string(in.Remaining()) + " bytes that remain");
    vcl::ByteView packed;
    if (vcl::Error error = in.ReadBytes(blockLength, packed, "packed contents")) return error;
    uint32_t size = 0;
    acsf::UnpackStatus status = acsf::ReadUnpackedSize(packed.data, packed.size, &size);
    if (status != acsf::UnpackStatus::Ok)
        return vcl::Error(std::string("packed contents: ") + acsf::UnpackStatusText(status));
    if (vcl::Error error = contents_.SetSize(size)) return error;
    size_t failedAt = 0;
    status = acsf::UnpackPackedChecked(packed.data, packed.size, contents_.Data(), size, &failedAt);
    if (status != acsf::UnpackStatus::Ok)
        return vcl::Error(std::string("packed contents: ") + acsf::UnpackStatusText(status) +
                          " (block at offset " + std::to_string(failedAt) +
                          " of the packed stream)");
    packedSize_ = blockLength;
    return vcl::Error();
}

vcl::Error TStoredFile::ReadRawContents(vcl::ByteReader& in) {
    uint32_t size = 0;
    if (vcl::Error error = in.ReadU32(size, "size")) return error;
    if (size > in.Remaining())
        return vcl::Error("size " + std::to_string(size) + " exceeds the " +
                          std::to_string(in.Remaining()) + " bytes that remain");
    vcl::ByteView raw;
    if (vcl::Error error = in.ReadBytes(size, raw, "contents")) return error;
    packedSize_ = 0;
    return contents_.Assign(raw);
}

vcl::Error TStoredFile::WriteToStream(vcl::ByteWriter& out) {
    if (name_.size() > UINT32_MAX)
        return vcl::Error("name of " + std::to_string(name_.size()) + " bytes is too long");
    const uint32_t size = contents_.Size();
    if (size > acsf::MaxStreamInput)
        return vcl::Error("\"" + name_ + "\": " + std::to_string(size) + " bytes exceed the " +
                          std::to_string(acsf::MaxStreamInput) + " a packed stream can hold");
    const uint32_t bound = acsf::PackedSizeBound(size);
    // The packed form lives only while this record is written.
    std::unique_ptr<uint8_t[]> packed(new (std::nothrow) uint8_t[bound]);
    if (!packed) return vcl::OutOfMemory(bound, "the packed contents of \"" + name_ + "\"");
    const int32_t packedSize =
        acsf::PackStream(contents_.Data(), packed.get(), static_cast<int32_t>(size));
    out.WriteU32(static_cast<uint32_t>(name_.size()));
    out.WriteBytes(reinterpret_cast<const uint8_t*>(name_.data()), name_.size());
    out.WriteU32(static_cast<uint32_t>(packedSize));
    out.WriteBytes(packed.get(), static_cast<size_t>(packedSize));
    return vcl::Error();
}

} // namespace ac
