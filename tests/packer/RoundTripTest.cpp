// Round trips over many kinds and sizes of input, checked against the plain
// reference packer so that the fast paths stay byte-exact.
#include "PackerTestSupport.h"
#include "ReferencePacker.h"
#include "packer/acSFPack.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace acsf::test {
namespace {

uint32_t Draw(std::mt19937& random) {
    return static_cast<uint32_t>(random());
}

struct Input {
    std::string name;
    std::function<Bytes()> make;
};

std::vector<Input> Inputs() {
    std::vector<Input> inputs;
    const size_t sizes[] = {0,   1,     2,     5,      17,     255,
                            256, 65533, 65534, 131066, 131067, 3 * 1024 * 1024 + 7};
    for (const size_t size : sizes) {
        const std::string suffix = "_" + std::to_string(size);
        inputs.push_back({"Random" + suffix, [size] { return RandomBytes(size, 1); }});
        inputs.push_back({"Zeros" + suffix, [size] { return Bytes(size, 0); }});
        inputs.push_back({"RunHeavy" + suffix, [size] { return RunHeavy(size, 2); }});
        inputs.push_back({"CodeLike" + suffix, [size] { return CodeLike(size, 3); }});
    }
    // Runs that end exactly at, one before and one after a block boundary,
    // in both modes (table mode: all values occur before the run).
    for (const int offset : {-6, -5, -4, -1, 0, 1, 4}) {
        const std::string suffix = std::to_string(offset + 10);
        inputs.push_back({"EscapeRunAtBoundary" + suffix, [offset] {
                              Bytes b = RunHeavy(65533 + offset, 4);
                              b.resize(65533 + 40, 0x77);
                              return Concat({b, RandomBytes(100, 5)});
                          }});
        inputs.push_back({"TableRunAtBoundary" + suffix, [offset] {
                              Bytes b = RandomBytes(65533 + offset, 6);
                              b.resize(65533 + 40, 0x77);
                              return Concat({b, RandomBytes(100, 7)});
                          }});
    }
    return inputs;
}

class RoundTrip : public ::testing::TestWithParam<Input> {};

TEST_P(RoundTrip, PackMatchesReferenceAndUnpacksBack) {
    const Bytes input = GetParam().make();
    const Bytes packed = PackGuarded(input);
    ASSERT_EQ(packed, ReferencePack(input)) << "fast packer differs from the reference";
    EXPECT_EQ(UnpackTrusting(packed), input);

    // The checked unpacker into an exact-size buffer.
    Bytes checked(input.size());
    size_t failedAt = 0;
    ASSERT_EQ(UnpackPackedChecked(packed.data(), packed.size(), checked.data(), checked.size(),
                                  &failedAt),
              UnpackStatus::Ok)
        << "failed at " << failedAt;
    EXPECT_EQ(checked, input);

    // Repacking what was unpacked reproduces the stream byte for byte.
    EXPECT_EQ(PackGuarded(checked), packed);
}

INSTANTIATE_TEST_SUITE_P(Inputs, RoundTrip, ::testing::ValuesIn(Inputs()),
                         [](const auto& p) { return p.param.name; });

// Many short random inputs drawn from a small alphabet hit every mix of runs,
// lengths and modes near the scanners' 16-byte strides.
TEST(RoundTripFuzzy, ShortInputsMatchReference) {
    std::mt19937 random(42);
    for (int round = 0; round < 3000; ++round) {
        const size_t size = Draw(random) % 80;
        const int alphabet = 1 + static_cast<int>(Draw(random) % 3);
        Bytes input(size);
        for (uint8_t& byte : input)
            byte = static_cast<uint8_t>(Draw(random) % static_cast<unsigned>(alphabet));
        if (round % 2) input = Concat({AllByteValues(), input}); // forces table mode
        const Bytes packed = PackGuarded(input);
        ASSERT_EQ(packed, ReferencePack(input)) << "input " << ToHex(input);
        ASSERT_EQ(UnpackTrusting(packed), input);
    }
}

} // namespace
} // namespace acsf::test
