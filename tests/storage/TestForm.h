// A bare form class for tests that load a storage from a definition, and a
// class registry that knows it and the storage classes.
#pragma once

#include "storage/StorageClasses.h"
#include "vcl/ClassInfo.h"
#include "vcl/ClassRegistry.h"
#include "vcl/Component.h"

namespace storagetest {

class TTestForm : public vcl::TComponent {
public:
    using TComponent::TComponent;
    static const vcl::ClassInfo& StaticClassInfo() {
        static const vcl::ClassInfo info("TTestForm", &vcl::TComponent::StaticClassInfo(),
                                         vcl::CreateComponentOf<TTestForm>, nullptr);
        return info;
    }
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }
};

inline vcl::ClassRegistry Registry() {
    vcl::ClassRegistry registry;
    registry.Register(TTestForm::StaticClassInfo());
    ac::RegisterStorageClasses(registry);
    return registry;
}

} // namespace storagetest
