#include "Scratch.h"

#include "syshelp/FileSystem.h"
#include "syshelp/SystemFolders.h"
#include "syshelp/SystemInfo.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace acutils {
namespace {

using testing::ScratchFolder;

struct FolderQuery {
    const char* name;
    std::string (*query)();
    friend void PrintTo(const FolderQuery& q, std::ostream* os) { *os << q.name; }
};

class FolderQueryTest : public ::testing::TestWithParam<FolderQuery> {};

TEST_P(FolderQueryTest, NamesAnExistingFolderEndingInOneBackslash) {
    const std::string folder = GetParam().query();
    ASSERT_GE(folder.size(), 3u) << folder;
    EXPECT_EQ(folder.back(), '\\') << folder;
    EXPECT_NE(folder[folder.size() - 2], '\\') << folder;
    EXPECT_EQ(folder[1], ':') << folder;
    EXPECT_TRUE(FolderExists(folder)) << folder;
}

INSTANTIATE_TEST_SUITE_P(SystemFolders, FolderQueryTest,
                         ::testing::Values(FolderQuery{"Temp", &GetTempFolder},
                                           FolderQuery{"System", &GetSystemFolder},
                                           FolderQuery{"Windows", &GetWindowsFolder}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(SystemFolders, SystemFolderLiesInsideWindowsFolder) {
    const std::string windows = GetWindowsFolder();
    const std::string system = GetSystemFolder();
    ASSERT_GT(system.size(), windows.size());
    EXPECT_EQ(_strnicmp(system.c_str(), windows.c_str(), windows.size()), 0)
        << windows << " / " << system;
}

// The process's TMP and TEMP, restored when the test ends, so one case cannot
// leak its temporary folder into the next.
class TempEnvironment {
public:
    TempEnvironment() : tmp_(Get("TMP")), temp_(Get("TEMP")) {}
    ~TempEnvironment() {
        Set("TMP", tmp_);
        Set("TEMP", temp_);
    }
    static void SetBoth(const std::string& folder) {
        Set("TMP", folder);
        Set("TEMP", folder);
    }

private:
    static std::optional<std::string> Get(const char* name) {
        char buffer[32768];
        const DWORD length = ::GetEnvironmentVariableA(name, buffer, sizeof buffer);
        if (length == 0 || length >= sizeof buffer) return std::nullopt;
        return std::string(buffer, length);
    }
    static void Set(const char* name, const std::optional<std::string>& value) {
        ::SetEnvironmentVariableA(name, value ? value->c_str() : nullptr);
    }
    std::optional<std::string> tmp_;
    std::optional<std::string> temp_;
};

struct TempCase {
    const char* name;
    // The temporary folder handed to the process, given the scratch folder
    // (which ends in a backslash).
    std::string (*environment)(const std::string& scratch);
    std::string (*expectedTempFolder)(const std::string& scratch);
    std::string (*expectedDirTemp)(const std::string& scratch);
    friend void PrintTo(const TempCase& c, std::ostream* os) { *os << c.name; }
};

std::string Same(const std::string& s) {
    return s;
}
std::string WithoutBackslash(const std::string& s) {
    return s.substr(0, s.size() - 1);
}

class TempFolderTest : public ::testing::TestWithParam<TempCase> {
protected:
    ScratchFolder scratch;
    TempEnvironment environment;
};

TEST_P(TempFolderTest, FollowsTheProcessTemporaryFolder) {
    const TempCase& c = GetParam();
    TempEnvironment::SetBoth(c.environment(scratch.Path()));
    EXPECT_EQ(GetTempFolder(), c.expectedTempFolder(scratch.Path()));
    EXPECT_EQ(DirTemp(), c.expectedDirTemp(scratch.Path()));
}

INSTANTIATE_TEST_SUITE_P(
    SystemFolders, TempFolderTest,
    ::testing::Values(
        // C:\TEMP\ comes back unchanged and reads as C:\TEMP.
        TempCase{"EndsInBackslash", &Same, &Same, &WithoutBackslash},
        // The system adds the backslash that the setting lacks.
        TempCase{"NoBackslash", &WithoutBackslash, &Same, &WithoutBackslash},
        // A drive root reads as the two characters C and colon.
        TempCase{"DriveRoot", [](const std::string&) { return std::string("C:\\"); },
                 [](const std::string&) { return std::string("C:\\"); },
                 [](const std::string&) { return std::string("C:"); }},
        // A folder that does not fit the 260-character buffer is not cut
        // short: the query gives a single backslash, DirTemp an empty text.
        TempCase{"TooLongForTheBuffer",
                 [](const std::string& s) { return s + std::string(300, 'x') + "\\"; },
                 [](const std::string&) { return std::string("\\"); },
                 [](const std::string&) { return std::string(); }}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SystemFolders, DirTempIsAskedAfreshOnEveryRead) {
    ScratchFolder first;
    ScratchFolder second;
    TempEnvironment environment;
    TempEnvironment::SetBoth(first.Path());
    EXPECT_EQ(DirTemp(), WithoutBackslash(first.Path()));
    TempEnvironment::SetBoth(second.Path());
    EXPECT_EQ(DirTemp(), WithoutBackslash(second.Path()));
}

} // namespace
} // namespace acutils
