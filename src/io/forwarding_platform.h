// A platform that hands every operation to another one: the base of a
// platform that changes a few operations of a real one (discarding the table,
// injecting a failure, counting calls) and overrides only those. An operation
// added to Platform is forwarded here, once.
#pragma once

#include "io/platform.h"

namespace kovrant {

class ForwardingPlatform : public Platform {
 public:
  explicit ForwardingPlatform(Platform& target) : target_(target) {}

  int OpenInput(const std::string& path, FileHandle* file) override {
    return target_.OpenInput(path, file);
  }
  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) override {
    return target_.Read(file, buffer, size, got);
  }
  int Seek(FileHandle file, std::int64_t position) override { return target_.Seek(file, position); }
  int FileSize(FileHandle file, std::int64_t* size) override {
    return target_.FileSize(file, size);
  }
  bool ReadsAhead() const override { return target_.ReadsAhead(); }
  ReadTicket BeginRead(FileHandle file, std::int64_t offset, void* buffer,
                       std::size_t size) override {
    return target_.BeginRead(file, offset, buffer, size);
  }
  int FinishRead(ReadTicket ticket, std::size_t* got) override {
    return target_.FinishRead(ticket, got);
  }
  int CreateTemporary(const std::string& path, std::string* temporary_path,
                      FileHandle* file) override {
    return target_.CreateTemporary(path, temporary_path, file);
  }
  int Write(FileHandle file, const void* data, std::size_t size) override {
    return target_.Write(file, data, size);
  }
  int Close(FileHandle file) override { return target_.Close(file); }
  bool WritesInBackground() const override { return target_.WritesInBackground(); }
  int BeginWrite(FileHandle file, std::int64_t offset, const void* data,
                 std::size_t size) override {
    return target_.BeginWrite(file, offset, data, size);
  }
  int AwaitWrite(FileHandle file, std::int64_t end) override {
    return target_.AwaitWrite(file, end);
  }
  int MoveOver(const std::string& temporary_path, const std::string& path) override {
    return target_.MoveOver(temporary_path, path);
  }
  int FlushToDisk(FileHandle file) override { return target_.FlushToDisk(file); }
  int MoveOverKeepingBackup(const std::string& temporary_path, const std::string& path,
                            const std::string& backup_path) override {
    return target_.MoveOverKeepingBackup(temporary_path, path, backup_path);
  }
  bool SameFile(const std::string& a, const std::string& b) override {
    return target_.SameFile(a, b);
  }
  void RemoveFile(const std::string& path) override { target_.RemoveFile(path); }
  void RunTogether(const std::function<void()>& here,
                   const std::function<void()>& beside) override {
    target_.RunTogether(here, beside);
  }
  bool IsDirectory(const std::string& path) override { return target_.IsDirectory(path); }
  bool MakeDirectory(const std::string& path) override { return target_.MakeDirectory(path); }
  char PathSeparator() const override { return target_.PathSeparator(); }
  int WriteStandardOutput(const void* data, std::size_t size) override {
    return target_.WriteStandardOutput(data, size);
  }

 protected:
  Platform& target() const { return target_; }

 private:
  Platform& target_;
};

}  // namespace kovrant
