// The text form: exact round trips with the binary form, the syntax of
// hand-written layouts, file references, pictures, and syntax errors.
#include "vcl/FormText.h"
#include "DefinitionSamples.h"
#include "vcl/FormBinary.h"
#include "vcl/FormGraphic.h"

#include <gtest/gtest.h>

#include <map>

namespace vcltest {
namespace {

using vcl::FormObject;
using vcl::FormValue;

std::string TextOf(const FormObject& root, const vcl::TextWriteOptions& options = {}) {
    std::string text;
    const vcl::Error error = vcl::FormatFormText(root, options, text);
    EXPECT_FALSE(error) << error.Message();
    return text;
}

FormObject Parse(const std::string& text, const vcl::TextReadOptions& options = {}) {
    FormObject root;
    const vcl::Error error = vcl::ParseFormText(text, options, root);
    EXPECT_FALSE(error) << error.Message();
    return root;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(FormText, BinaryToTextToBinaryGivesTheSameBytes) {
    const Bytes binary = BinaryOf(EveryValueType());
    FormObject read;
    ASSERT_FALSE(vcl::ReadFormDefinition(vcl::ByteView(binary), read));
    const std::string text = TextOf(read);
    EXPECT_EQ(BinaryOf(Parse(text)), binary) << text;
    EXPECT_EQ(TextOf(Parse(text)), text);
}

TEST(FormText, WritesReadableText) {
    const std::string text = TextOf(EveryValueType());
    for (const char* line : {
             "object Form1: TForm1\n",
             "  Left = 8\n",
             "  Height = -11\n",
             "  WideInt = int32 5\n",
             "  Huge = 1099511627776\n",
             "  Caption = 'Installation'\n",
             "  Short = lstring 'short but long'\n",
             "  Utf = utf8 'Sie ben\xc3\xb6tigen Unterst\xc3\xbctzung?'#13#10'Schreiben Sie "
             "uns!'\n",
             "  Wide = wide 'Gr'#252#223'e '#8364\n",
             "  Color = clWhite\n",
             "  Visible = False\n",
             "  Font.Style = [fsBold, fsUnderline]\n",
             "  Anchors = []\n",
             "  Data = {000102FF}\n",
             "  PopupMenu = nil\n",
             "  S = single {0000803F}\n",
             "    item int16 7\n",
             "  inherited Panel1: TPanel [3]\n",
             "      Caption = 'it''s'\n",
             "  inline '': TFrame1\n",
         })
        EXPECT_TRUE(Contains(text, line)) << "missing: " << line << "\nin:\n" << text;
}

// A layout as a person writes it: comments, blank lines, any indentation.
TEST(FormText, ReadsAHandWrittenLayout) {
    const FormObject root = Parse(R"(// the launcher window
object Form1: TForm1
  Caption = 'Installation'   // the title
  ClientWidth = 667
  Font.Style = [ ]
  Label1.Caption = 'Sie ben'#246'tigen'#13#10'Schreiben Sie uns!'
  OnClick = Image2Click
    object acFileStorage1 : TacFileStorage
  AutoExtract.ExtractTo.CreatePath = false
  Lines = ( 'a'
            'b' 3 )
    end
end
)");
    ASSERT_EQ(root.properties.size(), 5u);
    EXPECT_EQ(root.properties[0].value.text, "Installation");
    EXPECT_EQ(root.properties[1].value.type, vcl::ValueType::Int16);
    EXPECT_EQ(root.properties[2].value.type, vcl::ValueType::Set);
    EXPECT_TRUE(root.properties[2].value.elements.empty());
    EXPECT_EQ(root.properties[3].value.text, "Sie ben\xf6tigen\r\nSchreiben Sie uns!");
    EXPECT_EQ(root.properties[4].value.type, vcl::ValueType::Ident);
    ASSERT_EQ(root.children.size(), 1u);
    const FormObject& storage = root.children[0];
    EXPECT_EQ(storage.name, "acFileStorage1");
    EXPECT_EQ(storage.properties[0].name, "AutoExtract.ExtractTo.CreatePath");
    EXPECT_EQ(storage.properties[0].value.type, vcl::ValueType::False);
    EXPECT_EQ(storage.properties[1].value.items.size(), 3u);
}

// Identifiers spelled like keywords, odd names and empty texts survive.
TEST(FormText, KeywordsAndOddNamesRoundTrip) {
    FormObject root;
    root.className = "TForm1";
    root.name = "end";
    root.properties = {{"A", FormValue::Ident("True")}, {"B", FormValue::Ident("file")},
                       {"C", FormValue::Ident("x y")},  {"odd name", FormValue::String("")},
                       {"end", FormValue::Integer(1)},  {"object", FormValue::SetOf({"a b"})},
                       {"E", FormValue::Ident("")}};
    const Bytes binary = BinaryOf(root);
    const std::string text = TextOf(root);
    EXPECT_TRUE(Contains(text, "A = ident 'True'\n")) << text;
    EXPECT_TRUE(Contains(text, "'odd name' = ''\n")) << text;
    EXPECT_EQ(BinaryOf(Parse(text)), binary) << text;
}

TEST(FormText, SyntaxErrorsNameTheLine) {
    struct Case {
        const char* name;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"NoEnd", "object A: T\n  X = 1\n", "line 3: object A is not closed by 'end'"},
        {"NoEquals", "object A: T\n  X 1\nend", "line 2: expected '='"},
        {"NoColon", "object A T\nend", "line 1: expected ':'"},
        {"OpenQuote", "object A: T\n  X = 'abc\nend", "line 2: text not closed"},
        {"OddHex", "object A: T\n\n  X = {ABC}\nend", "line 3: binary data has an odd number"},
        {"BadHex", "object A: T\n  X = {AG}\nend", "unexpected character 'G' in binary data"},
        {"ByteCodeTooLarge", "object A: T\n  X = #300\nend", "#300 is not a byte"},
        {"IntTooLarge", "object A: T\n  X = int8 300\nend", "300 does not fit int8"},
        {"Overflow", "object A: T\n  X = 9223372036854775808\nend", "out of the 64-bit range"},
        {"RawSize", "object A: T\n  X = double {00}\nend", "double expects {..} with 8 bytes"},
        {"DottedIdent", "object A: T\n  X = a.b\nend", "cannot contain a dot"},
        {"FileNotAllowed", "object A: T\n  X = file 'a'\nend", "file references are not allowed"},
        {"TextAfterEnd", "object A: T\nend\nend", "unexpected text after the end"},
        {"StrayCharacter", "object A: T\n  X = ?\nend", "unexpected character '?'"},
        {"UnclosedList", "object A: T\n  X = (1 2\n", "list not closed"},
        {"StorageEntryWithoutName", "object A: T\n X = storage {00} end\nend",
         "expected a stored file's name"},
        {"Empty", "", "expected 'object'"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FormObject root;
        const vcl::Error error = vcl::ParseFormText(c.text, {}, root);
        ASSERT_TRUE(error);
        EXPECT_NE(error.Message().find(c.message), std::string::npos) << error.Message();
    }
}

TEST(FormText, DeepNestingIsRefused) {
    std::string text = "object A: T\n X = ";
    text += std::string(200, '(') + std::string(200, ')') + "\nend";
    FormObject root;
    const vcl::Error error = vcl::ParseFormText(text, {}, root);
    ASSERT_TRUE(error);
    EXPECT_NE(error.Message().find("nested too deeply"), std::string::npos) << error.Message();
}

// Binary data goes to files named after object and property, and comes
// back from them.
TEST(FormText, BinaryDataThroughFiles) {
    FormObject root = EveryValueType();
    FormValue storage;
    storage.type = vcl::ValueType::StoredFiles;
    storage.storedFiles = {{"a\\b.txt", vcl::BinaryData::Own({1, 2})}, {"", vcl::BinaryData()}};
    root.children[0].properties.push_back({"StoredData", storage});
    root.properties.push_back({"Picture.Data", [] {
                                   FormValue v;
                                   v.type = vcl::ValueType::Graphic;
                                   v.text = "TJPEGImage";
                                   v.bytes = vcl::BinaryData::Own({0xFF, 0xD8});
                                   return v;
                               }()});

    std::map<std::string, Bytes> files;
    vcl::TextWriteOptions write;
    write.storeFile = [&files](const std::string& name, vcl::ByteView data,
                               std::string& reference) {
        reference = "data/" + name;
        files[reference] = data.ToVector();
        return vcl::Error();
    };
    const std::string text = TextOf(root, write);
    EXPECT_TRUE(Contains(text, "  Data = file 'data/Form1.Data.bin'\n")) << text;
    EXPECT_TRUE(
        Contains(text, "Picture.Data = graphic 'TJPEGImage' file 'data/Form1.Picture.Data.jpg'"))
        << text;
    EXPECT_TRUE(Contains(text,
                         "    StoredData = storage\n      'a\\b.txt' = file "
                         "'data/Panel1.1.a\\b.txt'\n      '' = file 'data/Panel1.2.'\n    end\n"))
        << text;

    vcl::TextReadOptions read;
    read.loadFile = [&files](const std::string& reference, vcl::BinaryData& data) {
        auto found = files.find(reference);
        if (found == files.end()) return vcl::Error("no file " + reference);
        data = vcl::BinaryData::Own(found->second);
        return vcl::Error();
    };
    const FormObject back = Parse(text, read);
    EXPECT_EQ(TextOf(back), TextOf(root));

    files.erase("data/Form1.Data.bin");
    FormObject broken;
    const vcl::Error error = vcl::ParseFormText(text, read, broken);
    ASSERT_TRUE(error);
    EXPECT_NE(error.Message().find("no file data/Form1.Data.bin"), std::string::npos);
}

TEST(FormText, PicturesEncodeAsClassNameLengthAndData) {
    FormObject root = Parse("object F: T\n"
                            "  Image.Picture.Data = graphic 'TJPEGImage' {FFD8FFE0}\n"
                            "  Glyph.Data = {0A000000}\n"
                            "end");
    ASSERT_FALSE(vcl::EncodeGraphicValues(root));
    const FormValue& picture = root.properties[0].value;
    ASSERT_EQ(picture.type, vcl::ValueType::Binary);
    EXPECT_EQ(picture.bytes.Bytes().ToVector(),
              (Bytes{10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e', 4, 0, 0, 0, 0xFF, 0xD8,
                     0xFF, 0xE0}));
    vcl::DecodeGraphicValues(root);
    EXPECT_EQ(root.properties[0].value.type, vcl::ValueType::Graphic);
    EXPECT_EQ(root.properties[0].value.bytes.Bytes().ToVector(), (Bytes{0xFF, 0xD8, 0xFF, 0xE0}));
    EXPECT_EQ(root.properties[1].value.type, vcl::ValueType::Binary) << "not a picture";
}

TEST(FormText, MalformedPictureDataStaysBinary) {
    for (const Bytes& bytes :
         {Bytes{}, Bytes{3, 'T', 'a', 'b', 9, 0, 0, 0, 1}, Bytes{3, '1', 'a', 'b', 0, 0, 0, 0}}) {
        FormObject root;
        root.className = "T";
        root.properties = {{"Picture.Data", FormValue::Binary(vcl::BinaryData::Own(bytes))}};
        vcl::DecodeGraphicValues(root);
        EXPECT_EQ(root.properties[0].value.type, vcl::ValueType::Binary);
    }
}

} // namespace
} // namespace vcltest
