// Where extract may write a stored file: its stored name, split at
// backslashes (and slashes), as a path below the target folder. Names that
// could reach outside the folder are refused: absolute paths, drives or
// stream names (any colon), "." and ".." parts, empty parts, NUL bytes.
#pragma once

#include <string>
#include <vector>

namespace sfpack {

// The parts of the path, or an empty list and `reason` set.
std::vector<std::string> SplitStoredName(const std::string& name, std::string& reason);

} // namespace sfpack
