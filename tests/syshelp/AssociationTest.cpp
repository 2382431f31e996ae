#include "ShellDoubles.h"

#include "syshelp/Association.h"

#include <gtest/gtest.h>

#include <string>

namespace acutils {
namespace {

using testing::MemoryRegistry;

const char Browser[] = "\"C:\\Program Files\\Browser\\browser.exe\" -nohome \"%1\"";

// .html -> htmlfile, with verbs and their commands as each test needs them.
class AssociationTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.SetDefault(".html", "htmlfile");
        registry.SetDefault("htmlfile", "HTML-Dokument");
    }
    void Verb(const std::string& verb, const std::string& command) {
        registry.SetDefault("htmlfile\\shell\\" + verb + "\\command", command);
    }
    MemoryRegistry registry;
};

TEST_F(AssociationTest, OpenCommandGivesTheProgramWithoutParameters) {
    Verb("open", Browser);
    EXPECT_EQ(GetAssociatedProgram("html", registry), "C:\\Program Files\\Browser\\browser.exe");
    EXPECT_EQ(GetAssociatedProgram(".html", registry), "C:\\Program Files\\Browser\\browser.exe");
}

TEST_F(AssociationTest, EmptyOrBareExtensionGivesNothing) {
    Verb("open", Browser);
    registry.SetDefault(".", "htmlfile");
    registry.SetDefault("", "htmlfile");
    EXPECT_EQ(GetAssociatedProgram("", registry), "");
    EXPECT_EQ(GetAssociatedProgram(".", registry), "");
}

TEST_F(AssociationTest, MissingOrEmptyClassGivesNothing) {
    Verb("open", Browser);
    EXPECT_EQ(GetAssociatedProgram("htm", registry), ""); // no .htm key
    registry.SetDefault(".htm", "");
    EXPECT_EQ(GetAssociatedProgram("htm", registry), "");
    registry.SetDefault(".htm", "missingclass");
    EXPECT_EQ(GetAssociatedProgram("htm", registry), "");
}

TEST_F(AssociationTest, AClassWithoutDefaultValueStillCounts) {
    registry.SetDefault(".xhtml", "xhtmlfile");
    registry.SetDefault("xhtmlfile\\shell\\open\\command", Browser);
    EXPECT_EQ(GetAssociatedProgram("xhtml", registry), "C:\\Program Files\\Browser\\browser.exe");
}

TEST_F(AssociationTest, EmptyOpenCommandEndsTheSearch) {
    Verb("open", "");
    Verb("edit", "C:\\Editor\\editor.exe %1");
    EXPECT_EQ(GetAssociatedProgram("html", registry), "");
}

TEST_F(AssociationTest, WithoutOpenTheFirstVerbNamedLikeOpenWins) {
    Verb("print", "C:\\Printer\\print.exe %1");
    Verb("opennew", "\"C:\\Browser\\browser.exe\" -new \"%1\"");
    Verb("Open2", "C:\\Other\\other.exe %1");
    EXPECT_EQ(GetAssociatedProgram("html", registry), "C:\\Browser\\browser.exe");
}

TEST_F(AssociationTest, ACaseDifferentOpenVerbIsTheOpenKey) {
    // Registry key names ignore case; here the verb is only found by the
    // search, since the memory registry compares exactly.
    Verb("Print", "C:\\Printer\\print.exe %1");
    Verb("OPEN", "C:\\Browser\\browser.exe %1");
    EXPECT_EQ(GetAssociatedProgram("html", registry), "C:\\Browser\\browser.exe");
}

TEST_F(AssociationTest, TheChosenOpenVerbIsKeptEvenWhenEmpty) {
    Verb("print", "C:\\Printer\\print.exe %1");
    Verb("reopen", "");
    EXPECT_EQ(GetAssociatedProgram("html", registry), "");
}

TEST_F(AssociationTest, WithoutAnOpenVerbTheFirstNonEmptyCommandWins) {
    Verb("print", "");
    registry.AddKey("htmlfile\\shell\\preview"); // no command key
    Verb("edit", "C:\\Editor\\editor.exe /edit %1");
    Verb("explore", "C:\\Other\\other.exe %1");
    EXPECT_EQ(GetAssociatedProgram("html", registry), "C:\\Editor\\editor.exe");
}

TEST_F(AssociationTest, PrintAndEditOnlyTakesTheFirstThatHasACommand) {
    Verb("print", "C:\\Printer\\print.exe %1");
    Verb("edit", "C:\\Editor\\editor.exe %1");
    EXPECT_EQ(GetAssociatedProgram("html", registry), "C:\\Printer\\print.exe");
}

TEST_F(AssociationTest, NoUsableVerbGivesNothing) {
    EXPECT_EQ(GetAssociatedProgram("html", registry), ""); // no shell key
    registry.AddKey("htmlfile\\shell");
    EXPECT_EQ(GetAssociatedProgram("html", registry), ""); // no verbs
    Verb("print", "");
    Verb("edit", "");
    EXPECT_EQ(GetAssociatedProgram("html", registry), "");
}

} // namespace
} // namespace acutils
