// Reading a definition into components.
//
// The root object of the definition is the form itself; every object nested
// in it is a component created by class name through the registry, owned by
// the form, and handed the enclosing object as its parent. Properties are
// applied in stored order: dotted names reach sub-objects, names that no
// class publishes go to the binary properties the object declares in
// DefineProperties. When everything has been read, each object gets its
// Loaded notification: the form first, then the components in stored order.
//
// An unknown class or property, a value of the wrong type or a binary
// property that its reader rejects abandons loading with an error naming
// the object and property; no Loaded notification is sent then.
#pragma once

#include "ByteView.h"
#include "ClassRegistry.h"
#include "Component.h"
#include "Error.h"
#include "FormValue.h"

#include <memory>

namespace vcl {

// Reads `tree` into `root`, which must be of the class the tree names.
Error ReadComponentTree(const FormObject& tree, TComponent& root, const ClassRegistry& registry);

// Parses a binary definition and reads it into `root`. The definition's
// bytes are read in place and need to live only during the call.
Error ReadRootComponent(ByteView definition, TComponent& root, const ClassRegistry& registry);

// Creates the root through the registry by the definition's class name and
// reads the definition into it. On failure `root` is left empty.
Error LoadRootComponent(ByteView definition, const ClassRegistry& registry,
                        std::unique_ptr<TComponent>& root);

// Applies one stored property to `instance` (dotted names, binary
// properties), as the reader does.
Error ApplyProperty(TPersistent& instance, const FormProperty& property);

} // namespace vcl
