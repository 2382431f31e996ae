#include "syshelp/PathRules.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace acutils {
namespace {

struct PathCase {
    std::string path;
    std::string folder;
    std::string fileName;
    std::string extension;
    friend void PrintTo(const PathCase& c, std::ostream* os) {
        *os << testing::PrintToString(c.path);
    }
};

class PathPartsTest : public testing::TestWithParam<PathCase> {};

TEST_P(PathPartsTest, SplitsAtLastBackslashOrColon) {
    const PathCase& c = GetParam();
    EXPECT_EQ(FolderPart(c.path), c.folder);
    EXPECT_EQ(FileNamePart(c.path), c.fileName);
    EXPECT_EQ(FileExtension(c.path), c.extension);
    // Folder part and file name always make up the whole path.
    EXPECT_EQ(FolderPart(c.path) + FileNamePart(c.path), c.path);
}

INSTANTIATE_TEST_SUITE_P(
    PathRules, PathPartsTest,
    testing::Values(PathCase{"", "", "", ""}, PathCase{"setup.exe", "", "setup.exe", ".exe"},
                    PathCase{"C:\\TEMP\\setup.exe", "C:\\TEMP\\", "setup.exe", ".exe"},
                    PathCase{"C:\\TEMP\\", "C:\\TEMP\\", "", ""},
                    PathCase{"C:setup.exe", "C:", "setup.exe", ".exe"},
                    PathCase{"C:", "C:", "", ""},
                    PathCase{"\\\\server\\share\\a.b.c", "\\\\server\\share\\", "a.b.c", ".c"},
                    // A period inside a folder name is no extension.
                    PathCase{"C:\\dir.d\\file", "C:\\dir.d\\", "file", ""},
                    PathCase{"C:\\dir.d\\", "C:\\dir.d\\", "", ""},
                    PathCase{"a.b:c", "a.b:", "c", ""},
                    // The extension begins at the last period, even a leading one.
                    PathCase{"C:\\.profile", "C:\\", ".profile", ".profile"},
                    PathCase{"name.", "", "name.", "."},
                    // Forward slashes are no separators in these paths.
                    PathCase{"C:/a/b.txt", "C:", "/a/b.txt", ".txt"}));

struct TextCase {
    std::string input;
    std::string expected;
    friend void PrintTo(const TextCase& c, std::ostream* os) {
        *os << testing::PrintToString(c.input);
    }
};

class EnsureTrailingBackslashTest : public testing::TestWithParam<TextCase> {};

TEST_P(EnsureTrailingBackslashTest, AppendsOneUnlessPresent) {
    EXPECT_EQ(EnsureTrailingBackslash(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PathRules, EnsureTrailingBackslashTest,
                         testing::Values(TextCase{"", "\\"}, TextCase{"C:", "C:\\"},
                                         TextCase{"C:\\", "C:\\"},
                                         TextCase{"C:\\WINDOWS", "C:\\WINDOWS\\"},
                                         TextCase{"a\\\\", "a\\\\"}, TextCase{"a/", "a/\\"}));

class RemoveTrailingBackslashTest : public testing::TestWithParam<TextCase> {};

TEST_P(RemoveTrailingBackslashTest, RemovesExactlyOne) {
    EXPECT_EQ(RemoveTrailingBackslash(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PathRules, RemoveTrailingBackslashTest,
                         testing::Values(TextCase{"", ""}, TextCase{"\\", ""},
                                         TextCase{"C:\\", "C:"}, TextCase{"C:\\TEMP\\", "C:\\TEMP"},
                                         TextCase{"C:\\TEMP", "C:\\TEMP"},
                                         TextCase{"C:\\TEMP\\\\", "C:\\TEMP\\"}));

struct StripCase {
    std::string input;
    char c;
    std::string expected;
    friend void PrintTo(const StripCase& s, std::ostream* os) {
        *os << testing::PrintToString(s.input) << " without " << testing::PrintToString(s.c);
    }
};

class StripLeadingCharsTest : public testing::TestWithParam<StripCase> {};

TEST_P(StripLeadingCharsTest, RemovesOnlyLeadingOccurrences) {
    EXPECT_EQ(StripLeadingChars(GetParam().input, GetParam().c), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PathRules, StripLeadingCharsTest,
                         testing::Values(StripCase{"", '\\', ""}, StripCase{"\\\\", '\\', ""},
                                         StripCase{"\\\\\\a\\b", '\\', "a\\b"},
                                         StripCase{"a\\\\", '\\', "a\\\\"},
                                         StripCase{"\\htmlfile", '\\', "htmlfile"},
                                         StripCase{"..a.", '.', "a."},
                                         StripCase{std::string("\0\0x", 3), '\0', "x"}));

class EnsureLeadingCharTest : public testing::TestWithParam<StripCase> {};

TEST_P(EnsureLeadingCharTest, PutsTheCharacterInFrontUnlessPresent) {
    EXPECT_EQ(EnsureLeadingChar(GetParam().input, GetParam().c), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(PathRules, EnsureLeadingCharTest,
                         testing::Values(StripCase{"html", '.', ".html"},
                                         StripCase{".html", '.', ".html"}, StripCase{"", '.', "."},
                                         StripCase{".", '.', "."},
                                         // Only the first character counts.
                                         StripCase{"..x", '.', "..x"},
                                         StripCase{"x.", '.', ".x."}));

} // namespace
} // namespace acutils
