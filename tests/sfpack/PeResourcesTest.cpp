// Finding the form definition resource in Windows program files, and
// refusing damaged ones without reading outside the file.
#include "tools/sfpack/PeResources.h"
#include "PeImageBuilder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace sfpack::test {
namespace {

using Bytes = std::vector<uint8_t>;

vcl::Error Find(const Bytes& image, const std::string& name, Bytes& data) {
    vcl::ByteView view;
    const vcl::Error error = FindRcdataResource(vcl::ByteView(image), name, view);
    if (!error) data = view.ToVector();
    return error;
}

TEST(PeResources, FindsTheResourceByNameIgnoringCase) {
    const Bytes definition = {'T', 'P', 'F', '0', 1, 2, 3};
    for (bool pe32 : {false, true}) {
        Bytes found;
        const vcl::Error error =
            Find(BuildPeImage("TFORM1", definition, pe32).bytes, "tform1", found);
        ASSERT_FALSE(error) << error.Message();
        EXPECT_EQ(found, definition) << (pe32 ? "PE32" : "PE32+");
    }
}

Bytes ReadData(const std::string& name) {
    std::ifstream file(std::string(SFPACK_TEST_DATA) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file) << name;
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Programs as the mingw-w64 tools write them (windres and the linker, from
// "TFORM1 RCDATA \"windres-form.dfm\"", 64-bit and 32-bit).
TEST(PeResources, FindsTheResourceInRealLinkerOutput) {
    const Bytes definition = ReadData("windres-form.dfm");
    for (const char* program : {"windres-pe32plus.exe", "windres-pe32.exe"}) {
        Bytes found;
        const vcl::Error error = Find(ReadData(program), "TFORM1", found);
        ASSERT_FALSE(error) << program << ": " << error.Message();
        EXPECT_EQ(found, definition) << program;
    }
}

TEST(PeResources, ReportsWhatIsMissingOrBroken) {
    const Bytes data(40, 7);
    struct Case {
        const char* name;
        void (*breakImage)(PeImage&);
        const char* message;
    };
    const Case cases[] = {
        {"NotMZ", [](PeImage& i) { i.bytes[0] = 'X'; }, "no \"MZ\" header"},
        {"NoPESignature", [](PeImage& i) { i.bytes[0x41] = 'X'; }, "no \"PE\" signature"},
        {"PEOffsetOutside", [](PeImage& i) { PutU32(i.bytes, 0x3C, 0x7FFFFFF0); }, "PE signature"},
        {"UnknownMagic", [](PeImage& i) { PutU16(i.bytes, 0x58, 0x999); },
         "unknown optional header magic"},
        {"NoResources", [](PeImage& i) { PutU32(i.bytes, i.resourceDirectoryField, 0); },
         "no resources"},
        {"ResourcesInNoSection",
         [](PeImage& i) { PutU32(i.bytes, i.resourceDirectoryField, 0x9000); },
         "lies in no section"},
        {"SectionDataOutsideFile",
         [](PeImage& i) { PutU32(i.bytes, i.sectionHeader + 20, 0xFFFFFF00); }, "outside the file"},
        {"TooManySections", [](PeImage& i) { PutU16(i.bytes, 0x46, 0xFFFF); },
         "section table lies outside"},
        {"NoRcdata", [](PeImage& i) { PutU32(i.bytes, i.typeEntry, 3); },
         "RCDATA resources: not found"},
        {"OtherName", [](PeImage& i) { i.bytes[i.resourceSection + 0x5A] = 'X'; },
         "RCDATA resource \"TFORM1\": not found"},
        {"NameOutside", [](PeImage& i) { PutU32(i.bytes, i.nameEntry, 0x80000000u | 0x7FFFFF00u); },
         "resource name lies outside"},
        {"DirectoryLoop", [](PeImage& i) { PutU32(i.bytes, i.nameEntry + 4, 0x80000000u | 0x18u); },
         "points backwards"},
        {"DataWhereDirectoryExpected", [](PeImage& i) { PutU32(i.bytes, i.typeEntry + 4, 0x18u); },
         "malformed resource directory"},
        {"TooManyEntries", [](PeImage& i) { PutU16(i.bytes, i.resourceSection + 14, 0xFFFF); },
         "entries lie outside"},
        {"DataOutsideFile", [](PeImage& i) { PutU32(i.bytes, i.dataEntry + 4, 0x10000); },
         "resource data lies outside the file"},
        {"DataRvaWraps", [](PeImage& i) { PutU32(i.bytes, i.dataEntry, 0xFFFFFFF0u); },
         "resource data lies in no section"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PeImage image = BuildPeImage("TFORM1", data);
        c.breakImage(image);
        Bytes found;
        const vcl::Error error = Find(image.bytes, "TFORM1", found);
        ASSERT_TRUE(error);
        EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Message();
    }
}

TEST(PeResources, EveryTruncationIsRefused) {
    const Bytes image = BuildPeImage("TFORM1", Bytes(16, 1)).bytes;
    for (size_t length = 0; length < image.size(); ++length) {
        Bytes found;
        EXPECT_TRUE(Find(Bytes(image.begin(), image.begin() + static_cast<ptrdiff_t>(length)),
                         "TFORM1", found))
            << "cut at " << length;
    }
}

} // namespace
} // namespace sfpack::test
