// GetExtractFolder on the real system: every base folder, asked of Wine's
// folders and of the per-user shell folder values of the test's prefix.
#include "WineSupport.h"

#include "storage/ExtractTo.h"

#include <gtest/gtest.h>

namespace storagetest {
namespace {

using ac::TacToplevelDir;

// Unique per run, so a value left from an earlier run cannot pass for ours.
std::string UniqueShellFolder(const char* leaf) {
    return "C:\\ql-shell-" + std::to_string(::GetCurrentProcessId()) + "\\" + leaf;
}

std::string FolderOf(const std::string& path) {
    return path.substr(0, path.find_last_of('\\') + 1);
}

class ExtractFolderOnWindows : public ::testing::Test {
protected:
    std::string Resolve(TacToplevelDir dir, const std::string& subdirectory) {
        ac::TExtractTo extractTo;
        extractTo.SetToplevelDir(dir);
        extractTo.SetSubdirectory(subdirectory);
        return extractTo.GetExtractFolder();
    }

    const std::string desktop = UniqueShellFolder("Desktop");
    const std::string documents = UniqueShellFolder("Documents\\");
    const std::string pictures = UniqueShellFolder("Pictures");
    const std::string appData = UniqueShellFolder("AppData");
    ShellFolderValue desktopValue{"Desktop", desktop};
    ShellFolderValue documentsValue{"Personal", documents};
    ShellFolderValue picturesValue{"My Pictures", pictures};
    ShellFolderValue appDataValue{"AppData", appData};
};

TEST_F(ExtractFolderOnWindows, EveryBaseFolderWithAndWithoutSubdirectory) {
    const std::string windows = WindowsFolderOfSystem();
    const struct {
        TacToplevelDir dir;
        std::string base;
    } bases[] = {
        {TacToplevelDir::tdCurrentDir, FolderOf(ProgramPathOfSystem())},
        {TacToplevelDir::tdWindowsDir, windows},
        {TacToplevelDir::tdTempDir, TempFolderOfSystem()},
        {TacToplevelDir::tdSystemDir, SystemFolderOfSystem()},
        {TacToplevelDir::tdMediaDir, windows + "MEDIA\\"},
        {TacToplevelDir::tdCursorsDir, windows + "CURSORS\\"},
        {TacToplevelDir::tdHelpDir, windows + "HELP\\"},
        {TacToplevelDir::tdSamplesDir, windows + "SAMPLES\\"},
        {TacToplevelDir::tdDesktop, desktop + "\\"},
        {TacToplevelDir::tdProgramFiles, windows.substr(0, 3) + "Program Files\\"},
        {TacToplevelDir::tdMyDocuments, documents},
        {TacToplevelDir::tdMyPictures, pictures + "\\"},
        {TacToplevelDir::tdAppData, appData + "\\"},
    };
    const struct {
        const char* subdirectory;
        const char* added;
    } subs[] = {
        {"", ""},   {"data\\", "data\\"}, {"\\Sub\\Dir", "Sub\\Dir\\"}, {"\\\\Sub", "Sub\\"},
        {"\\", ""},
    };
    ASSERT_EQ(std::size(bases), ac::ToplevelDirNames().size() - 1); // all but tdNone
    for (const auto& base : bases)
        for (const auto& sub : subs)
            EXPECT_EQ(Resolve(base.dir, sub.subdirectory), base.base + sub.added)
                << ac::ToplevelDirNames()[static_cast<size_t>(base.dir)] << " '" << sub.subdirectory
                << "'";
}

TEST_F(ExtractFolderOnWindows, NoneIsTheSubdirectoryVerbatim) {
    for (const char* sub : {"E:\\Out", "", "\\\\lead", "rel\\"})
        EXPECT_EQ(Resolve(TacToplevelDir::tdNone, sub), sub);
}

TEST_F(ExtractFolderOnWindows, CurrentDirIsTheProgramsFolderNotTheProcesssCurrentOne) {
    ScratchFolder scratch;
    char previous[MAX_PATH] = {};
    ASSERT_GT(::GetCurrentDirectoryA(MAX_PATH, previous), 0u);
    ASSERT_TRUE(::SetCurrentDirectoryA(scratch.Path().c_str()));
    const std::string resolved = Resolve(TacToplevelDir::tdCurrentDir, "");
    ::SetCurrentDirectoryA(previous);
    EXPECT_EQ(resolved, FolderOf(ProgramPathOfSystem()));
    EXPECT_NE(resolved, scratch.Path());
}

TEST_F(ExtractFolderOnWindows, UnreadableShellFolderValueGivesTheDriveRoot) {
    const struct {
        TacToplevelDir dir;
        const char* valueName;
    } cases[] = {
        {TacToplevelDir::tdDesktop, "Desktop"},
        {TacToplevelDir::tdMyDocuments, "Personal"},
        {TacToplevelDir::tdMyPictures, "My Pictures"},
        {TacToplevelDir::tdAppData, "AppData"},
    };
    for (const auto& c : cases) {
        ShellFolderValue missing(c.valueName, std::nullopt);
        EXPECT_EQ(Resolve(c.dir, ""), "\\") << c.valueName;
        EXPECT_EQ(Resolve(c.dir, "\\Sub"), "\\Sub\\") << c.valueName;
    }
}

} // namespace
} // namespace storagetest
