#include "ClassInfo.h"

#include "TextEncoding.h"

namespace vcl {

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'a' && x <= 'z') x = static_cast<char>(x - 'a' + 'A');
        if (y >= 'a' && y <= 'z') y = static_cast<char>(y - 'a' + 'A');
        if (x != y) return false;
    }
    return true;
}

Error WrongType(const std::string& typeName, const FormValue& value) {
    return Error("expects a value of type " + typeName + ", found a " + ValueTypeName(value.type));
}

PropertyList& PropertyList::Custom(PropertyInfo info) {
    items_.push_back(std::move(info));
    return *this;
}

ClassInfo::ClassInfo(std::string name, const ClassInfo* parent, Factory factory,
                     const std::function<void(PropertyList&)>& declare)
    : name_(std::move(name)), parent_(parent), factory_(factory) {
    if (declare) declare(properties_);
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
    for (const ClassInfo* info = this; info; info = info->parent_)
        if (info == &other) return true;
    return false;
}

const PropertyInfo* ClassInfo::FindProperty(const std::string& name) const {
    for (const ClassInfo* info = this; info; info = info->parent_)
        for (const PropertyInfo& property : info->properties_.Items())
            if (SameName(property.name, name)) return &property;
    return nullptr;
}

std::vector<const PropertyInfo*> ClassInfo::AllProperties() const {
    std::vector<const ClassInfo*> chain;
    for (const ClassInfo* info = this; info; info = info->parent_)
        chain.push_back(info);
    std::vector<const PropertyInfo*> all;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
        for (const PropertyInfo& property : (*it)->properties_.Items())
            all.push_back(&property);
    return all;
}

namespace detail {

Error IntegerInRange(const std::string& typeName, const FormValue& value, int64_t minimum,
                     int64_t maximum, int64_t& result) {
    if (!value.IsInteger()) return WrongType(typeName, value);
    if (value.integer < minimum || value.integer > maximum)
        return Error(std::to_string(value.integer) + " is out of the range of " + typeName + " (" +
                     std::to_string(minimum) + " to " + std::to_string(maximum) + ")");
    result = value.integer;
    return Error();
}

Error IdentIndex(const std::string& typeName, const FormValue& value, const EnumNames& names,
                 size_t& index) {
    if (value.type != ValueType::Ident) return WrongType(typeName, value);
    for (size_t i = 0; i < names.size(); ++i)
        if (SameName(names[i], value.text)) {
            index = i;
            return Error();
        }
    return Error("'" + value.text + "' is not a value of " + typeName);
}

Error ReadString(const std::string& typeName, const FormValue& value, std::string& text) {
    switch (value.type) {
    case ValueType::String:
    case ValueType::LString:
        text = value.text;
        return Error();
    case ValueType::Utf8String:
        text = Utf8ToCp1252(value.text);
        return Error();
    case ValueType::WString:
        text = Utf16ToCp1252(value.wide);
        return Error();
    default:
        return WrongType(typeName, value);
    }
}

FormValue StringValue(const std::string& text) {
    // Texts beyond ASCII are stored as UTF-8, so they read the same on a
    // system with another code page.
    return IsAscii(text) ? FormValue::String(text) : FormValue::Utf8(Cp1252ToUtf8(text));
}

Error ReadSet(const std::string& typeName, const FormValue& value, const EnumNames& elements,
              uint32_t& mask) {
    if (value.type != ValueType::Set) return WrongType(typeName, value);
    mask = 0;
    for (const std::string& element : value.elements) {
        FormValue ident = FormValue::Ident(element);
        size_t index = 0;
        if (Error error = IdentIndex(typeName, ident, elements, index)) return error;
        mask |= 1u << index;
    }
    return Error();
}

FormValue SetValue(uint32_t mask, const EnumNames& elements) {
    std::vector<std::string> names;
    for (size_t i = 0; i < elements.size() && i < 32; ++i)
        if (mask & (1u << i)) names.push_back(elements[i]);
    return FormValue::SetOf(std::move(names));
}

Error ReadIntegerOrIdent(const std::string& typeName, const FormValue& value,
                         const IdentMap& idents, int32_t& result) {
    if (value.type == ValueType::Ident) {
        for (const auto& ident : idents)
            if (SameName(ident.first, value.text)) {
                result = ident.second;
                return Error();
            }
        return Error("'" + value.text + "' is not a value of " + typeName);
    }
    int64_t number = 0;
    if (Error error = IntegerInRange(typeName, value, INT32_MIN, INT32_MAX, number)) return error;
    result = static_cast<int32_t>(number);
    return Error();
}

FormValue IntegerOrIdentValue(int32_t value, const IdentMap& idents) {
    for (const auto& ident : idents)
        if (ident.second == value) return FormValue::Ident(ident.first);
    return FormValue::Integer(value);
}

} // namespace detail
} // namespace vcl
