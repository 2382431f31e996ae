// TExtractTo: where a storage writes its files. A base folder chosen from a
// fixed list of well-known Windows folders, a subfolder below it, and whether
// missing folders are created before a file is written.
#pragma once

#include "ExtractionSystem.h"

#include "vcl/Persistent.h"

#include <cstdint>
#include <string>
#include <vector>

namespace ac {

// Stored in one byte; the order is the stored value.
enum class TacToplevelDir : uint8_t {
    tdCurrentDir,   // folder of the running program's file (not the current directory)
    tdWindowsDir,   // the Windows folder
    tdTempDir,      // the user's temporary folder
    tdSystemDir,    // the Windows system folder
    tdMediaDir,     // Windows folder + "MEDIA"
    tdCursorsDir,   // Windows folder + "CURSORS"
    tdHelpDir,      // Windows folder + "HELP"
    tdSamplesDir,   // Windows folder + "SAMPLES"
    tdDesktop,      // per-user shell folder "Desktop"
    tdProgramFiles, // drive of the Windows folder + "Program Files"
    tdMyDocuments,  // per-user shell folder "Personal"
    tdMyPictures,   // per-user shell folder "My Pictures"
    tdAppData,      // per-user shell folder "AppData"
    tdNone,         // no base folder: Subdirectory alone
};

// The identifiers a form definition uses, indexed by value.
const std::vector<std::string>& ToplevelDirNames();

// The extraction folder for `toplevelDir` and `subdirectory`, with the base
// folders taken from `folders`. With tdNone it is `subdirectory` verbatim;
// otherwise the base folder with one trailing backslash, then
// `subdirectory` without leading backslashes and with one trailing
// backslash. An empty base folder (an unreadable shell folder value) gives
// "\" followed by the subfolder: the root of the current drive.
std::string ComposeExtractFolder(TacToplevelDir toplevelDir, const std::string& subdirectory,
                                 BaseFolderSource& folders);

class TExtractTo : public vcl::TPersistent {
public:
    TExtractTo() = default;

    static const vcl::ClassInfo& StaticClassInfo();
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    bool CreatePath() const { return createPath_; }
    void SetCreatePath(bool createPath) { createPath_ = createPath; }
    TacToplevelDir ToplevelDir() const { return toplevelDir_; }
    void SetToplevelDir(TacToplevelDir toplevelDir) { toplevelDir_ = toplevelDir; }
    const std::string& Subdirectory() const { return subdirectory_; }
    void SetSubdirectory(const std::string& subdirectory) { subdirectory_ = subdirectory; }

    // The folder to which a stored file's name is appended. Asks the system
    // afresh on every call; creates nothing and never fails. Without a
    // system (the portable build) every base folder is empty.
    std::string GetExtractFolder() const;
    std::string GetExtractFolder(BaseFolderSource& folders) const;

private:
    // Its TAutoExtract turns this on when it creates it.
    bool createPath_ = false;
    TacToplevelDir toplevelDir_ = TacToplevelDir::tdCurrentDir;
    std::string subdirectory_;
};

} // namespace ac
