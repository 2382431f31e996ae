#include "ResourceDefinition.h"

#include <windows.h>

#include <string>

namespace vclwin {

vcl::Error FindDefinitionResource(const char* name, vcl::ByteView& definition) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC info = ::FindResourceA(module, name, MAKEINTRESOURCEA(10)); // RT_RCDATA
    if (!info) return vcl::Error("resource " + std::string(name) + " not found");
    // Resources stay mapped for the life of the module; nothing to free.
    HGLOBAL loaded = ::LoadResource(module, info);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    if (!bytes) return vcl::Error("resource " + std::string(name) + " cannot be loaded");
    definition = vcl::ByteView(static_cast<const uint8_t*>(bytes), ::SizeofResource(module, info));
    return vcl::Error();
}

} // namespace vclwin
