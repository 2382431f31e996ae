// Path and string rules of the unit acUtils. Portable: plain 8-bit strings,
// no system calls, so the rules are tested natively as well as on Windows.
//
// Paths are Windows paths. A backslash or a colon ends the folder part, so
// "C:file.txt" has the folder part "C:" and the file name "file.txt".
#pragma once

#include <string>

namespace acutils {

// Everything up to and including the last backslash or colon; empty when the
// path has neither.
std::string FolderPart(const std::string& path);

// Everything after the last backslash or colon (the whole path without one).
std::string FileNamePart(const std::string& path);

// The text from the last period on, period included, unless a backslash or
// colon follows that period; otherwise empty. "a.b\c" has no extension.
std::string FileExtension(const std::string& path);

// Appends one backslash unless the text already ends in one. An empty text
// becomes a single backslash.
std::string EnsureTrailingBackslash(const std::string& text);

// Removes exactly one backslash from the end, if the text ends in one.
std::string RemoveTrailingBackslash(const std::string& text);

// The text without every leading occurrence of `c`: "\\\a\b" with the
// backslash gives "a\b"; characters after the first other one stay.
std::string StripLeadingChars(const std::string& text, char c);

// The text with `c` put in front unless it already begins with it: "html"
// with the period gives ".html", ".html" stays, an empty text gives ".".
std::string EnsureLeadingChar(const std::string& text, char c);

} // namespace acutils
