// Makes the control classes known to a form reader.
#pragma once

#include "vcl/ClassRegistry.h"

namespace vcl {

void RegisterControlClasses(ClassRegistry& registry);

} // namespace vcl
