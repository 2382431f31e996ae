#include "ExtractTo.h"

#include "syshelp/PathRules.h"
#include "vcl/ClassInfo.h"

namespace ac {

namespace {

// The portable build has no system to ask: every base folder is empty.
class NoBaseFolders : public BaseFolderSource {
public:
    std::string WindowsFolder() override { return {}; }
    std::string SystemFolder() override { return {}; }
    std::string TempFolder() override { return {}; }
    std::string ProgramPath() override { return {}; }
    std::string ShellFolder(const std::string&) override { return {}; }
};

std::string BaseFolder(TacToplevelDir toplevelDir, BaseFolderSource& folders) {
    switch (toplevelDir) {
    case TacToplevelDir::tdCurrentDir:
        return acutils::FolderPart(folders.ProgramPath());
    case TacToplevelDir::tdWindowsDir:
        return folders.WindowsFolder();
    case TacToplevelDir::tdTempDir:
        return folders.TempFolder();
    case TacToplevelDir::tdSystemDir:
        return folders.SystemFolder();
    case TacToplevelDir::tdMediaDir:
        return folders.WindowsFolder() + "MEDIA";
    case TacToplevelDir::tdCursorsDir:
        return folders.WindowsFolder() + "CURSORS";
    case TacToplevelDir::tdHelpDir:
        return folders.WindowsFolder() + "HELP";
    case TacToplevelDir::tdSamplesDir:
        return folders.WindowsFolder() + "SAMPLES";
    case TacToplevelDir::tdDesktop:
        return folders.ShellFolder("Desktop");
    case TacToplevelDir::tdProgramFiles:
        // Drive letter, colon and backslash; the English name on every system.
        return folders.WindowsFolder().substr(0, 3) + "Program Files";
    case TacToplevelDir::tdMyDocuments:
        return folders.ShellFolder("Personal");
    case TacToplevelDir::tdMyPictures:
        return folders.ShellFolder("My Pictures");
    case TacToplevelDir::tdAppData:
        return folders.ShellFolder("AppData");
    case TacToplevelDir::tdNone:
        break;
    }
    return {};
}

} // namespace

const std::vector<std::string>& ToplevelDirNames() {
    static const std::vector<std::string> names = {
        "tdCurrentDir",  "tdWindowsDir", "tdTempDir",    "tdSystemDir", "tdMediaDir",
        "tdCursorsDir",  "tdHelpDir",    "tdSamplesDir", "tdDesktop",   "tdProgramFiles",
        "tdMyDocuments", "tdMyPictures", "tdAppData",    "tdNone"};
    return names;
}

std::string ComposeExtractFolder(TacToplevelDir toplevelDir, const std::string& subdirectory,
                                 BaseFolderSource& folders) {
    if (toplevelDir == TacToplevelDir::tdNone) return subdirectory;
    // The trailing backslash first, so that a Subdirectory of backslashes
    // alone adds nothing.
    const std::string sub =
        acutils::StripLeadingChars(acutils::EnsureTrailingBackslash(subdirectory), '\\');
    return acutils::EnsureTrailingBackslash(BaseFolder(toplevelDir, folders)) + sub;
}

const vcl::ClassInfo& TExtractTo::StaticClassInfo() {
    static const vcl::ClassInfo info(
        "TExtractTo", &vcl::TPersistent::StaticClassInfo(), nullptr, [](vcl::PropertyList& p) {
            p.Boolean<TExtractTo>("CreatePath", &TExtractTo::CreatePath, &TExtractTo::SetCreatePath,
                                  true);
            p.Enum<TExtractTo, TacToplevelDir>(
                "ToplevelDir", "TacToplevelDir", &TExtractTo::ToplevelDir,
                &TExtractTo::SetToplevelDir, TacToplevelDir::tdCurrentDir, ToplevelDirNames());
            p.String<TExtractTo>("Subdirectory", &TExtractTo::Subdirectory,
                                 &TExtractTo::SetSubdirectory);
        });
    return info;
}

std::string TExtractTo::GetExtractFolder() const {
    if (ExtractionSystem* system = DefaultExtractionSystem()) return GetExtractFolder(*system);
    NoBaseFolders none;
    return GetExtractFolder(none);
}

std::string TExtractTo::GetExtractFolder(BaseFolderSource& folders) const {
    return ComposeExtractFolder(toplevelDir_, subdirectory_, folders);
}

} // namespace ac
