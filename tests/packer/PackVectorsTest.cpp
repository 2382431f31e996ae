// Known inputs and the exact packed bytes the format gives for them.
#include "PackerTestSupport.h"
#include "packer/acSFPack.h"

#include <gtest/gtest.h>

namespace acsf::test {
namespace {

struct Vector {
    const char* name;
    Bytes input;
    Bytes packed; // whole stream, size field first
};

// Blocks of 65533 bytes in which no value repeats 4 times in a row but, for
// the table-mode case, every value occurs: a counting pattern.
Bytes NoRuns(size_t size, bool everyValue) {
    Bytes bytes(size);
    for (size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<uint8_t>(everyValue ? i * 7 : 1 + i % 200);
    return bytes;
}

std::vector<Vector> Vectors() {
    const Bytes values = AllByteValues();
    Bytes allButFF(values.begin(), values.end() - 1);
    return {
        {"Empty", {}, Hex("00 00 00 00")},
        {"OneLiteral", Hex("41"), Hex("01 00 00 00  03 00  00 00  41")},
        {"ThreeEqualStayLiterals", Hex("41 41 41"), Hex("03 00 00 00  05 00  00 00  41 41 41")},
        {"FourEqualFormARun", Hex("41 41 41 41"), Hex("04 00 00 00  05 00  00 00  00 41 03")},
        {"ZeroPresentEscapeIsOne", Hex("00 41 41 41 41"),
         Hex("05 00 00 00  06 00  01 00  00 01 41 03")},
        {"OnlyFFMissingEscapeIsFF", allButFF, Concat({Hex("FF 00 00 00  01 01  FF 00"), allButFF})},
        {"Run256ShortCount", Repeat(0x41, 256), Hex("00 01 00 00  05 00  00 00  00 41 FF")},
        {"Run257LongCount", Repeat(0x41, 257), Hex("01 01 00 00  07 00  00 00  00 41 00 00 01")},
        {"TableModeOneRun", Concat({values, Repeat(0x41, 5)}),
         Concat({Hex("05 01 00 00  06 01  04 01"), values, Hex("41 04  03 01")})},
        {"TableModeFourEqualStayLiterals", Concat({values, Repeat(0x41, 4)}),
         Concat({Hex("04 01 00 00  06 01  06 01"), values, Hex("41 41 41 41")})},
        {"TableModeTwoRunsLastEntryFirst", Concat({values, Repeat(0x41, 300), Repeat(0x42, 5)}),
         Concat(
             {Hex("31 02 00 00  0C 01  08 01"), values, Hex("41 00 2B 01  42 04  07 01  03 01")})},
        {"FullBlockOfOneValue", Repeat(0x41, 65533),
         Hex("FD FF 00 00  07 00  00 00  00 41 00 FC FF")},
        {"RunsStopAtBlockEnd", Repeat(0x41, 65534),
         Hex("FE FF 00 00  07 00  00 00  00 41 00 FC FF  03 00  00 00  41")},
    };
}

class PackVectors : public ::testing::TestWithParam<Vector> {};

TEST_P(PackVectors, PackGivesExactBytes) {
    const Vector& v = GetParam();
    const Bytes packed = PackGuarded(v.input);
    EXPECT_EQ(packed, v.packed) << "got      " << ToHex(packed) << "\nexpected " << ToHex(v.packed);
}

TEST_P(PackVectors, BothUnpackersRestoreTheInput) {
    const Vector& v = GetParam();
    EXPECT_EQ(UnpackTrusting(v.packed), v.input);
    Bytes output(v.input.size());
    EXPECT_EQ(UnpackPackedChecked(v.packed.data(), v.packed.size(), output.data(), output.size()),
              UnpackStatus::Ok);
    EXPECT_EQ(output, v.input);
}

INSTANTIATE_TEST_SUITE_P(Format, PackVectors, ::testing::ValuesIn(Vectors()),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(PackBlock, BodySizesAtTheLimits) {
    struct Case {
        const char* name;
        Bytes block;
        int32_t bodySize;
        uint32_t header;
    };
    const Case cases[] = {
        // 65533 bytes without a run: every byte a literal, 2 header bytes.
        {"EscapeModeNoRuns", NoRuns(65533, false), 65535, 0},
        {"TableModeNoRuns", NoRuns(65533, true), 65535, 65535},
        {"SingleByte", Hex("7F"), 3, 0},
    };
    for (const Case& c : cases) {
        Bytes block(c.block);
        block.push_back(0);
        block.push_back(0);
        Bytes body(c.block.size() + 2);
        const int32_t size =
            PackBlock(block.data(), body.data(), static_cast<int32_t>(c.block.size()));
        EXPECT_EQ(size, c.bodySize) << c.name;
        EXPECT_EQ(static_cast<uint32_t>(body[0] | (body[1] << 8)), c.header) << c.name;
        Bytes unpacked(c.block.size());
        EXPECT_EQ(UnpackBlock(body.data(), unpacked.data(), size),
                  static_cast<int32_t>(c.block.size()))
            << c.name;
        EXPECT_EQ(unpacked, c.block) << c.name;
    }
}

TEST(PackedSizeBound, KnownValues) {
    const std::pair<uint32_t, uint32_t> cases[] = {
        {0, 263},         {1, 263},           {255, 263},
        {256, 264},       {65533, 65545},     {65534, 65546},
        {131067, 131083}, {1000000, 1000068}, {MaxStreamInput, 2147614731u},
    };
    for (const auto& [n, bound] : cases)
        EXPECT_EQ(PackedSizeBound(n), bound) << "n = " << n;
}

TEST(PackedSizeBound, EqualsTheLongestStreamWhereTheLastBlockHasOneByte) {
    for (const size_t n : {size_t{65534}, size_t{131067}}) {
        const Bytes input = NoRuns(n, true);
        EXPECT_EQ(PackGuarded(input).size(), PackedSizeBound(static_cast<uint32_t>(n)))
            << "n = " << n;
    }
}

} // namespace
} // namespace acsf::test
