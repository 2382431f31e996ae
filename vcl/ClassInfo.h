// Class descriptions: a class's name, its parent, how to create it by name
// (components only) and its published properties in declaration order.
//
// A class describes itself once, in its .cpp:
//
//     const vcl::ClassInfo& TacAddon::StaticClassInfo() {
//         static const vcl::ClassInfo info("TacAddon", &TacPersistent::StaticClassInfo(),
//             nullptr, [](vcl::PropertyList& p) {
//                 p.Boolean<TacAddon>("Enabled", &TacAddon::Enabled, &TacAddon::SetEnabled, false);
//             });
//         return info;
//     }
//
// Property kinds: Boolean, Integer (32-bit), Cardinal (32-bit unsigned),
// Enum (identifiers), IntegerOrIdent (numbers with names: colours, cursors,
// charsets), String (8-bit text), Set (identifier sets as bit masks), Event
// (handler names), Object (an owned sub-object reached by dotted names:
// "AutoExtract.ExtractTo.CreatePath"), and Custom for anything else.
// Properties equal to their default, and NeverStored ones, are not written.
#pragma once

#include "Error.h"
#include "FormValue.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vcl {

class TComponent;
class TPersistent;

enum class StoreMode { IfNotDefault, Never };

struct PropertyInfo {
    std::string name;
    std::string typeName; // for error messages
    // Applies a stored value, or fails for a value of the wrong type.
    std::function<Error(TPersistent&, const FormValue&)> apply;
    // Produces the value to store; false when nothing is to be written.
    std::function<bool(TPersistent&, FormValue&)> store;
    // Set for sub-object properties: the owned sub-object.
    std::function<TPersistent*(TPersistent&)> object;
};

// Names of the values of an enumeration, indexed by value.
using EnumNames = std::vector<std::string>;
// Named integers (colours, cursors, charsets).
using IdentMap = std::vector<std::pair<std::string, int32_t>>;

Error WrongType(const std::string& typeName, const FormValue& value);

class PropertyList {
public:
    template <class C>
    PropertyList& Boolean(const char* name, bool (C::*get)() const, void (C::*set)(bool),
                          bool defaultValue, StoreMode mode = StoreMode::IfNotDefault);

    template <class C>
    PropertyList& Integer(const char* name, int32_t (C::*get)() const, void (C::*set)(int32_t),
                          int32_t defaultValue, StoreMode mode = StoreMode::IfNotDefault);

    template <class C>
    PropertyList& Cardinal(const char* name, uint32_t (C::*get)() const, void (C::*set)(uint32_t),
                           uint32_t defaultValue, StoreMode mode = StoreMode::IfNotDefault);

    template <class C, class E>
    PropertyList& Enum(const char* name, const char* typeName, E (C::*get)() const,
                       void (C::*set)(E), E defaultValue, const EnumNames& names);

    template <class C>
    PropertyList& IntegerOrIdent(const char* name, const char* typeName, int32_t (C::*get)() const,
                                 void (C::*set)(int32_t), int32_t defaultValue,
                                 const IdentMap& idents);

    template <class C>
    PropertyList& String(const char* name, const std::string& (C::*get)() const,
                         void (C::*set)(const std::string&), const std::string& defaultValue = {},
                         StoreMode mode = StoreMode::IfNotDefault);

    template <class C>
    PropertyList& Set(const char* name, const char* typeName, uint32_t (C::*get)() const,
                      void (C::*set)(uint32_t), uint32_t defaultValue, const EnumNames& elements);

    template <class C>
    PropertyList& Event(const char* name, const std::string& (C::*get)() const,
                        void (C::*set)(const std::string&));

    template <class C, class S> PropertyList& Object(const char* name, S& (C::*get)());

    PropertyList& Custom(PropertyInfo info);

    const std::vector<PropertyInfo>& Items() const { return items_; }

private:
    std::vector<PropertyInfo> items_;
};

class ClassInfo {
public:
    using Factory = std::unique_ptr<TComponent> (*)(TComponent* owner);

    ClassInfo(std::string name, const ClassInfo* parent, Factory factory,
              const std::function<void(PropertyList&)>& declare);
    ClassInfo(const ClassInfo&) = delete;
    ClassInfo& operator=(const ClassInfo&) = delete;

    const std::string& Name() const { return name_; }
    const ClassInfo* Parent() const { return parent_; }
    Factory GetFactory() const { return factory_; }
    bool InheritsFrom(const ClassInfo& other) const;

    // Looks the property up here and in the parents (names ignore case).
    const PropertyInfo* FindProperty(const std::string& name) const;
    // Every property, the root class's first, each class's in declaration order.
    std::vector<const PropertyInfo*> AllProperties() const;

private:
    std::string name_;
    const ClassInfo* parent_;
    Factory factory_;
    PropertyList properties_;
};

// The factory of a component class T (constructor T(TComponent* owner)).
template <class T> std::unique_ptr<TComponent> CreateComponentOf(TComponent* owner) {
    return std::make_unique<T>(owner);
}

// Names compare without regard to ASCII case, as the streaming system's do.
bool SameName(const std::string& a, const std::string& b);

// ---------------------------------------------------------------------------
// Helpers of the property kinds.

namespace detail {
Error IntegerInRange(const std::string& typeName, const FormValue& value, int64_t minimum,
                     int64_t maximum, int64_t& result);
Error IdentIndex(const std::string& typeName, const FormValue& value, const EnumNames& names,
                 size_t& index);
Error ReadString(const std::string& typeName, const FormValue& value, std::string& text);
FormValue StringValue(const std::string& text);
Error ReadSet(const std::string& typeName, const FormValue& value, const EnumNames& elements,
              uint32_t& mask);
FormValue SetValue(uint32_t mask, const EnumNames& elements);
Error ReadIntegerOrIdent(const std::string& typeName, const FormValue& value,
                         const IdentMap& idents, int32_t& result);
FormValue IntegerOrIdentValue(int32_t value, const IdentMap& idents);
} // namespace detail

template <class C>
PropertyList& PropertyList::Boolean(const char* name, bool (C::*get)() const, void (C::*set)(bool),
                                    bool defaultValue, StoreMode mode) {
    PropertyInfo info;
    info.name = name;
    info.typeName = "Boolean";
    info.apply = [set](TPersistent& object, const FormValue& value) {
        if (!value.IsBoolean())
            return Error("expects True or False, found a " +
                         std::string(ValueTypeName(value.type)));
        (static_cast<C&>(object).*set)(value.type == ValueType::True);
        return Error();
    };
    info.store = [get, defaultValue, mode](TPersistent& object, FormValue& value) {
        const bool current = (static_cast<C&>(object).*get)();
        if (mode == StoreMode::Never || current == defaultValue) return false;
        value = FormValue::Boolean(current);
        return true;
    };
    return Custom(std::move(info));
}

template <class C>
PropertyList& PropertyList::Integer(const char* name, int32_t (C::*get)() const,
                                    void (C::*set)(int32_t), int32_t defaultValue, StoreMode mode) {
    PropertyInfo info;
    info.name = name;
    info.typeName = "Integer";
    info.apply = [typeName = info.typeName, set](TPersistent& object, const FormValue& value) {
        int64_t number = 0;
        if (Error error = detail::IntegerInRange(typeName, value, INT32_MIN, INT32_MAX, number))
            return error;
        (static_cast<C&>(object).*set)(static_cast<int32_t>(number));
        return Error();
    };
    info.store = [get, defaultValue, mode](TPersistent& object, FormValue& value) {
        const int32_t current = (static_cast<C&>(object).*get)();
        if (mode == StoreMode::Never || current == defaultValue) return false;
        value = FormValue::Integer(current);
        return true;
    };
    return Custom(std::move(info));
}

template <class C>
PropertyList& PropertyList::Cardinal(const char* name, uint32_t (C::*get)() const,
                                     void (C::*set)(uint32_t), uint32_t defaultValue,
                                     StoreMode mode) {
    PropertyInfo info;
    info.name = name;
    info.typeName = "Cardinal";
    info.apply = [typeName = info.typeName, set](TPersistent& object, const FormValue& value) {
        int64_t number = 0;
        if (Error error = detail::IntegerInRange(typeName, value, 0, UINT32_MAX, number))
            return error;
        (static_cast<C&>(object).*set)(static_cast<uint32_t>(number));
        return Error();
    };
    info.store = [get, defaultValue, mode](TPersistent& object, FormValue& value) {
        const uint32_t current = (static_cast<C&>(object).*get)();
        if (mode == StoreMode::Never || current == defaultValue) return false;
        value = FormValue::Integer(current);
        return true;
    };
    return Custom(std::move(info));
}

template <class C, class E>
PropertyList& PropertyList::Enum(const char* name, const char* typeName, E (C::*get)() const,
                                 void (C::*set)(E), E defaultValue, const EnumNames& names) {
    PropertyInfo info;
    info.name = name;
    info.typeName = typeName;
    info.apply = [typeName = info.typeName, set, names](TPersistent& object,
                                                        const FormValue& value) {
        size_t index = 0;
        if (Error error = detail::IdentIndex(typeName, value, names, index)) return error;
        (static_cast<C&>(object).*set)(static_cast<E>(index));
        return Error();
    };
    info.store = [get, defaultValue, names](TPersistent& object, FormValue& value) {
        const E current = (static_cast<C&>(object).*get)();
        const auto index = static_cast<size_t>(current);
        if (current == defaultValue || index >= names.size()) return false;
        value = FormValue::Ident(names[index]);
        return true;
    };
    return Custom(std::move(info));
}

template <class C>
PropertyList& PropertyList::IntegerOrIdent(const char* name, const char* typeName,
                                           int32_t (C::*get)() const, void (C::*set)(int32_t),
                                           int32_t defaultValue, const IdentMap& idents) {
    PropertyInfo info;
    info.name = name;
    info.typeName = typeName;
    info.apply = [typeName = info.typeName, set, idents](TPersistent& object,
                                                         const FormValue& value) {
        int32_t number = 0;
        if (Error error = detail::ReadIntegerOrIdent(typeName, value, idents, number)) return error;
        (static_cast<C&>(object).*set)(number);
        return Error();
    };
    info.store = [get, defaultValue, idents](TPersistent& object, FormValue& value) {
        const int32_t current = (static_cast<C&>(object).*get)();
        if (current == defaultValue) return false;
        value = detail::IntegerOrIdentValue(current, idents);
        return true;
    };
    return Custom(std::move(info));
}

template <class C>
PropertyList& PropertyList::String(const char* name, const std::string& (C::*get)() const,
                                   void (C::*set)(const std::string&),
                                   const std::string& defaultValue, StoreMode mode) {
    PropertyInfo info;
    info.name = name;
    info.typeName = "string";
    info.apply = [typeName = info.typeName, set](TPersistent& object, const FormValue& value) {
        std::string text;
        if (Error error = detail::ReadString(typeName, value, text)) return error;
        (static_cast<C&>(object).*set)(text);
        return Error();
    };
    info.store = [get, defaultValue, mode](TPersistent& object, FormValue& value) {
        const std::string& current = (static_cast<C&>(object).*get)();
        if (mode == StoreMode::Never || current == defaultValue) return false;
        value = detail::StringValue(current);
        return true;
    };
    return Custom(std::move(info));
}

template <class C>
PropertyList& PropertyList::Set(const char* name, const char* typeName, uint32_t (C::*get)() const,
                                void (C::*set)(uint32_t), uint32_t defaultValue,
                                const EnumNames& elements) {
    PropertyInfo info;
    info.name = name;
    info.typeName = typeName;
    info.apply = [typeName = info.typeName, set, elements](TPersistent& object,
                                                           const FormValue& value) {
        uint32_t mask = 0;
        if (Error error = detail::ReadSet(typeName, value, elements, mask)) return error;
        (static_cast<C&>(object).*set)(mask);
        return Error();
    };
    info.store = [get, defaultValue, elements](TPersistent& object, FormValue& value) {
        const uint32_t current = (static_cast<C&>(object).*get)();
        if (current == defaultValue) return false;
        value = detail::SetValue(current, elements);
        return true;
    };
    return Custom(std::move(info));
}

template <class C>
PropertyList& PropertyList::Event(const char* name, const std::string& (C::*get)() const,
                                  void (C::*set)(const std::string&)) {
    PropertyInfo info;
    info.name = name;
    info.typeName = "event";
    info.apply = [set](TPersistent& object, const FormValue& value) {
        if (value.type != ValueType::Ident || value.text.empty())
            return Error("expects the name of a handler, found a " +
                         std::string(ValueTypeName(value.type)));
        (static_cast<C&>(object).*set)(value.text);
        return Error();
    };
    info.store = [get](TPersistent& object, FormValue& value) {
        const std::string& handler = (static_cast<C&>(object).*get)();
        if (handler.empty()) return false;
        value = FormValue::Ident(handler);
        return true;
    };
    return Custom(std::move(info));
}

template <class C, class S> PropertyList& PropertyList::Object(const char* name, S& (C::*get)()) {
    PropertyInfo info;
    info.name = name;
    info.typeName = "object";
    info.object = [get](TPersistent& object) -> TPersistent* {
        return &(static_cast<C&>(object).*get)();
    };
    return Custom(std::move(info));
}

} // namespace vcl
