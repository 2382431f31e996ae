#include "FormGraphic.h"

#include "ByteReader.h"
#include "ByteWriter.h"
#include "FormTextSyntax.h"

namespace vcl {
namespace {

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

template <class Visit> void ForEachValue(std::vector<FormProperty>& properties, const Visit& visit);

template <class Visit>
void ForEachValueIn(FormValue& value, const std::string& name, const Visit& visit) {
    visit(name, value);
    for (FormValue& item : value.items)
        ForEachValueIn(item, name, visit);
    for (CollectionItem& item : value.collection)
        ForEachValue(item.properties, visit);
}

template <class Visit>
void ForEachValue(std::vector<FormProperty>& properties, const Visit& visit) {
    for (FormProperty& property : properties)
        ForEachValueIn(property.value, property.name, visit);
}

template <class Visit> void ForEachObjectValue(FormObject& object, const Visit& visit) {
    ForEachValue(object.properties, visit);
    for (FormObject& child : object.children)
        ForEachObjectValue(child, visit);
}

} // namespace

Error ParseGraphicData(ByteView bytes, GraphicData& graphic) {
    ByteReader in(bytes);
    if (Error error = in.ReadShortString(graphic.className, "graphic class name")) return error;
    uint32_t length = 0;
    if (Error error = in.ReadU32(length, "graphic data length")) return error;
    if (length != in.Remaining())
        return Error("graphic data length " + std::to_string(length) + " does not match the " +
                     std::to_string(in.Remaining()) + " bytes that follow");
    return in.ReadBytes(length, graphic.data, "graphic data");
}

std::vector<uint8_t> BuildGraphicData(const std::string& className, ByteView data) {
    ByteWriter out;
    (void)out.WriteShortString(className, "graphic class name");
    out.WriteU32(static_cast<uint32_t>(data.size));
    out.WriteBytes(data);
    return out.TakeBytes();
}

Error EncodeGraphicValues(FormObject& root) {
    Error result;
    ForEachObjectValue(root, [&result](const std::string& name, FormValue& value) {
        if (value.type != ValueType::Graphic || result) return;
        if (value.text.size() > 255 || value.bytes.Size() > 0xFFFFFFFFu) {
            result = Error(name + ": graphic class name or data too long");
            return;
        }
        value =
            FormValue::Binary(BinaryData::Own(BuildGraphicData(value.text, value.bytes.Bytes())));
    });
    return result;
}

void DecodeGraphicValues(FormObject& root) {
    ForEachObjectValue(root, [](const std::string& name, FormValue& value) {
        if (value.type != ValueType::Binary || !(name == "Data" || EndsWith(name, "Picture.Data")))
            return;
        GraphicData graphic;
        if (ParseGraphicData(value.bytes.Bytes(), graphic) ||
            !text::IsPlainName(graphic.className, false))
            return;
        // The data stays a view into the same bytes the binary value held.
        FormValue decoded;
        decoded.type = ValueType::Graphic;
        decoded.text = graphic.className;
        decoded.bytes = value.bytes.Slice(
            static_cast<size_t>(graphic.data.data - value.bytes.Bytes().data), graphic.data.size);
        value = std::move(decoded);
    });
}

} // namespace vcl
