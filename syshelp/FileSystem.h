// Folder and file questions of the unit acUtils. None of them raises an error
// or shows a message; failure shows in the result. Windows-only
// implementation behind a portable header.
#pragma once

#include <cstdint>
#include <string>

namespace acutils {

// True when `path` names an existing folder, with or without a trailing
// backslash. A file, a missing path and an empty text give false.
bool FolderExists(const std::string& path);

// True when `path` is an existing folder that holds nothing but "." and "..".
// False for anything else, also when the folder cannot be listed.
bool FolderIsEmpty(const std::string& path);

// Creates every folder along the folder part of `fileName`, outermost first:
// for C:\a\b\c.txt it tries C:\, C:\a\ and C:\a\b\. The file itself is not
// created, and failures (folders that exist, drive roots) are ignored: the
// caller learns of them when it creates its file.
void CreateFolderPath(const std::string& fileName);

// Size in bytes of the file `fileName`, all 64 bits of it, or -1 when the
// file cannot be opened (missing, a folder, locked) or its size not read.
int64_t FileSizeByName(const std::string& fileName);

} // namespace acutils
