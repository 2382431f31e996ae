#include "Scratch.h"

#include "syshelp/FileSystem.h"
#include "syshelp/WinHandles.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace acutils {
namespace {

using testing::Exists;
using testing::IsFolder;
using testing::MakeFile;
using testing::MakeFolder;
using testing::ScratchFolder;

// ---------------------------------------------------------------------------
// FolderExists and FolderIsEmpty, on one layout:
//   empty\            a folder with nothing in it
//   withsub\sub\      a folder whose only entry is an empty folder
//   withfile\f.txt    a folder whose only entry is an empty file
//   file.txt          a file where a folder might be expected

class FolderLayout : public ::testing::Test {
protected:
    void SetUp() override {
        MakeFolder(scratch / "empty");
        MakeFolder(scratch / "withsub");
        MakeFolder(scratch / "withsub\\sub");
        MakeFolder(scratch / "withfile");
        MakeFile(scratch / "withfile\\f.txt");
        MakeFile(scratch / "file.txt", "data");
    }
    ScratchFolder scratch;
};

struct FolderCase {
    const char* path; // below the scratch folder
    bool exists;
    bool empty;
    friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << '"' << c.path << '"'; }
};

class FolderQuestionsTest : public FolderLayout,
                            public ::testing::WithParamInterface<FolderCase> {};

TEST_P(FolderQuestionsTest, AnswersForEachKindOfEntry) {
    const std::string path = scratch / GetParam().path;
    EXPECT_EQ(FolderExists(path), GetParam().exists) << path;
    EXPECT_EQ(FolderIsEmpty(path), GetParam().empty) << path;
}

INSTANTIATE_TEST_SUITE_P(
    FileSystem, FolderQuestionsTest,
    ::testing::Values(FolderCase{"empty", true, true}, FolderCase{"empty\\", true, true},
                      FolderCase{"withsub", true, false}, FolderCase{"withsub\\", true, false},
                      FolderCase{"withsub\\sub", true, true}, FolderCase{"withfile", true, false},
                      FolderCase{"file.txt", false, false}, FolderCase{"file.txt\\", false, false},
                      FolderCase{"missing", false, false}, FolderCase{"missing\\", false, false}));

TEST(FileSystem, EmptyPathIsNoFolder) {
    EXPECT_FALSE(FolderExists(""));
    EXPECT_FALSE(FolderIsEmpty(""));
}

TEST(FileSystem, DriveRootIsAFolder) {
    EXPECT_TRUE(FolderExists("C:\\"));
    EXPECT_FALSE(FolderIsEmpty("C:\\"));
}

// A zero byte would end the text early for the system, which would then see
// another (existing) path; such a text names nothing.
TEST_F(FolderLayout, ZeroByteInsideAPathNamesNothing) {
    const std::string empty = scratch / "empty";
    const std::string file = scratch / "file.txt";
    EXPECT_FALSE(FolderExists(empty + std::string("\0x", 2)));
    EXPECT_FALSE(FolderIsEmpty(empty + std::string("\0x", 2)));
    EXPECT_EQ(FileSizeByName(file + std::string("\0x", 2)), -1);
    CreateFolderPath(scratch / std::string("new\0dir\\", 8) + "f.txt");
    EXPECT_FALSE(Exists(scratch / "new"));
}

// ---------------------------------------------------------------------------
// CreateFolderPath

struct CreateCase {
    const char* name;
    const char* fileName;                  // below the scratch folder
    std::vector<std::string> foldersAfter; // below the scratch folder
    friend void PrintTo(const CreateCase& c, std::ostream* os) { *os << c.fileName; }
};

class CreateFolderPathTest : public ::testing::TestWithParam<CreateCase> {
protected:
    ScratchFolder scratch;
};

TEST_P(CreateFolderPathTest, CreatesEveryFolderButNoFile) {
    const CreateCase& c = GetParam();
    CreateFolderPath(scratch / c.fileName);
    for (const std::string& folder : c.foldersAfter)
        EXPECT_TRUE(IsFolder(scratch / folder)) << folder;
    const std::string target = scratch / c.fileName;
    if (target.back() != '\\') {
        EXPECT_FALSE(Exists(target)) << "the file itself was created";
    }
}

INSTANTIATE_TEST_SUITE_P(FileSystem, CreateFolderPathTest,
                         ::testing::Values(CreateCase{"Nested", "a\\b\\c.txt", {"a", "a\\b"}},
                                           CreateCase{"EndsInBackslash", "a\\b\\", {"a", "a\\b"}},
                                           CreateCase{
                                               "Deep", "a\\b\\c\\d\\e\\f.txt", {"a\\b\\c\\d\\e"}},
                                           CreateCase{"FileInScratchItself", "c.txt", {}}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(FileSystem, CreateFolderPathKeepsWhatExists) {
    ScratchFolder scratch;
    MakeFolder(scratch / "a");
    MakeFile(scratch / "a\\keep.txt", "kept");
    CreateFolderPath(scratch / "a\\b\\c.txt");
    EXPECT_TRUE(IsFolder(scratch / "a\\b"));
    EXPECT_EQ(FileSizeByName(scratch / "a\\keep.txt"), 4);
}

TEST(FileSystem, CreateFolderPathStopsQuietlyAtAFile) {
    ScratchFolder scratch;
    MakeFile(scratch / "file.txt", "data");
    CreateFolderPath(scratch / "file.txt\\sub\\c.txt");
    EXPECT_FALSE(IsFolder(scratch / "file.txt"));
    EXPECT_EQ(FileSizeByName(scratch / "file.txt"), 4);
    EXPECT_FALSE(Exists(scratch / "file.txt\\sub"));
}

// Relative names: the folders are made below the current directory, and a
// bare file name makes none at all.
class CurrentDirectory {
public:
    explicit CurrentDirectory(const std::string& folder) {
        char buffer[MAX_PATH + 1] = {};
        saved_.assign(buffer, ::GetCurrentDirectoryA(sizeof buffer, buffer));
        EXPECT_TRUE(::SetCurrentDirectoryA(folder.c_str()));
    }
    ~CurrentDirectory() { ::SetCurrentDirectoryA(saved_.c_str()); }

private:
    std::string saved_;
};

bool FolderHasNoEntries(const std::string& folder) {
    WIN32_FIND_DATAA entry{};
    UniqueFindHandle search(::FindFirstFileA((folder + "*").c_str(), &entry));
    if (!search.IsValid()) return true;
    do {
        const std::string name = entry.cFileName;
        if (name != "." && name != "..") return false;
    } while (::FindNextFileA(search.Get(), &entry));
    return true;
}

TEST(FileSystem, CreateFolderPathOnRelativeNames) {
    ScratchFolder scratch;
    {
        CurrentDirectory here(scratch.Path());
        CreateFolderPath("setup.exe");
        EXPECT_TRUE(FolderHasNoEntries(scratch.Path()));
        CreateFolderPath("rel\\sub\\setup.exe");
    }
    EXPECT_TRUE(IsFolder(scratch / "rel\\sub"));
    EXPECT_FALSE(Exists(scratch / "rel\\sub\\setup.exe"));
}

// ---------------------------------------------------------------------------
// FileSizeByName

struct SizeCase {
    const char* name;
    std::function<void(const std::string& path)> make; // null: nothing there
    int64_t expected;
    friend void PrintTo(const SizeCase& c, std::ostream* os) { *os << c.name; }
};

class FileSizeTest : public ::testing::TestWithParam<SizeCase> {
protected:
    ScratchFolder scratch;
};

TEST_P(FileSizeTest, GivesAllSixtyFourBitsOrMinusOne) {
    const std::string path = scratch / "f.bin";
    if (GetParam().make) GetParam().make(path);
    EXPECT_EQ(FileSizeByName(path), GetParam().expected);
}

void Sparse(const std::string& path, int64_t size) {
    testing::MakeSparseFile(path, size);
}

INSTANTIATE_TEST_SUITE_P(
    FileSystem, FileSizeTest,
    ::testing::Values(
        SizeCase{"Missing", nullptr, -1},
        SizeCase{"Empty", [](const std::string& p) { MakeFile(p); }, 0},
        SizeCase{"Small", [](const std::string& p) { MakeFile(p, "hello"); }, 5},
        SizeCase{"Folder", [](const std::string& p) { MakeFolder(p); }, -1},
        // 0xFFFFFFFF in the low half is also the old failure marker.
        SizeCase{"JustBelow4GiB", [](const std::string& p) { Sparse(p, 0xFFFFFFFFll); },
                 0xFFFFFFFFll},
        SizeCase{"Exactly4GiB", [](const std::string& p) { Sparse(p, 0x100000000ll); },
                 0x100000000ll},
        SizeCase{"FiveGiB", [](const std::string& p) { Sparse(p, 5368709120ll); }, 5368709120ll}),
    [](const auto& param) { return std::string(param.param.name); });

TEST(FileSystem, FileSizeOfAFileOthersHoldOpenForWriting) {
    ScratchFolder scratch;
    const std::string path = scratch / "busy.bin";
    UniqueFileHandle writer(::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                          CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(writer.IsValid());
    DWORD written = 0;
    ASSERT_TRUE(::WriteFile(writer.Get(), "12345678", 8, &written, nullptr));
    EXPECT_EQ(FileSizeByName(path), 8);
}

TEST(FileSystem, EmptyFileNameHasNoSize) {
    EXPECT_EQ(FileSizeByName(""), -1);
}

} // namespace
} // namespace acutils
