#include "Persistent.h"

#include "ClassInfo.h"

namespace vcl {

const ClassInfo& TPersistent::StaticClassInfo() {
    static const ClassInfo info("TPersistent", nullptr, nullptr, nullptr);
    return info;
}

const std::string& TPersistent::ClassName() const {
    return GetClassInfo().Name();
}

void TPersistent::DefineProperties(TFiler&) {}

} // namespace vcl
