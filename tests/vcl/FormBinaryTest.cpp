// The binary "TPF0" definition: exact bytes, round trips, and refusal of
// malformed input.
#include "vcl/FormBinary.h"
#include "DefinitionSamples.h"

#include <gtest/gtest.h>

namespace vcltest {
namespace {

using vcl::FormObject;
using vcl::FormValue;

vcl::Error Read(const Bytes& bytes, FormObject& root) {
    return vcl::ReadFormDefinition(vcl::ByteView(bytes), root);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        for (uint8_t byte : part) // not insert(): g++ 12 warns falsely on it at -O3
            all.push_back(byte);
    return all;
}

Bytes Short(const std::string& text) {
    Bytes bytes(text.size() + 1);
    bytes[0] = static_cast<uint8_t>(text.size());
    std::copy(text.begin(), text.end(), bytes.begin() + 1);
    return bytes;
}

// Integers take the smallest type; the layout is the documented one.
TEST(FormBinary, WritesTheDocumentedBytes) {
    FormObject root;
    root.className = "TForm1";
    root.name = "Form1";
    root.properties = {
        {"Left", FormValue::Integer(8)},        {"Height", FormValue::Integer(-300)},
        {"Tag", FormValue::Integer(70000)},     {"Caption", FormValue::String("Hi")},
        {"Visible", FormValue::Boolean(false)}, {"Font.Style", FormValue::SetOf({"fsBold"})}};
    FormObject child;
    child.className = "TLabel";
    child.name = "L";
    child.flags = vcl::ObjectInline;
    root.children.push_back(child);
    const Bytes expected = Concat({
        {'T', 'P', 'F', '0'},
        Short("TForm1"),
        Short("Form1"),
        Short("Left"),
        {2, 8},
        Short("Height"),
        {3, 0xD4, 0xFE},
        Short("Tag"),
        {4, 0x70, 0x11, 1, 0},
        Short("Caption"),
        {6},
        Short("Hi"),
        Short("Visible"),
        {8},
        Short("Font.Style"),
        {11},
        Short("fsBold"),
        {0},
        {0}, // end of properties
        {0xF4},
        Short("TLabel"),
        Short("L"),
        {0, 0},
        {0}, // end of children
    });
    EXPECT_EQ(BinaryOf(root), expected);
}

TEST(FormBinary, EveryValueTypeReadsBackToTheSameBytes) {
    const Bytes bytes = BinaryOf(EveryValueType());
    FormObject root;
    const vcl::Error error = Read(bytes, root);
    ASSERT_FALSE(error) << error.Message();
    EXPECT_EQ(BinaryOf(root), bytes);
    EXPECT_EQ(root.children.at(0).children.at(0).name, "Label1");
    EXPECT_EQ(root.FindProperty("Wide")->value.wide, u"Gr\u00fc\u00dfe \u20ac");
    EXPECT_EQ(root.FindProperty("Text")->value.type, vcl::ValueType::LString);
}

// Binary values are views into the definition: nothing is copied.
TEST(FormBinary, BinaryValuesAreReadInPlace) {
    const Bytes bytes = BinaryOf(EveryValueType());
    FormObject root;
    ASSERT_FALSE(Read(bytes, root));
    const vcl::ByteView data = root.FindProperty("Data")->value.bytes.Bytes();
    EXPECT_GE(data.data, bytes.data());
    EXPECT_LE(data.data + data.size, bytes.data() + bytes.size());
}

TEST(FormBinary, EveryTruncationIsRefused) {
    const Bytes bytes = BinaryOf(EveryValueType());
    for (size_t length = 0; length < bytes.size(); ++length) {
        FormObject root;
        const Bytes cut(bytes.begin(), bytes.begin() + static_cast<ptrdiff_t>(length));
        EXPECT_TRUE(Read(cut, root)) << "cut at " << length;
    }
}

Bytes Nested(int depth) {
    Bytes bytes = Concat({{'T', 'P', 'F', '0'}, Short("T"), Short("A"), Short("P")});
    bytes.insert(bytes.end(), static_cast<size_t>(depth), 1);
    bytes.insert(bytes.end(), static_cast<size_t>(depth), 0);
    return Concat({bytes, {0, 0}});
}

TEST(FormBinary, MalformedDefinitionsAreRefused) {
    const Bytes head = Concat({{'T', 'P', 'F', '0'}, Short("TForm1"), Short("Form1")});
    struct Case {
        const char* name;
        Bytes bytes;
        const char* message;
    };
    const Case cases[] = {
        {"NoSignature", Concat({{'T', 'P', 'F', '1'}, Short("T"), Short("A"), {0, 0}}),
         "signature \"TPF0\" is missing"},
        {"UnknownValueType", Concat({head, Short("X"), {22}}), "unknown value type 22"},
        {"NullValue", Concat({head, Short("X"), {0}, {0, 0}}), "has no value"},
        {"LongStringPastEnd", Concat({head, Short("X"), {12, 0xFF, 0xFF, 0, 0}, {'a', 0, 0}}),
         "claims 65535 bytes"},
        {"BinaryPastEnd", Concat({head, Short("X"), {10, 0xFF, 0xFF, 0xFF, 0xFF}, {0, 0}}),
         "claims 4294967295 bytes"},
        {"WideCountPastEnd", Concat({head, Short("X"), {18, 0x00, 0x00, 0x00, 0x80}, {0, 0}}),
         "claims 2147483648 units"},
        {"EmptyClassName", Concat({{'T', 'P', 'F', '0'}, {0}, Short("A"), {0, 0}}),
         "empty class name"},
        {"UnknownFlags", Concat({{'T', 'P', 'F', '0', 0xF8}, Short("T"), Short("A"), {0, 0}}),
         "unknown object flags 8"},
        {"PositionNotInteger",
         Concat({{'T', 'P', 'F', '0', 0xF2, 6}, Short("x"), Short("T"), Short("A"), {0, 0}}),
         "not an integer"},
        {"CollectionOrderNotInteger", Concat({head, Short("X"), {14, 6}, Short("a"), {0, 0, 0}}),
         "expected an order number or a list"},
        {"CollectionOrderWithoutList", Concat({head, Short("X"), {14, 2, 1, 6}}),
         "expected a list after the order number"},
        {"TrailingBytes", Concat({head, {0, 0}, {0}}), "1 unexpected bytes"},
        {"TooDeep", Nested(vcl::MaxNestingDepth + 2), "nested deeper than"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormObject root;
        const vcl::Error error = Read(c.bytes, root);
        ASSERT_TRUE(error);
        EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Message();
    }
    FormObject root;
    EXPECT_FALSE(Read(Nested(vcl::MaxNestingDepth - 1), root)) << "deep but allowed";
}

TEST(FormBinary, ErrorsNameTheObjectAndProperty) {
    Bytes bytes = BinaryOf(EveryValueType());
    // Cut inside the label's caption, two objects down.
    const std::string marker = "it's";
    const auto at = std::search(bytes.begin(), bytes.end(), marker.begin(), marker.end());
    ASSERT_NE(at, bytes.end());
    bytes.erase(at + 2, bytes.end());
    FormObject root;
    const vcl::Error error = Read(bytes, root);
    ASSERT_TRUE(error);
    EXPECT_NE(error.Message().find("object Form1: TForm1: object Panel1: TPanel: object Label1: "
                                   "TLabel: property Caption"),
              std::string::npos)
        << error.Message();
}

TEST(FormBinary, WriterRefusesWhatCannotBeStored) {
    struct Case {
        const char* name;
        FormValue value;
        const char* message;
    };
    FormValue tooLong = FormValue::String("x");
    tooLong.type = vcl::ValueType::String;
    tooLong.text = std::string(256, 'x');
    FormValue storage;
    storage.type = vcl::ValueType::StoredFiles;
    FormValue badInt;
    badInt.type = vcl::ValueType::Int8;
    badInt.integer = 300;
    FormValue badRaw;
    badRaw.type = vcl::ValueType::Double;
    const Case cases[] = {
        {"ShortStringTooLong", tooLong, "at most 255"},
        {"TextOnlyKind", storage, "must be encoded"},
        {"IntegerDoesNotFit", badInt, "does not fit"},
        {"RawOfWrongSize", badRaw, "needs 8 bytes"},
        {"Null", FormValue(), "null value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormObject root;
        root.className = "T";
        root.properties = {{"P", c.value}};
        vcl::ByteWriter out;
        const vcl::Error error = vcl::WriteFormDefinition(root, out);
        ASSERT_TRUE(error);
        EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Message();
    }
}

} // namespace
} // namespace vcltest
