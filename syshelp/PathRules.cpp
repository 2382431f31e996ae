#include "syshelp/PathRules.h"

namespace acutils {

namespace {

// Position just past the last backslash or colon, 0 when there is none.
std::string::size_type FileNameStart(const std::string& path) {
    const auto last = path.find_last_of("\\:");
    return last == std::string::npos ? 0 : last + 1;
}

} // namespace

std::string FolderPart(const std::string& path) {
    return path.substr(0, FileNameStart(path));
}

std::string FileNamePart(const std::string& path) {
    return path.substr(FileNameStart(path));
}

std::string FileExtension(const std::string& path) {
    const auto period = path.find_last_of('.');
    if (period == std::string::npos || period < FileNameStart(path)) return std::string();
    return path.substr(period);
}

std::string EnsureTrailingBackslash(const std::string& text) {
    if (!text.empty() && text.back() == '\\') return text;
    return text + '\\';
}

std::string RemoveTrailingBackslash(const std::string& text) {
    if (text.empty() || text.back() != '\\') return text;
    return text.substr(0, text.size() - 1);
}

std::string StripLeadingChars(const std::string& text, char c) {
    const auto first = text.find_first_not_of(c);
    return first == std::string::npos ? std::string() : text.substr(first);
}

std::string EnsureLeadingChar(const std::string& text, char c) {
    if (!text.empty() && text.front() == c) return text;
    return c + text;
}

} // namespace acutils
