#include "ClassRegistry.h"

namespace vcl {

void ClassRegistry::Register(const ClassInfo& info) {
    for (const ClassInfo* known : classes_)
        if (known == &info) return;
    classes_.push_back(&info);
}

const ClassInfo* ClassRegistry::Find(const std::string& name) const {
    for (const ClassInfo* info : classes_)
        if (SameName(info->Name(), name)) return info;
    return nullptr;
}

} // namespace vcl
