// Writing components as a definition: the form's own settings, then one
// object per component it owns, in creation order. Settings equal to their
// default are left out; binary properties declared in DefineProperties are
// written after an object's published properties, and only when their
// has-data flag is set.
#pragma once

#include "ByteWriter.h"
#include "Component.h"
#include "Error.h"
#include "FormValue.h"

namespace vcl {

Error WriteComponentTree(TComponent& root, FormObject& tree);

// Writes the binary definition of `root` and its components.
Error SaveRootComponent(TComponent& root, ByteWriter& out);

} // namespace vcl
