#include "StoredFiles.h"

#include "ToolError.h"

#include "vcl/FormBinary.h"
#include "vcl/TextEncoding.h"

namespace sfpack {
namespace {

std::unique_ptr<ac::TacFileStorage> ReadStorage(vcl::ByteView bytes, const std::string& where) {
    auto storage = std::make_unique<ac::TacFileStorage>(nullptr);
    vcl::ByteReader in(bytes);
    if (vcl::Error error = storage->ReadStoredData(in))
        throw ToolError(where + ": " + error.Message());
    return storage;
}

void CollectStorages(const vcl::FormObject& object, const std::string& path,
                     std::vector<FoundStorage>& found) {
    for (const vcl::FormProperty& property : object.properties) {
        if (!IsStoredDataProperty(property.name) || property.value.type != vcl::ValueType::Binary)
            continue;
        const std::string where = object.name + "." + property.name;
        found.push_back(
            FoundStorage{where, ReadStorage(property.value.bytes.Bytes(), path + ": " + where)});
    }
    for (const vcl::FormObject& child : object.children)
        CollectStorages(child, path, found);
}

} // namespace

bool IsStoredDataProperty(const std::string& name) {
    static const std::string tail = "StoredData";
    return name.size() >= tail.size() &&
           name.compare(name.size() - tail.size(), tail.size(), tail) == 0 &&
           (name.size() == tail.size() || name[name.size() - tail.size() - 1] == '.');
}

vcl::FormObject ReadDefinition(const InputFile& input) {
    if (input.kind == InputKind::StorageStream)
        throw ToolError("'" + input.path + "' is not a form definition (no \"TPF0\" signature)");
    vcl::FormObject root;
    if (vcl::Error error = vcl::ReadFormDefinition(input.definition, root))
        throw ToolError("'" + input.path + "': " + error.Message());
    return root;
}

std::vector<FoundStorage> ReadStorages(const InputFile& input) {
    std::vector<FoundStorage> found;
    const std::string path = "'" + input.path + "'";
    if (input.kind == InputKind::StorageStream) {
        found.push_back(FoundStorage{"", ReadStorage(vcl::ByteView(input.bytes), path)});
        return found;
    }
    CollectStorages(ReadDefinition(input), path, found);
    return found;
}

std::string DisplayName(const std::string& name) {
    std::string shown;
    for (char c : vcl::Cp1252ToUtf8(name)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            static const char hex[] = "0123456789ABCDEF";
            shown += "\\x";
            shown += hex[byte >> 4];
            shown += hex[byte & 15];
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace sfpack
