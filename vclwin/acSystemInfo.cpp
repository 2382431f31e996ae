#include "acSystemInfo.h"

#include "syshelp/acUtils.h"
#include "vcl/ClassInfo.h"

namespace ac {

const vcl::ClassInfo& TacSystemInfo::StaticClassInfo() {
    static const vcl::ClassInfo info("TacSystemInfo", &vcl::TComponent::StaticClassInfo(),
                                     vcl::CreateComponentOf<TacSystemInfo>,
                                     [](vcl::PropertyList&) {});
    return info;
}

std::string TacSystemInfo::DirTemp() const {
    return acutils::DirTemp();
}

} // namespace ac
