#include "StorageClasses.h"

#include "acFileStorage.h"

namespace ac {

void RegisterStorageClasses(vcl::ClassRegistry& registry) {
    registry.Register(TacFileStorage::StaticClassInfo());
}

} // namespace ac
