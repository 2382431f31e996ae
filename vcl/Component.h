// Components: named objects owned by another component (in the end, by the
// form), created by class name when a definition is read.
//
// Ownership: a component remembers the owner it was created with; the owner
// holds it once InsertComponent was called and destroys its components when
// it is destroyed itself, the last inserted first.
#pragma once

#include "Persistent.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vcl {

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    static const ClassInfo& StaticClassInfo();
    const ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(const std::string& name) { name_ = name; }
    int32_t Tag() const { return tag_; }
    void SetTag(int32_t tag) { tag_ = tag; }

    // Takes ownership of a component; returns it.
    TComponent& InsertComponent(std::unique_ptr<TComponent> component);
    size_t ComponentCount() const { return components_.size(); }
    TComponent& Component(size_t index) const { return *components_[index]; }
    TComponent* FindComponent(const std::string& name) const;

    // Set while a definition is being read into this component.
    bool Loading() const { return loading_; }
    void SetLoading(bool loading) { loading_ = loading; }
    // Whether the component is being edited in a form designer. Never so in
    // a running program; components consult it to skip run-time work.
    bool Designing() const { return designing_; }
    void SetDesigning(bool designing) { designing_ = designing; }

    // The object a read definition nests this component in (its parent
    // control); the form itself for top-level components. Nothing by default.
    virtual void SetParentComponent(TComponent* parent);

    // Called once the whole definition has been read: the root first, then
    // its components in stored order. Clears Loading.
    virtual void Loaded();

private:
    TComponent* owner_;
    std::string name_;
    int32_t tag_ = 0;
    bool loading_ = false;
    bool designing_ = false;
    std::vector<std::unique_ptr<TComponent>> components_;
};

} // namespace vcl
