#include "io/memory_platform.h"

#include <algorithm>
#include <cstring>

#include "io/failure.h"

namespace kovrant {

std::string MemoryPlatform::Parent(const std::string& path) {
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash);
}

int MemoryPlatform::OpenInput(const std::string& path, FileHandle* file) {
  if (directories.count(path)) return kIoAccessDenied;
  if (!files.count(path)) return kIoFileNotFound;
  *file = next_handle_++;
  handles_[*file] = Handle{path, 0};
  return 0;
}

int MemoryPlatform::Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) {
  Handle& h = handles_.at(file);
  const std::string& data = files.at(h.path).data;
  std::int64_t available =
      std::max<std::int64_t>(0, static_cast<std::int64_t>(data.size()) - h.position);
  std::size_t n =
      static_cast<std::size_t>(std::min<std::int64_t>(available, static_cast<std::int64_t>(size)));
  if (n > 0) std::memcpy(buffer, data.data() + h.position, n);
  h.position += static_cast<std::int64_t>(n);
  *got = n;
  return 0;
}

int MemoryPlatform::Seek(FileHandle file, std::int64_t position) {
  if (position < 0) return kIoNegativeSeek;
  handles_.at(file).position = position;
  return 0;
}

int MemoryPlatform::FileSize(FileHandle file, std::int64_t* size) {
  *size = static_cast<std::int64_t>(files.at(handles_.at(file).path).data.size());
  return 0;
}

int MemoryPlatform::CreateTemporary(const std::string& path, std::string* temporary_path,
                                    FileHandle* file) {
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

int MemoryPlatform::Write(FileHandle file, const void* data, std::size_t size) {
  const std::string& path = handles_.at(file).path;
  files.at(path).data.append(static_cast<const char*>(data), size);
  flushed.erase(path);
  return 0;
}

int MemoryPlatform::Close(FileHandle file) {
  if (!handles_.count(file)) return kIoFileNotOpen;
  handles_.erase(file);
  return 0;
}

int MemoryPlatform::FlushToDisk(FileHandle file) {
  flushed.insert(handles_.at(file).path);
  return 0;
}

int MemoryPlatform::MoveOver(const std::string& temporary_path, const std::string& path) {
  if (!files.count(temporary_path)) return kIoFileNotFound;
  File moved = files.at(temporary_path);
  files.erase(temporary_path);
  files[path] = moved;
  if (flushed.erase(temporary_path)) {
    flushed.insert(path);
  } else {
    flushed.erase(path);
  }
  return 0;
}

int MemoryPlatform::MoveOverKeepingBackup(const std::string& temporary_path,
                                          const std::string& path, const std::string& backup_path) {
  if (int code = MoveOver(path, backup_path); code != 0) return code;
  if (int code = MoveOver(temporary_path, path); code != 0) {
    MoveOver(backup_path, path);
    return code;
  }
  return 0;
}

bool MemoryPlatform::SameFile(const std::string& a, const std::string& b) {
  return a == b && files.count(a) > 0;
}

bool MemoryPlatform::IsDirectory(const std::string& path) { return directories.count(path) > 0; }

bool MemoryPlatform::MakeDirectory(const std::string& path) {
  if (path.empty() || directories.count(path) || files.count(path)) return false;
  std::string parent = Parent(path);
  if (!parent.empty() && !directories.count(parent)) return false;
  directories.insert(path);
  return true;
}

int MemoryPlatform::WriteStandardOutput(const void* data, std::size_t size) {
  standard_output.append(static_cast<const char*>(data), size);
  return 0;
}

int MemoryPlatform::KindOf(const std::string& path, FileKind* kind) {
  std::string target;
  if (int code = FinalTarget(path, &target); code != 0) return code;
  *kind = files.count(target)         ? FileKind::kRegular
          : directories.count(target) ? FileKind::kDirectory
          : specials.count(target)    ? FileKind::kOther
                                      : FileKind::kAbsent;
  return 0;
}

int MemoryPlatform::FinalTarget(const std::string& path, std::string* target) {
  std::string at = path;
  for (int hop = 0; hop < 40; ++hop) {
    const auto link = links.find(at);
    if (link == links.end()) {
      *target = at;
      return 0;
    }
    const std::string parent = Parent(at);
    at = link->second.front() == '/' || parent.empty() ? link->second : parent + "/" + link->second;
  }
  return kIoAccessDenied;
}

int MemoryPlatform::MoveOverKeepingNewBackup(const std::string& temporary_path,
                                             const std::string& path,
                                             const std::string& backup_path) {
  if (files.count(backup_path) || directories.count(backup_path) || links.count(backup_path) ||
      specials.count(backup_path)) {
    return kAlreadyExists;
  }
  if (!files.count(path)) return kIoFileNotFound;
  files[backup_path] = files.at(path);
  if (int code = MoveOver(temporary_path, path); code != 0) {
    files.erase(backup_path);
    return code;
  }
  return 0;
}

}  // namespace kovrant
