// A platform whose files live in memory: for converting a database held in
// memory into a table held in memory (ldbtool's tracing and checking), and
// as the base of the tests' fault-injecting platform.
//
// Paths are "/"-separated; a file may be created only in a directory that
// exists (the empty parent, the working directory, always does). Standard
// output is collected in `standard_output`.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "io/platform.h"

namespace kovrant {

class MemoryPlatform : public Platform {
 public:
  struct File {
    std::string data;
    bool read_only = false;
  };

  std::map<std::string, File> files;
  std::set<std::string> directories;
  std::string standard_output;
  // Files flushed to disk since they were last written (a test can see
  // whether a file was made durable before it was renamed).
  std::set<std::string> flushed;

  int open_handles() const { return static_cast<int>(handles_.size()); }

  int OpenInput(const std::string& path, FileHandle* file) override;
  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) override;
  int Seek(FileHandle file, std::int64_t position) override;
  int FileSize(FileHandle file, std::int64_t* size) override;
  int CreateTemporary(const std::string& path, std::string* temporary_path,
                      FileHandle* file) override;
  int Write(FileHandle file, const void* data, std::size_t size) override;
  int Close(FileHandle file) override;
  int FlushToDisk(FileHandle file) override;
  int MoveOver(const std::string& temporary_path, const std::string& path) override;
  int MoveOverKeepingBackup(const std::string& temporary_path, const std::string& path,
                            const std::string& backup_path) override;
  bool SameFile(const std::string& a, const std::string& b) override;
  void RemoveFile(const std::string& path) override { files.erase(path); }
  bool IsDirectory(const std::string& path) override;
  bool MakeDirectory(const std::string& path) override;
  char PathSeparator() const override { return '/'; }
  int WriteStandardOutput(const void* data, std::size_t size) override;

  // Replacing a user's file without losing one. Symbolic links (`links`:
  // path -> what the link holds) and special files (`specials`: FIFOs,
  // devices) exist only for these operations.
  std::map<std::string, std::string> links;
  std::set<std::string> specials;
  int KindOf(const std::string& path, FileKind* kind) override;
  int FinalTarget(const std::string& path, std::string* target) override;
  int MoveOverKeepingNewBackup(const std::string& temporary_path, const std::string& path,
                               const std::string& backup_path) override;

 protected:
  // The path of an open handle.
  const std::string& PathOf(FileHandle file) const { return handles_.at(file).path; }

 private:
  struct Handle {
    std::string path;
    std::int64_t position = 0;
  };
  static std::string Parent(const std::string& path);

  std::map<FileHandle, Handle> handles_;
  FileHandle next_handle_ = 3;
  int temporary_counter_ = 0;
};

}  // namespace kovrant
