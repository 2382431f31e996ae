// Strings handed to the ANSI Windows calls, which end every text at its first
// zero byte. A text with a zero byte inside would silently name something
// else (its own prefix), so the helpers refuse such texts instead.
#pragma once

#include <string>

namespace acutils {

inline bool HasNoZeroByte(const std::string& text) {
    return text.find('\0') == std::string::npos;
}

} // namespace acutils
