// Pieces of the text form shared by its parser and its formatter.
#pragma once

#include <string>

namespace vcl::text {

// Whether `name` is a plain identifier: a letter or '_', then letters,
// digits and '_' (and, with `dotted`, single dots between such parts).
bool IsPlainName(const std::string& name, bool dotted);

// Words with a meaning of their own in a value position; an identifier
// value spelled like one (in any case) is written as ident 'word'.
bool IsValueKeyword(const std::string& word);

// Extension of a picture's data file by its graphic class ("TJPEGImage": "jpg").
const char* GraphicFileExtension(const std::string& graphicClass);

} // namespace vcl::text
