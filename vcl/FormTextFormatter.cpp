// Writing the text form (syntax in FormText.h).
#include "ClassInfo.h"
#include "FormText.h"
#include "FormTextSyntax.h"

#include <algorithm>

namespace vcl {
namespace {

const char HexDigits[] = "0123456789ABCDEF";
// Bytes of binary data per line of hex.
constexpr size_t HexBytesPerLine = 32;

// 8-bit text: printable ASCII in quotes, every other byte as #N.
std::string QuoteBytes(const std::string& text) {
    std::string out;
    bool inQuotes = false;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            if (!inQuotes) out += '\'';
            inQuotes = true;
            out += c;
            if (c == '\'') out += '\'';
        } else {
            if (inQuotes) out += '\'';
            inQuotes = false;
            out += '#' + std::to_string(byte);
        }
    }
    if (inQuotes) out += '\'';
    return out.empty() ? "''" : out;
}

// Length of the well-formed UTF-8 sequence of a non-ASCII character at `i`
// (one that reads back to the same bytes), or 0.
size_t Utf8SequenceAt(const std::string& text, size_t i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    size_t length = 0;
    uint32_t code = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, code = lead & 0x1Fu;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, code = lead & 0x0Fu;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, code = lead & 0x07u;
    else
        return 0;
    if (i + length > text.size()) return 0;
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    const uint32_t minimum = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF) ||
        (code >= 0x80 && code < 0xA0))
        return 0;
    return length;
}

// UTF-8 text: printable characters in quotes as they are, the rest as #N bytes.
std::string QuoteUtf8(const std::string& text) {
    std::string out;
    bool inQuotes = false;
    for (size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        size_t printable = byte >= 0x20 && byte < 0x7F ? 1
                           : byte >= 0x80              ? Utf8SequenceAt(text, i)
                                                       : 0;
        if (printable != 0) {
            if (!inQuotes) out += '\'';
            inQuotes = true;
            out.append(text, i, printable);
            if (text[i] == '\'') out += '\'';
            i += printable;
        } else {
            if (inQuotes) out += '\'';
            inQuotes = false;
            out += '#' + std::to_string(byte);
            ++i;
        }
    }
    if (inQuotes) out += '\'';
    return out.empty() ? "''" : out;
}

// UTF-16 text: printable ASCII in quotes, every other code unit as #N.
std::string QuoteWide(const std::u16string& text) {
    std::string out;
    bool inQuotes = false;
    for (char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F) {
            if (!inQuotes) out += '\'';
            inQuotes = true;
            out += static_cast<char>(unit);
            if (unit == u'\'') out += '\'';
        } else {
            if (inQuotes) out += '\'';
            inQuotes = false;
            out += '#' + std::to_string(static_cast<unsigned>(unit));
        }
    }
    if (inQuotes) out += '\'';
    return out.empty() ? "''" : out;
}

std::string NameText(const std::string& name, bool dotted) {
    return text::IsPlainName(name, dotted) ? name : QuoteBytes(name);
}

const char* IntegerKeyword(ValueType type) {
    switch (type) {
    case ValueType::Int8:
        return "int8";
    case ValueType::Int16:
        return "int16";
    case ValueType::Int32:
        return "int32";
    default:
        return "int64";
    }
}

std::string IntegerText(ValueType type, int64_t value) {
    if (type == SmallestIntegerType(value)) return std::to_string(value);
    return std::string(IntegerKeyword(type)) + " " + std::to_string(value);
}

class Formatter {
public:
    Formatter(const TextWriteOptions& options, std::string& out) : options_(options), out_(out) {}

    Error WriteObject(const FormObject& object, int indent) {
        Indent(indent);
        if (object.flags & ObjectInherited)
            out_ += (object.flags & ObjectInline) ? "inherited inline " : "inherited ";
        else if (object.flags & ObjectInline)
            out_ += "inline ";
        else
            out_ += "object ";
        out_ += NameText(object.name, false) + ": " + NameText(object.className, false);
        if (object.flags & ObjectHasPosition)
            out_ += " [" + IntegerText(object.position.type, object.position.integer) + "]";
        out_ += '\n';
        const std::string& owner = object.name.empty() ? object.className : object.name;
        for (const FormProperty& property : object.properties)
            if (Error error = WriteProperty(property, owner, indent + 1)) return error;
        for (const FormObject& child : object.children)
            if (Error error = WriteObject(child, indent + 1)) return error;
        Indent(indent);
        out_ += "end\n";
        return Error();
    }

private:
    Error WriteProperty(const FormProperty& property, const std::string& owner, int indent) {
        Indent(indent);
        out_ += NameText(property.name, true) + " = ";
        if (Error error = WriteValue(property.value, owner + "." + property.name, indent))
            return error.WithContext(owner + "." + property.name);
        out_ += '\n';
        return Error();
    }

    // Writes a value that starts on the current line; continuation lines
    // are indented one step deeper than `indent`, closing lines at `indent`.
    Error WriteValue(const FormValue& value, const std::string& fileStem, int indent) {
        switch (value.type) {
        case ValueType::Int8:
        case ValueType::Int16:
        case ValueType::Int32:
        case ValueType::Int64:
            out_ += IntegerText(value.type, value.integer);
            return Error();
        case ValueType::String:
            if (value.text.size() > 255) return Error("a short string longer than 255 bytes");
            out_ += QuoteBytes(value.text);
            return Error();
        case ValueType::LString:
            if (value.text.size() <= 255) out_ += "lstring ";
            out_ += QuoteBytes(value.text);
            return Error();
        case ValueType::Utf8String:
            out_ += "utf8 " + QuoteUtf8(value.text);
            return Error();
        case ValueType::WString:
            out_ += "wide " + QuoteWide(value.wide);
            return Error();
        case ValueType::Ident:
            if (text::IsPlainName(value.text, false) && !text::IsValueKeyword(value.text))
                out_ += value.text;
            else
                out_ += "ident " + QuoteBytes(value.text);
            return Error();
        case ValueType::False:
            out_ += "False";
            return Error();
        case ValueType::True:
            out_ += "True";
            return Error();
        case ValueType::Nil:
            out_ += "nil";
            return Error();
        case ValueType::Set:
            out_ += '[';
            for (size_t i = 0; i < value.elements.size(); ++i)
                out_ += (i ? ", " : "") + NameText(value.elements[i], false);
            out_ += ']';
            return Error();
        case ValueType::Extended:
        case ValueType::Single:
        case ValueType::Double:
        case ValueType::Currency:
        case ValueType::Date:
            out_ += RawKeyword(value.type);
            out_ += " {";
            AppendHex(value.bytes.Bytes());
            out_ += '}';
            return Error();
        case ValueType::Binary:
            return WriteBinary(value.bytes.Bytes(), fileStem + ".bin", indent);
        case ValueType::Graphic:
            out_ += "graphic " + QuoteBytes(value.text) + " ";
            return WriteBinary(value.bytes.Bytes(),
                               fileStem + "." + text::GraphicFileExtension(value.text), indent);
        case ValueType::StoredFiles:
            return WriteStoredFiles(value, fileStem, indent);
        case ValueType::List:
            out_ += "(\n";
            for (const FormValue& item : value.items) {
                Indent(indent + 1);
                if (Error error = WriteValue(item, fileStem, indent + 1)) return error;
                out_ += '\n';
            }
            Indent(indent);
            out_ += ')';
            return Error();
        case ValueType::Collection:
            return WriteCollection(value, fileStem, indent);
        case ValueType::Null:
            break;
        }
        return Error(std::string("a ") + ValueTypeName(value.type) +
                     " value cannot be written as text");
    }

    Error WriteCollection(const FormValue& value, const std::string& fileStem, int indent) {
        out_ += "<\n";
        for (size_t i = 0; i < value.collection.size(); ++i) {
            const CollectionItem& item = value.collection[i];
            Indent(indent + 1);
            out_ += "item";
            if (item.hasOrder) out_ += " " + IntegerText(item.orderType, item.order);
            out_ += '\n';
            const std::string stem = fileStem + "." + std::to_string(i + 1);
            for (const FormProperty& property : item.properties)
                if (Error error = WriteProperty(property, stem, indent + 2)) return error;
            Indent(indent + 1);
            out_ += "end\n";
        }
        Indent(indent);
        out_ += '>';
        return Error();
    }

    Error WriteStoredFiles(const FormValue& value, const std::string& fileStem, int indent) {
        out_ += "storage\n";
        for (size_t i = 0; i < value.storedFiles.size(); ++i) {
            const StoredFileEntry& entry = value.storedFiles[i];
            Indent(indent + 1);
            out_ += QuoteBytes(entry.name) + " = ";
            const std::string stem = fileStem.substr(0, fileStem.rfind('.')) + "." +
                                     std::to_string(i + 1) + "." + entry.name;
            if (Error error = WriteBinary(entry.contents.Bytes(), stem, indent + 1)) return error;
            out_ += '\n';
        }
        Indent(indent);
        out_ += "end";
        return Error();
    }

    Error WriteBinary(ByteView bytes, const std::string& suggestedName, int indent) {
        if (options_.storeFile) {
            std::string reference;
            if (Error error = options_.storeFile(suggestedName, bytes, reference)) return error;
            out_ += "file " + QuoteBytes(reference);
            return Error();
        }
        out_ += '{';
        if (bytes.size <= HexBytesPerLine) {
            AppendHex(bytes);
        } else {
            for (size_t start = 0; start < bytes.size; start += HexBytesPerLine) {
                out_ += '\n';
                Indent(indent + 1);
                const size_t count = std::min(HexBytesPerLine, bytes.size - start);
                AppendHex(ByteView(bytes.data + start, count));
            }
        }
        out_ += '}';
        return Error();
    }

    void AppendHex(ByteView bytes) {
        for (uint8_t byte : bytes) {
            out_ += HexDigits[byte >> 4];
            out_ += HexDigits[byte & 15];
        }
    }

    static const char* RawKeyword(ValueType type) {
        switch (type) {
        case ValueType::Extended:
            return "extended";
        case ValueType::Single:
            return "single";
        case ValueType::Double:
            return "double";
        case ValueType::Currency:
            return "currency";
        default:
            return "date";
        }
    }

    void Indent(int level) { out_.append(static_cast<size_t>(level) * 2, ' '); }

    const TextWriteOptions& options_;
    std::string& out_;
};

} // namespace

Error FormatFormText(const FormObject& root, const TextWriteOptions& options, std::string& text) {
    text.clear();
    return Formatter(options, text).WriteObject(root, 0);
}

} // namespace vcl
