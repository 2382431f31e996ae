// sfpack form compile / form dump: layouts as text, both ways.
#include "PeImageBuilder.h"
#include "SfpackRunner.h"
#include "sampledata/SampleData.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace sfpack::test {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}
std::string String(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

const char* const Layout = R"(object Form1: TForm1
  Caption = 'Installation'
  ClientWidth = 667
  Font.Style = []
  object Image2: TImage
    Cursor = crHandPoint
    Picture.Data = graphic 'TJPEGImage' file 'logo.jpg'
    OnClick = Image2Click
  end
  object Label1: TLabel
    Caption = utf8 'Sie ben'#195#182'tigen Unterst'#195#188'tzung?'#13#10'Schreiben Sie uns!'
  end
  object acFileStorage1: TacFileStorage
    AutoExtract.Enabled = True
    AutoExtract.ExtractTo.CreatePath = False
    AutoExtract.ExtractTo.ToplevelDir = tdTempDir
    StoredData = storage
      'qv_quietlocksetup_full.exe' = file 'payload/setup.bin'
      'liesmich.txt' = {48616C6C6F}
    end
  end
end
)";

void WriteLayout(const ScratchDir& dir) {
    dir.Write("form.txt", Text(Layout));
    dir.Write("logo.jpg", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F'});
    std::filesystem::create_directory(dir.Path("payload"));
    dir.Write("payload/setup.bin", sample::InstallerPayload(200000, 8));
}

// Text to binary, binary to text and files, and back to the same bytes.
TEST(FormCommands, CompileDumpCompileGivesTheSameDefinition) {
    ScratchDir dir;
    WriteLayout(dir);
    const RunResult compiled =
        RunSfpack({"form", "compile", dir.Path("form.txt"), dir.Path("form.dfm")});
    ASSERT_EQ(compiled.exitStatus, 0) << compiled.errorOutput;
    const Bytes definition = dir.Read("form.dfm");
    ASSERT_EQ(String(Bytes(definition.begin(), definition.begin() + 4)), "TPF0");

    const RunResult dumped =
        RunSfpack({"form", "dump", dir.Path("form.dfm"), dir.Path("dump/form.txt")});
    ASSERT_EQ(dumped.exitStatus, 0) << dumped.errorOutput;
    EXPECT_TRUE(dumped.errorOutput.empty()) << dumped.errorOutput;
    const std::string text = String(dir.Read("dump/form.txt"));
    EXPECT_NE(text.find("    Picture.Data = graphic 'TJPEGImage' file 'Image2.Picture.Data.jpg'\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("      'qv_quietlocksetup_full.exe' = file "
                        "'acFileStorage1.1.qv_quietlocksetup_full.exe'\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(dir.Read("dump/Image2.Picture.Data.jpg"), dir.Read("logo.jpg"));
    EXPECT_EQ(dir.Read("dump/acFileStorage1.1.qv_quietlocksetup_full.exe"),
              dir.Read("payload/setup.bin"));
    EXPECT_EQ(dir.Read("dump/acFileStorage1.2.liesmich.txt"), Text("Hallo"));

    const RunResult again =
        RunSfpack({"form", "compile", dir.Path("dump/form.txt"), dir.Path("again.dfm")});
    ASSERT_EQ(again.exitStatus, 0) << again.errorOutput;
    EXPECT_EQ(dir.Read("again.dfm"), definition);
}

// Without a text file the dump goes to stdout with binary data in hex, and
// compiles back all the same.
TEST(FormCommands, DumpToStdoutIsSelfContained) {
    ScratchDir dir;
    WriteLayout(dir);
    ASSERT_EQ(RunSfpack({"form", "compile", dir.Path("form.txt"), dir.Path("form.dfm")}).exitStatus,
              0);
    const Bytes definition = dir.Read("form.dfm");
    dir.Write("launcher.exe", BuildPeImage("TFORM1", definition).bytes);
    const RunResult dumped = RunSfpack({"form", "dump", dir.Path("launcher.exe")});
    ASSERT_EQ(dumped.exitStatus, 0) << dumped.errorOutput;
    EXPECT_NE(dumped.output.find("'liesmich.txt' = {48616C6C6F}"), std::string::npos);
    dir.Write("stdout.txt", Text(dumped.output));
    ASSERT_EQ(
        RunSfpack({"form", "compile", dir.Path("stdout.txt"), dir.Path("again.dfm")}).exitStatus,
        0);
    EXPECT_EQ(dir.Read("again.dfm"), definition);
}

// A storage in the unsigned layout cannot be listed as files and written
// back the same; the dump keeps its bytes and says why.
TEST(FormCommands, UnsignedStoredDataStaysBinary) {
    ScratchDir dir;
    dir.Write("form.txt", Text("object F: TForm1\n object S: TacFileStorage\n"
                               "  StoredData = {01000000 00000000 01000000 61 02000000 0909}\n"
                               " end\nend\n"));
    ASSERT_EQ(RunSfpack({"form", "compile", dir.Path("form.txt"), dir.Path("form.dfm")}).exitStatus,
              0);
    const RunResult dumped = RunSfpack({"form", "dump", dir.Path("form.dfm"), dir.Path("d/f.txt")});
    ASSERT_EQ(dumped.exitStatus, 0) << dumped.errorOutput;
    EXPECT_NE(
        dumped.errorOutput.find("note: S.StoredData is kept as binary data: it has the unsigned "
                                "layout"),
        std::string::npos)
        << dumped.errorOutput;
    ASSERT_EQ(RunSfpack({"form", "compile", dir.Path("d/f.txt"), dir.Path("again.dfm")}).exitStatus,
              0);
    EXPECT_EQ(dir.Read("again.dfm"), dir.Read("form.dfm"));
}

TEST(FormCommands, ErrorsLeaveNoOutput) {
    struct Case {
        const char* name;
        std::string text;
        const char* message;
    };
    const Case cases[] = {
        {"Syntax", "object F: T\n  X = \nend\n",
         "form.txt': line 3: expected a value, found 'end'"},
        {"MissingFile", "object F: T\n  X = file 'nowhere.bin'\nend\n", "line 2: cannot open"},
        {"NotClosed", "object F: T\n", "is not closed by 'end'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir;
        dir.Write("form.txt", Text(c.text));
        const RunResult result =
            RunSfpack({"form", "compile", dir.Path("form.txt"), dir.Path("out.dfm")});
        EXPECT_EQ(result.exitStatus, 1);
        EXPECT_NE(result.errorOutput.find(c.message), std::string::npos) << result.errorOutput;
        EXPECT_EQ(dir.List(), (std::vector<std::string>{"form.txt"}));
    }
    ScratchDir dir;
    dir.Write("s.sfp", {'S', 'F', 'P', '1', 0, 0, 0, 0});
    const RunResult notForm = RunSfpack({"form", "dump", dir.Path("s.sfp")});
    EXPECT_EQ(notForm.exitStatus, 1);
    EXPECT_NE(notForm.errorOutput.find("is not a form definition"), std::string::npos);
    EXPECT_EQ(RunSfpack({"form", "compile", dir.Path("s.sfp")}).exitStatus, 2);
    EXPECT_EQ(RunSfpack({"form", "dump"}).exitStatus, 2);
}

} // namespace
} // namespace sfpack::test
