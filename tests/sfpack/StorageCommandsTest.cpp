// sfpack store / list / extract from the command line.
#include "PeImageBuilder.h"
#include "SfpackRunner.h"
#include "sampledata/SampleData.h"
#include "storage/acFileStorage.h"
#include "vcl/FormBinary.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sfpack::test {
namespace {

using Bytes = std::vector<uint8_t>;
namespace fs = std::filesystem;

Bytes StorageStream(const std::vector<std::pair<std::string, Bytes>>& files) {
    ac::TacFileStorage storage(nullptr);
    for (const auto& file : files)
        EXPECT_FALSE(storage.AddStoredFile(file.first, vcl::ByteView(file.second)));
    vcl::ByteWriter out;
    EXPECT_FALSE(storage.WriteStoredData(out));
    return out.TakeBytes();
}

Bytes U32(uint32_t v) {
    return {static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
            static_cast<uint8_t>(v >> 24)};
}

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        for (uint8_t byte : part)
            all.push_back(byte);
    return all;
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

// A form definition with a storage holding the given stream.
Bytes FormWithStorage(const Bytes& stream) {
    vcl::FormObject root;
    root.className = "TForm1";
    root.name = "Form1";
    vcl::FormObject image;
    image.className = "TImage";
    image.name = "Image2";
    vcl::FormObject storage;
    storage.className = "TacFileStorage";
    storage.name = "acFileStorage1";
    storage.properties = {{"AutoExtract.Enabled", vcl::FormValue::Boolean(true)},
                          {"StoredData", vcl::FormValue::Binary(vcl::BinaryData::Own(stream))}};
    root.children = {image, storage};
    vcl::ByteWriter out;
    EXPECT_FALSE(vcl::WriteFormDefinition(root, out));
    return out.TakeBytes();
}

TEST(StoreCommand, StoresListsAndExtracts) {
    ScratchDir dir;
    const Bytes setup = sample::InstallerPayload(300000, 5);
    const Bytes readme = Text("hallo");
    dir.Write("setup.exe", setup);
    dir.Write("readme.txt", readme);
    const RunResult stored = RunSfpack({"store", dir.Path("s.sfp"), dir.Path("setup.exe"),
                                        "docs\\Lies mich.txt=" + dir.Path("readme.txt")});
    ASSERT_EQ(stored.exitStatus, 0) << stored.errorOutput;
    const Bytes expected = StorageStream({{"setup.exe", setup}, {"docs\\Lies mich.txt", readme}});
    EXPECT_EQ(dir.Read("s.sfp"), expected);

    const RunResult listed = RunSfpack({"list", dir.Path("s.sfp")});
    ASSERT_EQ(listed.exitStatus, 0) << listed.errorOutput;
    EXPECT_EQ(listed.output.substr(0, listed.output.find('\n')),
              "storage stream, signed layout, 2 files, 300005 bytes");
    EXPECT_NE(listed.output.find("    300000"), std::string::npos) << listed.output;
    EXPECT_NE(listed.output.find("  setup.exe\n"), std::string::npos) << listed.output;
    EXPECT_NE(listed.output.find("           5          13  docs\\Lies mich.txt\n"),
              std::string::npos)
        << listed.output;

    const RunResult extracted = RunSfpack({"extract", dir.Path("s.sfp"), dir.Path("out")});
    ASSERT_EQ(extracted.exitStatus, 0) << extracted.errorOutput;
    EXPECT_EQ(dir.Read("out/setup.exe"), setup);
    EXPECT_EQ(dir.Read("out/docs/Lies mich.txt"), readme);
}

TEST(ListCommand, ShowsTheUnsignedLayout) {
    ScratchDir dir;
    dir.Write("u.sfp", Join({U32(1), U32(0), U32(3), Text("abc"), U32(2), {9, 9}}));
    const RunResult listed = RunSfpack({"list", dir.Path("u.sfp")});
    ASSERT_EQ(listed.exitStatus, 0) << listed.errorOutput;
    EXPECT_EQ(listed.output, "storage stream, unsigned layout, 1 file, 2 bytes\n"
                             "    unpacked      packed  name\n"
                             "           2           -  abc\n");
}

// A form definition, and a program carrying one as RCDATA "TFORM1": the
// components and each storage's files.
TEST(ListCommand, ShowsFormsAndProgramsWithTheirStorages) {
    ScratchDir dir;
    const Bytes definition = FormWithStorage(StorageStream({{"qv_setup.exe", Bytes(1000, 0)}}));
    dir.Write("form.dfm", definition);
    dir.Write("launcher.exe", BuildPeImage("TFORM1", definition).bytes);
    const std::string components = "Form1: TForm1\n"
                                   "  Image2: TImage\n"
                                   "  acFileStorage1: TacFileStorage\n"
                                   "    StoredData: signed layout, 1 file, 1000 bytes\n"
                                   "        unpacked      packed  name\n"
                                   "            1000          13  qv_setup.exe\n";
    const RunResult form = RunSfpack({"list", dir.Path("form.dfm")});
    ASSERT_EQ(form.exitStatus, 0) << form.errorOutput;
    EXPECT_EQ(form.output, "form definition\n" + components);
    const RunResult program = RunSfpack({"list", dir.Path("launcher.exe")});
    ASSERT_EQ(program.exitStatus, 0) << program.errorOutput;
    EXPECT_EQ(program.output,
              "form definition in RCDATA resource \"TFORM1\" of a Windows program\n" + components);

    const RunResult extracted = RunSfpack({"extract", dir.Path("launcher.exe"), dir.Path("out")});
    ASSERT_EQ(extracted.exitStatus, 0) << extracted.errorOutput;
    EXPECT_EQ(dir.Read("out/qv_setup.exe"), Bytes(1000, 0));
}

// Names that would leave the folder are refused before anything is written.
TEST(ExtractCommand, RefusesNamesThatLeaveTheFolder) {
    for (const char* name :
         {"..\\evil.exe", "a\\..\\..\\evil.exe", "..", ".", "\\abs.exe", "/abs.exe", "C:\\evil.exe",
          "C:evil.exe", "file.txt:stream", "a\\\\b", "dir\\", ""}) {
        SCOPED_TRACE(name);
        ScratchDir dir;
        dir.Write("s.sfp", StorageStream({{"good.txt", Text("ok")}, {name, Text("bad")}}));
        const RunResult result = RunSfpack({"extract", dir.Path("s.sfp"), dir.Path("out")});
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_NE(result.errorOutput.find("refusing stored name"), std::string::npos)
            << result.errorOutput;
        EXPECT_EQ(dir.List(), (std::vector<std::string>{"s.sfp"})) << "nothing written";
    }
}

TEST(ExtractCommand, NeverWritesThroughALink) {
    ScratchDir dir;
    ScratchDir outside;
    fs::create_directory(dir.Path("out"));
    fs::create_directory_symlink(outside.Path(""), dir.Path("out/sub"));
    dir.Write("s.sfp", StorageStream({{"sub\\x.txt", Text("x")}}));
    const RunResult result = RunSfpack({"extract", dir.Path("s.sfp"), dir.Path("out")});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.errorOutput.find("refusing to write through the link"), std::string::npos)
        << result.errorOutput;
    EXPECT_TRUE(outside.List().empty());
}

// Damaged inputs: one line on stderr, exit status 1, no output file.
TEST(StorageCommands, DamagedInputFailsCleanly) {
    Bytes cut = StorageStream({{"a", sample::RunHeavy(5000, 1)}});
    cut.resize(cut.size() - 1);
    const Bytes badForm = FormWithStorage(Join({Text("SFP1"), U32(1), U32(0), U32(2)}));
    struct Case {
        const char* name;
        Bytes input;
        const char* message;
    };
    const Case cases[] = {
        {"TruncatedStream", cut, "file 1 of 1: \"a\": block length"},
        {"BadStoredData", badForm, "acFileStorage1.StoredData: storage stream"},
        {"ProgramWithoutForm", BuildPeImage("OTHER", {1}).bytes,
         "RCDATA resource \"TFORM1\": not found"},
        {"BrokenForm", Join({Text("TPF0"), {6}, Text("TF")}), "data ends inside the class name"},
    };
    for (const Case& c : cases) {
        for (const char* command : {"list", "extract"}) {
            SCOPED_TRACE(std::string(c.name) + " " + command);
            ScratchDir dir;
            dir.Write("in", c.input);
            const RunResult result = command == std::string("list")
                                         ? RunSfpack({"list", dir.Path("in")})
                                         : RunSfpack({"extract", dir.Path("in"), dir.Path("out")});
            EXPECT_EQ(result.exitStatus, 1);
            EXPECT_NE(result.errorOutput.find(c.message), std::string::npos) << result.errorOutput;
            EXPECT_EQ(std::count(result.errorOutput.begin(), result.errorOutput.end(), '\n'), 1)
                << result.errorOutput;
            EXPECT_TRUE(result.output.empty()) << result.output;
            EXPECT_EQ(dir.List(), (std::vector<std::string>{"in"}));
        }
    }
}

TEST(StorageCommands, UsageErrorsExitWithTwo) {
    ScratchDir dir;
    dir.Write("f", {1});
    for (const std::vector<std::string>& args : {std::vector<std::string>{"store", dir.Path("o")},
                                                 {"store", dir.Path("o"), "=" + dir.Path("f")},
                                                 {"store", dir.Path("o"), "name="},
                                                 {"list"},
                                                 {"list", "a", "b"},
                                                 {"extract", dir.Path("f")}}) {
        const RunResult result = RunSfpack(args);
        EXPECT_EQ(result.exitStatus, 2) << args[0] << " " << args.size();
        EXPECT_NE(result.errorOutput.find("usage: sfpack"), std::string::npos);
    }
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"f"}));
}

TEST(StoreCommand, MissingInputLeavesNoOutput) {
    ScratchDir dir;
    dir.Write("a", {1});
    const RunResult result =
        RunSfpack({"store", dir.Path("o"), dir.Path("a"), dir.Path("missing")});
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_NE(result.errorOutput.find("missing"), std::string::npos);
    EXPECT_EQ(dir.List(), (std::vector<std::string>{"a"}));
}

} // namespace
} // namespace sfpack::test
