#include "ExtractPath.h"

namespace sfpack {

std::vector<std::string> SplitStoredName(const std::string& name, std::string& reason) {
    std::vector<std::string> parts;
    if (name.empty()) {
        reason = "the name is empty";
        return {};
    }
    if (name.find('\0') != std::string::npos) {
        reason = "the name contains a NUL byte";
        return {};
    }
    if (name.find(':') != std::string::npos) {
        reason = "a drive or stream name (':') is not allowed";
        return {};
    }
    if (name[0] == '\\' || name[0] == '/') {
        reason = "an absolute path is not allowed";
        return {};
    }
    std::string part;
    for (size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && name[i] != '\\' && name[i] != '/') {
            part += name[i];
            continue;
        }
        if (part.empty()) {
            reason = "the name has an empty path part";
            return {};
        }
        if (part == "." || part == "..") {
            reason = "\"" + part + "\" is not allowed in a stored name";
            return {};
        }
        parts.push_back(part);
        part.clear();
    }
    return parts;
}

} // namespace sfpack
