#include "ShellDoubles.h"

#include "launcher/WebPage.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace launcher {
namespace {

using acutils::ShellOwner;
using acutils::ShellRequest;
using acutils::testing::MemoryRegistry;
using acutils::testing::RecordingShell;

const char PageAddress[] = "http://www.example.com/quietlock?lang=de&x=\"1\"";

struct CommandCase {
    const char* name;
    std::string command;
    std::string program;
    friend void PrintTo(const CommandCase& c, std::ostream* os) {
        *os << ::testing::PrintToString(c.command);
    }
};

class WebPageCommandTest : public ::testing::TestWithParam<CommandCase> {};

// Whatever the registered command looks like, the shell gets the text
// between its first two quotes as the program and the page address, as it
// stands, as the only parameters.
TEST_P(WebPageCommandTest, OpensTheQuotedProgramWithThePageAddress) {
    const CommandCase& c = GetParam();
    MemoryRegistry registry;
    registry.SetDefault("htmlfile\\shell\\open\\command", c.command);
    RecordingShell shell;
    shell.answer = 2; // a failing shell changes nothing

    OpenWebPage(PageAddress, shell, registry);

    ShellRequest expected;
    expected.owner = ShellOwner::NoWindow();
    expected.operation = "open";
    expected.file = c.program;
    expected.parameters = PageAddress;
    expected.show = acutils::Show;
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0], expected);
    EXPECT_EQ(ProgramOfOpenCommand(c.command), c.program);
}

INSTANTIATE_TEST_SUITE_P(
    WebPage, WebPageCommandTest,
    ::testing::Values(
        CommandCase{"QuotedProgramWithParameters",
                    "\"C:\\Program Files\\Browser\\browser.exe\" -nohome \"%1\"",
                    "C:\\Program Files\\Browser\\browser.exe"},
        CommandCase{"QuotedProgramAlone", "\"C:\\Program Files\\Browser\\browser.exe\"",
                    "C:\\Program Files\\Browser\\browser.exe"},
        CommandCase{"UnquotedProgramNoQuoteAnywhere", "C:\\Browser\\browser.exe -nohome %1", ""},
        CommandCase{"OpeningQuoteOnly", "\"C:\\Program Files\\Browser\\browser.exe -nohome %1", ""},
        CommandCase{"UnquotedProgramQuotedParameter", "C:\\Browser\\browser.exe \"%1\"", "%1"},
        CommandCase{"DoubledQuotes", "\"\"C:\\Browser\\browser.exe\"\"", ""},
        CommandCase{"LoneQuoteAtTheEnd", "C:\\Browser\\browser.exe\"", ""},
        CommandCase{"EnvironmentReferenceStays",
                    "\"%ProgramFiles%\\Browser\\browser.exe\" -nohome \"%1\"",
                    "%ProgramFiles%\\Browser\\browser.exe"},
        CommandCase{"BlanksAroundStay", "  \" C:\\b.exe \"  %1", " C:\\b.exe "}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(WebPage, NoCommandNoShellCall) {
    RecordingShell shell;
    MemoryRegistry missingKey;
    OpenWebPage(PageAddress, shell, missingKey);

    MemoryRegistry keyWithoutValue;
    keyWithoutValue.AddKey("htmlfile\\shell\\open\\command");
    OpenWebPage(PageAddress, shell, keyWithoutValue);

    MemoryRegistry emptyValue;
    emptyValue.SetDefault("htmlfile\\shell\\open\\command", "");
    OpenWebPage(PageAddress, shell, emptyValue);

    // Only the HTML-file class counts, not what ".html" names.
    MemoryRegistry otherClass;
    otherClass.SetDefault(".html", "otherfile");
    otherClass.SetDefault("otherfile\\shell\\open\\command", "\"C:\\b.exe\" %1");
    OpenWebPage(PageAddress, shell, otherClass);

    EXPECT_TRUE(shell.requests.empty());
}

TEST(WebPage, EachClickReadsTheCommandAfresh) {
    MemoryRegistry registry;
    RecordingShell shell;
    registry.SetDefault("htmlfile\\shell\\open\\command", "\"C:\\first.exe\" %1");
    OpenWebPage(PageAddress, shell, registry);
    registry.SetDefault("htmlfile\\shell\\open\\command", "\"C:\\second.exe\" %1");
    OpenWebPage(PageAddress, shell, registry);
    ASSERT_EQ(shell.requests.size(), 2u);
    EXPECT_EQ(shell.requests[0].file, "C:\\first.exe");
    EXPECT_EQ(shell.requests[1].file, "C:\\second.exe");
}

} // namespace
} // namespace launcher
