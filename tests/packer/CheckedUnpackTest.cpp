// The checked unpacker against malformed streams: each fault is named, and
// nothing is read or written outside the buffers (the sanitizer build runs
// these on exact-size heap buffers).
#include "PackerTestSupport.h"
#include "packer/acSFPack.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

namespace acsf::test {
namespace {

// Runs the checked unpacker on an exact-size copy of `stream` into a
// destination of `capacity` bytes (the recorded size when capacity < 0).
UnpackStatus CheckedUnpack(const Bytes& stream, long capacity = -1) {
    std::unique_ptr<uint8_t[]> source(new uint8_t[stream.size() + 1]);
    std::copy(stream.begin(), stream.end(), source.get());
    size_t size = 0;
    if (capacity >= 0) {
        size = static_cast<size_t>(capacity);
    } else if (stream.size() >= 4) {
        size = stream[0] | (stream[1] << 8) | (stream[2] << 16) |
               (static_cast<size_t>(stream[3]) << 24);
        size = std::min<size_t>(size, 1 << 20);
    }
    std::unique_ptr<uint8_t[]> dest(new uint8_t[size + 1]);
    return UnpackPackedChecked(source.get(), stream.size(), dest.get(), size);
}

// A table-mode body: the 256 byte values as data, then `tail` (more data and
// the position table), with the given header.
Bytes TableStream(uint32_t unpackedSize, uint32_t header, const Bytes& tail) {
    const uint32_t body = 2 + 256 + static_cast<uint32_t>(tail.size());
    Bytes stream = {static_cast<uint8_t>(unpackedSize),
                    static_cast<uint8_t>(unpackedSize >> 8),
                    0,
                    0,
                    static_cast<uint8_t>(body),
                    static_cast<uint8_t>(body >> 8),
                    static_cast<uint8_t>(header),
                    static_cast<uint8_t>(header >> 8)};
    return Concat({stream, AllByteValues(), tail});
}

struct Malformed {
    const char* name;
    Bytes stream;
    UnpackStatus expected;
};

std::vector<Malformed> MalformedStreams() {
    using S = UnpackStatus;
    return {
        {"Empty", {}, S::MissingSizeField},
        {"ShortSizeField", Hex("01 00 00"), S::MissingSizeField},
        {"SizeAbove2GiB", Hex("00 00 00 80"), S::SizeTooLarge},
        {"SizeBeyondWhatBlocksCanHold", Hex("FF FF FF 7F  03 00 00 00 41"), S::SizeBeyondInput},
        {"HalfABlockSize", Hex("01 00 00 00  03"), S::TruncatedBlockSize},
        {"TrailingByteAfterLastBlock", Hex("01 00 00 00  03 00 00 00 41  00"),
         S::TruncatedBlockSize},
        {"BodyPastEnd", Hex("01 00 00 00  04 00 00 00 41"), S::BodyPastEnd},
        {"BodyOfHeaderOnly", Hex("00 00 00 00  02 00 00 00"), S::BodyTooShort},
        {"EscapeRunWithoutCount", Hex("04 00 00 00  04 00 00 00 00 41"), S::ItemCutOff},
        {"EscapeLongCountCutOff", Hex("05 01 00 00  06 00 00 00 00 41 00 01"), S::ItemCutOff},
        {"EscapeByteAsLastByte", Hex("02 00 00 00  04 00 07 00 41 07"), S::ItemCutOff},
        {"RunPastRecordedSize", Hex("02 00 00 00  05 00 00 00 00 41 03"), S::OutputOverflow},
        {"SecondBlockPastRecordedSize", Hex("01 00 00 00  03 00 00 00 41  03 00 00 00 42"),
         S::OutputOverflow},
        {"FewerBytesThanRecorded", Hex("05 00 00 00  03 00 00 00 41"), S::SizeMismatch},
        {"NoBlocksForNonEmpty", Hex("05 00 00 00"), S::SizeBeyondInput},
        {"TableHeaderPastBody", Hex("01 00 00 00  04 00 10 01 41 42"), S::TableHeaderPastBody},
        {"TableOddLength", TableStream(256, 258, Hex("07")), S::TableOddLength},
        {"TableEntryInsideHeader", TableStream(256, 258, Hex("02 00")), S::TableEntryOutOfOrder},
        // Runs at count bytes 259 and 260: the second run's value would be
        // the first run's count byte.
        {"TableEntriesOverlap", TableStream(300, 261, Hex("41 04 05  04 01 03 01")),
         S::TableEntryOutOfOrder},
        {"TableEntriesReversed", TableStream(300, 263, Hex("41 04 42 04 05  03 01 05 01")),
         S::TableEntryOutOfOrder},
        {"TableEntryInTable", TableStream(300, 259, Hex("41  03 01")), S::TableEntryOutsideData},
        {"TableLongCountIntoTable", TableStream(300, 261, Hex("41 00 01  03 01")),
         S::TableEntryOutsideData},
        {"TableRunPastRecordedSize", TableStream(257, 260, Hex("41 04  03 01")), S::OutputOverflow},
    };
}

class CheckedUnpackRejects : public ::testing::TestWithParam<Malformed> {};

TEST_P(CheckedUnpackRejects, NamesTheFault) {
    const Malformed& m = GetParam();
    const UnpackStatus status = CheckedUnpack(m.stream);
    EXPECT_EQ(status, m.expected) << "got \"" << UnpackStatusText(status) << "\", expected \""
                                  << UnpackStatusText(m.expected) << "\"";
}

INSTANTIATE_TEST_SUITE_P(Streams, CheckedUnpackRejects, ::testing::ValuesIn(MalformedStreams()),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(CheckedUnpack, DestinationSmallerThanRecordedSize) {
    const Bytes packed = PackGuarded(RunHeavy(1000, 9));
    EXPECT_EQ(CheckedUnpack(packed, 999), UnpackStatus::DestinationTooSmall);
    EXPECT_EQ(CheckedUnpack(packed, 1000), UnpackStatus::Ok);
}

TEST(CheckedUnpack, StreamLevelStopsAtTheDestinationEnd) {
    const Bytes input = RunHeavy(5000, 10);
    const Bytes packed = PackGuarded(input);
    for (const size_t capacity : {size_t{0}, size_t{1}, size_t{4999}}) {
        std::unique_ptr<uint8_t[]> dest(new uint8_t[capacity + 1]);
        size_t written = 0;
        EXPECT_EQ(UnpackStreamChecked(packed.data() + 4, packed.size() - 4, dest.get(), capacity,
                                      &written),
                  UnpackStatus::OutputOverflow);
        EXPECT_LE(written, capacity);
    }
}

// Every prefix of a valid stream fails, and no prefix or single-byte change
// makes the unpacker step outside its buffers.
TEST(CheckedUnpack, TruncationsAndByteFlipsNeverEscapeTheBuffers) {
    for (const Bytes& input : {RunHeavy(3000, 11), Concat({AllByteValues(), RunHeavy(700, 12)})}) {
        const Bytes packed = PackGuarded(input);
        for (size_t length = 0; length < packed.size(); ++length) {
            const Bytes prefix(packed.begin(), packed.begin() + static_cast<ptrdiff_t>(length));
            EXPECT_NE(CheckedUnpack(prefix, static_cast<long>(input.size())), UnpackStatus::Ok)
                << "prefix of " << length << " bytes";
        }
        for (size_t at = 0; at < packed.size(); ++at) {
            for (const uint8_t flip : {uint8_t{0x01}, uint8_t{0x80}, uint8_t{0xFF}}) {
                Bytes damaged = packed;
                damaged[at] ^= flip;
                CheckedUnpack(damaged, static_cast<long>(input.size()));
            }
        }
    }
}

TEST(CheckedUnpack, EveryStatusHasItsOwnText) {
    std::set<std::string> texts;
    for (int s = 0; s <= static_cast<int>(UnpackStatus::SizeMismatch); ++s)
        EXPECT_TRUE(texts.insert(UnpackStatusText(static_cast<UnpackStatus>(s))).second) << s;
}

} // namespace
} // namespace acsf::test
