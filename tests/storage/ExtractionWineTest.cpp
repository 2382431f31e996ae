// The extraction pass (Loaded) and the removal pass (destruction) of a
// storage, on real files and folders of the test's Wine prefix. Each case
// starts from its own scratch folder; the storage extracts into it through
// tdNone, unless the case is about the base folder.
#include "StreamBuilder.h"
#include "WineSupport.h"

#include "storage/ExtractionSystemWin.h"
#include "storage/StorageClasses.h"
#include "storage/StoredDataText.h"
#include "storage/acFileStorage.h"
#include "syshelp/WinHandles.h"
#include "vcl/ClassInfo.h"
#include "vcl/FormBinary.h"
#include "vcl/FormLoader.h"
#include "vcl/FormText.h"

#include "TestForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>

namespace storagetest {
namespace {

using ac::TacFileStorageOverwrite;

// One storage owned by a form, extracting into a scratch folder, with both
// events recorded in the order they come.
class Rig {
public:
    explicit Rig(bool withOwner = true)
        : storage_(std::make_unique<ac::TacFileStorage>(withOwner ? &form : nullptr)) {
        ac::TAutoExtract& settings = storage_->AutoExtract();
        settings.SetEnabled(true);
        settings.SetRemoveOnTerminate(true);
        settings.ExtractTo().SetToplevelDir(ac::TacToplevelDir::tdNone);
        settings.ExtractTo().SetSubdirectory(scratch.Path());
        storage_->OnExtract = [this](vcl::TComponent* sender, const std::string& fileName,
                                     int32_t fileSize, bool& allow) {
            events.push_back("OnExtract " + Relative(fileName) + " " + std::to_string(fileSize) +
                             " " + SenderName(sender) + (Exists(fileName) ? " exists" : ""));
            if (veto && *veto == Relative(fileName)) allow = false;
        };
        storage_->OnExtracted = [this](vcl::TComponent* sender, const std::string& fileName,
                                       int32_t fileSize, bool successfully) {
            const bool remembered = !storage_->ExtractedFiles().empty() &&
                                    storage_->ExtractedFiles().back() == fileName;
            events.push_back("OnExtracted " + Relative(fileName) + " " + std::to_string(fileSize) +
                             " " + SenderName(sender) + (successfully ? " ok" : " failed") +
                             (remembered ? " remembered" : ""));
        };
    }

    ac::TacFileStorage& Storage() { return *storage_; }
    ac::TAutoExtract& Settings() { return storage_->AutoExtract(); }
    void Add(const std::string& name, const std::string& contents) {
        ASSERT_FALSE(storage_->AddStoredFile(
            name,
            vcl::ByteView(reinterpret_cast<const uint8_t*>(contents.data()), contents.size())));
    }
    void Load() { storage_->Loaded(); }
    void Destroy() { storage_.reset(); }

    std::string Path(const std::string& relative) const { return scratch / relative; }
    std::optional<std::string> Contents(const std::string& relative) const {
        return ReadWholeFile(Path(relative));
    }
    std::string Relative(const std::string& path) const {
        return path.compare(0, scratch.Path().size(), scratch.Path()) == 0
                   ? path.substr(scratch.Path().size())
                   : path;
    }

    ScratchFolder scratch;
    vcl::TComponent form{nullptr};
    std::vector<std::string> events;
    std::optional<std::string> veto; // the relative path whose extraction OnExtract vetoes

private:
    std::string SenderName(vcl::TComponent* sender) const {
        return sender == &form ? "form" : sender ? "other" : "null";
    }

    std::unique_ptr<ac::TacFileStorage> storage_;
};

using Events = std::vector<std::string>;

// ---------------------------------------------------------------------------
// The overwrite policies against what is already at the target path.

enum class Existing { Nothing, SameSize, OtherSize, Folder };

TEST(ExtractionPass, OverwritePolicyDecidesWhatIsWrittenAndRemoved) {
    const std::string stored = "NEWDATA!";
    const struct {
        TacFileStorageOverwrite policy;
        Existing existing;
        bool written; // the stored contents are at the path after the pass
        bool failed;  // the attempt was made and reported as failed
    } cases[] = {
        {TacFileStorageOverwrite::owIfSizeDifferent, Existing::Nothing, true, false},
        {TacFileStorageOverwrite::owIfSizeDifferent, Existing::SameSize, false, false},
        {TacFileStorageOverwrite::owIfSizeDifferent, Existing::OtherSize, true, false},
        {TacFileStorageOverwrite::owIfSizeDifferent, Existing::Folder, false, true},
        {TacFileStorageOverwrite::owNever, Existing::Nothing, true, false},
        {TacFileStorageOverwrite::owNever, Existing::SameSize, false, false},
        {TacFileStorageOverwrite::owNever, Existing::OtherSize, false, false},
        {TacFileStorageOverwrite::owNever, Existing::Folder, false, true},
        {TacFileStorageOverwrite::owAlways, Existing::Nothing, true, false},
        {TacFileStorageOverwrite::owAlways, Existing::SameSize, true, false},
        {TacFileStorageOverwrite::owAlways, Existing::OtherSize, true, false},
        {TacFileStorageOverwrite::owAlways, Existing::Folder, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ac::OverwriteNames()[static_cast<size_t>(c.policy)] + " existing " +
                     std::to_string(static_cast<int>(c.existing)));
        Rig rig;
        rig.Settings().SetOverwrite(c.policy);
        rig.Add("setup.exe", stored);
        std::string before;
        if (c.existing == Existing::SameSize) before = "OLDDATA!";
        if (c.existing == Existing::OtherSize) before = "OLD";
        if (c.existing == Existing::Folder)
            MakeFolder(rig.Path("setup.exe"));
        else if (c.existing != Existing::Nothing)
            MakeFile(rig.Path("setup.exe"), before);

        rig.Load();
        Events expected;
        if (c.written)
            expected = {"OnExtract setup.exe 8 form" +
                            std::string(c.existing == Existing::Nothing ? "" : " exists"),
                        "OnExtracted setup.exe 8 form ok remembered"};
        if (c.failed)
            expected = {"OnExtract setup.exe 8 form exists", "OnExtracted setup.exe 8 form failed"};
        EXPECT_EQ(rig.events, expected);
        if (c.existing == Existing::Folder) {
            EXPECT_TRUE(IsFolder(rig.Path("setup.exe")));
        } else {
            EXPECT_EQ(rig.Contents("setup.exe"), c.written ? stored : before);
        }

        rig.Destroy();
        // What was written goes; what was there already and kept stays.
        if (c.written)
            EXPECT_FALSE(Exists(rig.Path("setup.exe")));
        else if (c.existing == Existing::Folder)
            EXPECT_TRUE(IsFolder(rig.Path("setup.exe")));
        else
            EXPECT_EQ(rig.Contents("setup.exe"), before);
        // The scratch folder holds other things than the written file only
        // when something was there before.
        EXPECT_EQ(IsFolder(rig.scratch.Path()), !c.written) << "first file's folder";
    }
}

// ---------------------------------------------------------------------------
// Events, veto, owner.

TEST(ExtractionPass, VetoedFileRaisesOnlyOnExtractAndIsNotWritten) {
    Rig rig;
    rig.Add("a.bin", "aaa");
    rig.Add("b.bin", "bb");
    rig.veto = "a.bin";
    MakeFile(rig.Path("keep.txt"), "x"); // keeps the folder for the checks below
    rig.Load();
    EXPECT_EQ(rig.events, (Events{"OnExtract a.bin 3 form", "OnExtract b.bin 2 form",
                                  "OnExtracted b.bin 2 form ok remembered"}));
    EXPECT_FALSE(Exists(rig.Path("a.bin")));
    EXPECT_EQ(rig.Storage().ExtractedFiles(), (std::vector<std::string>{rig.Path("b.bin")}));
    // Called directly, a vetoed extraction still counts as done.
    EXPECT_TRUE(rig.Storage().Files().Items(0)->Extract(rig.Path("a.bin"), false));
    EXPECT_FALSE(Exists(rig.Path("a.bin")));
    rig.Destroy();
    EXPECT_FALSE(Exists(rig.Path("b.bin")));
    EXPECT_TRUE(Exists(rig.Path("keep.txt")));
}

TEST(ExtractionPass, StorageWithoutOwnerSendsNullSender) {
    Rig rig(false);
    rig.Add("f", "1234");
    rig.Load();
    EXPECT_EQ(rig.events, (Events{"OnExtract f 4 null", "OnExtracted f 4 null ok remembered"}));
}

TEST(ExtractionPass, DisabledOrDesignedStorageExtractsAndRemovesNothing) {
    for (const bool designing : {false, true}) {
        Rig rig;
        rig.Add("f", "data");
        if (designing)
            rig.Storage().SetDesigning(true);
        else
            rig.Settings().SetEnabled(false);
        rig.Load();
        EXPECT_TRUE(rig.events.empty());
        EXPECT_FALSE(Exists(rig.Path("f")));
        // A file put there and remembered by hand stays too when disabled.
        MakeFile(rig.Path("f"), "mine");
        rig.Storage().ExtractedFiles().push_back(rig.Path("f"));
        if (designing) rig.Settings().SetEnabled(false);
        rig.Destroy();
        EXPECT_EQ(rig.Contents("f"), "mine");
    }
}

// ---------------------------------------------------------------------------
// Paths: missing folders, names with backslashes, an empty name, one name twice.

TEST(ExtractionPass, CreatePathDecidesWhetherMissingFoldersAreMade) {
    const struct {
        const char* subfolder; // below the scratch folder, missing at the start
        const char* name;
        bool createPath;
    } cases[] = {
        {"out\\deep\\", "setup.exe", true}, {"out\\deep\\", "setup.exe", false},
        {"", "in\\name\\setup.exe", true},  {"", "in\\name\\setup.exe", false},
        {"out\\", "in\\setup.exe", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.subfolder) + c.name + (c.createPath ? " create" : " no create"));
        Rig rig;
        rig.Settings().ExtractTo().SetSubdirectory(rig.Path(c.subfolder));
        rig.Settings().ExtractTo().SetCreatePath(c.createPath);
        rig.Add(c.name, "contents");
        rig.Load();
        const std::string relative = std::string(c.subfolder) + c.name;
        EXPECT_EQ(rig.events, (Events{"OnExtract " + relative + " 8 form",
                                      "OnExtracted " + relative + " 8 form " +
                                          (c.createPath ? "ok remembered" : "failed")}));
        if (c.createPath)
            EXPECT_EQ(rig.Contents(relative), "contents");
        else
            EXPECT_FALSE(Exists(rig.Path(relative)));
    }
}

TEST(ExtractionPass, EmptyNameTargetsTheFolderItselfAndFails) {
    Rig rig;
    rig.Add("", "data");
    rig.Load();
    EXPECT_EQ(rig.events, (Events{"OnExtract  4 form exists", "OnExtracted  4 form failed"}));
    EXPECT_TRUE(rig.Storage().ExtractedFiles().empty());
    rig.Destroy();
    EXPECT_TRUE(IsFolder(rig.scratch.Path()));
}

TEST(ExtractionPass, TwoFilesOfOneNameGoToOnePath) {
    const struct {
        TacFileStorageOverwrite policy;
        const char* second;
        int remembered;
        const char* result;
    } cases[] = {
        {TacFileStorageOverwrite::owAlways, "2222", 2, "2222"},
        {TacFileStorageOverwrite::owIfSizeDifferent, "2222", 1, "1111"},
        {TacFileStorageOverwrite::owIfSizeDifferent, "22", 2, "22"},
        {TacFileStorageOverwrite::owNever, "22", 1, "1111"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(ac::OverwriteNames()[static_cast<size_t>(c.policy)] + " " + c.second);
        Rig rig;
        rig.Settings().SetOverwrite(c.policy);
        rig.Add("same", "1111");
        rig.Add("same", c.second);
        rig.Load();
        EXPECT_EQ(rig.Contents("same"), c.result);
        EXPECT_EQ(rig.Storage().ExtractedFiles(),
                  std::vector<std::string>(static_cast<size_t>(c.remembered), rig.Path("same")));
        // The second deletion of the same path fails without harm.
        rig.Destroy();
        EXPECT_FALSE(Exists(rig.Path("same")));
        EXPECT_FALSE(IsFolder(rig.scratch.Path()));
    }
}

// ---------------------------------------------------------------------------
// The removal pass.

TEST(RemovalPass, SettingsAtDestructionAndWhileWritingDecide) {
    const struct {
        const char* name;
        bool removeWhileWriting;
        void (*after)(ac::TAutoExtract&);
        bool removed;
    } cases[] = {
        {"unchanged", true, [](ac::TAutoExtract&) {}, true},
        {"RemoveOnTerminate on after the pass", false,
         [](ac::TAutoExtract& s) { s.SetRemoveOnTerminate(true); }, false},
        {"RemoveOnTerminate off after the pass", true,
         [](ac::TAutoExtract& s) { s.SetRemoveOnTerminate(false); }, false},
        {"Enabled off after the pass", true, [](ac::TAutoExtract& s) { s.SetEnabled(false); },
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        rig.Settings().SetRemoveOnTerminate(c.removeWhileWriting);
        rig.Add("f.bin", "data");
        rig.Load();
        ASSERT_EQ(rig.Contents("f.bin"), "data");
        c.after(rig.Settings());
        rig.Destroy();
        EXPECT_EQ(Exists(rig.Path("f.bin")), !c.removed);
    }
}

TEST(RemovalPass, OnlyTheFirstFilesFolderGoesAndOnlyWhenEmpty) {
    const struct {
        std::vector<const char*> names;     // stored names, written below out\ in order
        const char* unrelated;              // a file below out\ that is not ours, or null
        std::vector<const char*> remaining; // folders below the scratch folder afterwards
    } cases[] = {
        {{"one"}, nullptr, {}},
        {{"one"}, "keep.txt", {"out\\"}},
        {{"one", "sub\\two"}, nullptr, {"out\\", "out\\sub\\"}},
        {{"sub\\two", "one"}, nullptr, {"out\\"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.names.front()) + (c.unrelated ? " with unrelated file" : ""));
        Rig rig;
        rig.Settings().ExtractTo().SetSubdirectory(rig.Path("out\\"));
        for (const char* name : c.names)
            rig.Add(name, "x");
        if (c.unrelated) {
            MakeFolder(rig.Path("out"));
            MakeFile(rig.Path("out\\") + c.unrelated, "theirs");
        }
        rig.Load();
        ASSERT_EQ(rig.Storage().ExtractedFiles().size(), c.names.size());
        rig.Destroy();
        for (const char* name : c.names)
            EXPECT_FALSE(Exists(rig.Path("out\\") + name)) << name;
        for (const char* folder : {"out\\", "out\\sub\\"}) {
            const bool expected =
                std::find_if(c.remaining.begin(), c.remaining.end(), [&](const char* f) {
                    return std::string(f) == folder;
                }) != c.remaining.end();
            EXPECT_EQ(IsFolder(rig.Path(folder)), expected) << folder;
        }
    }
}

TEST(RemovalPass, FileStillOpenElsewhereStaysSilently) {
    Rig rig;
    rig.Add("running.exe", "busy");
    rig.Add("other.bin", "free");
    rig.Load();
    // As a started program would hold it: no sharing of deletion.
    acutils::UniqueFileHandle holder(::CreateFileA(rig.Path("running.exe").c_str(), GENERIC_READ,
                                                   FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                                   FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder.IsValid());
    rig.Destroy();
    EXPECT_EQ(rig.Contents("running.exe"), "busy");
    EXPECT_FALSE(Exists(rig.Path("other.bin")));
    EXPECT_TRUE(IsFolder(rig.scratch.Path()));
}

// ---------------------------------------------------------------------------
// A write that does not go out in full leaves no file behind.

// The real system, except that writes of setup.exe stop halfway: either
// reporting success with the short count, or reporting failure.
class HalfWrites : public ac::ExtractionSystem {
public:
    explicit HalfWrites(bool reportFailure) : reportFailure_(reportFailure) {}

    std::string WindowsFolder() override { return real_.WindowsFolder(); }
    std::string SystemFolder() override { return real_.SystemFolder(); }
    std::string TempFolder() override { return real_.TempFolder(); }
    std::string ProgramPath() override { return real_.ProgramPath(); }
    std::string ShellFolder(const std::string& name) override { return real_.ShellFolder(name); }
    bool FileExists(const std::string& path) override { return real_.FileExists(path); }
    bool FolderExists(const std::string& path) override { return real_.FolderExists(path); }
    void CreateFolderPath(const std::string& name) override { real_.CreateFolderPath(name); }
    int64_t FileSizeByName(const std::string& name) override { return real_.FileSizeByName(name); }
    bool FolderIsEmpty(const std::string& path) override { return real_.FolderIsEmpty(path); }
    bool RemoveFile(const std::string& path) override { return real_.RemoveFile(path); }
    bool RemoveFolder(const std::string& path) override { return real_.RemoveFolder(path); }

    std::unique_ptr<ac::ExtractionFile> CreateAlways(const std::string& path) override {
        std::unique_ptr<ac::ExtractionFile> file = real_.CreateAlways(path);
        if (!file || path.size() < 9 || path.compare(path.size() - 9, 9, "setup.exe") != 0)
            return file;
        return std::make_unique<HalfFile>(std::move(file), reportFailure_);
    }

private:
    class HalfFile : public ac::ExtractionFile {
    public:
        HalfFile(std::unique_ptr<ac::ExtractionFile> file, bool reportFailure)
            : file_(std::move(file)), reportFailure_(reportFailure) {}
        bool Write(const uint8_t* data, uint32_t size, uint32_t& written) override {
            const bool ok = file_->Write(data, size / 2, written);
            return ok && !reportFailure_;
        }

    private:
        std::unique_ptr<ac::ExtractionFile> file_;
        bool reportFailure_;
    };

    ac::ExtractionSystem& real_ = ac::Win32ExtractionSystem();
    bool reportFailure_;
};

TEST(ExtractionPass, FileNotWrittenInFullIsDeletedAndReportedAsFailure) {
    for (const bool reportFailure : {false, true}) {
        SCOPED_TRACE(reportFailure ? "failed write" : "short write");
        HalfWrites system(reportFailure);
        Rig rig;
        rig.Storage().SetExtractionSystem(&system);
        rig.Settings().ExtractTo().SetSubdirectory(rig.Path("out\\"));
        rig.Add("setup.exe", "0123456789");
        rig.Add("empty.txt", "");
        rig.Load();
        EXPECT_EQ(rig.events, (Events{"OnExtract out\\setup.exe 10 form",
                                      "OnExtracted out\\setup.exe 10 form failed",
                                      "OnExtract out\\empty.txt 0 form",
                                      "OnExtracted out\\empty.txt 0 form ok remembered"}));
        EXPECT_FALSE(Exists(rig.Path("out\\setup.exe")));
        EXPECT_FALSE(rig.Storage().Files().Items(0)->Extract(rig.Path("out\\setup.exe"), false));
        EXPECT_FALSE(Exists(rig.Path("out\\setup.exe")));
        rig.Destroy();
        EXPECT_FALSE(IsFolder(rig.Path("out\\")));
    }
}

// ---------------------------------------------------------------------------
// A storage read from a form definition extracts when the definition has been
// read, and removes when the form is destroyed.

TEST(StorageFromDefinition, ExtractsWhenLoadedAndRemovesWhenDestroyed) {
    for (const bool binary : {false, true}) {
        SCOPED_TRACE(binary ? "binary definition" : "text definition");
        ScratchFolder scratch;
        const std::string temp = TempFolderOfSystem();
        ASSERT_EQ(scratch.Path().compare(0, temp.size(), temp), 0);
        const std::string subdirectory = scratch.Path().substr(temp.size()) + "setup";
        const std::string text = "object Form1: TTestForm\n"
                                 "  object acFileStorage1: TacFileStorage\n"
                                 "    AutoExtract.Enabled = True\n"
                                 "    AutoExtract.ExtractTo.ToplevelDir = tdTempDir\n"
                                 "    AutoExtract.ExtractTo.Subdirectory = '" +
                                 subdirectory +
                                 "'\n"
                                 "    AutoExtract.RemoveOnTerminate = True\n"
                                 "    AutoExtract.Overwrite = owAlways\n"
                                 "    StoredData = storage\n"
                                 "      'qv_setup.exe' = {4D5A900003}\n"
                                 "    end\n"
                                 "  end\n"
                                 "end\n";
        vcl::FormObject tree;
        ASSERT_FALSE(vcl::ParseFormText(text, {}, tree));
        ASSERT_FALSE(ac::EncodeStoredDataValues(tree));
        const vcl::ClassRegistry registry = Registry();

        auto form = std::make_unique<TTestForm>(nullptr);
        if (binary) {
            vcl::ByteWriter out;
            ASSERT_FALSE(vcl::WriteFormDefinition(tree, out));
            const Bytes definition = out.TakeBytes();
            const vcl::Error error =
                vcl::ReadRootComponent(vcl::ByteView(definition), *form, registry);
            ASSERT_FALSE(error) << error.Message();
        } else {
            const vcl::Error error = vcl::ReadComponentTree(tree, *form, registry);
            ASSERT_FALSE(error) << error.Message();
        }
        const std::string path = scratch.Path() + "setup\\qv_setup.exe";
        EXPECT_EQ(ReadWholeFile(path), std::string("MZ\x90\x00\x03", 5));
        form.reset();
        EXPECT_FALSE(Exists(path));
        EXPECT_FALSE(IsFolder(scratch.Path() + "setup\\"));
    }
}

} // namespace
} // namespace storagetest
