// The base of a fake that changes a few operations: every operation
// succeeds and does nothing (a file opened is empty, bytes written go
// nowhere, every path is a directory, none names another's file).
#pragma once

#include "io/platform.h"

namespace kovrant::test {

class InertPlatform : public Platform {
 public:
  int OpenInput(const std::string&, FileHandle* file) override {
    *file = 1;
    return 0;
  }
  int Read(FileHandle, void*, std::size_t, std::size_t* got) override {
    *got = 0;
    return 0;
  }
  int Seek(FileHandle, std::int64_t) override { return 0; }
  int FileSize(FileHandle, std::int64_t* size) override {
    *size = 0;
    return 0;
  }
  int CreateTemporary(const std::string&, std::string* temporary_path, FileHandle* file) override {
    temporary_path->clear();
    *file = 2;
    return 0;
  }
  int Write(FileHandle, const void*, std::size_t) override { return 0; }
  int Close(FileHandle) override { return 0; }
  int MoveOver(const std::string&, const std::string&) override { return 0; }
  int FlushToDisk(FileHandle) override { return 0; }
  int MoveOverKeepingBackup(const std::string&, const std::string&, const std::string&) override {
    return 0;
  }
  bool SameFile(const std::string&, const std::string&) override { return false; }
  void RemoveFile(const std::string&) override {}
  bool IsDirectory(const std::string&) override { return true; }
  bool MakeDirectory(const std::string&) override { return true; }
  char PathSeparator() const override { return '/'; }
  int WriteStandardOutput(const void*, std::size_t) override { return 0; }
};

}  // namespace kovrant::test
