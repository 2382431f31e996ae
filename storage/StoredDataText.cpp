#include "StoredDataText.h"

#include "acFileStorage.h"

namespace ac {
namespace {

bool IsStoredDataName(const std::string& name) {
    static const std::string tail = "StoredData";
    return name.size() >= tail.size() &&
           name.compare(name.size() - tail.size(), tail.size(), tail) == 0 &&
           (name.size() == tail.size() || name[name.size() - tail.size() - 1] == '.');
}

void DecodeObject(vcl::FormObject& object, std::vector<std::string>& notes) {
    for (vcl::FormProperty& property : object.properties) {
        if (property.value.type != vcl::ValueType::Binary || !IsStoredDataName(property.name))
            continue;
        const std::string where = object.name + "." + property.name;
        TacFileStorage storage(nullptr);
        vcl::ByteReader in(property.value.bytes.Bytes());
        if (vcl::Error error = storage.ReadStoredData(in)) {
            notes.push_back(where + " is kept as binary data: " + error.Message());
            continue;
        }
        vcl::ByteWriter again;
        if (vcl::Error error = storage.WriteStoredData(again)) {
            notes.push_back(where + " is kept as binary data: " + error.Message());
            continue;
        }
        if (!(vcl::ByteView(again.Bytes()) == property.value.bytes.Bytes())) {
            notes.push_back(where + " is kept as binary data: " +
                            (storage.SignatureFound()
                                 ? "its contents are packed otherwise than this packer does"
                                 : "it has the unsigned layout, which is no longer written"));
            continue;
        }
        vcl::FormValue files;
        files.type = vcl::ValueType::StoredFiles;
        for (int i = 0; i < storage.Files().Count(); ++i) {
            const TStoredFile& file = *storage.Files().Items(i);
            files.storedFiles.push_back(vcl::StoredFileEntry{
                file.Name(), vcl::BinaryData::Own(file.Contents().View().ToVector())});
        }
        property.value = std::move(files);
    }
    for (vcl::FormObject& child : object.children)
        DecodeObject(child, notes);
}

vcl::Error EncodeObject(vcl::FormObject& object) {
    for (vcl::FormProperty& property : object.properties) {
        if (property.value.type != vcl::ValueType::StoredFiles) continue;
        TacFileStorage storage(nullptr);
        for (const vcl::StoredFileEntry& entry : property.value.storedFiles)
            if (vcl::Error error = storage.AddStoredFile(entry.name, entry.contents.Bytes()))
                return error.WithContext(object.name + "." + property.name);
        vcl::ByteWriter stream;
        if (vcl::Error error = storage.WriteStoredData(stream))
            return error.WithContext(object.name + "." + property.name);
        property.value = vcl::FormValue::Binary(vcl::BinaryData::Own(stream.TakeBytes()));
    }
    for (vcl::FormObject& child : object.children)
        if (vcl::Error error = EncodeObject(child)) return error;
    return vcl::Error();
}

} // namespace

vcl::Error EncodeStoredDataValues(vcl::FormObject& root) {
    return EncodeObject(root);
}

void DecodeStoredDataValues(vcl::FormObject& root, std::vector<std::string>& notes) {
    DecodeObject(root, notes);
}

} // namespace ac
