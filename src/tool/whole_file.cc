#include "tool/whole_file.h"

#include <algorithm>
#include <cstdint>

#include "io/failure.h"
#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

[[noreturn]] void Refuse(const std::string& path, const std::string& what, int code) {
  throw Refusal(path, kNoOffset, what + ": " + IoErrorMessage(code));
}

// How many numbered backups are tried before giving up; a folder holding
// that many is no accident.
constexpr int kMostBackups = 10000;

std::string BackupName(const std::string& path, int n) {
  std::string name = path + ".bak";
  if (n > 0) {
    name += '.';
    name += std::to_string(n);
  }
  return name;
}

// Refuses a path that names something other than a regular file or
// nothing, before anything is opened.
Platform::FileKind KindToReplace(Platform& platform, const std::string& path,
                                 const std::string& shown) {
  Platform::FileKind kind;
  if (int code = platform.KindOf(path, &kind); code != 0) Refuse(shown, "cannot write", code);
  if (kind == Platform::FileKind::kDirectory) {
    throw Refusal(shown, kNoOffset,
                  "this is a folder, not a file: name the file to write inside it (for example " +
                      shown + "/levers.ldb)");
  }
  if (kind == Platform::FileKind::kOther) {
    throw Refusal(shown, kNoOffset,
                  "not a regular file (a FIFO, device or socket): name a file to write, or a new "
                  "one; nothing was written");
  }
  return kind;
}

// Opens `path` to read it, hands the file and its size to `read`, which
// returns an I/O code, and closes it; refuses as ReadWholeFile says.
template <typename Read>
void ReadFile(Platform& platform, const std::string& path, Read read) {
  FileHandle file;
  if (int code = platform.OpenInput(path, &file); code != 0) {
    if (platform.IsDirectory(path)) {
      throw Refusal(path, kNoOffset,
                    "this is a folder, not a file: name the file inside it (for example " + path +
                        "/levers.ldb or " + path + "/LeverPrototypes.txt)");
    }
    Refuse(path, "cannot open", code);
  }
  std::int64_t size = 0;
  int code = platform.FileSize(file, &size);
  if (code == 0) code = read(file, size);
  const int closed = platform.Close(file);
  if (code != 0) Refuse(path, "cannot read", code);
  if (closed != 0) Refuse(path, "cannot read", closed);
}

// Whether the file at `path` holds exactly the `pieces` one after the
// other, read a piece of 1 MiB at a time: a file as large as the new one is
// not held twice.
bool FileHolds(Platform& platform, const std::string& path,
               std::span<const std::string_view> pieces) {
  std::size_t total = 0;
  for (const std::string_view bytes : pieces) total += bytes.size();
  bool same = false;
  ReadFile(platform, path, [&](FileHandle file, std::int64_t size) {
    if (size != static_cast<std::int64_t>(total)) return 0;
    constexpr std::size_t kPiece = 1 << 20;
    std::string piece(std::min(kPiece, total), '\0');
    for (const std::string_view bytes : pieces) {
      for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t want = std::min(kPiece, bytes.size() - at);
        std::size_t got = 0;
        if (int code = platform.Read(file, piece.data(), want, &got); code != 0) return code;
        // A file that shrank while it was read holds other bytes.
        if (got != want || std::string_view(piece.data(), got) != bytes.substr(at, got)) return 0;
        at += got;
      }
    }
    same = true;
    return 0;
  });
  return same;
}

}  // namespace

std::string ReadWholeFile(Platform& platform, const std::string& path) {
  std::string bytes;
  ReadFile(platform, path, [&](FileHandle file, std::int64_t size) {
    bytes.resize(static_cast<std::size_t>(size));
    std::size_t got = 0;
    const int code = platform.Read(file, bytes.data(), bytes.size(), &got);
    // A file that shrank while it was read is read as far as it went.
    bytes.resize(got);
    return code;
  });
  return bytes;
}

void RefuseTableAsOutput(Platform& platform, const std::string& table, const std::string& output) {
  if (platform.SameFile(table, output)) {
    throw Refusal(output, kNoOffset,
                  "the output names the table itself, which the new database would replace");
  }
}

std::string CheckReplaceable(Platform& platform, const std::string& path) {
  std::string target;
  if (int code = platform.FinalTarget(path, &target); code != 0) {
    Refuse(path, "cannot follow the link", code);
  }
  KindToReplace(platform, target, path);
  return target;
}

WriteOutcome WriteFileKeepingBackup(Platform& platform, const std::string& path,
                                    std::span<const std::string_view> bytes, bool keep_backup) {
  WriteOutcome outcome;
  outcome.written = CheckReplaceable(platform, path);
  const std::string& target = outcome.written;
  // Asked again: the file may have come or gone since.
  const bool exists = KindToReplace(platform, target, path) == Platform::FileKind::kRegular;
  if (exists && FileHolds(platform, target, bytes)) {
    outcome.unchanged = true;
    return outcome;
  }

  std::string temporary;
  FileHandle file;
  if (int code = platform.CreateTemporary(target, &temporary, &file); code != 0) {
    Refuse(path, "cannot write (the file is unchanged)", code);
  }
  int code = 0;
  for (const std::string_view piece : bytes) {
    if (code == 0 && !piece.empty()) code = platform.Write(file, piece.data(), piece.size());
  }
  if (code == 0) code = platform.FlushToDisk(file);
  const int closed = platform.Close(file);
  if (code == 0) code = closed;
  if (code == 0 && (!exists || !keep_backup)) code = platform.MoveOver(temporary, target);
  if (code == 0 && exists && keep_backup) {
    code = Platform::kAlreadyExists;
    for (int n = 0; n < kMostBackups && code == Platform::kAlreadyExists; ++n) {
      // Names already taken are skipped without a move; the move itself
      // still refuses a name taken meanwhile.
      Platform::FileKind kind;
      const std::string backup = BackupName(target, n);
      if (platform.KindOf(backup, &kind) == 0 && kind != Platform::FileKind::kAbsent) continue;
      code = platform.MoveOverKeepingNewBackup(temporary, target, backup);
      if (code == 0) outcome.backup = backup;
    }
  }
  if (code != 0) {
    platform.RemoveFile(temporary);
    if (code == Platform::kAlreadyExists) {
      throw Refusal(path, kNoOffset,
                    "every backup name from " + BackupName(target, 0) + " to " +
                        BackupName(target, kMostBackups - 1) +
                        " is taken: move old backups away, or pass --no-backup; nothing was "
                        "written");
    }
    Refuse(path, "cannot write (the file is unchanged)", code);
  }
  return outcome;
}

std::string OutcomeSummary(const WriteOutcome& outcome, const std::string& path,
                           const std::string& replaced) {
  std::string summary;
  if (outcome.written != path) summary += " (through the link to " + outcome.written + ")";
  if (outcome.unchanged) {
    summary += "; it already holds these bytes, so nothing was written and no backup made";
  } else if (!outcome.backup.empty()) {
    summary += "; the " + replaced + " is kept as " + outcome.backup;
  }
  return summary;
}

}  // namespace kovrant::tool
