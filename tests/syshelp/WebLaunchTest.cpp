#include "ShellDoubles.h"

#include "syshelp/WebLaunch.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace acutils {
namespace {

struct UrlCase {
    const char* name;
    std::string address;
    bool newWindow;
    bool browserRegistered;
    int show;
    std::string file;
    std::string parameters;
    int shownWith;
    friend void PrintTo(const UrlCase& c, std::ostream* os) { *os << c.name; }
};

const char BrowserPath[] = "C:\\Program Files\\Browser\\browser.exe";
const int ShowMaximized = 3;

class OpenURLTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(OpenURLTest, OpensInTheBrowserOrThroughTheShell) {
    const UrlCase& c = GetParam();
    testing::MemoryRegistry registry;
    if (c.browserRegistered) {
        registry.SetDefault(".html", "htmlfile");
        registry.SetDefault("htmlfile\\shell\\open\\command",
                            std::string("\"") + BrowserPath + "\" -nohome \"%1\"");
    }
    testing::RecordingShell shell;
    shell.answer = 42;

    EXPECT_EQ(OpenURL(c.address, c.newWindow, c.show, shell, registry), 42);

    ShellRequest expected;
    expected.owner = ShellOwner::DesktopWindow();
    expected.operation = "open";
    expected.file = c.file;
    expected.parameters = c.parameters;
    expected.show = c.shownWith;
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0], expected);
}

INSTANTIATE_TEST_SUITE_P(
    WebLaunch, OpenURLTest,
    ::testing::Values(
        // New window: the browser, with the address alone as parameters and
        // the caller's show command.
        UrlCase{"NewWindowStartsTheBrowser", "http://www.example.com/a b", true, true,
                ShowMaximized, BrowserPath, "http://www.example.com/a b", ShowMaximized},
        UrlCase{"NewWindowCompletesTheAddress", "www.example.com", true, true, ShowNormal,
                BrowserPath, "http://www.example.com", ShowNormal},
        // Otherwise the address itself, always shown normally.
        UrlCase{"SameWindowHandsTheAddressToTheShell", "https://www.example.com/", false, true,
                ShowMaximized, "https://www.example.com/", "", ShowNormal},
        UrlCase{"NoBrowserFallsBackToTheShell", "www.example.com", true, false, ShowMaximized,
                "http://www.example.com", "", ShowNormal},
        UrlCase{"SchemeAnywhereCounts", "see ftp://files.example.com", false, false, ShowNormal,
                "see ftp://files.example.com", "", ShowNormal},
        UrlCase{"MailAddressGetsHttp", "mailto:a@example.com", false, false, ShowNormal,
                "http://mailto:a@example.com", "", ShowNormal},
        UrlCase{"EmptyAddress", "", false, false, ShowNormal, "http://", "", ShowNormal}),
    [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace acutils
