#include "Scratch.h"

#include "syshelp/Registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace acutils {
namespace {

using testing::GetRawValue;
using testing::KeyExists;
using testing::ScratchRegKey;
using testing::SetRawValue;

std::string Bytes(const char* text) {
    return std::string(text) + '\0';
}

// ---------------------------------------------------------------------------
// ReadRegString, on one key holding values of every shape:
//   <key>            default "default text", and the values below
//   <key>\Sub\Deeper default "deep"

class RegistryLayout : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string& k = key.SubKey();
        SetRawValue(k, "", REG_SZ, Bytes("default text"));
        SetRawValue(k, "Named", REG_SZ, Bytes("named text"));
        SetRawValue(k, "Expand", REG_EXPAND_SZ, Bytes("%SystemRoot%\\x"));
        SetRawValue(k, "NoBytes", REG_SZ, "");
        SetRawValue(k, "EmptyText", REG_SZ, Bytes(""));
        SetRawValue(k, "Unterminated", REG_SZ, "abc");
        SetRawValue(k, "InnerZero", REG_SZ, std::string("ab\0cd\0", 6));
        SetRawValue(k, "Longest", REG_SZ, Bytes(std::string(1023, 'x').c_str()));
        SetRawValue(k, "TooLong", REG_SZ, Bytes(std::string(1024, 'y').c_str()));
        SetRawValue(k, "FullBufferNoZero", REG_SZ, std::string(1024, 'z'));
        SetRawValue(k, "Number", REG_DWORD, std::string("\x41\x42\x00\x00", 4));
        SetRawValue(k, "Binary", REG_BINARY, "AB");
        SetRawValue(k + "\\Sub\\Deeper", "", REG_SZ, Bytes("deep"));
    }
    ScratchRegKey key;
};

struct ReadCase {
    const char* name;
    const char* subKeyPrefix; // put in front of the scratch key
    const char* subKeySuffix; // appended to it
    std::string valueName;
    bool opened;
    std::string expected;
    friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ReadRegStringTest : public RegistryLayout, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadRegStringTest, ReadsStringValues) {
    const ReadCase& c = GetParam();
    const std::string subKey = c.subKeyPrefix + key.SubKey() + c.subKeySuffix;
    std::string value = "stale";
    EXPECT_EQ(ReadRegString(RegRoot::CurrentUser, subKey, c.valueName, value), c.opened);
    EXPECT_EQ(value, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Registry, ReadRegStringTest,
    ::testing::Values(ReadCase{"DefaultValue", "", "", "", true, "default text"},
                      ReadCase{"NamedValue", "", "", "Named", true, "named text"},
                      ReadCase{"NameIsCaseInsensitive", "", "", "NAMED", true, "named text"},
                      ReadCase{"NestedKey", "", "\\Sub\\Deeper", "", true, "deep"},
                      ReadCase{"LeadingBackslash", "\\", "", "Named", true, "named text"},
                      ReadCase{"LeadingBackslashes", "\\\\\\", "", "Named", true, "named text"},
                      ReadCase{"MissingValue", "", "", "Missing", true, ""},
                      ReadCase{"MissingKey", "", "\\Missing", "Named", false, ""},
                      ReadCase{"KeyWithoutDefaultValue", "", "\\Sub", "", true, ""},
                      ReadCase{"ExpandStaysUnexpanded", "", "", "Expand", true, "%SystemRoot%\\x"},
                      ReadCase{"StringOfNoBytes", "", "", "NoBytes", true, ""},
                      ReadCase{"EmptyString", "", "", "EmptyText", true, ""},
                      ReadCase{"StoredWithoutTerminator", "", "", "Unterminated", true, "abc"},
                      ReadCase{"EndsAtFirstZero", "", "", "InnerZero", true, "ab"},
                      ReadCase{"Longest1023", "", "", "Longest", true, std::string(1023, 'x')},
                      ReadCase{"TooLong1024", "", "", "TooLong", true, ""},
                      ReadCase{"FullBufferWithoutZero", "", "", "FullBufferNoZero", true, ""},
                      ReadCase{"NumberIsNoString", "", "", "Number", true, ""},
                      ReadCase{"BinaryIsNoString", "", "", "Binary", true, ""},
                      ReadCase{"ZeroInValueName", "", "", std::string("Named\0x", 7), true, ""}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(Registry, ReadRegStringFromAnotherRoot) {
    // Windows keeps HKEY_CURRENT_USER below HKEY_USERS, never below HKLM.
    std::string value = "stale";
    EXPECT_FALSE(
        ReadRegString(RegRoot::LocalMachine, "Software\\QuietlockLauncherTests\\none", "", value));
    EXPECT_EQ(value, "");
}

// ---------------------------------------------------------------------------
// WriteRegString

struct WriteCase {
    const char* name;
    const char* subKeySuffix;
    std::string valueName;
    std::string value;
    friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
};

class WriteRegStringTest : public ::testing::TestWithParam<WriteCase> {
protected:
    ScratchRegKey key;
};

TEST_P(WriteRegStringTest, StoresExactlyTheStringsBytes) {
    const WriteCase& c = GetParam();
    const std::string subKey = key.SubKey() + c.subKeySuffix;
    WriteRegString(RegRoot::CurrentUser, subKey, c.valueName, c.value);

    const testing::RawValue stored = GetRawValue(subKey, c.valueName);
    ASSERT_TRUE(stored.found);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.bytes, c.value) << "size " << stored.bytes.size();

    std::string readBack;
    EXPECT_TRUE(ReadRegString(RegRoot::CurrentUser, subKey, c.valueName, readBack));
    EXPECT_EQ(readBack, c.value.size() <= 1023 ? c.value : std::string());
}

INSTANTIATE_TEST_SUITE_P(Registry, WriteRegStringTest,
                         ::testing::Values(WriteCase{"Named", "", "Name", "abc"},
                                           WriteCase{"Default", "", "", "default"},
                                           WriteCase{"EmptyWritesNoBytes", "", "Name", ""},
                                           WriteCase{"CreatesMissingKeys", "\\New\\Deeper", "Name",
                                                     "abc"},
                                           WriteCase{"LeadingBackslash", "", "Name", "C:\\TEMP\\"},
                                           WriteCase{"Long", "", "Name", std::string(1500, 'w')},
                                           WriteCase{"EightBitText", "", "Name",
                                                     "Gr\xfc\xdf"
                                                     "e"}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(Registry, WriteRegStringReplacesAValueOfAnotherType) {
    ScratchRegKey key;
    SetRawValue(key.SubKey(), "Value", REG_DWORD, std::string("\x01\x00\x00\x00", 4));
    WriteRegString(RegRoot::CurrentUser, "\\" + key.SubKey(), "Value", "text");
    const testing::RawValue stored = GetRawValue(key.SubKey(), "Value");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.bytes, "text");
}

TEST(Registry, WriteRegStringThatCannotOpenItsKeyWritesNothing) {
    ScratchRegKey key;
    // A key name may not exceed 255 characters.
    const std::string tooLong = key.SubKey() + "\\" + std::string(300, 'k');
    WriteRegString(RegRoot::CurrentUser, tooLong, "Name", "abc");
    EXPECT_FALSE(KeyExists(tooLong));
    // A zero byte would cut the value's name short.
    WriteRegString(RegRoot::CurrentUser, key.SubKey(), std::string("Na\0me", 5), "abc");
    EXPECT_FALSE(GetRawValue(key.SubKey(), "Na").found);
}

// ---------------------------------------------------------------------------
// OpenRegKey

class OpenRegKeyTest : public RegistryLayout {};

std::string QueryDefault(const RegKey& key) {
    char buffer[64] = {};
    DWORD size = sizeof buffer - 1;
    if (::RegQueryValueExA(static_cast<HKEY>(key.Native()), "", nullptr, nullptr,
                           reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return "<none>";
    return buffer;
}

TEST_F(OpenRegKeyTest, OpensBelowTheRootAndOwnsTheKey) {
    RegKey k(RegRoot::CurrentUser);
    EXPECT_TRUE(k.IsRoot());
    ASSERT_TRUE(OpenRegKey(k, "\\" + key.SubKey(), false, KeyRead));
    EXPECT_FALSE(k.IsRoot());
    EXPECT_EQ(QueryDefault(k), "default text");

    // The opened key is the parent of the next open; it is replaced, and the
    // child stays usable.
    ASSERT_TRUE(OpenRegKey(k, "Sub\\Deeper", false, KeyRead));
    EXPECT_EQ(QueryDefault(k), "deep");
}

TEST_F(OpenRegKeyTest, FailureLeavesTheKeyAlone) {
    RegKey root(RegRoot::CurrentUser);
    void* const rootHandle = root.Native();
    EXPECT_FALSE(OpenRegKey(root, key.SubKey() + "\\Missing", false, KeyRead));
    EXPECT_TRUE(root.IsRoot());
    EXPECT_EQ(root.Native(), rootHandle);

    RegKey opened(RegRoot::CurrentUser);
    ASSERT_TRUE(OpenRegKey(opened, key.SubKey(), false, KeyRead));
    void* const openedHandle = opened.Native();
    EXPECT_FALSE(OpenRegKey(opened, "Missing", false, KeyRead));
    EXPECT_EQ(opened.Native(), openedHandle);
    EXPECT_EQ(QueryDefault(opened), "default text");
}

TEST_F(OpenRegKeyTest, OpeningHonoursTheAccessMask) {
    RegKey k(RegRoot::CurrentUser);
    ASSERT_TRUE(OpenRegKey(k, key.SubKey(), false, KeyRead));
    const BYTE data[] = "x";
    EXPECT_EQ(::RegSetValueExA(static_cast<HKEY>(k.Native()), "W", 0, REG_SZ, data, 2),
              ERROR_ACCESS_DENIED);
}

TEST_F(OpenRegKeyTest, CreatingMakesMissingKeysWithFullAccess) {
    const std::string subKey = key.SubKey() + "\\Made\\Here";
    RegKey missing(RegRoot::CurrentUser);
    EXPECT_FALSE(OpenRegKey(missing, subKey, false, KeyAllAccess));

    RegKey k(RegRoot::CurrentUser);
    // The access argument does not apply when creating.
    ASSERT_TRUE(OpenRegKey(k, subKey, true, KeyRead));
    const BYTE data[] = "x";
    EXPECT_EQ(::RegSetValueExA(static_cast<HKEY>(k.Native()), "W", 0, REG_SZ, data, 2),
              ERROR_SUCCESS);
    EXPECT_TRUE(KeyExists(subKey));
}

TEST_F(OpenRegKeyTest, KeysMoveWithTheirOwnership) {
    RegKey k(RegRoot::CurrentUser);
    ASSERT_TRUE(OpenRegKey(k, key.SubKey(), false, KeyRead));
    RegKey moved(std::move(k));
    EXPECT_FALSE(moved.IsRoot());
    EXPECT_EQ(QueryDefault(moved), "default text");
    EXPECT_EQ(k.Native(), nullptr);

    RegKey target(RegRoot::ClassesRoot);
    target = std::move(moved);
    EXPECT_EQ(QueryDefault(target), "default text");
}

// ---------------------------------------------------------------------------
// ListRegSubkeys

TEST(Registry, ListRegSubkeysNamesTheDirectChildren) {
    ScratchRegKey key;
    for (const char* child : {"print", "opennew", "Edit\\command"})
        SetRawValue(key.SubKey() + "\\shell\\" + child, "", REG_SZ, Bytes("x"));

    std::vector<std::string> names = {"stale"};
    ASSERT_TRUE(ListRegSubkeys(RegRoot::CurrentUser, "\\" + key.SubKey() + "\\shell", names));
    std::sort(names.begin(), names.end()); // the registry's order is its own
    EXPECT_EQ(names, (std::vector<std::string>{"Edit", "opennew", "print"}));

    ASSERT_TRUE(ListRegSubkeys(RegRoot::CurrentUser, key.SubKey() + "\\shell\\print", names));
    EXPECT_TRUE(names.empty());

    names = {"stale"};
    EXPECT_FALSE(ListRegSubkeys(RegRoot::CurrentUser, key.SubKey() + "\\missing", names));
    EXPECT_TRUE(names.empty());
}

} // namespace
} // namespace acutils
