#include "FormLoader.h"

#include "FormBinary.h"

namespace vcl {
namespace {

// Finds the binary property of one name among those an object declares.
class BinaryPropertyLookup : public TFiler {
public:
    explicit BinaryPropertyLookup(const std::string& name) : name_(name) {}

    void DefineBinaryProperty(const std::string& name, BinaryReader read, BinaryWriter,
                              bool) override {
        if (!found_ && SameName(name, name_)) {
            found_ = true;
            read_ = std::move(read);
        }
    }

    bool Found() const { return found_; }
    const BinaryReader& Reader() const { return read_; }

private:
    const std::string& name_;
    bool found_ = false;
    BinaryReader read_;
};

Error ApplyBinaryProperty(TPersistent& target, const std::string& name, const FormValue& value) {
    BinaryPropertyLookup lookup(name);
    target.DefineProperties(lookup);
    if (!lookup.Found())
        return Error("unknown property \"" + name + "\" of class " + target.ClassName());
    if (value.type != ValueType::Binary) return WrongType("binary data", value);
    if (!lookup.Reader()) return Error("property \"" + name + "\" cannot be read");
    ByteReader data(value.bytes.Bytes());
    return lookup.Reader()(data);
}

class ComponentTreeReader {
public:
    ComponentTreeReader(TComponent& root, const ClassRegistry& registry)
        : root_(root), registry_(registry) {}

    Error Read(const FormObject& tree) {
        if (!SameName(tree.className, root_.ClassName()))
            return Error("the definition describes a " + tree.className + ", not a " +
                         root_.ClassName());
        tree_ = &tree;
        root_.SetName(tree.name);
        root_.SetLoading(true);
        loaded_.push_back(&root_);
        if (Error error = ApplyProperties(tree, root_)) return error;
        if (Error error = ReadChildren(tree, root_)) return error;
        for (TComponent* component : loaded_)
            component->Loaded();
        return Error();
    }

private:
    Error ApplyProperties(const FormObject& object, TComponent& component) {
        for (const FormProperty& property : object.properties)
            if (Error error = ApplyProperty(component, property))
                return error.WithContext(Path(object) + "." + property.name);
        return Error();
    }

    Error ReadChildren(const FormObject& object, TComponent& parent) {
        for (const FormObject& child : object.children) {
            TComponent* component = nullptr;
            if (Error error = CreateChild(child, component)) return error.WithContext(Path(child));
            component->SetParentComponent(&parent);
            if (Error error = ApplyProperties(child, *component)) return error;
            if (Error error = ReadChildren(child, *component)) return error;
        }
        return Error();
    }

    Error CreateChild(const FormObject& child, TComponent*& component) {
        if (child.flags & ObjectInherited) {
            // An ancestor's component: it exists already, its settings are updated.
            component = root_.FindComponent(child.name);
            if (!component) return Error("inherited component not found");
        } else {
            const ClassInfo* info = registry_.Find(child.className);
            if (!info) return Error("unknown class " + child.className);
            if (!info->GetFactory()) return Error(child.className + " is not a component class");
            if (root_.FindComponent(child.name))
                return Error("a component named " + child.name + " exists already");
            std::unique_ptr<TComponent> created = info->GetFactory()(&root_);
            created->SetName(child.name);
            component = &root_.InsertComponent(std::move(created));
        }
        if (!SameName(component->ClassName(), child.className))
            return Error("component is a " + component->ClassName() + ", not a " + child.className);
        component->SetLoading(true);
        loaded_.push_back(component);
        return Error();
    }

    std::string Path(const FormObject& object) const {
        const std::string name = object.name.empty() ? "<" + object.className + ">" : object.name;
        return &object == tree_ ? name : root_.Name() + "." + name;
    }

    TComponent& root_;
    const ClassRegistry& registry_;
    const FormObject* tree_ = nullptr;
    std::vector<TComponent*> loaded_;
};

} // namespace

Error ApplyProperty(TPersistent& instance, const FormProperty& property) {
    TPersistent* target = &instance;
    const std::string& name = property.name;
    size_t start = 0;
    for (;;) {
        const size_t dot = name.find('.', start);
        const std::string segment =
            name.substr(start, dot == std::string::npos ? dot : dot - start);
        if (segment.empty()) return Error("malformed property name \"" + name + "\"");
        const PropertyInfo* info = target->GetClassInfo().FindProperty(segment);
        if (dot == std::string::npos) {
            if (!info) return ApplyBinaryProperty(*target, segment, property.value);
            if (info->object)
                return Error("\"" + segment + "\" is an object; only its properties can be set");
            return info->apply(*target, property.value);
        }
        if (!info)
            return Error("unknown property \"" + segment + "\" of class " + target->ClassName());
        if (!info->object)
            return Error("\"" + segment + "\" of class " + target->ClassName() +
                         " has no properties of its own");
        target = info->object(*target);
        start = dot + 1;
    }
}

Error ReadComponentTree(const FormObject& tree, TComponent& root, const ClassRegistry& registry) {
    return ComponentTreeReader(root, registry).Read(tree);
}

Error ReadRootComponent(ByteView definition, TComponent& root, const ClassRegistry& registry) {
    FormObject tree;
    if (Error error = ReadFormDefinition(definition, tree)) return error;
    return ReadComponentTree(tree, root, registry);
}

Error LoadRootComponent(ByteView definition, const ClassRegistry& registry,
                        std::unique_ptr<TComponent>& root) {
    root.reset();
    FormObject tree;
    if (Error error = ReadFormDefinition(definition, tree)) return error;
    const ClassInfo* info = registry.Find(tree.className);
    if (!info) return Error("unknown class " + tree.className);
    if (!info->GetFactory()) return Error(tree.className + " is not a component class");
    std::unique_ptr<TComponent> created = info->GetFactory()(nullptr);
    if (Error error = ReadComponentTree(tree, *created, registry)) return error;
    root = std::move(created);
    return Error();
}

} // namespace vcl
