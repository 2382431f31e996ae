// A form definition compiled into the program as an RCDATA resource, read in
// place from the mapped program image: no copy is made of it.
#pragma once

#include "vcl/ByteView.h"
#include "vcl/Error.h"

namespace vclwin {

vcl::Error FindDefinitionResource(const char* name, vcl::ByteView& definition);

} // namespace vclwin
