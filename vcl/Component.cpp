#include "Component.h"

#include "ClassInfo.h"

namespace vcl {

TComponent::TComponent(TComponent* owner) : owner_(owner) {}

TComponent::~TComponent() {
    while (!components_.empty())
        components_.pop_back();
}

const ClassInfo& TComponent::StaticClassInfo() {
    static const ClassInfo info(
        "TComponent", &TPersistent::StaticClassInfo(), nullptr, [](PropertyList& p) {
            p.Integer<TComponent>("Tag", &TComponent::Tag, &TComponent::SetTag, 0);
        });
    return info;
}

TComponent& TComponent::InsertComponent(std::unique_ptr<TComponent> component) {
    components_.push_back(std::move(component));
    return *components_.back();
}

TComponent* TComponent::FindComponent(const std::string& name) const {
    if (name.empty()) return nullptr;
    for (const auto& component : components_)
        if (SameName(component->Name(), name)) return component.get();
    return nullptr;
}

void TComponent::SetParentComponent(TComponent*) {}

void TComponent::Loaded() {
    loading_ = false;
}

} // namespace vcl
