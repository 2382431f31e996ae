#include "acFileStorage.h"

#include "StorageStream.h"

#include "vcl/ClassInfo.h"

#include <memory>

namespace ac {

TacFileStorage::TacFileStorage(vcl::TComponent* owner) : TacComponent(owner) {}

TacFileStorage::~TacFileStorage() {
    RunRemovalPass();
}

const vcl::ClassInfo& TacFileStorage::StaticClassInfo() {
    static const vcl::ClassInfo info(
        "TacFileStorage", &TacComponent::StaticClassInfo(), vcl::CreateComponentOf<TacFileStorage>,
        [](vcl::PropertyList& p) {
            p.Object<TacFileStorage, TAutoExtract>("AutoExtract", &TacFileStorage::AutoExtract);
            p.Cardinal<TacFileStorage>("Count", &TacFileStorage::Count, &TacFileStorage::SetCount,
                                       0, vcl::StoreMode::Never);
            p.Cardinal<TacFileStorage>("DataSize", &TacFileStorage::DataSize,
                                       &TacFileStorage::SetDataSize, 0, vcl::StoreMode::Never);
            p.Event<TacFileStorage>("OnExtract", &TacFileStorage::OnExtractName,
                                    &TacFileStorage::SetOnExtractName);
            p.Event<TacFileStorage>("OnExtracted", &TacFileStorage::OnExtractedName,
                                    &TacFileStorage::SetOnExtractedName);
        });
    return info;
}

uint32_t TacFileStorage::DataSize() const {
    // Count can exceed the list only if files were deleted from it.
    const uint32_t items = static_cast<uint32_t>(files_.Count());
    const uint32_t counted = count_ < items ? count_ : items;
    uint32_t sum = 0;
    for (uint32_t i = 0; i < counted; ++i)
        sum += files_.Items(static_cast<int>(i))->Size();
    return sum;
}

void TacFileStorage::DefineProperties(vcl::TFiler& filer) {
    TacComponent::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "StoredData", [this](vcl::ByteReader& in) { return ReadStoredData(in); },
        [this](vcl::ByteWriter& out) { return WriteStoredData(out); }, count_ != 0);
}

vcl::Error TacFileStorage::ReadStoredData(vcl::ByteReader& in) {
    uint32_t first = 0;
    if (vcl::Error error = in.ReadU32(first, "signature or file count"))
        return error.WithContext("storage stream");
    signatureFound_ = first == StorageSignature;
    uint32_t count = first;
    if (signatureFound_) {
        if (vcl::Error error = in.ReadU32(count, "file count"))
            return error.WithContext("storage stream");
    } else if (vcl::Error error = in.Skip(4, "second header word")) {
        return error.WithContext("storage stream");
    }
    const uint32_t minRecord = signatureFound_ ? MinSignedRecordBytes : MinUnsignedRecordBytes;
    if (count > in.Remaining() / minRecord)
        return vcl::Error("storage stream: " + std::to_string(count) + " files cannot fit in the " +
                          std::to_string(in.Remaining()) + " bytes that remain");

    // The files are kept only when the whole stream was read.
    std::vector<std::unique_ptr<TStoredFile>> read;
    read.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        auto file = std::make_unique<TStoredFile>(this);
        if (vcl::Error error = file->ReadFromStream(in))
            return error.WithContext("storage stream, file " + std::to_string(i + 1) + " of " +
                                     std::to_string(count));
        read.push_back(std::move(file));
    }
    if (!in.AtEnd())
        return vcl::Error("storage stream: " + std::to_string(in.Remaining()) +
                          " unexpected bytes after the last file");
    for (auto& file : read)
        files_.Add(std::move(file));
    count_ = count;
    return vcl::Error();
}

vcl::Error TacFileStorage::WriteStoredData(vcl::ByteWriter& out) {
    if (count_ > static_cast<uint32_t>(files_.Count()))
        return vcl::Error("storage counts " + std::to_string(count_) + " files but holds " +
                          std::to_string(files_.Count()));
    out.WriteU32(StorageSignature);
    out.WriteU32(count_);
    for (uint32_t i = 0; i < count_; ++i)
        if (vcl::Error error = files_.Items(static_cast<int>(i))->WriteToStream(out))
            return error.WithContext("storage stream, file " + std::to_string(i + 1));
    return vcl::Error();
}

vcl::Error TacFileStorage::AddStoredFile(const std::string& name, vcl::ByteView contents) {
    if (files_.Count() == INT32_MAX)
        return vcl::Error("a storage holds at most " + std::to_string(INT32_MAX) + " files");
    auto file = std::make_unique<TStoredFile>(this);
    file->SetName(name);
    if (vcl::Error error = file->Contents().Assign(contents))
        return error.WithContext("\"" + name + "\"");
    files_.Add(std::move(file));
    count_ = static_cast<uint32_t>(files_.Count());
    return vcl::Error();
}

void TacFileStorage::Loaded() {
    TacComponent::Loaded();
    RunExtractionPass();
}

} // namespace ac
