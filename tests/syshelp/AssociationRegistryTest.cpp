// The browser lookup on the real registry: HKEY_CLASSES_ROOT of the test's
// Wine prefix, where key names ignore case and verbs come in the registry's
// own order.
#include "syshelp/Association.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace acutils {
namespace {

// A file extension and its class of this test alone, removed again at the
// end.
class ClassesFixture : public ::testing::Test {
protected:
    ClassesFixture()
        : extension_(".qltest" + std::to_string(::GetCurrentProcessId())),
          class_("QuietlockTest.File" + std::to_string(::GetCurrentProcessId())) {}
    ~ClassesFixture() override {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, extension_.c_str());
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, class_.c_str());
    }
    void SetDefault(const std::string& subKey, const std::string& value) {
        HKEY key = nullptr;
        ASSERT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, subKey.c_str(), 0, nullptr, 0,
                                    KEY_ALL_ACCESS, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        const LONG status =
            ::RegSetValueExA(key, "", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1));
        ::RegCloseKey(key);
        ASSERT_EQ(status, ERROR_SUCCESS);
    }
    void Verb(const std::string& verb, const std::string& command) {
        SetDefault(class_ + "\\shell\\" + verb + "\\command", command);
    }
    void SetUp() override { SetDefault(extension_, class_); }

    std::string extension_;
    std::string class_;
};

TEST_F(ClassesFixture, OpenCommandInAnyCase) {
    Verb("Open", "\"C:\\Program Files\\Viewer\\viewer.exe\" \"%1\"");
    Verb("print", "C:\\Printer\\print.exe %1");
    EXPECT_EQ(GetAssociatedProgram(extension_), "C:\\Program Files\\Viewer\\viewer.exe");
    EXPECT_EQ(GetAssociatedProgram(extension_.substr(1)), "C:\\Program Files\\Viewer\\viewer.exe");
}

TEST_F(ClassesFixture, OpennewBeatsPrint) {
    Verb("print", "C:\\Printer\\print.exe %1");
    Verb("opennew", "C:\\Viewer\\viewer.exe -new %1");
    EXPECT_EQ(GetAssociatedProgram(extension_), "C:\\Viewer\\viewer.exe");
}

TEST_F(ClassesFixture, PrintAndEditGiveTheOneWithACommand) {
    Verb("print", "");
    Verb("edit", "C:\\Editor\\editor.exe /edit %1");
    EXPECT_EQ(GetAssociatedProgram(extension_), "C:\\Editor\\editor.exe");
}

TEST_F(ClassesFixture, EmptyOpenCommandOrNoClassGivesNothing) {
    Verb("open", "");
    Verb("edit", "C:\\Editor\\editor.exe %1");
    EXPECT_EQ(GetAssociatedProgram(extension_), "");
    ::RegDeleteTreeA(HKEY_CLASSES_ROOT, class_.c_str());
    EXPECT_EQ(GetAssociatedProgram(extension_), "");
}

} // namespace
} // namespace acutils
