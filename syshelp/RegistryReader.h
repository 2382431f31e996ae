// The registry reads that the browser lookup needs, behind an interface so
// that the lookup's rules are checked natively against a registry in memory
// and under Wine against the real one. Portable header.
#pragma once

#include "syshelp/Registry.h"

#include <string>
#include <vector>

namespace acutils {

class RegistryReader {
public:
    virtual ~RegistryReader() = default;
    // As ReadRegString: whether the key opened; `value` is the string value
    // or empty.
    virtual bool ReadString(RegRoot root, const std::string& subKey, const std::string& valueName,
                            std::string& value) = 0;
    // As ListRegSubkeys: whether the key opened; `names` the subkeys' names
    // in the registry's order.
    virtual bool ListSubkeys(RegRoot root, const std::string& subKey,
                             std::vector<std::string>& names) = 0;
};

// The system's registry, through ReadRegString and ListRegSubkeys.
// Windows only.
RegistryReader& SystemRegistry();

} // namespace acutils
