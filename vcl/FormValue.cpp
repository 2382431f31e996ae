#include "FormValue.h"

#include <limits>

namespace vcl {

const char* ValueTypeName(ValueType type) {
    switch (type) {
    case ValueType::Null:
        return "null";
    case ValueType::List:
        return "list";
    case ValueType::Int8:
    case ValueType::Int16:
    case ValueType::Int32:
    case ValueType::Int64:
        return "integer";
    case ValueType::Extended:
        return "extended";
    case ValueType::String:
    case ValueType::LString:
        return "string";
    case ValueType::Ident:
        return "identifier";
    case ValueType::False:
    case ValueType::True:
        return "Boolean";
    case ValueType::Binary:
        return "binary data";
    case ValueType::Set:
        return "set";
    case ValueType::Nil:
        return "nil";
    case ValueType::Collection:
        return "collection";
    case ValueType::Single:
        return "single";
    case ValueType::Currency:
        return "currency";
    case ValueType::Date:
        return "date";
    case ValueType::WString:
        return "wide string";
    case ValueType::Utf8String:
        return "UTF-8 string";
    case ValueType::Double:
        return "double";
    case ValueType::StoredFiles:
        return "storage file list";
    case ValueType::Graphic:
        return "graphic";
    }
    return "unknown value type";
}

BinaryData BinaryData::View(ByteView bytes) {
    BinaryData data;
    data.view_ = bytes;
    return data;
}

BinaryData BinaryData::Own(std::vector<uint8_t> bytes) {
    BinaryData data;
    auto owned = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    data.view_ = ByteView(*owned);
    data.owned_ = std::move(owned);
    return data;
}

BinaryData BinaryData::Slice(size_t offset, size_t count) const {
    BinaryData part = *this;
    if (offset > view_.size) offset = view_.size;
    if (count > view_.size - offset) count = view_.size - offset;
    part.view_ = ByteView(view_.data + offset, count);
    return part;
}

ValueType SmallestIntegerType(int64_t value) {
    if (IntegerFits(ValueType::Int8, value)) return ValueType::Int8;
    if (IntegerFits(ValueType::Int16, value)) return ValueType::Int16;
    if (IntegerFits(ValueType::Int32, value)) return ValueType::Int32;
    return ValueType::Int64;
}

bool IntegerFits(ValueType type, int64_t value) {
    switch (type) {
    case ValueType::Int8:
        return value >= -128 && value <= 127;
    case ValueType::Int16:
        return value >= -32768 && value <= 32767;
    case ValueType::Int32:
        return value >= std::numeric_limits<int32_t>::min() &&
               value <= std::numeric_limits<int32_t>::max();
    case ValueType::Int64:
        return true;
    default:
        return false;
    }
}

size_t RawValueSize(ValueType type) {
    switch (type) {
    case ValueType::Extended:
        return 10;
    case ValueType::Single:
        return 4;
    case ValueType::Currency:
    case ValueType::Date:
    case ValueType::Double:
        return 8;
    default:
        return 0;
    }
}

FormValue FormValue::Integer(int64_t value) {
    FormValue v;
    v.type = SmallestIntegerType(value);
    v.integer = value;
    return v;
}

FormValue FormValue::Boolean(bool value) {
    FormValue v;
    v.type = value ? ValueType::True : ValueType::False;
    return v;
}

FormValue FormValue::String(std::string value) {
    FormValue v;
    v.type = value.size() <= 255 ? ValueType::String : ValueType::LString;
    v.text = std::move(value);
    return v;
}

FormValue FormValue::Utf8(std::string value) {
    FormValue v;
    v.type = ValueType::Utf8String;
    v.text = std::move(value);
    return v;
}

FormValue FormValue::Ident(std::string value) {
    FormValue v;
    v.type = ValueType::Ident;
    v.text = std::move(value);
    return v;
}

FormValue FormValue::SetOf(std::vector<std::string> elements) {
    FormValue v;
    v.type = ValueType::Set;
    v.elements = std::move(elements);
    return v;
}

FormValue FormValue::Binary(BinaryData data) {
    FormValue v;
    v.type = ValueType::Binary;
    v.bytes = std::move(data);
    return v;
}

bool FormValue::IsInteger() const {
    return type == ValueType::Int8 || type == ValueType::Int16 || type == ValueType::Int32 ||
           type == ValueType::Int64;
}

bool FormValue::IsString() const {
    return type == ValueType::String || type == ValueType::LString ||
           type == ValueType::Utf8String || type == ValueType::WString;
}

const FormProperty* FormObject::FindProperty(const std::string& propertyName) const {
    for (const FormProperty& property : properties)
        if (property.name == propertyName) return &property;
    return nullptr;
}

} // namespace vcl
