// 8-bit texts are in the Windows code page of a German system (1252).
// Definitions may also carry texts as UTF-8 or UTF-16; these convert them.
#pragma once

#include <string>

namespace vcl {

// Characters without a place in code page 1252 become '?'; so do malformed
// UTF-8 sequences.
std::string Utf8ToCp1252(const std::string& utf8);
std::string Utf16ToCp1252(const std::u16string& utf16);
// The five unassigned bytes (81, 8D, 8F, 90, 9D) map to the C1 controls of
// the same number, so every byte string converts and converts back.
std::string Cp1252ToUtf8(const std::string& text);

// Malformed sequences become U+FFFD.
std::u16string Utf8ToUtf16(const std::string& utf8);

// Whether every byte is below 0x80.
bool IsAscii(const std::string& text);

} // namespace vcl
