#include "syshelp/RegistryReader.h"

namespace acutils {

namespace {

class WindowsRegistry final : public RegistryReader {
public:
    bool ReadString(RegRoot root, const std::string& subKey, const std::string& valueName,
                    std::string& value) override {
        return ReadRegString(root, subKey, valueName, value);
    }
    bool ListSubkeys(RegRoot root, const std::string& subKey,
                     std::vector<std::string>& names) override {
        return ListRegSubkeys(root, subKey, names);
    }
};

} // namespace

RegistryReader& SystemRegistry() {
    static WindowsRegistry registry;
    return registry;
}

} // namespace acutils
