// The storages inside an input file: the file itself when it is a storage
// stream, else every "StoredData" property of its form definition.
#pragma once

#include "InputFile.h"

#include "storage/acFileStorage.h"
#include "vcl/FormValue.h"

#include <memory>
#include <string>
#include <vector>

namespace sfpack {

struct FoundStorage {
    std::string where; // "acFileStorage1.StoredData"; empty for a storage stream file
    std::unique_ptr<ac::TacFileStorage> storage;
};

// Whether a property name is a storage's "StoredData".
bool IsStoredDataProperty(const std::string& name);

// Reads the form definition of a form or program input. Throws ToolError.
vcl::FormObject ReadDefinition(const InputFile& input);

// Reads every storage of the input, checking each completely (the checked
// unpacker included). Throws ToolError naming the input and the property.
std::vector<FoundStorage> ReadStorages(const InputFile& input);

// A stored name for display: code page 1252 shown as UTF-8, control
// characters as \xNN.
std::string DisplayName(const std::string& name);

} // namespace sfpack
