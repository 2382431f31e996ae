// A storage's "StoredData" in the text form of a definition: the list of its
// files with their stored names,
//
//     StoredData = storage
//       'qv_quietlocksetup_full.exe' = file 'setup.exe'
//     end
//
// rather than the packed storage stream itself.
#pragma once

#include "vcl/Error.h"
#include "vcl/FormValue.h"

#include <string>
#include <vector>

namespace ac {

// Writes every "storage" value of the tree as the storage stream holding
// those files, in the order given.
vcl::Error EncodeStoredDataValues(vcl::FormObject& root);

// Shows every binary "StoredData" property as its list of files, where
// writing that list again gives the very same bytes. Others stay binary
// data, with a note why (not a readable storage stream, the unsigned
// layout, contents packed otherwise than this packer packs them).
void DecodeStoredDataValues(vcl::FormObject& root, std::vector<std::string>& notes);

} // namespace ac
