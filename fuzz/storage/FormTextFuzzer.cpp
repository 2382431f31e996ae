// Any text as the text form of a definition: the parser refuses it or the
// tree it gives writes as a binary definition that reads back and writes
// to the same bytes. File references are refused here.
#include "storage/StoredDataText.h"
#include "vcl/FormBinary.h"
#include "vcl/FormGraphic.h"
#include "vcl/FormText.h"

#include <cstdlib>

namespace {

void Check(bool condition) {
    if (!condition) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    vcl::FormObject tree;
    if (vcl::ParseFormText(text, {}, tree)) return 0;
    if (vcl::EncodeGraphicValues(tree) || ac::EncodeStoredDataValues(tree)) return 0;
    vcl::ByteWriter first;
    if (vcl::WriteFormDefinition(tree, first)) return 0; // e.g. a name longer than 255 bytes
    vcl::FormObject reread;
    Check(!vcl::ReadFormDefinition(vcl::ByteView(first.Bytes()), reread));
    vcl::ByteWriter second;
    Check(!vcl::WriteFormDefinition(reread, second));
    Check(first.Bytes() == second.Bytes());
    return 0;
}
