// Whole files as ldbtool reads and writes them.
//
// A database or table is read whole into memory: ldbtool compares and
// rebuilds it before anything is written. Writing never loses a user's file:
//   - only a missing file or a regular one is replaced; a symbolic link is
//     followed, and the file it ends in is replaced in that file's own
//     directory, so the link stays a link and the game sees the new file;
//     a FIFO, device, socket or directory is refused before anything is
//     opened (opening a FIFO would block);
//   - a file that already holds the new bytes is left alone, backup and all;
//   - the new bytes go to a temporary file created exclusively next to the
//     file they replace, are flushed to disk, and only then take its place;
//   - the replaced file is kept under the first of NAME.bak, NAME.bak.1,
//     NAME.bak.2, ... that no file holds, and the move never replaces one
//     (an older backup may be the only copy of the user's original);
//   - after a failure at any point every name holds what it held before
//     (or, for the file itself, its complete new bytes), and the temporary
//     file is gone.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "io/platform.h"

namespace kovrant::tool {

// The file's bytes; throws Refusal naming `path` when it cannot be read
// (a directory is named as such).
std::string ReadWholeFile(Platform& platform, const std::string& path);

// What writing a file did.
struct WriteOutcome {
  // The file already held these bytes: nothing was written, no backup made.
  bool unchanged = false;
  // The file whose bytes are now the new ones: the path itself, or the file
  // a symbolic link at the path ends in.
  std::string written;
  // Where the replaced file is kept, "" when none was (no file there
  // before, or no backup asked for).
  std::string backup;
};

// Refuses, before any work is done, a `path` that WriteFileKeepingBackup
// would refuse for what it names (a FIFO, device, socket or folder, also at
// the end of a link). Returns the file its links end in.
std::string CheckReplaceable(Platform& platform, const std::string& path);

// Refuses an `output` that is the file `table` itself (by any name): the
// new database would replace the table it is made from.
void RefuseTableAsOutput(Platform& platform, const std::string& table, const std::string& output);

// Writes `bytes` as the file `path` (or the file its links end in), keeping
// the file it replaces as the next free NAME.bak[.N] when `keep_backup`.
// Throws Refusal naming `path` on failure; every file is then as before.
// The bytes may be held in pieces, written one after the other.
WriteOutcome WriteFileKeepingBackup(Platform& platform, const std::string& path,
                                    std::span<const std::string_view> bytes, bool keep_backup);
inline WriteOutcome WriteFileKeepingBackup(Platform& platform, const std::string& path,
                                           std::string_view bytes, bool keep_backup) {
  return WriteFileKeepingBackup(platform, path, std::span(&bytes, 1), keep_backup);
}

// How a command's summary line ends for `outcome` at `path`, after the
// words "applied to PATH: ..." or "packed ... into PATH": where a link led,
// that nothing was written, or where the `replaced` file ("old database")
// is kept. Starts with "; " or " " as it needs, "" when nothing is to say.
std::string OutcomeSummary(const WriteOutcome& outcome, const std::string& path,
                           const std::string& replaced);

}  // namespace kovrant::tool
