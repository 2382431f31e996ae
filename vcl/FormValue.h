// The parsed form of a definition: objects with their properties in stored
// order and each property's value exactly as stored (type and bytes), so a
// definition read and written again is the same bytes. Binary values refer
// to the definition's own bytes where they came from one: a 10 MB "StoredData"
// is never copied by reading.
#pragma once

#include "ByteView.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vcl {

// Type bytes of the binary definition format, plus two kinds that exist only
// in the text form and are turned into Binary before anything is written.
enum class ValueType : uint8_t {
    Null = 0,
    List = 1,
    Int8 = 2,
    Int16 = 3,
    Int32 = 4,
    Extended = 5,
    String = 6,
    Ident = 7,
    False = 8,
    True = 9,
    Binary = 10,
    Set = 11,
    LString = 12,
    Nil = 13,
    Collection = 14,
    Single = 15,
    Currency = 16,
    Date = 17,
    WString = 18,
    Int64 = 19,
    Utf8String = 20,
    Double = 21,

    // Text form only: the files of a storage ("StoredData"), to be written
    // as a storage stream, and a picture ("Picture.Data": class name, data).
    StoredFiles = 200,
    Graphic = 201,
};

constexpr uint8_t LastBinaryValueType = 21;

// A readable name of a value type for error messages ("integer", "string").
const char* ValueTypeName(ValueType type);

// Bytes of a value: either a view into a definition that outlives the value,
// or bytes the value shares ownership of (read from a file, decoded).
class BinaryData {
public:
    BinaryData() = default;
    static BinaryData View(ByteView bytes);
    static BinaryData Own(std::vector<uint8_t> bytes);

    ByteView Bytes() const { return view_; }
    size_t Size() const { return view_.size; }
    // A part of these bytes that keeps them alive as this does.
    BinaryData Slice(size_t offset, size_t count) const;

private:
    std::shared_ptr<const std::vector<uint8_t>> owned_;
    ByteView view_;
};

struct FormProperty;

struct CollectionItem {
    bool hasOrder = false;
    ValueType orderType = ValueType::Int8; // Int8, Int16, Int32 or Int64
    int64_t order = 0;
    std::vector<FormProperty> properties;
};

// One stored file of a storage in the text form.
struct StoredFileEntry {
    std::string name;
    BinaryData contents;
};

struct FormValue {
    ValueType type = ValueType::Null;
    int64_t integer = 0;                      // Int8, Int16, Int32, Int64
    std::string text;                         // String, LString, Ident, Utf8String (UTF-8
                                              // bytes), Graphic (class name)
    std::u16string wide;                      // WString
    std::vector<std::string> elements;        // Set
    std::vector<FormValue> items;             // List
    std::vector<CollectionItem> collection;   // Collection
    BinaryData bytes;                         // Binary, Graphic, and the raw bytes of
                                              // Extended, Single, Currency, Date, Double
    std::vector<StoredFileEntry> storedFiles; // StoredFiles

    // Integers take the smallest type that holds them, as a writer stores them.
    static FormValue Integer(int64_t value);
    static FormValue Boolean(bool value);
    // 8-bit text: a ShortString up to 255 bytes, a long string beyond.
    static FormValue String(std::string value);
    static FormValue Utf8(std::string value);
    static FormValue Ident(std::string value);
    static FormValue SetOf(std::vector<std::string> elements);
    static FormValue Binary(BinaryData data);

    bool IsInteger() const;
    bool IsBoolean() const { return type == ValueType::False || type == ValueType::True; }
    bool IsString() const; // String, LString, Utf8String, WString
};

// The smallest integer type that holds `value`.
ValueType SmallestIntegerType(int64_t value);
// Whether `value` fits the integer type `type`.
bool IntegerFits(ValueType type, int64_t value);
// Bytes of the raw payload of the fixed-size float-like types, else 0.
size_t RawValueSize(ValueType type);

struct FormProperty {
    std::string name;
    FormValue value;
};

// Object prefix flags.
enum ObjectFlags : uint8_t {
    ObjectInherited = 1,
    ObjectHasPosition = 2,
    ObjectInline = 4,
};

struct FormObject {
    uint8_t flags = 0;  // ObjectFlags
    FormValue position; // an integer, when ObjectHasPosition is set
    std::string className;
    std::string name;
    std::vector<FormProperty> properties;
    std::vector<FormObject> children;

    const FormProperty* FindProperty(const std::string& propertyName) const;
};

} // namespace vcl
