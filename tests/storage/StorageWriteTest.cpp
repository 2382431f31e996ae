// Writing storage streams: the signed layout always, byte-identical rewrites,
// contents untouched by packing.
#include "StreamBuilder.h"
#include "sampledata/SampleData.h"
#include "storage/acFileStorage.h"

#include <gtest/gtest.h>

namespace storagetest {
namespace {

using ac::TacFileStorage;

Bytes Write(TacFileStorage& storage) {
    vcl::ByteWriter out;
    const vcl::Error error = storage.WriteStoredData(out);
    EXPECT_FALSE(error) << error.Message();
    return out.TakeBytes();
}

vcl::Error ReadInto(TacFileStorage& storage, const Bytes& stream) {
    vcl::ByteReader in(stream.data(), stream.size());
    return storage.ReadStoredData(in);
}

TEST(StorageWrite, OneEmptyFileIsTheTwentyFiveByteExample) {
    TacFileStorage storage(nullptr);
    ASSERT_FALSE(storage.AddStoredFile("setup", vcl::ByteView()));
    const Bytes expected = {0x53, 0x46, 0x50, 0x31, 1, 0, 0, 0, 5, 0, 0, 0, 's',
                            'e',  't',  'u',  'p',  4, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(Write(storage), expected);
}

// Files of sizes around the block size and typical contents: the stream
// read back gives the same files, and written again the same bytes.
TEST(StorageWrite, WriteReadWriteIsByteIdentical) {
    const std::vector<std::pair<std::string, Bytes>> files = {
        {"empty", {}},
        {"one", {42}},
        {"block", sample::CodeLike(65533, 1)},
        {"block+1", sample::RunHeavy(65534, 2)},
        {"dir\\setup.exe", sample::InstallerPayload(300000, 3)},
        {"dir\\setup.exe", sample::RandomBytes(1000, 4)},
    };
    TacFileStorage original(nullptr);
    for (const auto& file : files)
        ASSERT_FALSE(original.AddStoredFile(file.first, vcl::ByteView(file.second)));
    const Bytes first = Write(original);

    TacFileStorage reread(nullptr);
    const vcl::Error error = ReadInto(reread, first);
    ASSERT_FALSE(error) << error.Message();
    ASSERT_EQ(reread.Files().Count(), static_cast<int>(files.size()));
    for (size_t i = 0; i < files.size(); ++i) {
        const ac::TStoredFile& file = *reread.Files().Items(static_cast<int>(i));
        EXPECT_EQ(file.Name(), files[i].first);
        EXPECT_EQ(file.Contents().View().ToVector(), files[i].second) << files[i].first;
        EXPECT_GE(file.PackedSize(), 4u);
    }
    EXPECT_EQ(Write(reread), first);
}

// Packing borrows the byte past each block; afterwards every byte of the
// contents, and the spare bytes behind them, are as before.
TEST(StorageWrite, ContentsAreUnchangedByWriting) {
    TacFileStorage storage(nullptr);
    const Bytes contents = sample::RunHeavy(3 * 65533 + 17, 9);
    ASSERT_FALSE(storage.AddStoredFile("f", vcl::ByteView(contents)));
    const ac::MemoryBlock& block = storage.Files().Items(0)->Contents();
    const Bytes withSpare(block.Data(), block.Data() + block.Size() + 2);
    (void)Write(storage);
    EXPECT_EQ(Bytes(block.Data(), block.Data() + block.Size() + 2), withSpare);
}

// A storage read from the unsigned layout is written signed, with packed
// contents, and reads back to the same files.
TEST(StorageWrite, UnsignedStreamIsWrittenSigned) {
    const Bytes contents = sample::RunHeavy(5000, 5);
    TacFileStorage storage(nullptr);
    ASSERT_FALSE(ReadInto(
        storage, StreamBuilder().U32(2).U32(0).RawRecord("a", contents).RawRecord("b", {1, 2})));
    const Bytes written = Write(storage);
    EXPECT_EQ(written, static_cast<Bytes>(StreamBuilder()
                                              .Signature()
                                              .U32(2)
                                              .SignedRecord("a", Pack(contents))
                                              .SignedRecord("b", Pack({1, 2}))));
    TacFileStorage reread(nullptr);
    ASSERT_FALSE(ReadInto(reread, written));
    EXPECT_TRUE(reread.SignatureFound());
    EXPECT_EQ(reread.Files().Items(0)->Contents().View().ToVector(), contents);
}

// Only the first Count files are written, matching the count field.
TEST(StorageWrite, WritesTheCountedFilesOnly) {
    TacFileStorage storage(nullptr);
    ASSERT_FALSE(ReadInto(storage, StreamBuilder()
                                       .Signature()
                                       .U32(2)
                                       .SignedRecord("a", Pack({1}))
                                       .SignedRecord("b", Pack({2}))));
    ASSERT_FALSE(
        ReadInto(storage, StreamBuilder().Signature().U32(1).SignedRecord("c", Pack({3}))));
    EXPECT_EQ(Write(storage),
              static_cast<Bytes>(StreamBuilder().Signature().U32(1).SignedRecord("a", Pack({1}))));
}

// Files deleted from the list behind the storage's back: the writer refuses
// rather than read past the list.
TEST(StorageWrite, CountBeyondTheListIsAnError) {
    TacFileStorage storage(nullptr);
    ASSERT_FALSE(storage.AddStoredFile("a", vcl::ByteView()));
    ASSERT_FALSE(storage.AddStoredFile("b", vcl::ByteView()));
    storage.Files().Delete(1);
    vcl::ByteWriter out;
    const vcl::Error error = storage.WriteStoredData(out);
    ASSERT_TRUE(error);
    EXPECT_NE(error.Message().find("counts 2 files but holds 1"), std::string::npos);
    EXPECT_EQ(storage.DataSize(), 0u) << "sums only the files that exist";
}

} // namespace
} // namespace storagetest
