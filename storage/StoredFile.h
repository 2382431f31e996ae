// One stored file of a storage: its name, used unchanged as the file name
// when extracting (it may contain backslashes), and its unpacked contents.
#pragma once

#include "MemoryBlock.h"
#include "acClasses.h"

#include "vcl/ByteReader.h"
#include "vcl/ByteWriter.h"

#include <string>

namespace ac {

class TacFileStorage;

class TStoredFile : public TacAddon {
public:
    // `owner` decides the layout of the records this file reads; without one
    // a record is read in the signed layout.
    explicit TStoredFile(TacFileStorage* owner);

    static const vcl::ClassInfo& StaticClassInfo();
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    TacFileStorage* Storage() const { return storage_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    // The unpacked size: always the length of Contents.
    uint32_t Size() const { return contents_.Size(); }
    const MemoryBlock& Contents() const { return contents_; }
    MemoryBlock& Contents() { return contents_; }
    // Length of the packed stream this file was read from (its block
    // length); 0 when it was read unpacked or made in code.
    uint32_t PackedSize() const { return packedSize_; }

    // Reads one record in the layout of the owner's last stream. Packed
    // contents are unpacked from the reader's bytes in place, with the
    // checked unpacker, straight into Contents.
    vcl::Error ReadFromStream(vcl::ByteReader& in);
    // Writes one record in the signed layout, packing Contents. Contents
    // hold the same bytes afterwards.
    vcl::Error WriteToStream(vcl::ByteWriter& out);

    // Writes the contents to `path`, raising the storage's OnExtract (which
    // may veto) and OnExtracted, with the storage's owner as Sender. With
    // `createPath` the missing folders along `path` are created first. A file
    // whose contents cannot be written in full is deleted again. False when
    // the file could not be created or written; true otherwise, also when
    // vetoed. A written file is remembered for the removal pass while the
    // storage's RemoveOnTerminate is set. In StorageExtraction.cpp.
    virtual bool Extract(const std::string& path, bool createPath);

private:
    vcl::Error ReadPackedContents(vcl::ByteReader& in);
    vcl::Error ReadRawContents(vcl::ByteReader& in);

    TacFileStorage* const storage_;
    std::string name_;
    MemoryBlock contents_;
    uint32_t packedSize_ = 0;
};

} // namespace ac
