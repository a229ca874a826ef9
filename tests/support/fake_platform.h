// An in-memory platform for tests: the files, directories and standard output
// of MemoryPlatform, with any single operation made to fail and the traffic
// counted.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "io/memory_platform.h"

namespace kovrant::test {

enum class Op {
  kOpen,
  kRead,
  kSeek,
  kSize,
  kCreate,
  kWrite,
  kClose,
  kMove,
  kStdout,
  kFlush,
  // Replacing a user's file without losing one.
  kKind,
  kTarget,
  kBackup,
};

class FakePlatform : public MemoryPlatform {
 public:
  // Makes the `nth` call (counting from 1) of `op` fail with `code`.
  void FailOn(Op op, int nth, int code) {
    fail_op_ = op;
    fail_nth_ = nth;
    fail_code_ = code;
  }
  int calls(Op op) const { return counts_.count(op) ? counts_.at(op) : 0; }

  // Traffic through Read and Write, for checking how much work a conversion
  // does: bytes delivered and written, and the largest single request.
  std::int64_t bytes_read() const { return bytes_read_; }
  std::int64_t bytes_written() const { return bytes_written_; }
  std::size_t largest_read_request() const { return largest_read_request_; }
  std::size_t largest_write() const { return largest_write_; }
  // When false, written bytes are counted but not kept (a table too large to
  // hold in memory; the file's data then stays empty).
  bool keep_written_bytes = true;

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
  int WriteStandardOutput(const void* data, std::size_t size) override;

  // Replacing a user's file without losing one.
  int KindOf(const std::string& path, FileKind* kind) override;
  int FinalTarget(const std::string& path, std::string* target) override;
  int MoveOverKeepingNewBackup(const std::string& temporary_path, const std::string& path,
                               const std::string& backup_path) override;

 private:
  // Counts the call and returns the injected failure, if this is the one.
  int Fault(Op op);

  std::map<Op, int> counts_;
  Op fail_op_ = Op::kOpen;
  int fail_nth_ = 0;
  int fail_code_ = 0;
  std::int64_t bytes_read_ = 0;
  std::int64_t bytes_written_ = 0;
  std::size_t largest_read_request_ = 0;
  std::size_t largest_write_ = 0;
};

}  // namespace kovrant::test
