// Reading the binary form definition into FormObject trees.
#include "ByteReader.h"
#include "FormBinary.h"

#include <cstring>

namespace vcl {
namespace {

class DefinitionReader {
public:
    explicit DefinitionReader(ByteView definition) : in_(definition) {}

    Error ReadRoot(FormObject& root) {
        ByteView signature;
        if (Error error = in_.ReadBytes(4, signature, "signature")) return error;
        if (std::memcmp(signature.data, FormSignature, 4) != 0)
            return Error("not a form definition: the signature \"TPF0\" is missing");
        if (Error error = ReadObject(root, 0)) return error;
        if (!in_.AtEnd())
            return Error(std::to_string(in_.Remaining()) +
                         " unexpected bytes after the end of the root object at offset " +
                         std::to_string(in_.Position()));
        return Error();
    }

private:
    Error ReadObject(FormObject& object, int depth) {
        if (depth > MaxNestingDepth)
            return Error("objects nested deeper than " + std::to_string(MaxNestingDepth) +
                         " levels");
        const size_t start = in_.Position();
        if (Error error = ReadPrefix(object)) return error;
        if (Error error = in_.ReadShortString(object.className, "class name")) return error;
        if (Error error = in_.ReadShortString(object.name, "object name")) return error;
        if (object.className.empty())
            return Error("object at offset " + std::to_string(start) + " has an empty class name");
        const std::string context = "object " + Describe(object);
        if (Error error = ReadProperties(object.properties, depth))
            return error.WithContext(context);
        for (;;) {
            uint8_t next = 0;
            if (Error error = PeekU8(next, "end of children")) return error.WithContext(context);
            if (next == 0) {
                (void)in_.Skip(1, "end of children");
                return Error();
            }
            object.children.emplace_back();
            if (Error error = ReadObject(object.children.back(), depth + 1))
                return error.WithContext(context);
        }
    }

    Error ReadPrefix(FormObject& object) {
        uint8_t first = 0;
        if (Error error = PeekU8(first, "object header")) return error;
        if ((first & 0xF0) != 0xF0) return Error();
        (void)in_.Skip(1, "object prefix");
        object.flags = static_cast<uint8_t>(first & 0x0F);
        if ((object.flags & ~(ObjectInherited | ObjectHasPosition | ObjectInline)) != 0)
            return Error("unknown object flags " + std::to_string(object.flags) + " at offset " +
                         std::to_string(in_.Position() - 1));
        if (object.flags & ObjectHasPosition) {
            if (Error error = ReadValue(object.position, 0))
                return error.WithContext("child position");
            if (!object.position.IsInteger())
                return Error(std::string("child position is a ") +
                             ValueTypeName(object.position.type) + ", not an integer");
        }
        return Error();
    }

    // Properties until an empty name (the null byte).
    Error ReadProperties(std::vector<FormProperty>& properties, int depth) {
        for (;;) {
            std::string name;
            if (Error error = in_.ReadShortString(name, "property name")) return error;
            if (name.empty()) return Error();
            properties.push_back(FormProperty{std::move(name), FormValue()});
            FormProperty& property = properties.back();
            if (Error error = ReadValue(property.value, depth))
                return error.WithContext("property " + property.name);
            if (property.value.type == ValueType::Null)
                return Error("property " + property.name + " has no value (null type)");
        }
    }

    Error ReadValue(FormValue& value, int depth) {
        if (depth > MaxNestingDepth)
            return Error("values nested deeper than " + std::to_string(MaxNestingDepth) +
                         " levels");
        const size_t start = in_.Position();
        uint8_t type = 0;
        if (Error error = in_.ReadU8(type, "value type")) return error;
        if (type > LastBinaryValueType)
            return Error("unknown value type " + std::to_string(type) + " at offset " +
                         std::to_string(start));
        value.type = static_cast<ValueType>(type);
        switch (value.type) {
        case ValueType::Null:
        case ValueType::False:
        case ValueType::True:
        case ValueType::Nil:
            return Error();
        case ValueType::Int8:
        case ValueType::Int16:
        case ValueType::Int32:
        case ValueType::Int64:
            return ReadIntegerPayload(value.type, value.integer);
        case ValueType::Extended:
        case ValueType::Single:
        case ValueType::Currency:
        case ValueType::Date:
        case ValueType::Double: {
            ByteView raw;
            if (Error error =
                    in_.ReadBytes(RawValueSize(value.type), raw, ValueTypeName(value.type)))
                return error;
            value.bytes = BinaryData::View(raw);
            return Error();
        }
        case ValueType::String:
        case ValueType::Ident:
            return in_.ReadShortString(value.text, ValueTypeName(value.type));
        case ValueType::LString:
        case ValueType::Utf8String: {
            ByteView raw;
            if (Error error = ReadCounted(1, raw, ValueTypeName(value.type))) return error;
            value.text.assign(reinterpret_cast<const char*>(raw.data), raw.size);
            return Error();
        }
        case ValueType::WString: {
            ByteView raw;
            if (Error error = ReadCounted(2, raw, "wide string")) return error;
            value.wide.resize(raw.size / 2);
            for (size_t i = 0; i < value.wide.size(); ++i)
                value.wide[i] = static_cast<char16_t>(raw.data[2 * i] | (raw.data[2 * i + 1] << 8));
            return Error();
        }
        case ValueType::Binary: {
            ByteView raw;
            if (Error error = ReadCounted(1, raw, "binary data")) return error;
            value.bytes = BinaryData::View(raw);
            return Error();
        }
        case ValueType::Set:
            for (;;) {
                std::string element;
                if (Error error = in_.ReadShortString(element, "set element")) return error;
                if (element.empty()) return Error();
                value.elements.push_back(std::move(element));
            }
        case ValueType::List:
            for (;;) {
                uint8_t next = 0;
                if (Error error = PeekU8(next, "list item")) return error;
                if (next == 0) {
                    (void)in_.Skip(1, "end of list");
                    return Error();
                }
                value.items.emplace_back();
                if (Error error = ReadValue(value.items.back(), depth + 1))
                    return error.WithContext("list item " + std::to_string(value.items.size()));
            }
        case ValueType::Collection:
            return ReadCollection(value, depth);
        case ValueType::StoredFiles:
        case ValueType::Graphic:
            break;
        }
        return Error("unknown value type " + std::to_string(type));
    }

    Error ReadCollection(FormValue& value, int depth) {
        for (;;) {
            uint8_t type = 0;
            if (Error error = in_.ReadU8(type, "collection item")) return error;
            if (type == 0) return Error();
            CollectionItem item;
            const std::string context =
                "collection item " + std::to_string(value.collection.size() + 1);
            if (type != static_cast<uint8_t>(ValueType::List)) {
                const auto orderType = static_cast<ValueType>(type);
                if (!IsIntegerType(orderType))
                    return Error(context + ": expected an order number or a list, found type " +
                                 std::to_string(type));
                if (Error error = ReadIntegerPayload(orderType, item.order))
                    return error.WithContext(context);
                item.hasOrder = true;
                item.orderType = orderType;
                if (Error error = in_.ReadU8(type, "collection item"))
                    return error.WithContext(context);
                if (type != static_cast<uint8_t>(ValueType::List))
                    return Error(context + ": expected a list after the order number");
            }
            if (Error error = ReadProperties(item.properties, depth + 1))
                return error.WithContext(context);
            value.collection.push_back(std::move(item));
        }
    }

    // A 4-byte count of units of `unitSize` bytes, then the units.
    Error ReadCounted(size_t unitSize, ByteView& bytes, const char* what) {
        const size_t start = in_.Position();
        uint32_t count = 0;
        if (Error error = in_.ReadU32(count, what)) return error;
        if (count > in_.Remaining() / unitSize)
            return Error(std::string(what) + " at offset " + std::to_string(start) + " claims " +
                         std::to_string(count) + (unitSize == 1 ? " bytes" : " units") +
                         ", but only " + std::to_string(in_.Remaining()) + " bytes remain");
        return in_.ReadBytes(count * unitSize, bytes, what);
    }

    Error PeekU8(uint8_t& value, const char* what) {
        ByteReader copy = in_;
        return copy.ReadU8(value, what);
    }

    Error ReadIntegerPayload(ValueType type, int64_t& value) {
        switch (type) {
        case ValueType::Int8: {
            int8_t v = 0;
            Error error = in_.ReadI8(v, "integer");
            value = v;
            return error;
        }
        case ValueType::Int16: {
            int16_t v = 0;
            Error error = in_.ReadI16(v, "integer");
            value = v;
            return error;
        }
        case ValueType::Int32: {
            int32_t v = 0;
            Error error = in_.ReadI32(v, "integer");
            value = v;
            return error;
        }
        default:
            return in_.ReadI64(value, "integer");
        }
    }

    static bool IsIntegerType(ValueType type) {
        return type == ValueType::Int8 || type == ValueType::Int16 || type == ValueType::Int32 ||
               type == ValueType::Int64;
    }

    static std::string Describe(const FormObject& object) {
        return (object.name.empty() ? std::string("(unnamed)") : object.name) + ": " +
               object.className;
    }

    ByteReader in_;
};

} // namespace

bool HasFormSignature(ByteView bytes) {
    return bytes.size >= 4 && std::memcmp(bytes.data, FormSignature, 4) == 0;
}

Error ReadFormDefinition(ByteView definition, FormObject& root) {
    root = FormObject();
    DefinitionReader reader(definition);
    return reader.ReadRoot(root);
}

} // namespace vcl
