#include "DefinitionSamples.h"

#include "vcl/FormBinary.h"

#include <gtest/gtest.h>

namespace vcltest {
namespace {

vcl::FormValue Typed(vcl::ValueType type, int64_t value) {
    vcl::FormValue v;
    v.type = type;
    v.integer = value;
    return v;
}

vcl::FormValue Raw(vcl::ValueType type, Bytes bytes) {
    vcl::FormValue v;
    v.type = type;
    v.bytes = vcl::BinaryData::Own(std::move(bytes));
    return v;
}

} // namespace

vcl::FormObject EveryValueType() {
    using vcl::FormProperty;
    using vcl::FormValue;
    using vcl::ValueType;
    vcl::FormObject root;
    root.className = "TForm1";
    root.name = "Form1";
    FormValue lstring;
    lstring.type = ValueType::LString;
    lstring.text = "short but long";
    FormValue wide;
    wide.type = ValueType::WString;
    wide.wide = u"Gr\u00fc\u00dfe \u20ac";
    FormValue nil;
    nil.type = ValueType::Nil;
    FormValue list;
    list.type = ValueType::List;
    list.items = {FormValue::Integer(1), FormValue::String("two"), nil};
    FormValue nested;
    nested.type = ValueType::List;
    nested.items = {list, FormValue::Ident("clRed")};
    FormValue collection;
    collection.type = ValueType::Collection;
    vcl::CollectionItem first;
    first.properties = {{"Caption", FormValue::String("a")}, {"Width", FormValue::Integer(300)}};
    vcl::CollectionItem second;
    second.hasOrder = true;
    second.orderType = ValueType::Int16;
    second.order = 7;
    collection.collection = {first, second};
    root.properties = {
        {"Left", FormValue::Integer(8)},
        {"Height", FormValue::Integer(-11)},
        {"Width", FormValue::Integer(667)},
        {"Big", FormValue::Integer(100000)},
        {"Huge", FormValue::Integer(int64_t{1} << 40)},
        {"WideInt", Typed(ValueType::Int32, 5)},
        {"Caption", FormValue::String("Installation")},
        {"Text", FormValue::String(std::string(300, 'x'))},
        {"Short", lstring},
        {"Utf",
         FormValue::Utf8("Sie ben\xc3\xb6tigen Unterst\xc3\xbctzung?\r\nSchreiben Sie uns!")},
        {"Wide", wide},
        {"Color", FormValue::Ident("clWhite")},
        {"Visible", FormValue::Boolean(false)},
        {"Enabled", FormValue::Boolean(true)},
        {"Font.Style", FormValue::SetOf({"fsBold", "fsUnderline"})},
        {"Anchors", FormValue::SetOf({})},
        {"Data", FormValue::Binary(vcl::BinaryData::Own({0, 1, 2, 0xFF}))},
        {"Empty", FormValue::Binary(vcl::BinaryData())},
        {"PopupMenu", nil},
        {"Lines", nested},
        {"Columns", collection},
        {"E", Raw(ValueType::Extended, {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F})},
        {"S", Raw(ValueType::Single, {0, 0, 0x80, 0x3F})},
        {"D", Raw(ValueType::Double, {0, 0, 0, 0, 0, 0, 0xF0, 0x3F})},
        {"C", Raw(ValueType::Currency, {0x10, 0x27, 0, 0, 0, 0, 0, 0})},
        {"T", Raw(ValueType::Date, {0, 0, 0, 0, 0, 0x40, 0xE5, 0x40})},
    };
    vcl::FormObject label;
    label.className = "TLabel";
    label.name = "Label1";
    label.properties = {{"Caption", FormValue::String("it's")}};
    vcl::FormObject inherited;
    inherited.flags = vcl::ObjectInherited | vcl::ObjectHasPosition;
    inherited.position = FormValue::Integer(3);
    inherited.className = "TPanel";
    inherited.name = "Panel1";
    inherited.children.push_back(label);
    vcl::FormObject unnamed;
    unnamed.flags = vcl::ObjectInline;
    unnamed.className = "TFrame1";
    root.children = {inherited, unnamed};
    return root;
}

Bytes BinaryOf(const vcl::FormObject& root) {
    vcl::ByteWriter out;
    const vcl::Error error = vcl::WriteFormDefinition(root, out);
    EXPECT_FALSE(error) << error.Message();
    return out.TakeBytes();
}

} // namespace vcltest
