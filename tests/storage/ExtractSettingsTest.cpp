// The automatic-extraction settings of a storage: their defaults, their
// dotted names in a form definition, and how the extraction folder is put
// together from a base folder and the subfolder (with base folders given by
// the test, so the rules are checked on every build).
#include "storage/AutoExtract.h"
#include "storage/ExtractTo.h"
#include "storage/StorageClasses.h"
#include "storage/acFileStorage.h"
#include "vcl/ClassInfo.h"
#include "vcl/FormLoader.h"
#include "vcl/FormSaver.h"
#include "vcl/FormText.h"

#include "TestForm.h"

#include <gtest/gtest.h>

#include <map>

namespace storagetest {
namespace {

using ac::TacFileStorageOverwrite;
using ac::TacToplevelDir;

std::string StorageText(const std::string& properties) {
    return "object Form1: TTestForm\n"
           "  object acFileStorage1: TacFileStorage\n" +
           properties +
           "  end\n"
           "end\n";
}

vcl::Error LoadText(const std::string& text, TTestForm& form) {
    vcl::FormObject tree;
    if (vcl::Error error = vcl::ParseFormText(text, {}, tree)) return error;
    return vcl::ReadComponentTree(tree, form, Registry());
}

ac::TacFileStorage& StorageOf(vcl::TComponent& form) {
    return dynamic_cast<ac::TacFileStorage&>(*form.FindComponent("acFileStorage1"));
}

std::string SavedText(TTestForm& form) {
    vcl::FormObject tree;
    EXPECT_FALSE(vcl::WriteComponentTree(form, tree));
    std::string text;
    EXPECT_FALSE(vcl::FormatFormText(tree, {}, text));
    return text;
}

TEST(AutoExtractSettings, DefaultsAreThoseOfANewStorageAndAreNotWritten) {
    TTestForm form(nullptr);
    ASSERT_FALSE(LoadText(StorageText(""), form));
    const ac::TAutoExtract& settings = StorageOf(form).AutoExtract();
    EXPECT_FALSE(settings.Enabled());
    EXPECT_EQ(settings.Overwrite(), TacFileStorageOverwrite::owIfSizeDifferent);
    EXPECT_FALSE(settings.RemoveOnTerminate());
    EXPECT_TRUE(settings.ExtractTo().CreatePath());
    EXPECT_EQ(settings.ExtractTo().ToplevelDir(), TacToplevelDir::tdCurrentDir);
    EXPECT_EQ(settings.ExtractTo().Subdirectory(), "");
    EXPECT_EQ(settings.Owner(), &StorageOf(form));
    EXPECT_EQ(SavedText(form), StorageText(""));
}

TEST(AutoExtractSettings, DottedNamesSetEverySettingAndAreWrittenBack) {
    const std::string properties = "    AutoExtract.Enabled = True\n"
                                   "    AutoExtract.ExtractTo.CreatePath = False\n"
                                   "    AutoExtract.ExtractTo.ToplevelDir = tdTempDir\n"
                                   "    AutoExtract.ExtractTo.Subdirectory = 'Quietlock\\Setup'\n"
                                   "    AutoExtract.Overwrite = owAlways\n"
                                   "    AutoExtract.RemoveOnTerminate = True\n";
    TTestForm form(nullptr);
    const vcl::Error error = LoadText(StorageText(properties), form);
    ASSERT_FALSE(error) << error.Message();
    const ac::TAutoExtract& settings = StorageOf(form).AutoExtract();
    EXPECT_TRUE(settings.Enabled());
    EXPECT_FALSE(settings.ExtractTo().CreatePath());
    EXPECT_EQ(settings.ExtractTo().ToplevelDir(), TacToplevelDir::tdTempDir);
    EXPECT_EQ(settings.ExtractTo().Subdirectory(), "Quietlock\\Setup");
    EXPECT_EQ(settings.Overwrite(), TacFileStorageOverwrite::owAlways);
    EXPECT_TRUE(settings.RemoveOnTerminate());
    EXPECT_EQ(SavedText(form), StorageText(properties));
}

TEST(AutoExtractSettings, EveryEnumerationValueReadsByItsName) {
    const std::vector<std::string>& dirs = ac::ToplevelDirNames();
    ASSERT_EQ(dirs.size(), 14u);
    for (size_t i = 0; i < dirs.size(); ++i) {
        TTestForm form(nullptr);
        ASSERT_FALSE(LoadText(
            StorageText("    AutoExtract.ExtractTo.ToplevelDir = " + dirs[i] + "\n"), form));
        EXPECT_EQ(static_cast<size_t>(StorageOf(form).AutoExtract().ExtractTo().ToplevelDir()), i)
            << dirs[i];
    }
    const std::vector<std::string>& policies = ac::OverwriteNames();
    ASSERT_EQ(policies.size(), 3u);
    for (size_t i = 0; i < policies.size(); ++i) {
        TTestForm form(nullptr);
        ASSERT_FALSE(
            LoadText(StorageText("    AutoExtract.Overwrite = " + policies[i] + "\n"), form));
        EXPECT_EQ(static_cast<size_t>(StorageOf(form).AutoExtract().Overwrite()), i) << policies[i];
    }
}

TEST(AutoExtractSettings, BadSettingsAbandonLoadingWithThePropertyNamed) {
    const struct {
        const char* property;
        const char* expected;
    } cases[] = {
        {"AutoExtract.ExtractTo.ToplevelDir = tdAttic", "ToplevelDir"},
        {"AutoExtract.Overwrite = owSometimes", "Overwrite"},
        {"AutoExtract.Enabled = 1", "AutoExtract.Enabled"},
        {"AutoExtract.ExtractTo.Subdirectory = True", "Subdirectory"},
        {"AutoExtract.ExtractTo = 1", "ExtractTo"},
        {"AutoExtract.Remove = True", "Remove"},
    };
    for (const auto& c : cases) {
        TTestForm form(nullptr);
        const vcl::Error error =
            LoadText(StorageText(std::string("    ") + c.property + "\n"), form);
        ASSERT_TRUE(error) << c.property;
        EXPECT_NE(error.Message().find(c.expected), std::string::npos)
            << c.property << ": " << error.Message();
    }
}

// Base folders as a system with the Windows folder C:\WINDOWS\ and the
// program at D:\Tools\launcher.exe would give them.
class GivenFolders : public ac::BaseFolderSource {
public:
    std::string WindowsFolder() override { return "C:\\WINDOWS\\"; }
    std::string SystemFolder() override { return "C:\\WINDOWS\\system32\\"; }
    std::string TempFolder() override { return "C:\\TEMP\\"; }
    std::string ProgramPath() override { return "D:\\Tools\\launcher.exe"; }
    std::string ShellFolder(const std::string& valueName) override {
        const auto found = shellFolders.find(valueName);
        return found == shellFolders.end() ? std::string() : found->second;
    }
    // No trailing backslash on purpose: the registry does not give one.
    std::map<std::string, std::string> shellFolders = {
        {"Desktop", "C:\\Users\\q\\Desktop"},
        {"Personal", "C:\\Users\\q\\Documents"},
        {"My Pictures", "C:\\Users\\q\\Pictures\\"},
        {"AppData", "C:\\Users\\q\\AppData\\Roaming"},
    };
};

TEST(ExtractFolder, ComposedFromBaseFolderAndSubdirectory) {
    const struct {
        TacToplevelDir dir;
        const char* subdirectory;
        const char* expected;
    } cases[] = {
        {TacToplevelDir::tdCurrentDir, "", "D:\\Tools\\"},
        {TacToplevelDir::tdCurrentDir, "data\\", "D:\\Tools\\data\\"},
        {TacToplevelDir::tdWindowsDir, "", "C:\\WINDOWS\\"},
        {TacToplevelDir::tdTempDir, "", "C:\\TEMP\\"},
        {TacToplevelDir::tdSystemDir, "x", "C:\\WINDOWS\\system32\\x\\"},
        {TacToplevelDir::tdMediaDir, "", "C:\\WINDOWS\\MEDIA\\"},
        {TacToplevelDir::tdCursorsDir, "", "C:\\WINDOWS\\CURSORS\\"},
        {TacToplevelDir::tdHelpDir, "", "C:\\WINDOWS\\HELP\\"},
        {TacToplevelDir::tdSamplesDir, "", "C:\\WINDOWS\\SAMPLES\\"},
        {TacToplevelDir::tdDesktop, "", "C:\\Users\\q\\Desktop\\"},
        {TacToplevelDir::tdProgramFiles, "\\Sub\\Dir", "C:\\Program Files\\Sub\\Dir\\"},
        {TacToplevelDir::tdMyDocuments, "a", "C:\\Users\\q\\Documents\\a\\"},
        {TacToplevelDir::tdMyPictures, "", "C:\\Users\\q\\Pictures\\"},
        {TacToplevelDir::tdAppData, "Maker\\", "C:\\Users\\q\\AppData\\Roaming\\Maker\\"},
        {TacToplevelDir::tdNone, "E:\\Out", "E:\\Out"},
        {TacToplevelDir::tdNone, "", ""},
        {TacToplevelDir::tdNone, "\\\\lead\\", "\\\\lead\\"},
        // Leading backslashes all go, a trailing one is never doubled.
        {TacToplevelDir::tdWindowsDir, "\\\\two\\", "C:\\WINDOWS\\two\\"},
        {TacToplevelDir::tdWindowsDir, "\\", "C:\\WINDOWS\\"},
        {TacToplevelDir::tdWindowsDir, "\\\\", "C:\\WINDOWS\\"},
        {TacToplevelDir::tdWindowsDir, "in\\\\", "C:\\WINDOWS\\in\\\\"},
    };
    for (const auto& c : cases) {
        GivenFolders folders;
        ac::TExtractTo extractTo;
        extractTo.SetToplevelDir(c.dir);
        extractTo.SetSubdirectory(c.subdirectory);
        EXPECT_EQ(extractTo.GetExtractFolder(folders), c.expected)
            << ac::ToplevelDirNames()[static_cast<size_t>(c.dir)] << " '" << c.subdirectory << "'";
    }
}

TEST(ExtractFolder, UnreadableBaseFolderGivesTheRootOfTheCurrentDrive) {
    GivenFolders folders;
    folders.shellFolders.clear();
    for (TacToplevelDir dir : {TacToplevelDir::tdDesktop, TacToplevelDir::tdMyDocuments,
                               TacToplevelDir::tdMyPictures, TacToplevelDir::tdAppData}) {
        EXPECT_EQ(ac::ComposeExtractFolder(dir, "", folders), "\\");
        EXPECT_EQ(ac::ComposeExtractFolder(dir, "\\Sub", folders), "\\Sub\\");
    }
}

} // namespace
} // namespace storagetest
