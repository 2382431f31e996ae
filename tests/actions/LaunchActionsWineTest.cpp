// The launch actions on the real registry and shell of the Wine prefix, with
// the recorder registered as browser and mail program: what the recorder was
// started with is what a user's browser or mail program would get.
#include "RecorderLog.h"
#include "RecorderRegistration.h"

#include "launcher/SetupProgram.h"
#include "launcher/WebPage.h"
#include "syshelp/Association.h"
#include "syshelp/MailLaunch.h"
#include "syshelp/PathRules.h"
#include "syshelp/Registry.h"
#include "syshelp/SystemInfo.h"
#include "syshelp/WebLaunch.h"

#include <windows.h>

#include <sddl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using recorder::RecordedCall;

const char PageAddress[] = "http://www.example.com/quietlock?lang=de&ref=logo";
const char SetupName[] = "qv_quietlocksetup_full.exe";
constexpr auto StartTimeout = 20s;
// How long a test waits to be sure that nothing was started.
constexpr auto QuietPeriod = 1500ms;

std::string ThisProgramsFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return acutils::FolderPart(path);
}

std::string TempFolder() {
    char path[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, path);
    return path;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// The shell that the launcher uses, with each request noted on its way
// through: the program asked for is seen even when it cannot be started.
class NotingShell final : public acutils::Shell {
public:
    intptr_t Execute(const acutils::ShellRequest& request) override {
        requests.push_back(request);
        return acutils::SystemShell().Execute(request);
    }
    std::vector<acutils::ShellRequest> requests;
};

// One scratch folder (with a blank in its name, as under "Program Files"),
// a copy of the recorder in it, the recorder registered, and a fresh log
// per test named by QL_RECORDER_LOG, which every program started inherits.
class LaunchActionsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new std::string(TempFolder() + "ql actions " +
                                  std::to_string(::GetCurrentProcessId()) + "\\");
        ASSERT_TRUE(::CreateDirectoryA(folder_->c_str(), nullptr));
        browser_ = new std::string(*folder_ + "Recorder Browser.exe");
        ASSERT_TRUE(::CopyFileA((ThisProgramsFolder() + "ql_recorder.exe").c_str(),
                                browser_->c_str(), TRUE));
    }
    static void TearDownTestSuite() {
        ::DeleteFileA(browser_->c_str());
        ::RemoveDirectoryA(folder_->c_str());
        delete browser_;
        delete folder_;
    }

    void SetUp() override {
        static int counter = 0;
        log = *folder_ + "log-" + std::to_string(++counter) + ".txt";
        ::SetEnvironmentVariableA("QL_RECORDER_LOG", log.c_str());
        registration.emplace(*browser_);
    }
    void TearDown() override {
        registration.reset();
        ::SetEnvironmentVariableA("QL_RECORDER_LOG", nullptr);
        ::DeleteFileA(log.c_str());
    }

    std::vector<RecordedCall> WaitForCalls(std::size_t count) {
        return recorder::WaitForRecordedCalls(log, count, StartTimeout);
    }
    std::vector<RecordedCall> CallsAfterQuietPeriod() {
        return recorder::WaitForRecordedCalls(log, 1, QuietPeriod);
    }
    // The recorder copy ran, with exactly these arguments after its name.
    void ExpectBrowserRanWith(const RecordedCall& call, const std::vector<std::string>& args) {
        EXPECT_EQ(Lower(call.program), Lower(*browser_));
        ASSERT_EQ(call.args.size(), args.size() + 1) << call.commandLine;
        for (std::size_t i = 0; i < args.size(); ++i)
            EXPECT_EQ(call.args[i + 1], args[i]) << call.commandLine;
    }

    static const std::string& Browser() { return *browser_; }
    static const std::string& Folder() { return *folder_; }

    std::string log;
    std::optional<recorder::ScopedRecorderRegistration> registration;
    NotingShell shell;

private:
    static std::string* folder_;
    static std::string* browser_;
};

std::string* LaunchActionsTest::folder_ = nullptr;
std::string* LaunchActionsTest::browser_ = nullptr;

// ---------------------------------------------------------------------------
// The logo: the registered HTML-file command, read as stored.

// A value of any type, written as raw bytes.
void SetCommandValue(DWORD type, const std::string& bytes) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command", 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    const LONG status =
        ::RegSetValueExA(key, "", 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                         static_cast<DWORD>(bytes.size()));
    ::RegCloseKey(key);
    ASSERT_EQ(status, ERROR_SUCCESS);
}

std::string Text(const std::string& text) {
    return text + '\0';
}

struct CommandRow {
    const char* name;
    DWORD type;
    // The stored bytes; "{browser}" stands for the recorder copy's path and
    // "{folder}" for its folder without the trailing backslash.
    std::string bytes;
    bool shellCalled;
    std::string program; // asked of the shell, with the same stand-ins
    bool browserRuns;
    friend void PrintTo(const CommandRow& r, std::ostream* os) { *os << r.name; }
};

std::string Fill(std::string text, const std::string& browser, const std::string& folder) {
    for (const auto& [mark, value] : {std::pair<std::string, std::string>{"{browser}", browser},
                                      std::pair<std::string, std::string>{"{folder}", folder}}) {
        for (auto pos = text.find(mark); pos != std::string::npos; pos = text.find(mark, pos))
            text.replace(pos, mark.size(), value);
    }
    return text;
}

class WebPageRegistryTest : public LaunchActionsTest,
                            public ::testing::WithParamInterface<CommandRow> {};

TEST_P(WebPageRegistryTest, StartsTheProgramBetweenTheFirstTwoQuotes) {
    const CommandRow& row = GetParam();
    const std::string folder = acutils::RemoveTrailingBackslash(Folder());
    ::SetEnvironmentVariableA("QL_RECORDER_DIR", folder.c_str());
    SetCommandValue(row.type, Fill(row.bytes, Browser(), folder));

    launcher::OpenWebPage(PageAddress, shell);

    if (!row.shellCalled) {
        EXPECT_TRUE(shell.requests.empty());
    } else {
        ASSERT_EQ(shell.requests.size(), 1u);
        EXPECT_EQ(shell.requests[0].file, Fill(row.program, Browser(), folder));
        EXPECT_EQ(shell.requests[0].parameters, PageAddress);
        EXPECT_EQ(shell.requests[0].show, SW_SHOW);
        EXPECT_EQ(shell.requests[0].owner.kind, acutils::ShellOwner::Kind::None);
    }
    if (row.browserRuns) {
        const auto calls = WaitForCalls(1);
        ASSERT_EQ(calls.size(), 1u);
        ExpectBrowserRanWith(calls[0], {PageAddress});
    } else {
        EXPECT_TRUE(CallsAfterQuietPeriod().empty());
    }
    ::SetEnvironmentVariableA("QL_RECORDER_DIR", nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    LaunchActions, WebPageRegistryTest,
    ::testing::Values(
        CommandRow{"QuotedProgramThenParameters", REG_SZ, Text("\"{browser}\" -nohome \"%1\""),
                   true, "{browser}", true},
        CommandRow{"QuotedProgramAlone", REG_SZ, Text("\"{browser}\""), true, "{browser}", true},
        CommandRow{"UnquotedProgramNoQuote", REG_SZ, Text("{browser} -nohome %1"), true, "", false},
        CommandRow{"OpeningQuoteOnly", REG_SZ, Text("\"{browser} -nohome %1"), true, "", false},
        CommandRow{"UnquotedProgramQuotedFirstParameter", REG_SZ,
                   Text("C:\\windows\\system32\\rundll32.exe \"{browser}\" %1"), true, "{browser}",
                   true},
        CommandRow{"DoubledQuotes", REG_SZ, Text("\"\"{browser}\"\""), true, "", false},
        CommandRow{"LoneQuoteAtTheEnd", REG_SZ, Text("{browser}\""), true, "", false},
        // Handed over unexpanded; the shell resolves the reference itself.
        CommandRow{"ExpandableStaysUnexpanded", REG_EXPAND_SZ,
                   Text("\"%QL_RECORDER_DIR%\\Recorder Browser.exe\" \"%1\""), true,
                   "%QL_RECORDER_DIR%\\Recorder Browser.exe", true},
        CommandRow{"TextEndsAtItsFirstZero", REG_SZ, Text("\"{browser}\"") + "\"C:\\x.exe\"", true,
                   "{browser}", true},
        CommandRow{"EmptyString", REG_SZ, Text(""), false, "", false},
        CommandRow{"StringOfNoBytes", REG_SZ, "", false, "", false},
        CommandRow{"Number", REG_DWORD, std::string("\x22\x00\x00\x00", 4), false, "", false},
        CommandRow{"BinaryHoldingACommand", REG_BINARY, Text("\"{browser}\""), false, "", false}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(LaunchActionsTest, WebPageWithoutCommandKeyOrValueDoesNothing) {
    // The key exists without a default value...
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command", 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ::RegDeleteValueA(key, "");
    ::RegCloseKey(key);
    launcher::OpenWebPage(PageAddress, shell);
    // ...and then does not exist at all.
    ASSERT_EQ(::RegDeleteTreeA(HKEY_CLASSES_ROOT, "htmlfile\\shell\\open\\command"), ERROR_SUCCESS);
    std::string unused;
    ASSERT_FALSE(acutils::ReadRegString(acutils::RegRoot::ClassesRoot,
                                        "htmlfile\\shell\\open\\command", "", unused));
    launcher::OpenWebPage(PageAddress, shell);

    EXPECT_TRUE(shell.requests.empty());
    EXPECT_TRUE(CallsAfterQuietPeriod().empty());
}

// The classes below HKEY_LOCAL_MACHINE are the machine's: a standard user
// may read them but not change them. The command key is given such rights
// (everyone: read) for the length of a scope, and full rights again after.
class ReadOnlyForEveryone {
public:
    explicit ReadOnlyForEveryone(const char* subKey) : subKey_(subKey) { Apply("D:P(A;;KR;;;WD)"); }
    ~ReadOnlyForEveryone() { Apply("D:(A;;KA;;;WD)"); }
    ReadOnlyForEveryone(const ReadOnlyForEveryone&) = delete;
    ReadOnlyForEveryone& operator=(const ReadOnlyForEveryone&) = delete;

private:
    void Apply(const char* sddl) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        ASSERT_TRUE(::ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1,
                                                                           &descriptor, nullptr));
        HKEY key = nullptr;
        LONG status = ::RegOpenKeyExA(HKEY_CLASSES_ROOT, subKey_, 0, WRITE_DAC, &key);
        if (status == ERROR_SUCCESS) {
            status = ::RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
            ::RegCloseKey(key);
        }
        ::LocalFree(descriptor);
        ASSERT_EQ(status, ERROR_SUCCESS);
    }
    const char* subKey_;
};

TEST_F(LaunchActionsTest, WebPageOpensForAUserWhoMayOnlyReadTheCommandKey) {
    const char commandKey[] = "htmlfile\\shell\\open\\command";
    SetCommandValue(REG_SZ, Text(recorder::RecorderOpenCommand(Browser())));
    {
        ReadOnlyForEveryone readOnly(commandKey);
        // The rights hold: asking for full access is refused.
        HKEY key = nullptr;
        ASSERT_EQ(::RegOpenKeyExA(HKEY_CLASSES_ROOT, commandKey, 0, KEY_ALL_ACCESS, &key),
                  ERROR_ACCESS_DENIED);

        launcher::OpenWebPage(PageAddress, shell);
    }
    ASSERT_EQ(shell.requests.size(), 1u);
    const auto calls = WaitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    ExpectBrowserRanWith(calls[0], {PageAddress});
}

// ---------------------------------------------------------------------------
// The support link: the exact "mailto:" text reaches the mail program.

TEST_F(LaunchActionsTest, MailLinkHandsTheMailProgramTheExactText) {
    acutils::OpenMailURL("support@example.com", "", "Frage an das Support-Team",
                         "Frage an das Support-Team", "", "", shell);
    const auto calls = WaitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    ExpectBrowserRanWith(calls[0], {"mailto:support@example.com?Subject=Frage an das Support-Team"
                                    "&Body=Frage an das Support-Team&CC=&BCC="});
}

TEST_F(LaunchActionsTest, MailWithNameCopiesAndLineBreakArrivesUnchanged) {
    acutils::OpenMailURL("support@example.com", "Support Team", "50% & mehr?", "Zeile 1\r\nZeile 2",
                         "cc@example.com", "bcc@example.com", shell);
    const auto calls = WaitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    ExpectBrowserRanWith(calls[0],
                         {"mailto:Support Team <support@example.com>?Subject=50% & mehr?"
                          "&Body=Zeile 1\r\nZeile 2&CC=cc@example.com&BCC=bcc@example.com"});
}

// ---------------------------------------------------------------------------
// Web links.

TEST_F(LaunchActionsTest, WebLinkInNewWindowStartsTheRegisteredBrowser) {
    const intptr_t result = acutils::OpenURL("www.example.com/page", true, SW_SHOWNORMAL, shell);
    EXPECT_GT(result, 32);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(Lower(shell.requests[0].file), Lower(Browser()));
    const auto calls = WaitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    ExpectBrowserRanWith(calls[0], {"http://www.example.com/page"});
}

TEST_F(LaunchActionsTest, WebLinkInSameWindowGoesThroughTheShellsHandler) {
    const intptr_t result =
        acutils::OpenURL("http://www.example.com/page", false, SW_SHOWMAXIMIZED, shell);
    EXPECT_GT(result, 32);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_EQ(shell.requests[0].file, "http://www.example.com/page");
    EXPECT_EQ(shell.requests[0].show, SW_SHOWNORMAL);
    // The handler registered for "http:" is the recorder as well.
    const auto calls = WaitForCalls(1);
    ASSERT_EQ(calls.size(), 1u);
    ExpectBrowserRanWith(calls[0], {"http://www.example.com/page"});
}

TEST_F(LaunchActionsTest, AssociatedProgramComesFromTheRealRegistry) {
    EXPECT_EQ(Lower(acutils::GetAssociatedProgram("html")), Lower(Browser()));
    EXPECT_EQ(Lower(acutils::GetAssociatedProgram(".html")), Lower(Browser()));
}

// ---------------------------------------------------------------------------
// The install button: the setup program in the temporary folder.

class SetupProgramTest : public LaunchActionsTest {
protected:
    void SetUp() override {
        LaunchActionsTest::SetUp();
        char previous[MAX_PATH] = {};
        const DWORD length = ::GetEnvironmentVariableA("TMP", previous, MAX_PATH);
        if (length > 0 && length < MAX_PATH) previousTmp = previous;
        temp = Folder() + "temp";
        ASSERT_TRUE(::CreateDirectoryA(temp.c_str(), nullptr));
        setup = temp + "\\" + SetupName;
        ASSERT_TRUE(::CopyFileA(Browser().c_str(), setup.c_str(), TRUE));
    }
    void TearDown() override {
        ::SetEnvironmentVariableA("TMP", previousTmp ? previousTmp->c_str() : nullptr);
        ::DeleteFileA(setup.c_str());
        ::RemoveDirectoryA(temp.c_str());
        LaunchActionsTest::TearDown();
    }
    std::optional<std::string> previousTmp;
    std::string temp;  // without a trailing backslash
    std::string setup; // the setup program's one right path
};

TEST_F(SetupProgramTest, TwoClicksStartTheSetupProgramTwiceFromTheTemporaryFolder) {
    for (const std::string& reported : {temp + "\\", temp + "\\\\"}) {
        SCOPED_TRACE("TMP=" + reported);
        ::DeleteFileA(log.c_str());
        shell.requests.clear();
        ::SetEnvironmentVariableA("TMP", reported.c_str());

        launcher::StartSetupProgram(nullptr, acutils::DirTemp(), SetupName, shell);
        launcher::StartSetupProgram(nullptr, acutils::DirTemp(), SetupName, shell);

        ASSERT_EQ(shell.requests.size(), 2u);
        for (const auto& request : shell.requests) {
            EXPECT_EQ(Lower(request.file), Lower(setup));
            EXPECT_EQ(request.show, SW_SHOW);
            EXPECT_EQ(request.parameters, "");
        }
        const auto calls = WaitForCalls(2);
        ASSERT_EQ(calls.size(), 2u);
        for (const auto& call : calls) {
            EXPECT_EQ(Lower(call.program), Lower(setup));
            EXPECT_EQ(call.args.size(), 1u) << call.commandLine;
        }
    }
}

TEST_F(SetupProgramTest, MissingSetupProgramStartsNothing) {
    ::SetEnvironmentVariableA("TMP", (temp + "\\").c_str());
    ASSERT_TRUE(::DeleteFileA(setup.c_str()));
    launcher::StartSetupProgram(nullptr, acutils::DirTemp(), SetupName, shell);
    ASSERT_EQ(shell.requests.size(), 1u);
    EXPECT_TRUE(CallsAfterQuietPeriod().empty());
}

} // namespace
