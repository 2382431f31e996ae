// Makes the storage's component classes known to a form reader.
#pragma once

#include "vcl/ClassRegistry.h"

namespace ac {

void RegisterStorageClasses(vcl::ClassRegistry& registry);

} // namespace ac
