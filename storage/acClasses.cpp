#include "acClasses.h"

#include "vcl/ClassInfo.h"

namespace ac {

const vcl::ClassInfo& TacPersistent::StaticClassInfo() {
    static const vcl::ClassInfo info("TacPersistent", &vcl::TPersistent::StaticClassInfo(), nullptr,
                                     nullptr);
    return info;
}

const vcl::ClassInfo& TacAddon::StaticClassInfo() {
    static const vcl::ClassInfo info(
        "TacAddon", &TacPersistent::StaticClassInfo(), nullptr, [](vcl::PropertyList& p) {
            p.Boolean<TacAddon>("Enabled", &TacAddon::Enabled, &TacAddon::SetEnabled, false);
        });
    return info;
}

void TacAddon::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Changed();
}

const vcl::ClassInfo& TacComponent::StaticClassInfo() {
    static const vcl::ClassInfo info(
        "TacComponent", &vcl::TComponent::StaticClassInfo(), nullptr, [](vcl::PropertyList& p) {
            p.String<TacComponent>("About", &TacComponent::About, &TacComponent::SetAbout, {},
                                   vcl::StoreMode::Never);
        });
    return info;
}

} // namespace ac
