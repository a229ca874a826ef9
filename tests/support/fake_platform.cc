#include "support/fake_platform.h"

#include <algorithm>
#include <cstring>

#include "io/failure.h"

namespace kovrant::test {

int FakePlatform::Fault(Op op) {
  int n = ++counts_[op];
  return (op == fail_op_ && n == fail_nth_) ? fail_code_ : 0;
}

std::string FakePlatform::Parent(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

int FakePlatform::OpenInput(const std::string& path, FileHandle* file) {
  if (int code = Fault(Op::kOpen)) return code;
  if (directories.count(path)) return kIoAccessDenied;
  if (!files.count(path)) return kIoFileNotFound;
  *file = next_handle_++;
  handles_[*file] = Handle{path, 0};
  return 0;
}

int FakePlatform::Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) {
  *got = 0;
  if (int code = Fault(Op::kRead)) return code;
  largest_read_request_ = std::max(largest_read_request_, size);
  Handle& h = handles_.at(file);
  const std::string& data = files.at(h.path).data;
  std::int64_t available =
      std::max<std::int64_t>(0, static_cast<std::int64_t>(data.size()) - h.position);
  std::size_t n =
      static_cast<std::size_t>(std::min<std::int64_t>(available, static_cast<std::int64_t>(size)));
  if (n > 0) std::memcpy(buffer, data.data() + h.position, n);
  h.position += static_cast<std::int64_t>(n);
  bytes_read_ += static_cast<std::int64_t>(n);
  *got = n;
  return 0;
}

int FakePlatform::Seek(FileHandle file, std::int64_t position) {
  if (int code = Fault(Op::kSeek)) return code;
  if (position < 0) return kIoNegativeSeek;
  handles_.at(file).position = position;
  return 0;
}

int FakePlatform::FileSize(FileHandle file, std::int64_t* size) {
  if (int code = Fault(Op::kSize)) return code;
  *size = static_cast<std::int64_t>(files.at(handles_.at(file).path).data.size());
  return 0;
}

int FakePlatform::CreateTemporary(const std::string& path, std::string* temporary_path,
                                  FileHandle* file) {
  if (int code = Fault(Op::kCreate)) return code;
  if (directories.count(path)) return kIoAccessDenied;
  if (files.count(path) && files.at(path).read_only) return kIoAccessDenied;
  std::string parent = Parent(path);
  if (!parent.empty() && !directories.count(parent)) return kIoPathNotFound;
  std::string name;
  do {
    name = (parent.empty() ? "" : parent + "/") + ".tmp" + std::to_string(++temporary_counter_);
  } while (files.count(name));
  files[name] = File{};
  *temporary_path = name;
  *file = next_handle_++;
  handles_[*file] = Handle{name, 0};
  return 0;
}

int FakePlatform::Write(FileHandle file, const void* data, std::size_t size) {
  if (int code = Fault(Op::kWrite)) return code;
  Handle& h = handles_.at(file);
  bytes_written_ += static_cast<std::int64_t>(size);
  largest_write_ = std::max(largest_write_, size);
  if (keep_written_bytes) files.at(h.path).data.append(static_cast<const char*>(data), size);
  return 0;
}

int FakePlatform::Close(FileHandle file) {
  if (!handles_.count(file)) return kIoFileNotOpen;
  handles_.erase(file);
  if (int code = Fault(Op::kClose)) return code;
  return 0;
}

int FakePlatform::MoveOver(const std::string& temporary_path, const std::string& path) {
  if (int code = Fault(Op::kMove)) return code;
  File moved = files.at(temporary_path);
  files.erase(temporary_path);
  files[path] = moved;
  return 0;
}

bool FakePlatform::IsDirectory(const std::string& path) { return directories.count(path) > 0; }

bool FakePlatform::MakeDirectory(const std::string& path) {
  if (path.empty() || directories.count(path) || files.count(path)) return false;
  std::string parent = Parent(path);
  if (!parent.empty() && !directories.count(parent)) return false;
  directories.insert(path);
  return true;
}

int FakePlatform::WriteStandardOutput(const void* data, std::size_t size) {
  if (int code = Fault(Op::kStdout)) return code;
  standard_output.append(static_cast<const char*>(data), size);
  return 0;
}

}  // namespace kovrant::test
