// TacFileStorage: a non-visual component that carries whole files inside the
// definition of the form that owns it.
//
// All files of a storage travel in one binary property, "StoredData", whose
// bytes are the storage stream (StorageStream.h). Reading it appends the
// files to Files; writing it produces the signed layout with packed
// contents. A storage that holds no files (Count 0) writes no "StoredData".
//
// After the whole form definition was read the storage gets its Loaded
// notification, which runs the extraction pass; when it is destroyed it runs
// the removal pass. Both passes are Windows work and live in their own file
// (StorageExtraction.cpp).
#pragma once

#include "AutoExtract.h"
#include "ExtractionSystem.h"
#include "StoredFile.h"
#include "acClasses.h"

#include "vcl/ByteReader.h"
#include "vcl/ByteWriter.h"
#include "vcl/Error.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ac {

// Called before a file is extracted; setting allowExtracting to false skips it.
using TOnExtractEvent = std::function<void(vcl::TComponent* sender, const std::string& fileName,
                                           int32_t fileSize, bool& allowExtracting)>;
// Called after an extraction attempt.
using TOnExtractedEvent = std::function<void(vcl::TComponent* sender, const std::string& fileName,
                                             int32_t fileSize, bool successfully)>;

class TacFileStorage : public TacComponent {
public:
    explicit TacFileStorage(vcl::TComponent* owner);
    ~TacFileStorage() override;

    static const vcl::ClassInfo& StaticClassInfo();
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    // Number of files read from the last storage stream. Assignments are ignored.
    uint32_t Count() const { return count_; }
    void SetCount(uint32_t) {}
    // Sum of Size over the first Count files, wrapping above 4 GiB.
    // Assignments are ignored.
    uint32_t DataSize() const;
    void SetDataSize(uint32_t) {}

    // The automatic-extraction settings ("AutoExtract.Enabled",
    // "AutoExtract.ExtractTo.ToplevelDir", ...).
    TAutoExtract& AutoExtract() { return autoExtract_; }
    const TAutoExtract& AutoExtract() const { return autoExtract_; }

    // What the extraction and removal passes write to and delete from;
    // DefaultExtractionSystem() unless replaced, null for none (then the
    // passes do nothing).
    ExtractionSystem* GetExtractionSystem() const { return extractionSystem_; }
    void SetExtractionSystem(ExtractionSystem* system) { extractionSystem_ = system; }

    TacObjectList<TStoredFile>& Files() { return files_; }
    const TacObjectList<TStoredFile>& Files() const { return files_; }
    // Paths written by the extraction pass, for the removal pass.
    std::vector<std::string>& ExtractedFiles() { return extractedFiles_; }
    // Whether the last storage stream read had the signature; decides the
    // layout of its records.
    bool SignatureFound() const { return signatureFound_; }

    // Handler names as a definition stores them, and the handlers bound to them.
    const std::string& OnExtractName() const { return onExtractName_; }
    void SetOnExtractName(const std::string& name) { onExtractName_ = name; }
    const std::string& OnExtractedName() const { return onExtractedName_; }
    void SetOnExtractedName(const std::string& name) { onExtractedName_ = name; }
    TOnExtractEvent OnExtract;
    TOnExtractedEvent OnExtracted;

    // Declares "StoredData", with Count != 0 as its has-data flag.
    void DefineProperties(vcl::TFiler& filer) override;

    // Reads a storage stream of exactly the reader's bytes and appends its
    // files; Count becomes the count just read. A stream that is malformed
    // anywhere is an error, and then neither Files nor Count changes.
    vcl::Error ReadStoredData(vcl::ByteReader& in);
    // Writes the signature, Count and the first Count files.
    vcl::Error WriteStoredData(vcl::ByteWriter& out);

    // For tools that build a storage: appends a file with a copy of
    // `contents` and counts it, as if it had been read.
    vcl::Error AddStoredFile(const std::string& name, vcl::ByteView contents);

    void Loaded() override;

private:
    // In StorageExtraction.cpp.
    void RunExtractionPass();
    void RunRemovalPass();

    // Declared first: the settings outlive the files and the paths.
    TAutoExtract autoExtract_{this};
    ExtractionSystem* extractionSystem_ = DefaultExtractionSystem();
    TacObjectList<TStoredFile> files_{true};
    std::vector<std::string> extractedFiles_;
    std::string onExtractName_;
    std::string onExtractedName_;
    bool signatureFound_ = false;
    uint32_t count_ = 0;
};

} // namespace ac
