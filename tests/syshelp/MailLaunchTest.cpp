#include "ShellDoubles.h"

#include "syshelp/MailLaunch.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace acutils {
namespace {

struct MailCase {
    const char* name;
    std::string address, person, subject, body, cc, bcc;
    std::string expected;
    friend void PrintTo(const MailCase& c, std::ostream* os) { *os << c.name; }
};

class ComposeMailURLTest : public ::testing::TestWithParam<MailCase> {};

TEST_P(ComposeMailURLTest, JoinsThePartsUnescaped) {
    const MailCase& c = GetParam();
    EXPECT_EQ(ComposeMailURL(c.address, c.person, c.subject, c.body, c.cc, c.bcc), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    MailLaunch, ComposeMailURLTest,
    ::testing::Values(
        MailCase{"LaunchersOwnLink", "support@example.com", "", "Frage an das Support-Team",
                 "Frage an das Support-Team", "", "",
                 "mailto:support@example.com?Subject=Frage an das Support-Team"
                 "&Body=Frage an das Support-Team&CC=&BCC="},
        MailCase{"WithName", "support@example.com", "Support Team", "S", "B", "", "",
                 "mailto:Support Team <support@example.com>?Subject=S&Body=B&CC=&BCC="},
        MailCase{"AllEmpty", "", "", "", "", "", "", "mailto:?Subject=&Body=&CC=&BCC="},
        MailCase{"Copies", "a@example.com", "", "", "", "c@example.com", "d@example.com",
                 "mailto:a@example.com?Subject=&Body=&CC=c@example.com&BCC=d@example.com"},
        MailCase{"LineBreakAndSpecialCharacters", "a@example.com", "", "50% & more?",
                 "Zeile 1\r\nZeile 2", "", "",
                 "mailto:a@example.com?Subject=50% & more?&Body=Zeile 1\r\nZeile 2&CC=&BCC="},
        MailCase{"EightBitText", "a@example.com", "J\xfcrgen",
                 "Gr\xfc\xdf"
                 "e",
                 "", "", "",
                 "mailto:J\xfcrgen <a@example.com>?Subject=Gr\xfc\xdf"
                 "e&Body=&CC=&BCC="}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(MailLaunch, OpenMailURLHandsTheTextToTheShell) {
    testing::RecordingShell shell;
    shell.answer = 2; // no mail program registered: nothing happens
    OpenMailURL("support@example.com", "", "Frage", "Text", "", "", shell);

    ShellRequest expected;
    expected.owner = ShellOwner::DesktopWindow();
    expected.operation = "open";
    expected.file = "mailto:support@example.com?Subject=Frage&Body=Text&CC=&BCC=";
    expected.show = ShowNormal;
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0], expected);
}

} // namespace
} // namespace acutils
