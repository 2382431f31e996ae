// Reading storage streams: both layouts, appended reads, and the malformed
// streams that must be refused without keeping anything.
#include "StreamBuilder.h"
#include "sampledata/SampleData.h"
#include "storage/acFileStorage.h"

#include <gtest/gtest.h>

namespace storagetest {
namespace {

using ac::TacFileStorage;

vcl::Error ReadInto(TacFileStorage& storage, const Bytes& stream) {
    vcl::ByteReader in(stream.data(), stream.size());
    return storage.ReadStoredData(in);
}

struct FileSeen {
    std::string name;
    Bytes contents;
    bool operator==(const FileSeen& other) const {
        return name == other.name && contents == other.contents;
    }
};

std::ostream& operator<<(std::ostream& out, const FileSeen& file) {
    return out << "\"" << file.name << "\" (" << file.contents.size() << " bytes)";
}

std::vector<FileSeen> FilesOf(const TacFileStorage& storage) {
    std::vector<FileSeen> files;
    for (int i = 0; i < storage.Files().Count(); ++i) {
        const ac::TStoredFile& file = *storage.Files().Items(i);
        EXPECT_EQ(file.Size(), file.Contents().Size());
        files.push_back(FileSeen{file.Name(), file.Contents().View().ToVector()});
    }
    return files;
}

TEST(StorageRead, TheTwentyFiveByteExample) {
    const Bytes stream = {0x53, 0x46, 0x50, 0x31, 1, 0, 0, 0, 5, 0, 0, 0, 'a',
                          'b',  'c',  'd',  'e',  4, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(stream.size(), 25u);
    TacFileStorage storage(nullptr);
    ASSERT_FALSE(ReadInto(storage, stream));
    EXPECT_TRUE(storage.SignatureFound());
    EXPECT_EQ(storage.Count(), 1u);
    EXPECT_EQ(storage.DataSize(), 0u);
    EXPECT_EQ(FilesOf(storage), (std::vector<FileSeen>{{"abcde", {}}}));
}

// Well-formed streams of both layouts and what they read as.
TEST(StorageRead, ReadsBothLayouts) {
    const Bytes three = {1, 2, 3};
    const Bytes five = BytesOf("hello");
    const Bytes big = sample::InstallerPayload(200000, 7);
    struct Case {
        const char* name;
        Bytes stream;
        bool signatureFound;
        std::vector<FileSeen> files;
    };
    const Case cases[] = {
        {"SignedCountZero", StreamBuilder().Signature().U32(0), true, {}},
        {"SignedEmptyName",
         StreamBuilder().Signature().U32(1).SignedRecord("", Pack(three)),
         true,
         {{"", three}}},
        {"SignedSameNameTwice",
         StreamBuilder()
             .Signature()
             .U32(2)
             .SignedRecord("a.txt", Pack(three))
             .SignedRecord("a.txt", Pack(five)),
         true,
         {{"a.txt", three}, {"a.txt", five}}},
        {"SignedBackslashesAndManyBlocks",
         StreamBuilder()
             .Signature()
             .U32(2)
             .SignedRecord("sub\\setup.exe", Pack(big))
             .SignedRecord("x", Pack({})),
         true,
         {{"sub\\setup.exe", big}, {"x", {}}}},
        {"UnsignedCountZero", StreamBuilder().U32(0).U32(0xDEADBEEF), false, {}},
        {"UnsignedTwoFiles",
         StreamBuilder().U32(2).U32(0x12345678).RawRecord("one", three).RawRecord("two", five),
         false,
         {{"one", three}, {"two", five}}},
        {"UnsignedEmptyNameEmptyContents",
         StreamBuilder().U32(1).U32(0).RawRecord("", {}),
         false,
         {{"", {}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TacFileStorage storage(nullptr);
        const vcl::Error error = ReadInto(storage, c.stream);
        ASSERT_FALSE(error) << error.Message();
        EXPECT_EQ(storage.SignatureFound(), c.signatureFound);
        EXPECT_EQ(storage.Count(), c.files.size());
        EXPECT_EQ(FilesOf(storage), c.files);
    }
}

// The list is not cleared: a second stream's files are appended and Count
// is that stream's count; DataSize sums the first Count files.
TEST(StorageRead, SecondStreamAppendsAndReplacesCount) {
    TacFileStorage storage(nullptr);
    ASSERT_FALSE(ReadInto(storage, StreamBuilder()
                                       .Signature()
                                       .U32(2)
                                       .SignedRecord("a", Pack({1, 2, 3}))
                                       .SignedRecord("b", Pack(Bytes(5, 9)))));
    EXPECT_EQ(storage.DataSize(), 8u);
    ASSERT_FALSE(ReadInto(storage, StreamBuilder().U32(1).U32(0).RawRecord("c", Bytes(100, 1))));
    EXPECT_FALSE(storage.SignatureFound());
    EXPECT_EQ(storage.Count(), 1u);
    ASSERT_EQ(storage.Files().Count(), 3);
    EXPECT_EQ(storage.Files().Items(2)->Name(), "c");
    EXPECT_EQ(storage.DataSize(), 3u) << "the first Count files: only \"a\"";
}

TEST(StorageRead, CountAndDataSizeIgnoreAssignments) {
    TacFileStorage storage(nullptr);
    ASSERT_FALSE(ReadInto(storage, StreamBuilder()
                                       .Signature()
                                       .U32(2)
                                       .SignedRecord("a", Pack({1, 2, 3}))
                                       .SignedRecord("b", Pack(Bytes(5, 9)))));
    storage.SetCount(7);
    storage.SetDataSize(1);
    EXPECT_EQ(storage.Count(), 2u);
    EXPECT_EQ(storage.DataSize(), 8u);
}

Bytes TwoFileStream() {
    return StreamBuilder()
        .Signature()
        .U32(2)
        .SignedRecord("first.bin", Pack(sample::RunHeavy(3000, 1)))
        .SignedRecord("second", Pack({7, 7, 7, 7}));
}

// A stream cut anywhere is refused, and nothing of it is kept.
TEST(StorageRead, EveryTruncationIsRefused) {
    const Bytes full = TwoFileStream();
    for (size_t length = 0; length < full.size(); ++length) {
        TacFileStorage storage(nullptr);
        const Bytes cut(full.begin(), full.begin() + static_cast<ptrdiff_t>(length));
        const vcl::Error error = ReadInto(storage, cut);
        ASSERT_TRUE(error) << "cut at " << length;
        EXPECT_EQ(storage.Files().Count(), 0) << "cut at " << length;
        EXPECT_EQ(storage.Count(), 0u) << "cut at " << length;
    }
    const Bytes unsignedFull =
        StreamBuilder().U32(2).U32(0).RawRecord("one", {1, 2, 3}).RawRecord("two", {4, 5});
    for (size_t length = 0; length < unsignedFull.size(); ++length) {
        TacFileStorage storage(nullptr);
        const Bytes cut(unsignedFull.begin(),
                        unsignedFull.begin() + static_cast<ptrdiff_t>(length));
        ASSERT_TRUE(ReadInto(storage, cut)) << "unsigned, cut at " << length;
        EXPECT_EQ(storage.Files().Count(), 0);
    }
}

// Streams that break the format's rules, each with words of its message.
TEST(StorageRead, MalformedStreamsAreRefused) {
    const Bytes three = Pack({1, 2, 3});
    Bytes sizeTooSmall = Pack(Bytes(300, 5));
    SetU32(sizeTooSmall, 0, 200); // the blocks hold 300 bytes
    Bytes sizeTooLarge = Pack(Bytes(300, 5));
    SetU32(sizeTooLarge, 0, 301);
    Bytes brokenBody = Pack(sample::RandomBytes(100, 3));
    brokenBody[4] = 2; // body size 2: below the 3 bytes of the smallest body
    brokenBody[5] = 0;
    struct Case {
        const char* name;
        Bytes stream;
        const char* message;
    };
    const Case cases[] = {
        {"Empty", {}, "signature or file count"},
        {"CountFarTooLarge", StreamBuilder().Signature().U32(0xFFFFFFFF), "cannot fit"},
        {"CountOneTooLarge", StreamBuilder().Signature().U32(2).SignedRecord("a", three),
         "cannot fit"},
        {"UnsignedCountTooLarge", StreamBuilder().U32(5).U32(0).RawRecord("a", {1}), "cannot fit"},
        {"NameLengthTooLarge", StreamBuilder().Signature().U32(1).U32(1000).U32(4).U32(0),
         "name length 1000 exceeds"},
        {"BlockLengthZero", StreamBuilder().Signature().U32(1).U32(1).Text("a").U32(0).U32(0),
         "block length 0 is below"},
        {"BlockLengthThree", StreamBuilder().Signature().U32(1).U32(0).U32(3).U32(0),
         "block length 3 is below"},
        {"BlockLengthPastEnd", StreamBuilder().Signature().U32(1).U32(0).U32(9).U32(0).U32(0),
         "block length 9 exceeds"},
        {"UnsignedSizePastEnd", StreamBuilder().U32(1).U32(0).U32(0).U32(50).Raw({1, 2, 3}),
         "size 50 exceeds"},
        {"UnpackedSizeAbove2GiB",
         StreamBuilder().Signature().U32(1).U32(0).U32(8).U32(0x80000000).U32(0),
         "exceeds 2147483647"},
        {"UnpackedSizeBeyondPackedBytes",
         StreamBuilder().Signature().U32(1).U32(0).U32(9).U32(100000000).Raw({1, 2, 3, 4, 5}),
         "more than the packed bytes can hold"},
        {"EmptyContentsClaimingBytes", StreamBuilder().Signature().U32(1).U32(0).U32(4).U32(1),
         "more than the packed bytes"},
        {"RecordedSizeBelowUnpacked",
         StreamBuilder().Signature().U32(1).SignedRecord("s", sizeTooSmall),
         "runs past the recorded size"},
        {"RecordedSizeAboveUnpacked",
         StreamBuilder().Signature().U32(1).SignedRecord("s", sizeTooLarge),
         "shorter than the recorded size"},
        {"BlockBodyTooShort", StreamBuilder().Signature().U32(1).SignedRecord("b", brokenBody),
         "block body shorter than 3 bytes"},
        {"TrailingBytes", StreamBuilder().Signature().U32(1).SignedRecord("a", three).U32(0),
         "4 unexpected bytes after the last file"},
        {"UnsignedTrailingBytes", StreamBuilder().U32(0).U32(0).Raw({1}), "unexpected bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TacFileStorage storage(nullptr);
        const vcl::Error error = ReadInto(storage, c.stream);
        ASSERT_TRUE(error);
        EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Message();
        EXPECT_EQ(storage.Files().Count(), 0);
        EXPECT_EQ(storage.Count(), 0u);
    }
}

// A refused stream leaves what the storage held before as it was.
TEST(StorageRead, RefusedStreamKeepsEarlierFiles) {
    TacFileStorage storage(nullptr);
    ASSERT_FALSE(
        ReadInto(storage, StreamBuilder().Signature().U32(1).SignedRecord("kept", Pack({1}))));
    Bytes bad = TwoFileStream();
    bad.pop_back();
    ASSERT_TRUE(ReadInto(storage, bad));
    EXPECT_EQ(FilesOf(storage), (std::vector<FileSeen>{{"kept", {1}}}));
    EXPECT_EQ(storage.Count(), 1u);
}

// The reader names where a fault is, so a damaged definition can be found.
TEST(StorageRead, ErrorsNameTheFile) {
    TacFileStorage storage(nullptr);
    Bytes stream = TwoFileStream();
    stream.resize(stream.size() - 2);
    const vcl::Error error = ReadInto(storage, stream);
    ASSERT_TRUE(error);
    EXPECT_NE(error.Message().find("file 2 of 2"), std::string::npos) << error.Message();
    EXPECT_NE(error.Message().find("\"second\""), std::string::npos) << error.Message();
}

} // namespace
} // namespace storagetest
