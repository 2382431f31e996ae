// The extraction pass (when the form definition has been read) and the
// removal pass (when the storage is destroyed). Both go through the
// storage's ExtractionSystem, so the rules here are the same everywhere.
#include "acFileStorage.h"

#include "syshelp/PathRules.h"
#include "vcl/ClassInfo.h"

namespace ac {

namespace {

bool ShouldExtract(ExtractionSystem& system, TacFileStorageOverwrite overwrite,
                   const std::string& path, uint32_t size) {
    switch (overwrite) {
    case TacFileStorageOverwrite::owAlways:
        return true;
    case TacFileStorageOverwrite::owNever:
        return !system.FileExists(path);
    case TacFileStorageOverwrite::owIfSizeDifferent:
        break;
    }
    if (!system.FileExists(path)) return true;
    try {
        // -1 (unreadable) never equals a stored size.
        const int64_t existing = system.FileSizeByName(path);
        return static_cast<uint64_t>(existing) != static_cast<uint64_t>(size);
    } catch (...) {
        // A size that cannot be had counts as different.
        return true;
    }
}

// Creates `path` and writes `size` bytes in one call. A file whose contents
// did not go out in full is closed and deleted, so no truncated program is
// left behind to be started later.
bool WriteWholeFile(ExtractionSystem& system, const std::string& path, const uint8_t* data,
                    uint32_t size) {
    std::unique_ptr<ExtractionFile> file = system.CreateAlways(path);
    if (!file) return false;
    uint32_t written = 0;
    const bool complete = file->Write(data, size, written) && written == size;
    file.reset();
    if (!complete) system.RemoveFile(path);
    return complete;
}

} // namespace

bool TStoredFile::Extract(const std::string& path, bool createPath) {
    vcl::TComponent* const sender = storage_ ? storage_->Owner() : nullptr;
    const auto fileSize = static_cast<int32_t>(Size());
    bool allow = true;
    if (storage_ && storage_->OnExtract) storage_->OnExtract(sender, path, fileSize, allow);
    if (!allow) return true;

    ExtractionSystem* const system =
        storage_ ? storage_->GetExtractionSystem() : DefaultExtractionSystem();
    bool success = false;
    if (system) {
        if (createPath && !system->FolderExists(acutils::FolderPart(path)))
            system->CreateFolderPath(path);
        success = WriteWholeFile(*system, path, contents_.Data(), contents_.Size());
    }
    if (success && storage_ && storage_->AutoExtract().RemoveOnTerminate())
        storage_->ExtractedFiles().push_back(path);

    if (storage_ && storage_->OnExtracted) storage_->OnExtracted(sender, path, fileSize, success);
    return success;
}

namespace {

// The folders a storage may write into but must never take away.
bool IsWellKnownFolder(ExtractionSystem& system, const std::string& folder) {
    const std::string wanted = acutils::EnsureTrailingBackslash(folder);
    const std::string known[] = {system.TempFolder(),
                                 system.WindowsFolder(),
                                 system.SystemFolder(),
                                 acutils::FolderPart(system.ProgramPath()),
                                 system.ShellFolder("Desktop"),
                                 system.ShellFolder("Personal"),
                                 system.ShellFolder("My Pictures"),
                                 system.ShellFolder("AppData")};
    for (const std::string& candidate : known)
        if (!candidate.empty() &&
            vcl::SameName(acutils::EnsureTrailingBackslash(candidate), wanted))
            return true;
    return false;
}

} // namespace

void TacFileStorage::RunExtractionPass() {
    if (!autoExtract_.Enabled() || Designing() || !extractionSystem_) return;
    // Handlers may add files while the pass runs: the count is read afresh.
    for (int i = 0; i < files_.Count(); ++i) {
        TStoredFile& file = *files_.Items(i);
        const std::string path =
            autoExtract_.ExtractTo().GetExtractFolder(*extractionSystem_) + file.Name();
        if (ShouldExtract(*extractionSystem_, autoExtract_.Overwrite(), path, file.Size()))
            file.Extract(path, autoExtract_.ExtractTo().CreatePath());
    }
}

void TacFileStorage::RunRemovalPass() {
    if (!autoExtract_.Enabled() || !autoExtract_.RemoveOnTerminate() || extractedFiles_.empty() ||
        !extractionSystem_)
        return;
    // Runs in the destructor: nothing may escape.
    try {
        // A file still in use stays where it is.
        for (const std::string& path : extractedFiles_)
            extractionSystem_->RemoveFile(path);
        // Only the first file's folder, only when nothing else is in it, and
        // never a folder the system or the user owns: an empty temporary
        // folder removed here breaks every program that writes to it next,
        // this launcher's next start included.
        const std::string folder = acutils::FolderPart(extractedFiles_.front());
        if (!IsWellKnownFolder(*extractionSystem_, folder) &&
            extractionSystem_->FolderIsEmpty(folder))
            extractionSystem_->RemoveFolder(folder);
    } catch (...) {
    }
}

} // namespace ac
