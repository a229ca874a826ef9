#include "tool/whole_file.h"

#include <cstdint>

#include "io/failure.h"
#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

[[noreturn]] void Refuse(const std::string& path, const char* what, int code) {
  throw Refusal(path, kNoOffset, std::string(what) + ": " + IoErrorMessage(code));
}

}  // namespace

bool FileExists(Platform& platform, const std::string& path) {
  FileHandle file;
  if (platform.OpenInput(path, &file) != 0) return false;
  platform.Close(file);
  return true;
}

std::string ReadWholeFile(Platform& platform, const std::string& path) {
  FileHandle file;
  if (int code = platform.OpenInput(path, &file); code != 0) Refuse(path, "cannot open", code);
  std::string bytes;
  std::int64_t size = 0;
  int code = platform.FileSize(file, &size);
  if (code == 0) {
    bytes.resize(static_cast<std::size_t>(size));
    std::size_t got = 0;
    code = platform.Read(file, bytes.data(), bytes.size(), &got);
    // A file that shrank while it was read is read as far as it went.
    bytes.resize(got);
  }
  const int closed = platform.Close(file);
  if (code != 0) Refuse(path, "cannot read", code);
  if (closed != 0) Refuse(path, "cannot read", closed);
  return bytes;
}

void WriteFileSafely(Platform& platform, const std::string& path, std::string_view bytes,
                     bool keep_backup) {
  std::string temporary;
  FileHandle file;
  if (int code = platform.CreateTemporary(path, &temporary, &file); code != 0) {
    Refuse(path, "cannot create", code);
  }
  int code = platform.Write(file, bytes.data(), bytes.size());
  if (code == 0) code = platform.FlushToDisk(file);
  const int closed = platform.Close(file);
  if (code == 0) code = closed;
  if (code == 0) {
    code = keep_backup ? platform.MoveOverKeepingBackup(temporary, path, path + ".bak")
                       : platform.MoveOver(temporary, path);
  }
  if (code != 0) {
    platform.RemoveFile(temporary);
    Refuse(path, "cannot write", code);
  }
}

}  // namespace kovrant::tool
