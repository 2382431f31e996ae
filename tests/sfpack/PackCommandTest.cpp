// sfpack pack / unpack from the command line.
#include "SfpackRunner.h"
#include "packer/acSFPack.h"
#include "sampledata/SampleData.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sfpack::test {
namespace {

using Bytes = std::vector<uint8_t>;

Bytes PackInMemory(Bytes input) {
    const size_t n = input.size();
    input.resize(n + acsf::PackSlackBytes);
    Bytes packed(acsf::PackedSizeBound(static_cast<uint32_t>(n)));
    packed.resize(static_cast<size_t>(
        acsf::PackStream(input.data(), packed.data(), static_cast<int32_t>(n))));
    return packed;
}

TEST(PackCommand, RoundTripsFilesOfEverySize) {
    for (const size_t size : {size_t{0}, size_t{1}, size_t{65534}, size_t{1} << 20}) {
        ScratchDir dir;
        const Bytes input = sample::InstallerPayload(size, size);
        dir.Write("in", input);
        ASSERT_EQ(RunSfpack({"pack", dir.Path("in"), dir.Path("packed")}).exitStatus, 0);
        EXPECT_EQ(dir.Read("packed"), PackInMemory(input)) << "size " << size;
        ASSERT_EQ(RunSfpack({"unpack", dir.Path("packed"), dir.Path("out")}).exitStatus, 0);
        EXPECT_EQ(dir.Read("out"), input) << "size " << size;
        EXPECT_EQ(dir.List(), (std::vector<std::string>{"in", "out", "packed"}))
            << "no temporary files left";
    }
}

// A damaged packed file names its fault on one line, exits 1 and leaves no
// output file, not even a temporary one.
TEST(PackCommand, DamagedInputFailsWithoutOutput) {
    const Bytes good = PackInMemory(sample::RunHeavy(5000, 1));
    struct Case {
        const char* name;
        Bytes packed;
        const char* message;
    };
    Bytes cut(good.begin(), good.end() - 3);
    Bytes sizeTooLarge = good;
    sizeTooLarge[0] += 1;
    const Case cases[] = {
        {"Truncated", cut, "runs past the end of the packed stream"},
        {"TooShort", {1, 0}, "shorter than its 4-byte size field"},
        {"RecordedSizeTooLarge", sizeTooLarge, "shorter than the recorded size"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        dir.Write("packed", c.packed);
        const RunResult result = RunSfpack({"unpack", dir.Path("packed"), dir.Path("out")});
        EXPECT_EQ(result.exitStatus, 1) << c.name;
        EXPECT_NE(result.errorOutput.find(c.message), std::string::npos)
            << c.name << ": " << result.errorOutput;
        EXPECT_EQ(std::count(result.errorOutput.begin(), result.errorOutput.end(), '\n'), 1)
            << c.name;
        EXPECT_EQ(dir.List(), std::vector<std::string>{"packed"}) << c.name;
    }
}

TEST(PackCommand, ErrorsAndUsage) {
    ScratchDir dir;
    dir.Write("in", {1, 2, 3});
    struct Case {
        std::vector<std::string> args;
        int exitStatus;
    };
    const Case cases[] = {
        {{}, 2},
        {{"bogus"}, 2},
        {{"pack", dir.Path("in")}, 2},
        {{"unpack", dir.Path("in"), dir.Path("a"), dir.Path("b")}, 2},
        {{"pack", dir.Path("missing"), dir.Path("out")}, 1},
        {{"pack", dir.Path(""), dir.Path("out")}, 1}, // a folder, not a file
        {{"pack", dir.Path("in"), dir.Path("no/such/folder/out")}, 1},
    };
    for (const Case& c : cases) {
        const RunResult result = RunSfpack(c.args);
        EXPECT_EQ(result.exitStatus, c.exitStatus) << result.errorOutput;
        EXPECT_FALSE(result.errorOutput.empty());
    }
    EXPECT_EQ(dir.List(), std::vector<std::string>{"in"});
}

} // namespace
} // namespace sfpack::test
