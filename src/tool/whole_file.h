// Whole files as ldbtool reads and writes them.
//
// A database or table is read whole into memory: ldbtool compares and
// rebuilds it before anything is written. Writing never endangers the
// user's files: the new bytes go to a new temporary file in the target's
// directory, are flushed to disk, and only then is the file renamed over the
// target. A failure at any point leaves the target as it was and removes the
// temporary file.
#pragma once

#include <string>
#include <string_view>

#include "io/platform.h"

namespace kovrant::tool {

// The file's bytes; throws Refusal naming `path` when it cannot be read.
std::string ReadWholeFile(Platform& platform, const std::string& path);

// Whether `path` names a file that can be opened for reading.
bool FileExists(Platform& platform, const std::string& path);

// Writes `bytes` as the file `path` through a temporary file, flushed and
// renamed into place. With `keep_backup`, the file at `path` (which must
// exist) is kept as `path + ".bak"` first (an earlier backup is replaced).
// Throws Refusal naming `path` on failure; `path` is then unchanged.
void WriteFileSafely(Platform& platform, const std::string& path, std::string_view bytes,
                     bool keep_backup);

}  // namespace kovrant::tool
