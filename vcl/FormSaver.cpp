#include "FormSaver.h"

#include "ClassInfo.h"
#include "FormBinary.h"

namespace vcl {
namespace {

// Collects the binary properties an object declares and has data for.
class BinaryPropertyCollector : public TFiler {
public:
    BinaryPropertyCollector(const std::string& prefix, std::vector<FormProperty>& out)
        : prefix_(prefix), out_(out) {}

    void DefineBinaryProperty(const std::string& name, BinaryReader, BinaryWriter write,
                              bool hasData) override {
        if (!hasData || error_) return;
        ByteWriter data;
        if (!write) {
            error_ = Error("binary property \"" + name + "\" cannot be written");
            return;
        }
        if (Error error = write(data)) {
            error_ = error.WithContext(prefix_ + name);
            return;
        }
        out_.push_back(
            FormProperty{prefix_ + name, FormValue::Binary(BinaryData::Own(data.TakeBytes()))});
    }

    const Error& Result() const { return error_; }

private:
    const std::string& prefix_;
    std::vector<FormProperty>& out_;
    Error error_;
};

Error WriteProperties(TPersistent& object, const std::string& prefix,
                      std::vector<FormProperty>& out) {
    for (const PropertyInfo* property : object.GetClassInfo().AllProperties()) {
        if (property->object) {
            if (Error error =
                    WriteProperties(*property->object(object), prefix + property->name + ".", out))
                return error;
            continue;
        }
        FormValue value;
        if (property->store && property->store(object, value))
            out.push_back(FormProperty{prefix + property->name, std::move(value)});
    }
    BinaryPropertyCollector collector(prefix, out);
    object.DefineProperties(collector);
    return collector.Result();
}

Error WriteComponent(TComponent& component, FormObject& object) {
    object.className = component.ClassName();
    object.name = component.Name();
    if (Error error = WriteProperties(component, "", object.properties))
        return error.WithContext(component.Name());
    return Error();
}

} // namespace

Error WriteComponentTree(TComponent& root, FormObject& tree) {
    tree = FormObject();
    if (Error error = WriteComponent(root, tree)) return error;
    for (size_t i = 0; i < root.ComponentCount(); ++i) {
        tree.children.emplace_back();
        if (Error error = WriteComponent(root.Component(i), tree.children.back()))
            return error.WithContext(root.Name());
    }
    return Error();
}

Error SaveRootComponent(TComponent& root, ByteWriter& out) {
    FormObject tree;
    if (Error error = WriteComponentTree(root, tree)) return error;
    return WriteFormDefinition(tree, out);
}

} // namespace vcl
