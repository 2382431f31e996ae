// The link label's click and its looks: what a click hands to the shell for
// each kind of link, and when entering, pressing and leaving redraw it.

#include "controls/acURLLabel.h"
#include "tests/syshelp/ShellDoubles.h"

#include <gtest/gtest.h>

#include <cctype>
#include <stdexcept>
#include <string>

namespace vcl {
namespace {

using acutils::ShellOwner;
using acutils::ShellRequest;
using acutils::testing::MemoryRegistry;
using acutils::testing::RecordingShell;

// A test's name: the letters and digits of its description.
template <typename Case> std::string CaseName(const ::testing::TestParamInfo<Case>& test) {
    std::string name;
    for (const char* c = test.param.what; *c; ++c)
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
    return name;
}

ShellRequest Open(ShellOwner owner, const std::string& file, const std::string& parameters,
                  int show) {
    ShellRequest request;
    request.owner = owner;
    request.operation = "open";
    request.file = file;
    request.parameters = parameters;
    request.show = show;
    return request;
}

struct ClickCase {
    const char* what;
    TacURLKind kind;
    const char* caption;
    const char* address; // Email.Address
    const char* name;    // Email.Name
    const char* url;
    bool newWindow;
    bool browserRegistered;
    ShellRequest expected;
};

class LinkClick : public ::testing::TestWithParam<ClickCase> {};

TEST_P(LinkClick, HandsTheShellTheLinkOfItsKind) {
    const ClickCase& c = GetParam();
    TacURLLabel link(nullptr);
    link.SetKind(c.kind);
    link.SetCaption(c.caption);
    link.Email().SetAddress(c.address);
    link.Email().SetName(c.name);
    link.Email().SetSubject("Frage an das Support-Team");
    link.Email().SetMessage("Zeile 1\r\nZeile & 2");
    link.SetURL(c.url);
    link.SetURLInNewWindow(c.newWindow);

    MemoryRegistry registry;
    if (c.browserRegistered) {
        registry.SetDefault(".html", "htmlfile");
        registry.SetDefault("htmlfile\\shell\\open\\command",
                            "\"C:\\Browser\\browser.exe\" -nohome \"%1\"");
    }
    RecordingShell shell;
    link.ClickLink(shell, registry);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0], c.expected);
}

const std::string kMailTail =
    "?Subject=Frage an das Support-Team&Body=Zeile 1\r\nZeile & 2&CC=&BCC=";
const ShellOwner kDesktop = ShellOwner::DesktopWindow();

INSTANTIATE_TEST_SUITE_P(
    Kinds, LinkClick,
    ::testing::Values(
        ClickCase{"mail to the address", TacURLKind::ukEmail, "caption@example.org",
                  "support@ardenvale.example", "", "http://ignored.example", true, true,
                  Open(kDesktop, "mailto:support@ardenvale.example" + kMailTail, "", 1)},
        ClickCase{"mail to the caption when the address is empty", TacURLKind::ukEmail,
                  "caption@example.org", "", "", "", true, false,
                  Open(kDesktop, "mailto:caption@example.org" + kMailTail, "", 1)},
        ClickCase{"mail with a name", TacURLKind::ukEmail, "", "a@example.org", "Team A", "", false,
                  false, Open(kDesktop, "mailto:Team A <a@example.org>" + kMailTail, "", 1)},
        ClickCase{"web link in a new browser window", TacURLKind::ukWWW, "caption.example", "", "",
                  "www.ardenvale.example/x?a=1&b=2", true, true,
                  Open(kDesktop, "C:\\Browser\\browser.exe",
                       "http://www.ardenvale.example/x?a=1&b=2", 1)},
        ClickCase{"web link to the caption when URL is empty", TacURLKind::ukWWW,
                  "https://caption.example/", "", "", "", true, true,
                  Open(kDesktop, "C:\\Browser\\browser.exe", "https://caption.example/", 1)},
        ClickCase{"web link through the shell's handler", TacURLKind::ukWWW, "", "", "",
                  "https://www.ardenvale.example/", false, true,
                  Open(kDesktop, "https://www.ardenvale.example/", "", 1)},
        ClickCase{"web link without a registered browser", TacURLKind::ukWWW, "", "", "",
                  "www.ardenvale.example", true, false,
                  Open(kDesktop, "http://www.ardenvale.example", "", 1)}),
    CaseName<ClickCase>);

TEST(LinkClickOrder, RunsOnClickBeforeOpeningAndStopsWhenItFails) {
    TacURLLabel link(nullptr);
    link.SetKind(TacURLKind::ukEmail);
    link.SetCaption("support@ardenvale.example");
    RecordingShell shell;
    MemoryRegistry registry;
    std::size_t requestsSeenByOnClick = 99;
    link.OnClick = [&](TComponent* sender) {
        EXPECT_EQ(sender, &link);
        requestsSeenByOnClick = shell.requests.size();
    };
    link.ClickLink(shell, registry);
    EXPECT_EQ(requestsSeenByOnClick, 0u);
    EXPECT_EQ(shell.requests.size(), 1u);

    link.OnClick = [](TComponent*) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(link.ClickLink(shell, registry), std::runtime_error);
    EXPECT_EQ(shell.requests.size(), 1u) << "a failed OnClick opens nothing";
}

struct RedrawCase {
    const char* what;
    bool hoverUsed;
    TColor hoverColor;
    uint32_t hoverStyle;
    bool clickUsed;
    bool redrawOnEnter;
    bool redrawOnPress;
};

class LinkRedraw : public ::testing::TestWithParam<RedrawCase> {};

// The label's font is blue and underlined, as in the launcher window.
TEST_P(LinkRedraw, RedrawsOnlyWhenTheLookChanges) {
    const RedrawCase& c = GetParam();
    TacURLLabel link(nullptr);
    link.Font().SetColor(clBlue);
    link.Font().SetStyle(fsUnderline);
    link.FontHover().SetUsed(c.hoverUsed);
    link.FontHover().SetColor(c.hoverColor);
    link.FontHover().SetStyle(c.hoverStyle);
    link.FontClick().SetUsed(c.clickUsed);
    link.FontClick().SetColor(clGreen);

    EXPECT_EQ(link.SetState(LinkState::Hover), c.redrawOnEnter) << "enter";
    EXPECT_EQ(link.SetState(LinkState::Pressed), c.redrawOnPress) << "press";
    // Released over the label: back to the hover look.
    EXPECT_EQ(link.SetState(LinkState::Hover), c.redrawOnPress) << "release";
    EXPECT_EQ(link.SetState(LinkState::Rest), c.redrawOnEnter) << "leave";
    EXPECT_EQ(link.DrawingFont().Color(), clBlue);
}

INSTANTIATE_TEST_SUITE_P(
    Variants, LinkRedraw,
    ::testing::Values(
        RedrawCase{"red hover, no click variant", true, clRed, fsUnderline, false, true, false},
        RedrawCase{"hover not used", false, clRed, fsUnderline, false, false, false},
        RedrawCase{"hover same colour and style", true, clBlue, fsUnderline, false, false, false},
        RedrawCase{"hover differs in style only", true, clBlue, 0, false, true, false},
        RedrawCase{"green click variant", true, clRed, fsUnderline, true, true, true}),
    CaseName<RedrawCase>);

TEST(LinkCursor, KeepsTheHandWhileHeldUnlessCursorClickDiffers) {
    TacURLLabel link(nullptr);
    link.SetCursor(crLinkSelect);
    EXPECT_EQ(link.CurrentCursor(), crLinkSelect);
    link.SetState(LinkState::Pressed);
    EXPECT_EQ(link.CurrentCursor(), crLinkSelect);
    link.SetCursorClick(crHandPoint);
    EXPECT_EQ(link.CurrentCursor(), crHandPoint);
    link.SetState(LinkState::Hover);
    EXPECT_EQ(link.CurrentCursor(), crLinkSelect);
}

} // namespace
} // namespace vcl
