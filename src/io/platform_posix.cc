// POSIX side of the platform interface.
// 64-bit file offsets (off_t) in 32-bit builds too, so that pread, pwrite
// and lseek reach every byte of a database or table over 2 GiB.
#ifndef _FILE_OFFSET_BITS
#define _FILE_OFFSET_BITS 64
#endif

#include <fcntl.h>
#include <langinfo.h>
#include <locale.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <map>
#include <mutex>
#include <random>
#include <system_error>
#include <thread>

#include "io/failure.h"
#include "io/io_worker.h"
#include "io/platform.h"

static_assert(sizeof(off_t) == 8, "file offsets must be 64-bit");

namespace kovrant {
namespace {

// The one place where POSIX error numbers become I/O result codes: those
// with a meaning of the converter's own are mapped onto it, every other one
// keeps its number but is tagged, so that it can never print the message of
// a code that happens to have the same value.
int IoCodeFromErrno(int error) {
  switch (error) {
    case 0:
      return 0;
    case ENOENT:
      return kIoFileNotFound;
    case ENOTDIR:
      return kIoPathNotFound;
    case EMFILE:
    case ENFILE:
      return kIoTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS:
      return kIoAccessDenied;
    case ENOSPC:
    case EDQUOT:
      return kIoDiskFull;
    default:
      return IoCodeFromSystemErrorNumber(error);
  }
}

int LastIoCode() { return IoCodeFromErrno(errno); }

int Descriptor(FileHandle file) { return static_cast<int>(file); }

// Writes all bytes at the file's position, or at `offset` when there is one
// (pwrite: the writer thread needs no shared file position).
int WriteAll(int fd, const void* data, std::size_t size, std::int64_t offset = -1) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n =
        offset < 0 ? ::write(fd, p, size) : ::pwrite(fd, p, size, static_cast<off_t>(offset));
    if (n < 0) {
      if (errno == EINTR) continue;
      return LastIoCode();
    }
    if (n == 0) return kIoDiskFull;
    p += n;
    if (offset >= 0) offset += n;
    size -= static_cast<std::size_t>(n);
  }
  return 0;
}

// rename() that fails with EEXIST instead of replacing `to`.
int MoveWithoutReplacing(const std::string& from, const std::string& to) {
#ifdef RENAME_NOREPLACE
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return -1;
#endif
  // Without the kernel's help: look, then move (a race with another program
  // creating `to` in between is the one window left).
  struct stat st;
  if (::lstat(to.c_str(), &st) == 0) {
    errno = EEXIST;
    return -1;
  }
  return ::rename(from.c_str(), to.c_str());
}

// Best effort: makes the renames in the directory of `path` durable too.
void SyncDirectoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  const std::string directory =
      slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// The last step of a move that keeps a backup, the old file already at
// `backup_path` (`linked`: as a second link, still at `path` too): the new
// file takes `path`, or the old one is put back as it was.
int MoveIntoPlace(const std::string& temporary_path, const std::string& path,
                  const std::string& backup_path, bool linked) {
  if (::rename(temporary_path.c_str(), path.c_str()) != 0) {
    const int code = LastIoCode();
    if (linked) {
      ::unlink(backup_path.c_str());
    } else {
      ::rename(backup_path.c_str(), path.c_str());
    }
    return code;
  }
  SyncDirectoryOf(path);
  return 0;
}

// Reads up to `size` bytes, fewer only at the end of the file: at the
// file's position, or at `offset` when there is one (pread: the thread that
// reads ahead shares no file position with the reader).
int ReadAll(int fd, void* buffer, std::size_t size, std::size_t* got, std::int64_t offset = -1) {
  char* p = static_cast<char*>(buffer);
  std::size_t total = 0;
  while (total < size) {
    const ssize_t n = offset < 0 ? ::read(fd, p + total, size - total)
                                 : ::pread(fd, p + total, size - total,
                                           static_cast<off_t>(offset) + static_cast<off_t>(total));
    if (n < 0) {
      if (errno == EINTR) continue;
      *got = total;
      return LastIoCode();
    }
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  *got = total;
  return 0;
}

// The POSIX pieces of an IoWorker: std::thread, a mutex with two condition
// variables, pread and pwrite.
class PosixIoHost : public IoHost {
 public:
  bool StartThread(IoWorker* worker) override {
    try {
      thread_ = std::thread(&IoWorker::Serve, worker);
    } catch (const std::system_error&) {
      return false;
    }
    return true;
  }
  void JoinThread() override {
    if (thread_.joinable()) thread_.join();
  }
  void lock() override { mutex_.lock(); }
  void unlock() override { mutex_.unlock(); }
  void Wait(Condition condition) override {
    // The caller holds mutex_ through lock(); the unique_lock only lends it
    // to the wait and gives it back held.
    std::unique_lock<std::mutex> held(mutex_, std::adopt_lock);
    conditions_[condition].wait(held);
    held.release();
  }
  void NotifyAll(Condition condition) override { conditions_[condition].notify_all(); }
  int ReadAt(FileHandle file, std::int64_t offset, void* buffer, std::size_t size,
             std::size_t* got) override {
    return ReadAll(Descriptor(file), buffer, size, got, offset);
  }
  int WriteAt(FileHandle file, std::int64_t offset, const void* data, std::size_t size) override {
    return WriteAll(Descriptor(file), data, size, offset);
  }

 private:
  std::mutex mutex_;  // the worker's lock: guards the IoWorker's state
  // Plain condition variables on the std::mutex: condition_variable_any
  // would take a lock of its own around every wait and notification, which
  // the two threads then contend for (a futex wait and wake each time).
  std::condition_variable conditions_[2];
  std::thread thread_;
};

// The host of the table's writes. On Linux its thread also takes two costs
// off the main thread's final rename(), step by step as the table grows
// (every kStep bytes, a few system calls of some hundred microseconds each;
// all at once they would keep the thread from the next blocks):
//  - it starts the writeback of the table written so far (sync_file_range,
//    not waiting for it): ext4 flushes a new file that replaces another by
//    rename at the rename itself, and then finds little left to flush;
//  - it drops the cached pages of the same stretch of the file that the
//    table will replace (posix_fadvise DONTNEED, the file opened read only
//    with the table's first block): the rename frees that file and, with it,
//    every page of it still in memory. The file's bytes stay as they are,
//    and a conversion that fails leaves it in place; at worst it is read
//    from the disk again.
class PosixWriterHost final : public PosixIoHost {
 public:
  ~PosixWriterHost() override {
    for (auto& [file, replaced] : replaced_) CloseReplaced(replaced);
  }
  int WriteAt(FileHandle file, std::int64_t offset, const void* data, std::size_t size) override {
    const int code = PosixIoHost::WriteAt(file, offset, data, size);
    if (code == 0) AfterWrite(file, offset, offset + static_cast<std::int64_t>(size));
    return code;
  }

  // `file` is to replace the regular file at `path`, until it is closed
  // (Forget, before the file is moved over `path`).
  void WillReplace(FileHandle file, const std::string& path) {
    std::lock_guard<std::mutex> lock(replaced_mutex_);
    CloseReplaced(replaced_[file]);
    replaced_[file] = Replaced{path, -1};
  }
  void Forget(FileHandle file) {
    std::lock_guard<std::mutex> lock(replaced_mutex_);
    const auto found = replaced_.find(file);
    if (found == replaced_.end()) return;
    // Closed while the file still has its name: that frees nothing.
    CloseReplaced(found->second);
    replaced_.erase(found);
  }

 private:
  // 2 MiB: per 256 KiB block the calls cost the writer thread about twice
  // as much for no shorter rename.
  static constexpr std::int64_t kStep = 2 * 1024 * 1024;

  struct Replaced {
    std::string path;
    int fd = -1;  // open from the table's first block, when worth dropping
  };
  static void CloseReplaced(Replaced& replaced) {
    if (replaced.fd >= 0) ::close(replaced.fd);
    replaced.fd = -1;
  }

  // Best effort: nothing changes but how fast the rename is.
  void AfterWrite(FileHandle file, std::int64_t from, std::int64_t to) {
    // The steps that the bytes just written completed.
    const std::int64_t begun = from / kStep * kStep;
    const std::int64_t done = to / kStep * kStep;
#ifdef SYNC_FILE_RANGE_WRITE
    if (done > begun) {
      ::sync_file_range(Descriptor(file), static_cast<off_t>(begun),
                        static_cast<off_t>(done - begun), SYNC_FILE_RANGE_WRITE);
    }
#endif
#ifdef POSIX_FADV_DONTNEED
    if (from != 0 && done == begun) return;
    std::lock_guard<std::mutex> lock(replaced_mutex_);
    const auto found = replaced_.find(file);
    if (found == replaced_.end()) return;
    Replaced& replaced = found->second;
    if (from == 0 && replaced.fd < 0) {
      // Not through a link (the rename replaces the link, not its target),
      // and not a file with other names, which the rename does not free.
      replaced.fd =
          ::open(replaced.path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
      struct stat st;
      if (replaced.fd >= 0 &&
          (::fstat(replaced.fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1)) {
        CloseReplaced(replaced);
      }
    }
    if (replaced.fd >= 0 && done > begun) {
      ::posix_fadvise(replaced.fd, static_cast<off_t>(begun), static_cast<off_t>(done - begun),
                      POSIX_FADV_DONTNEED);
    }
#else
    (void)file, (void)begun, (void)done;
#endif
  }

  // The files that the tables being written will replace, by the tables'
  // handles. Guarded by replaced_mutex_ (not the worker's lock, which the
  // thread does not hold while it writes): the caller's CreateTemporary and
  // Close change it, the writer thread reads it after each write.
  std::mutex replaced_mutex_;
  std::map<FileHandle, Replaced> replaced_;
};

class PosixPlatform final : public Platform {
 public:
  int OpenInput(const std::string& path, FileHandle* file) override {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return LastIoCode();
    struct stat st;
    if (::fstat(fd, &st) != 0) {
      int code = LastIoCode();
      ::close(fd);
      return code;
    }
    if (S_ISDIR(st.st_mode)) {
      ::close(fd);
      return kIoAccessDenied;
    }
    *file = fd;
    return 0;
  }

  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) override {
    return ReadAll(Descriptor(file), buffer, size, got);
  }

  int Seek(FileHandle file, std::int64_t position) override {
    if (::lseek(Descriptor(file), static_cast<off_t>(position), SEEK_SET) < 0) return LastIoCode();
    return 0;
  }

  int FileSize(FileHandle file, std::int64_t* size) override {
    struct stat st;
    if (::fstat(Descriptor(file), &st) != 0) return LastIoCode();
    *size = static_cast<std::int64_t>(st.st_size);
    return 0;
  }

  bool ReadsAhead() const override { return true; }
  ReadTicket BeginRead(FileHandle file, std::int64_t offset, void* buffer,
                       std::size_t size) override {
    return reader_.BeginRead(file, offset, buffer, size);
  }
  int FinishRead(ReadTicket ticket, std::size_t* got) override {
    return reader_.FinishRead(ticket, got);
  }

  int CreateTemporary(const std::string& path, std::string* temporary_path,
                      FileHandle* file) override {
    // Fail as creating the table itself would.
    struct stat st;
    bool replaces_file = false;
    if (::stat(path.c_str(), &st) == 0) {
      if (S_ISDIR(st.st_mode)) return kIoAccessDenied;
      if (S_ISREG(st.st_mode)) {
        replaces_file = true;
        // Opening for writing without truncation asks the kernel, which knows
        // about modes, ACLs, read-only mounts and immutable files.
        int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd < 0) return LastIoCode();
        ::close(fd);
      }
    } else if (errno != ENOENT) {
      return LastIoCode();
    }

    std::size_t slash = path.rfind('/');
    std::string directory = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::random_device entropy;
    std::mt19937_64 random(static_cast<std::uint64_t>(entropy()) << 32 ^ entropy() ^
                           static_cast<std::uint64_t>(::getpid()));
    for (int attempt = 0; attempt < 100; ++attempt) {
      char suffix[24];
      std::snprintf(suffix, sizeof suffix, ".%016llx.tmp",
                    static_cast<unsigned long long>(random()));
      std::string candidate = directory + "." + name + suffix;
      int fd =
          ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
      if (fd >= 0) {
        *temporary_path = candidate;
        *file = fd;
        if (replaces_file) writer_host_.WillReplace(fd, path);
        return 0;
      }
      if (errno != EEXIST) return LastIoCode();
    }
    return IoCodeFromErrno(EEXIST);
  }

  int Write(FileHandle file, const void* data, std::size_t size) override {
    return WriteAll(Descriptor(file), data, size);
  }

  void RunTogether(const std::function<void()>& here,
                   const std::function<void()>& beside) override {
    std::thread thread;
    try {
      thread = std::thread(beside);
    } catch (const std::system_error&) {
      // No thread to be had (EAGAIN): both in turn.
      here();
      beside();
      return;
    }
    here();
    thread.join();
  }

  bool WritesInBackground() const override { return true; }
  int BeginWrite(FileHandle file, std::int64_t offset, const void* data,
                 std::size_t size) override {
    return writer_.BeginWrite(file, offset, data, size);
  }
  int AwaitWrite(FileHandle file, std::int64_t end) override {
    return writer_.AwaitWrite(file, end);
  }

  int Close(FileHandle file) override {
    writer_host_.Forget(file);
    // Linux releases the descriptor even when close reports EINTR.
    if (::close(Descriptor(file)) != 0 && errno != EINTR) return LastIoCode();
    return 0;
  }

  int MoveOver(const std::string& temporary_path, const std::string& path) override {
    if (::rename(temporary_path.c_str(), path.c_str()) != 0) return LastIoCode();
    return 0;
  }

  int FlushToDisk(FileHandle file) override {
    while (::fsync(Descriptor(file)) != 0) {
      if (errno != EINTR) return LastIoCode();
    }
    return 0;
  }

  int MoveOverKeepingBackup(const std::string& temporary_path, const std::string& path,
                            const std::string& backup_path) override {
    // The backup is a second link to the old file while `path` still names
    // it, so that `path` never goes missing; a file system without links
    // gets the old file moved instead.
    if (::unlink(backup_path.c_str()) != 0 && errno != ENOENT) return LastIoCode();
    const bool linked = ::link(path.c_str(), backup_path.c_str()) == 0;
    if (!linked && ::rename(path.c_str(), backup_path.c_str()) != 0) return LastIoCode();
    return MoveIntoPlace(temporary_path, path, backup_path, linked);
  }

  bool SameFile(const std::string& a, const std::string& b) override {
    struct stat first;
    struct stat second;
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
  }

  void RemoveFile(const std::string& path) override { ::unlink(path.c_str()); }

  bool IsDirectory(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  bool MakeDirectory(const std::string& path) override { return ::mkdir(path.c_str(), 0777) == 0; }

  char PathSeparator() const override { return '/'; }

  int WriteStandardOutput(const void* data, std::size_t size) override {
    return WriteAll(STDOUT_FILENO, data, size);
  }

  // Replacing a user's file without losing one.
  int KindOf(const std::string& path, FileKind* kind) override {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) {
      if (errno != ENOENT) return LastIoCode();
      *kind = FileKind::kAbsent;
    } else {
      *kind = S_ISREG(st.st_mode)   ? FileKind::kRegular
              : S_ISDIR(st.st_mode) ? FileKind::kDirectory
                                    : FileKind::kOther;
    }
    return 0;
  }

  int FinalTarget(const std::string& path, std::string* target) override {
    std::string at = path;
    // As many links as the kernel follows before it gives up (ELOOP).
    for (int hop = 0; hop < 40; ++hop) {
      struct stat st;
      if (::lstat(at.c_str(), &st) != 0) {
        if (errno != ENOENT) return LastIoCode();
        *target = at;  // a link to a file not made yet
        return 0;
      }
      if (!S_ISLNK(st.st_mode)) {
        *target = at;
        return 0;
      }
      std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 255) + 1, '\0');
      const ssize_t n = ::readlink(at.c_str(), link.data(), link.size());
      if (n < 0) return LastIoCode();
      if (static_cast<std::size_t>(n) >= link.size()) continue;  // changed meanwhile: again
      link.resize(static_cast<std::size_t>(n));
      const std::size_t slash = at.rfind('/');
      at =
          link.front() == '/' || slash == std::string::npos ? link : at.substr(0, slash + 1) + link;
    }
    return IoCodeFromErrno(ELOOP);
  }

  int MoveOverKeepingNewBackup(const std::string& temporary_path, const std::string& path,
                               const std::string& backup_path) override {
    // link() never replaces a name, and `path` keeps naming the old file
    // until the rename puts the new one there. A file system without links
    // gets the old file moved under the backup name, never over one.
    bool linked = ::link(path.c_str(), backup_path.c_str()) == 0;
    if (!linked) {
      if (errno == EEXIST) return kAlreadyExists;
      if (errno != EPERM && errno != EOPNOTSUPP && errno != EMLINK && errno != ENOSYS) {
        return LastIoCode();
      }
      if (MoveWithoutReplacing(path, backup_path) != 0) {
        return errno == EEXIST ? kAlreadyExists : LastIoCode();
      }
    }
    return MoveIntoPlace(temporary_path, path, backup_path, linked);
  }

 private:
  // Each worker is destroyed before its host: it ends the host's thread.
  // Two threads, so that the table's writes never wait behind a read ahead
  // of the database, nor the reads behind a batch of writes.
  PosixIoHost reader_host_;
  IoWorker reader_{reader_host_};
  PosixWriterHost writer_host_;
  IoWorker writer_{writer_host_};
};

}  // namespace

Platform& SystemPlatform() {
  static PosixPlatform platform;
  return platform;
}

void PrepareProcess() { ::signal(SIGPIPE, SIG_IGN); }

void UseBinaryStandardOutput() {}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) {
    if (argv[i][0] != '\0') arguments.emplace_back(argv[i]);
  }
  return arguments;
}

std::string ModuleFileName(const char* argv0) {
  std::string path;
  char buffer[4096];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer);
  if (n > 0 && static_cast<std::size_t>(n) < sizeof buffer) {
    path.assign(buffer, static_cast<std::size_t>(n));
  } else if (argv0 != nullptr) {
    path = argv0;
  }
  std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

char LocaleDecimalSeparator() {
  // Read the user's locale without making it the process's global locale.
  locale_t locale = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (locale == static_cast<locale_t>(0)) return '.';
  const char* radix = ::nl_langinfo_l(RADIXCHAR, locale);
  char separator = (radix != nullptr && radix[0] != '\0' && radix[1] == '\0') ? radix[0] : '.';
  ::freelocale(locale);
  return separator;
}

}  // namespace kovrant
