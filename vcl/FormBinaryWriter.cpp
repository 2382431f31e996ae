// Writing FormObject trees as binary form definitions.
#include "FormBinary.h"

#include <cstring>

namespace vcl {
namespace {

class DefinitionWriter {
public:
    explicit DefinitionWriter(ByteWriter& out) : out_(out) {}

    Error WriteObject(const FormObject& object, int depth) {
        if (depth > MaxNestingDepth)
            return Error("objects nested deeper than " + std::to_string(MaxNestingDepth) +
                         " levels");
        const std::string context = "object " + object.name + ": " + object.className;
        if (object.flags != 0) {
            if ((object.flags & ~(ObjectInherited | ObjectHasPosition | ObjectInline)) != 0)
                return Error(context + ": unknown object flags " + std::to_string(object.flags));
            out_.WriteU8(static_cast<uint8_t>(0xF0 | object.flags));
            if (object.flags & ObjectHasPosition) {
                if (!object.position.IsInteger())
                    return Error(context + ": the child position must be an integer");
                if (Error error = WriteValue(object.position, depth))
                    return error.WithContext(context);
            }
        }
        if (object.className.empty()) return Error(context + ": empty class name");
        if (Error error = out_.WriteShortString(object.className, "class name"))
            return error.WithContext(context);
        if (Error error = out_.WriteShortString(object.name, "object name"))
            return error.WithContext(context);
        if (Error error = WriteProperties(object.properties, depth))
            return error.WithContext(context);
        for (const FormObject& child : object.children)
            if (Error error = WriteObject(child, depth + 1)) return error.WithContext(context);
        out_.WriteU8(0);
        return Error();
    }

private:
    Error WriteProperties(const std::vector<FormProperty>& properties, int depth) {
        for (const FormProperty& property : properties) {
            if (property.name.empty()) return Error("a property has an empty name");
            if (Error error = out_.WriteShortString(property.name, "property name")) return error;
            if (Error error = WriteValue(property.value, depth))
                return error.WithContext("property " + property.name);
        }
        out_.WriteU8(0);
        return Error();
    }

    Error WriteValue(const FormValue& value, int depth) {
        if (depth > MaxNestingDepth)
            return Error("values nested deeper than " + std::to_string(MaxNestingDepth) +
                         " levels");
        switch (value.type) {
        case ValueType::Null:
            return Error("a null value cannot be written");
        case ValueType::StoredFiles:
        case ValueType::Graphic:
            return Error(std::string("a ") + ValueTypeName(value.type) +
                         " must be encoded as binary data before it is written");
        default:
            break;
        }
        out_.WriteU8(static_cast<uint8_t>(value.type));
        switch (value.type) {
        case ValueType::False:
        case ValueType::True:
        case ValueType::Nil:
            return Error();
        case ValueType::Int8:
        case ValueType::Int16:
        case ValueType::Int32:
        case ValueType::Int64:
            return WriteIntegerPayload(value.type, value.integer);
        case ValueType::Extended:
        case ValueType::Single:
        case ValueType::Currency:
        case ValueType::Date:
        case ValueType::Double:
            if (value.bytes.Size() != RawValueSize(value.type))
                return Error(std::string("a ") + ValueTypeName(value.type) + " value needs " +
                             std::to_string(RawValueSize(value.type)) + " bytes, not " +
                             std::to_string(value.bytes.Size()));
            out_.WriteBytes(value.bytes.Bytes());
            return Error();
        case ValueType::String:
        case ValueType::Ident:
            return out_.WriteShortString(value.text, ValueTypeName(value.type));
        case ValueType::LString:
        case ValueType::Utf8String:
            if (Error error = WriteCount(value.text.size())) return error;
            out_.WriteBytes(reinterpret_cast<const uint8_t*>(value.text.data()), value.text.size());
            return Error();
        case ValueType::WString:
            if (Error error = WriteCount(value.wide.size())) return error;
            for (char16_t unit : value.wide)
                out_.WriteU16(static_cast<uint16_t>(unit));
            return Error();
        case ValueType::Binary:
            if (Error error = WriteCount(value.bytes.Size())) return error;
            out_.WriteBytes(value.bytes.Bytes());
            return Error();
        case ValueType::Set:
            for (const std::string& element : value.elements) {
                if (element.empty()) return Error("a set element has an empty name");
                if (Error error = out_.WriteShortString(element, "set element")) return error;
            }
            out_.WriteU8(0);
            return Error();
        case ValueType::List:
            for (const FormValue& item : value.items) {
                if (item.type == ValueType::Null) return Error("a list item cannot be null");
                if (Error error = WriteValue(item, depth + 1)) return error;
            }
            out_.WriteU8(0);
            return Error();
        case ValueType::Collection:
            for (const CollectionItem& item : value.collection) {
                if (item.hasOrder) {
                    out_.WriteU8(static_cast<uint8_t>(item.orderType));
                    if (Error error = WriteIntegerPayload(item.orderType, item.order)) return error;
                }
                out_.WriteU8(static_cast<uint8_t>(ValueType::List));
                if (Error error = WriteProperties(item.properties, depth + 1)) return error;
            }
            out_.WriteU8(0);
            return Error();
        default:
            break;
        }
        return Error("unknown value type " + std::to_string(static_cast<int>(value.type)));
    }

    Error WriteIntegerPayload(ValueType type, int64_t value) {
        if (!IntegerFits(type, value))
            return Error(std::to_string(value) + " does not fit its integer type");
        switch (type) {
        case ValueType::Int8:
            out_.WriteU8(static_cast<uint8_t>(value));
            return Error();
        case ValueType::Int16:
            out_.WriteU16(static_cast<uint16_t>(value));
            return Error();
        case ValueType::Int32:
            out_.WriteU32(static_cast<uint32_t>(value));
            return Error();
        case ValueType::Int64:
            out_.WriteU64(static_cast<uint64_t>(value));
            return Error();
        default:
            return Error("not an integer type");
        }
    }

    Error WriteCount(size_t count) {
        if (count > 0xFFFFFFFFu)
            return Error("a value of " + std::to_string(count) + " units is too long to store");
        out_.WriteU32(static_cast<uint32_t>(count));
        return Error();
    }

    ByteWriter& out_;
};

} // namespace

Error WriteFormDefinition(const FormObject& root, ByteWriter& out) {
    out.WriteBytes(reinterpret_cast<const uint8_t*>(FormSignature), sizeof FormSignature);
    return DefinitionWriter(out).WriteObject(root, 0);
}

} // namespace vcl
