#include "FormTextSyntax.h"

#include "ClassInfo.h"

namespace vcl::text {
namespace {

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsNamePart(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

} // namespace

bool IsPlainName(const std::string& name, bool dotted) {
    bool atStart = true;
    for (char c : name) {
        if (atStart) {
            if (!IsNameStart(c)) return false;
            atStart = false;
        } else if (c == '.' && dotted) {
            atStart = true;
        } else if (!IsNamePart(c)) {
            return false;
        }
    }
    return !atStart;
}

bool IsValueKeyword(const std::string& word) {
    static const char* const keywords[] = {
        "True",   "False",    "nil",   "int8", "int16",   "int32",   "int64",     "lstring",
        "utf8",   "wide",     "ident", "file", "graphic", "storage", "extended",  "single",
        "double", "currency", "date",  "item", "end",     "object",  "inherited", "inline",
    };
    for (const char* keyword : keywords)
        if (SameName(word, keyword)) return true;
    return false;
}

const char* GraphicFileExtension(const std::string& graphicClass) {
    if (SameName(graphicClass, "TJPEGImage")) return "jpg";
    if (SameName(graphicClass, "TBitmap")) return "bmp";
    if (SameName(graphicClass, "TIcon")) return "ico";
    if (SameName(graphicClass, "TMetafile")) return "emf";
    if (SameName(graphicClass, "TPngImage") || SameName(graphicClass, "TPNGObject")) return "png";
    if (SameName(graphicClass, "TGIFImage")) return "gif";
    return "bin";
}

} // namespace vcl::text
