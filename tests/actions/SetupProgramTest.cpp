#include "ShellDoubles.h"

#include "launcher/SetupProgram.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace launcher {
namespace {

const char SetupName[] = "qv_quietlocksetup_full.exe";

struct PathCase {
    const char* name;
    std::string folder;
    std::string path;
    friend void PrintTo(const PathCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.folder);
    }
};

class SetupProgramPathTest : public ::testing::TestWithParam<PathCase> {};

TEST_P(SetupProgramPathTest, OneBackslashBetweenFolderAndName) {
    EXPECT_EQ(SetupProgramPath(GetParam().folder, SetupName), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    SetupProgram, SetupProgramPathTest,
    ::testing::Values(
        // As the temporary folder query gives it: without the backslash.
        PathCase{"Folder", "C:\\TEMP", "C:\\TEMP\\qv_quietlocksetup_full.exe"},
        PathCase{"DriveRoot", "C:", "C:\\qv_quietlocksetup_full.exe"},
        PathCase{"LongFolderWithBlanks", "C:\\Users\\Max M\\AppData\\Local\\Temp",
                 "C:\\Users\\Max M\\AppData\\Local\\Temp\\qv_quietlocksetup_full.exe"},
        // A folder still ending in a backslash gets no second one.
        PathCase{"TrailingBackslash", "C:\\TEMP\\", "C:\\TEMP\\qv_quietlocksetup_full.exe"}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(SetupProgram, StartsTheProgramOwnedByTheApplicationWindow) {
    acutils::testing::RecordingShell shell;
    shell.answer = 2; // missing file: the shell's to report
    int window = 0;
    StartSetupProgram(&window, "C:\\TEMP", SetupName, shell);
    StartSetupProgram(&window, "C:\\TEMP", SetupName, shell);

    acutils::ShellRequest expected;
    expected.owner = acutils::ShellOwner::OfWindow(&window);
    expected.operation = "open";
    expected.file = "C:\\TEMP\\qv_quietlocksetup_full.exe";
    expected.show = acutils::Show;
    ASSERT_EQ(shell.requests.size(), 2u); // each click starts it again
    EXPECT_EQ(shell.requests[0], expected);
    EXPECT_EQ(shell.requests[1], expected);
}

} // namespace
} // namespace launcher
