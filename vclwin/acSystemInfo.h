// TacSystemInfo: a non-visual component that answers questions about the
// system. The launcher asks it only for the temporary folder.
#pragma once

#include "vcl/Component.h"

#include <string>

namespace ac {

class TacSystemInfo : public vcl::TComponent {
public:
    explicit TacSystemInfo(vcl::TComponent* owner) : vcl::TComponent(owner) {}

    static const vcl::ClassInfo& StaticClassInfo();
    const vcl::ClassInfo& GetClassInfo() const override { return StaticClassInfo(); }

    // The user's temporary folder without a trailing backslash, asked afresh.
    std::string DirTemp() const;
};

} // namespace ac
