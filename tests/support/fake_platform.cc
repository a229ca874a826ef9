#include "support/fake_platform.h"

#include <algorithm>

#include "io/failure.h"

namespace kovrant::test {

int FakePlatform::Fault(Op op) {
  int n = ++counts_[op];
  return (op == fail_op_ && n == fail_nth_) ? fail_code_ : 0;
}

int FakePlatform::OpenInput(const std::string& path, FileHandle* file) {
  if (int code = Fault(Op::kOpen)) return code;
  return MemoryPlatform::OpenInput(path, file);
}

int FakePlatform::Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) {
  *got = 0;
  if (int code = Fault(Op::kRead)) return code;
  largest_read_request_ = std::max(largest_read_request_, size);
  const int code = MemoryPlatform::Read(file, buffer, size, got);
  bytes_read_ += static_cast<std::int64_t>(*got);
  return code;
}

int FakePlatform::Seek(FileHandle file, std::int64_t position) {
  if (int code = Fault(Op::kSeek)) return code;
  return MemoryPlatform::Seek(file, position);
}

int FakePlatform::FileSize(FileHandle file, std::int64_t* size) {
  if (int code = Fault(Op::kSize)) return code;
  return MemoryPlatform::FileSize(file, size);
}

int FakePlatform::CreateTemporary(const std::string& path, std::string* temporary_path,
                                  FileHandle* file) {
  if (int code = Fault(Op::kCreate)) return code;
  return MemoryPlatform::CreateTemporary(path, temporary_path, file);
}

int FakePlatform::Write(FileHandle file, const void* data, std::size_t size) {
  if (int code = Fault(Op::kWrite)) return code;
  bytes_written_ += static_cast<std::int64_t>(size);
  largest_write_ = std::max(largest_write_, size);
  if (!keep_written_bytes) return 0;
  return MemoryPlatform::Write(file, data, size);
}

int FakePlatform::Close(FileHandle file) {
  // The handle is released even when closing reports a failure.
  if (int code = MemoryPlatform::Close(file)) return code;
  if (int code = Fault(Op::kClose)) return code;
  return 0;
}

int FakePlatform::FlushToDisk(FileHandle file) {
  if (int code = Fault(Op::kFlush)) return code;
  return MemoryPlatform::FlushToDisk(file);
}

int FakePlatform::MoveOver(const std::string& temporary_path, const std::string& path) {
  if (int code = Fault(Op::kMove)) return code;
  return MemoryPlatform::MoveOver(temporary_path, path);
}

int FakePlatform::MoveOverKeepingBackup(const std::string& temporary_path, const std::string& path,
                                        const std::string& backup_path) {
  if (int code = Fault(Op::kMove)) return code;
  return MemoryPlatform::MoveOverKeepingBackup(temporary_path, path, backup_path);
}

int FakePlatform::WriteStandardOutput(const void* data, std::size_t size) {
  if (int code = Fault(Op::kStdout)) return code;
  return MemoryPlatform::WriteStandardOutput(data, size);
}

// Replacing a user's file without losing one.
int FakePlatform::KindOf(const std::string& path, FileKind* kind) {
  if (int code = Fault(Op::kKind)) return code;
  return MemoryPlatform::KindOf(path, kind);
}

int FakePlatform::FinalTarget(const std::string& path, std::string* target) {
  if (int code = Fault(Op::kTarget)) return code;
  return MemoryPlatform::FinalTarget(path, target);
}

int FakePlatform::MoveOverKeepingNewBackup(const std::string& temporary_path,
                                           const std::string& path,
                                           const std::string& backup_path) {
  if (int code = Fault(Op::kBackup)) return code;
  return MemoryPlatform::MoveOverKeepingNewBackup(temporary_path, path, backup_path);
}

}  // namespace kovrant::test
