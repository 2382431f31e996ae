// The passes go through the storage's ExtractionSystem. Where there is none
// (the portable build: sfpack reads the launcher's definition) a storage
// keeps its files in memory; a system put in place before loading receives
// the writes when the definition has been read and the deletions when the
// storage is destroyed.
#include "storage/ExtractionSystem.h"
#include "storage/StorageClasses.h"
#include "storage/StoredDataText.h"
#include "storage/acFileStorage.h"
#include "vcl/ClassInfo.h"
#include "vcl/FormLoader.h"
#include "vcl/FormText.h"

#include "TestForm.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace storagetest {
namespace {

// Files and folders in memory, with a log of what changed them.
class MemorySystem : public ac::ExtractionSystem {
public:
    std::string WindowsFolder() override { return "C:\\WINDOWS\\"; }
    std::string SystemFolder() override { return "C:\\WINDOWS\\system32\\"; }
    std::string TempFolder() override { return "C:\\TEMP\\"; }
    std::string ProgramPath() override { return "D:\\Tools\\launcher.exe"; }
    std::string ShellFolder(const std::string&) override { return {}; }
    bool FileExists(const std::string& path) override { return files.count(path) != 0; }
    bool FolderExists(const std::string& path) override { return folders.count(path) != 0; }
    void CreateFolderPath(const std::string& fileName) override {
        for (size_t at = fileName.find('\\'); at != std::string::npos;
             at = fileName.find('\\', at + 1))
            if (folders.insert(fileName.substr(0, at + 1)).second)
                log.push_back("mkdir " + fileName.substr(0, at + 1));
    }
    int64_t FileSizeByName(const std::string& path) override {
        const auto found = files.find(path);
        return found == files.end() ? -1 : static_cast<int64_t>(found->second.size());
    }
    bool FolderIsEmpty(const std::string& path) override {
        for (const auto& file : files)
            if (file.first.compare(0, path.size(), path) == 0) return false;
        return folders.count(path) != 0;
    }
    std::unique_ptr<ac::ExtractionFile> CreateAlways(const std::string& path) override {
        const std::string folder = path.substr(0, path.rfind('\\') + 1);
        if (!folders.count(folder)) return nullptr;
        log.push_back("create " + path);
        return std::make_unique<File>(files[path]);
    }
    bool RemoveFile(const std::string& path) override {
        log.push_back("delete " + path);
        return files.erase(path) != 0;
    }
    bool RemoveFolder(const std::string& path) override {
        log.push_back("rmdir " + path);
        return folders.erase(path) != 0;
    }

    std::map<std::string, std::string> files;
    std::set<std::string> folders{"C:\\", "C:\\TEMP\\"};
    std::vector<std::string> log;

private:
    class File : public ac::ExtractionFile {
    public:
        explicit File(std::string& contents) : contents_(contents) { contents_.clear(); }
        bool Write(const uint8_t* data, uint32_t size, uint32_t& written) override {
            contents_.append(reinterpret_cast<const char*>(data), size);
            written = size;
            return true;
        }

    private:
        std::string& contents_;
    };
};

// Puts a system in place as the default for the storages of one test.
class DefaultSystem {
public:
    explicit DefaultSystem(ac::ExtractionSystem* system)
        : previous_(ac::SetDefaultExtractionSystem(system)) {}
    ~DefaultSystem() { ac::SetDefaultExtractionSystem(previous_); }

private:
    ac::ExtractionSystem* previous_;
};

// The launcher's storage settings, with `extraSettings` lines added.
std::string Definition(const std::string& extraSettings = {}) {
    return "object Form1: TTestForm\n"
           "  object acFileStorage1: TacFileStorage\n"
           "    AutoExtract.Enabled = True\n"
           "    AutoExtract.ExtractTo.CreatePath = False\n"
           "    AutoExtract.ExtractTo.ToplevelDir = tdTempDir\n"
           "    AutoExtract.RemoveOnTerminate = True\n" +
           extraSettings +
           "    StoredData = storage\n"
           "      'setup.exe' = {4D5A}\n"
           "    end\n"
           "  end\n"
           "end\n";
}

std::unique_ptr<TTestForm> Load(const std::string& definition = Definition()) {
    vcl::FormObject tree;
    EXPECT_FALSE(vcl::ParseFormText(definition, {}, tree));
    EXPECT_FALSE(ac::EncodeStoredDataValues(tree));
    const vcl::ClassRegistry registry = Registry();
    auto form = std::make_unique<TTestForm>(nullptr);
    const vcl::Error error = vcl::ReadComponentTree(tree, *form, registry);
    EXPECT_FALSE(error) << error.Message();
    return form;
}

TEST(ExtractionThroughSystem, DefinitionLoadedWritesAndDestructionDeletes) {
    MemorySystem system;
    DefaultSystem use(&system);
    auto form = Load();
    EXPECT_EQ(system.files, (std::map<std::string, std::string>{{"C:\\TEMP\\setup.exe", "MZ"}}));
    form.reset();
    EXPECT_TRUE(system.files.empty());
    // The temporary folder was the first file's folder and is now empty, but
    // it is the user's: it stays.
    EXPECT_EQ(system.log, (std::vector<std::string>{"create C:\\TEMP\\setup.exe",
                                                    "delete C:\\TEMP\\setup.exe"}));
    EXPECT_TRUE(system.folders.count("C:\\TEMP\\"));
}

// A folder of its own below the temporary folder is taken away again once
// it is empty; the temporary folder itself never is (see above).
TEST(ExtractionThroughSystem, OwnSubfolderIsRemovedWhenEmpty) {
    const std::string definition =
        Definition("    AutoExtract.ExtractTo.Subdirectory = 'Quietlock'\n");
    MemorySystem system;
    system.folders.insert("C:\\TEMP\\Quietlock\\");
    DefaultSystem use(&system);
    auto form = Load(definition);
    EXPECT_EQ(system.files.count("C:\\TEMP\\Quietlock\\setup.exe"), 1u);
    form.reset();
    EXPECT_FALSE(system.folders.count("C:\\TEMP\\Quietlock\\"));
    EXPECT_TRUE(system.folders.count("C:\\TEMP\\"));
}

TEST(ExtractionThroughSystem, WithoutASystemTheFilesStayInMemory) {
    DefaultSystem none(nullptr);
    auto form = Load();
    auto& storage = dynamic_cast<ac::TacFileStorage&>(*form->FindComponent("acFileStorage1"));
    EXPECT_EQ(storage.Count(), 1u);
    EXPECT_TRUE(storage.ExtractedFiles().empty());
    // Called directly, the extraction reports its failure through the event.
    bool reported = true;
    storage.OnExtracted = [&](vcl::TComponent*, const std::string&, int32_t, bool ok) {
        reported = ok;
    };
    EXPECT_FALSE(storage.Files().Items(0)->Extract("C:\\TEMP\\setup.exe", true));
    EXPECT_FALSE(reported);
}

} // namespace
} // namespace storagetest
