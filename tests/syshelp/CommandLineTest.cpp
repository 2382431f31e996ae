#include "syshelp/CommandLine.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace acutils {
namespace {

struct SplitCase {
    const char* name;
    std::string command;
    std::string program;
    std::string parameters;
    friend void PrintTo(const SplitCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.command);
    }
};

class SplitCommandLineTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommandLineTest, SplitsProgramFromParameters) {
    const SplitCase& c = GetParam();
    std::string command = c.command;
    std::string parameters = "stale";
    SplitCommandLine(command, parameters);
    EXPECT_EQ(command, c.program);
    EXPECT_EQ(parameters, c.parameters);
}

// The registered commands of real browsers and viewers, and the rules'
// corners: which quotes go, which separator wins, when a split is refused.
INSTANTIATE_TEST_SUITE_P(
    CommandLine, SplitCommandLineTest,
    ::testing::Values(
        SplitCase{"QuotedProgramDashParameter",
                  "\"C:\\Program Files\\Browser\\browser.exe\" -nohome",
                  "C:\\Program Files\\Browser\\browser.exe", "-nohome"},
        SplitCase{"QuotedProgramQuotedPlaceholder", "\"C:\\Browser\\browser.exe\" \"%1\"",
                  "C:\\Browser\\browser.exe", "%1"},
        SplitCase{"ShortNamesDashThenQuotedPlaceholder",
                  "C:\\PROGRA~1\\BROWSER\\BROWSER.EXE -url \"%1\"",
                  "C:\\PROGRA~1\\BROWSER\\BROWSER.EXE", "-url \"%1\""},
        SplitCase{"UnquotedProgramQuotedPlaceholder", "C:\\Browser\\browser.exe \"%1\"",
                  "C:\\Browser\\browser.exe", "\"%1\""},
        SplitCase{"DashInsideTheProgramsPath", "C:\\My -Tools\\viewer.exe",
                  "C:\\My -Tools\\viewer.exe", ""},
        SplitCase{"ProgramWithoutExtension", "browser -url %1", "browser", "-url %1"},
        SplitCase{"Rundll", "rundll32.exe viewer.dll,OpenPage %1", "rundll32.exe",
                  "viewer.dll,OpenPage %1"},
        SplitCase{"RundllInAFolder", "C:\\WINDOWS\\rundll32.exe viewer.dll,OpenPage %1",
                  "C:\\WINDOWS\\rundll32.exe", "viewer.dll,OpenPage %1"},
        SplitCase{"OnlyBlanks", "   \t ", "", ""}, SplitCase{"Empty", "", "", ""},
        SplitCase{"ControlCharactersTrimmed", "\r\n\t browser.exe\x01 \r\n", "browser.exe", ""},
        SplitCase{"QuotedWithoutClosingQuote", "\"C:\\Browser\\browser.exe -nohome",
                  "C:\\Browser\\browser.exe -nohome", ""},
        SplitCase{"QuotedProgramAlone", "\"C:\\Browser\\browser.exe\"", "C:\\Browser\\browser.exe",
                  ""},
        SplitCase{"QuotedProgramOneCharacterAfter", "\"C:\\b.exe\"x", "C:\\b.exe", ""},
        // The character right after the closing quote belongs to neither part.
        SplitCase{"NoBlankAfterClosingQuote", "\"C:\\b.exe\"-nohome", "C:\\b.exe", "nohome"},
        // Only the first two quotes of the parameters go, wherever they are.
        SplitCase{"AtMostTwoQuotesRemoved", "\"C:\\b.exe\" -a \"x\" \"y\"", "C:\\b.exe",
                  "-a x \"y\""},
        SplitCase{"EmptyQuotes", "\"\" \"C:\\b.exe\"", "", "C:\\b.exe"},
        SplitCase{"SlashParameter", "C:\\Viewer\\viewer.exe /open %1", "C:\\Viewer\\viewer.exe",
                  "/open %1"},
        SplitCase{"BackslashParameter", "viewer.exe \\\\server\\page", "viewer.exe",
                  "\\\\server\\page"},
        // The comma itself is dropped; the other separators stay with the
        // parameters.
        SplitCase{"CommaParameter", "viewer.exe,%1", "viewer.exe", "%1"},
        SplitCase{"PercentParameter", "C:\\Viewer\\viewer.exe %1", "C:\\Viewer\\viewer.exe", "%1"},
        // " -" is tried before " /" even when the slash comes first.
        SplitCase{"SeparatorOrderBeatsPosition", "viewer.exe /a -b", "viewer.exe /a", "-b"},
        // A refused split lets the next separator try.
        SplitCase{"RefusedSplitThenNext", "C:\\My -Tools\\viewer.exe /open",
                  "C:\\My -Tools\\viewer.exe", "/open"},
        SplitCase{"BlankOnlyIsNoSeparator", "C:\\Program Files\\viewer.exe",
                  "C:\\Program Files\\viewer.exe", ""},
        SplitCase{"RundllWithoutBlank", "C:\\x\\rundll32.dll,Entry", "C:\\x\\rundll32.dll,Entry",
                  ""},
        SplitCase{"UpperCaseRundll", "RUNDLL32.EXE VIEWER.DLL,Open", "RUNDLL32.EXE",
                  "VIEWER.DLL,Open"},
        SplitCase{"DllWithoutRundll", "host.exe viewer.dll,Open", "host.exe viewer.dll", "Open"}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace acutils
