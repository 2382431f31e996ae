// Any bytes as a Windows program: the resource reader refuses them or
// gives a view that lies inside them.
#include "tools/sfpack/PeResources.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vcl::ByteView found;
    if (!sfpack::FindRcdataResource(vcl::ByteView(data, size), "TFORM1", found)) {
        if (found.size != 0 && (found.data < data || found.data + found.size > data + size))
            std::abort();
    }
    return 0;
}
