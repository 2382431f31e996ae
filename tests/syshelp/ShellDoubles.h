// Stand-ins for the shell and the registry in native tests of the launch
// helpers: a shell that records every request it is given, and a registry
// held in memory. Header-only and portable.
#pragma once

#include "syshelp/RegistryReader.h"
#include "syshelp/Shell.h"

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace acutils::testing {

// Records each request and answers with `answer` (33: success).
class RecordingShell final : public Shell {
public:
    intptr_t Execute(const ShellRequest& request) override {
        requests.push_back(request);
        return answer;
    }
    std::vector<ShellRequest> requests;
    intptr_t answer = 33;
};

// Keys of HKEY_CLASSES_ROOT (the only root the helpers read) with their
// default values and subkeys in insertion order. A key's default value is
// set only when given; a key added with AddKey exists without one. Key names
// compare as given, without the leading backslash that callers may add.
class MemoryRegistry final : public RegistryReader {
public:
    void AddKey(const std::string& path) { EnsureKey(path); }
    void SetDefault(const std::string& path, const std::string& value) {
        EnsureKey(path);
        defaults_[path] = value;
    }

    bool ReadString(RegRoot root, const std::string& subKey, const std::string& valueName,
                    std::string& value) override {
        value.clear();
        const std::string path = Normal(subKey);
        if (root != RegRoot::ClassesRoot || !Exists(path)) return false;
        if (valueName.empty()) {
            const auto found = defaults_.find(path);
            if (found != defaults_.end()) value = found->second;
        }
        return true;
    }

    bool ListSubkeys(RegRoot root, const std::string& subKey,
                     std::vector<std::string>& names) override {
        names.clear();
        const std::string path = Normal(subKey);
        if (root != RegRoot::ClassesRoot || !Exists(path)) return false;
        for (const std::string& key : order_) {
            const std::string prefix = path + "\\";
            if (key.compare(0, prefix.size(), prefix) == 0 &&
                key.find('\\', prefix.size()) == std::string::npos)
                names.push_back(key.substr(prefix.size()));
        }
        return true;
    }

private:
    static std::string Normal(const std::string& subKey) {
        const auto first = subKey.find_first_not_of('\\');
        return first == std::string::npos ? std::string() : subKey.substr(first);
    }
    bool Exists(const std::string& path) const {
        for (const std::string& key : order_)
            if (key == path) return true;
        return false;
    }
    void EnsureKey(const std::string& path) {
        // Every key along the path exists, as in the registry.
        for (auto pos = path.find('\\'); pos != std::string::npos; pos = path.find('\\', pos + 1))
            if (!Exists(path.substr(0, pos))) order_.push_back(path.substr(0, pos));
        if (!Exists(path)) order_.push_back(path);
    }

    std::vector<std::string> order_;
    std::map<std::string, std::string> defaults_;
};

} // namespace acutils::testing

namespace acutils {

// Found by argument-dependent lookup, so gtest compares and prints requests.
inline bool operator==(const ShellOwner& a, const ShellOwner& b) {
    return a.kind == b.kind && a.window == b.window;
}

inline bool operator==(const ShellRequest& a, const ShellRequest& b) {
    return a.owner == b.owner && a.operation == b.operation && a.file == b.file &&
           a.parameters == b.parameters && a.directory == b.directory && a.show == b.show;
}

inline void PrintTo(const ShellRequest& r, std::ostream* os) {
    static const char* const owners[] = {"none", "desktop", "window"};
    *os << "{owner " << owners[static_cast<int>(r.owner.kind)] << ' ' << r.owner.window << ", \""
        << r.operation << "\", file \"" << r.file << "\", parameters \"" << r.parameters
        << "\", directory \"" << r.directory << "\", show " << r.show << '}';
}

} // namespace acutils
