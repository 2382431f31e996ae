// The component classes a definition may name, looked up by class name.
#pragma once

#include "ClassInfo.h"

#include <string>
#include <vector>

namespace vcl {

class ClassRegistry {
public:
    // Registers a component class (one with a factory). A class registered
    // twice is kept once.
    void Register(const ClassInfo& info);
    // The class of that name (ignoring case), or null.
    const ClassInfo* Find(const std::string& name) const;

private:
    std::vector<const ClassInfo*> classes_;
};

} // namespace vcl
