// Win32 side of the platform interface.
//
// Only the ANSI entry points are used: paths and the command line are byte
// strings in the system code page, passed through without conversion.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <random>

#include "io/command_line.h"
#include "io/failure.h"
#include "io/io_worker.h"
#include "io/platform.h"

namespace kovrant {
namespace {

// The one place where Windows error numbers become I/O result codes. They
// are the converter's numbering already (2 file not found, 3 path not found,
// 4 too many open files, 5 access denied, 32 sharing violation, ...), so
// they pass through as they are and print through the message table.
int IoCodeFromError(DWORD error) { return static_cast<int>(error); }

int LastIoCode() {
  DWORD error = ::GetLastError();
  // A failed call that left no error behind must still count as a failure.
  return IoCodeFromError(error == ERROR_SUCCESS ? ERROR_GEN_FAILURE : error);
}

HANDLE Native(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

// WriteFile takes a 32-bit count; larger blocks go in slices.
constexpr std::size_t kMaxTransfer = std::size_t{1} << 30;

// Writes all bytes at the handle's position, or at `offset` when there is
// one: on a handle opened for synchronous I/O the OVERLAPPED structure only
// gives the position, so the writer thread needs no shared file pointer.
int WriteAll(HANDLE handle, const void* data, std::size_t size, std::int64_t offset = -1) {
  const char* p = static_cast<const char*>(data);
  while (size > 0) {
    DWORD chunk = static_cast<DWORD>(size < kMaxTransfer ? size : kMaxTransfer);
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(offset));
    at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
    DWORD written = 0;
    if (!::WriteFile(handle, p, chunk, &written, offset < 0 ? nullptr : &at)) return LastIoCode();
    // A device that accepts nothing more is full.
    if (written == 0) return kIoDiskFull;
    p += written;
    if (offset >= 0) offset += written;
    size -= written;
  }
  return 0;
}

// The Win32 pieces of the table's IoWorker: CreateThread, an SRW lock with
// two condition variables, and WriteFile at an offset. (The MinGW compilers
// of the win32 thread model have no std::thread.) Nothing is read ahead on
// Windows: ReadFile at an offset on a handle opened for synchronous I/O
// also moves the file pointer, which Read goes on from.
class Win32WriterHost final : public IoHost {
 public:
  bool StartThread(IoWorker* worker) override {
    thread_ = ::CreateThread(nullptr, 0, &Run, worker, 0, nullptr);
    return thread_ != nullptr;
  }
  void JoinThread() override {
    if (thread_ == nullptr) return;
    ::WaitForSingleObject(thread_, INFINITE);
    ::CloseHandle(thread_);
  }
  void lock() override { ::AcquireSRWLockExclusive(&lock_); }
  void unlock() override { ::ReleaseSRWLockExclusive(&lock_); }
  void Wait(Condition condition) override {
    ::SleepConditionVariableSRW(&conditions_[condition], &lock_, INFINITE, 0);
  }
  void NotifyAll(Condition condition) override {
    ::WakeAllConditionVariable(&conditions_[condition]);
  }
  int WriteAt(FileHandle file, std::int64_t offset, const void* data, std::size_t size) override {
    return WriteAll(Native(file), data, size, offset);
  }

 private:
  static DWORD WINAPI Run(LPVOID worker) {
    IoWorker::Serve(static_cast<IoWorker*>(worker));
    return 0;
  }

  SRWLOCK lock_ = SRWLOCK_INIT;  // the worker's lock: guards the IoWorker's state
  CONDITION_VARIABLE conditions_[2] = {CONDITION_VARIABLE_INIT, CONDITION_VARIABLE_INIT};
  HANDLE thread_ = nullptr;
};

// The index just past the directory part of `path` (0 when there is none).
// Windows accepts "/" as well as "\" inside paths, and "C:name" is relative
// to drive C's current directory.
std::size_t DirectoryLength(const std::string& path) {
  std::size_t separator = path.find_last_of("\\/:");
  return separator == std::string::npos ? 0 : separator + 1;
}

// The volume and file index that identify an existing file.
bool FileIdentity(const std::string& path, BY_HANDLE_FILE_INFORMATION* information) {
  HANDLE handle =
      ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return false;
  const bool known = ::GetFileInformationByHandle(handle, information) != 0;
  ::CloseHandle(handle);
  return known;
}

DWORD WINAPI RunBeside(LPVOID task) {
  (*static_cast<const std::function<void()>*>(task))();
  return 0;
}

class Win32Platform final : public Platform {
 public:
  int OpenInput(const std::string& path, FileHandle* file) override {
    // Read access only, so that a read-only database converts; others may
    // keep reading and writing it meanwhile. A directory does not open
    // without backup semantics, which gives access denied.
    HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastIoCode();
    *file = reinterpret_cast<FileHandle>(handle);
    return 0;
  }

  int Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) override {
    char* p = static_cast<char*>(buffer);
    std::size_t total = 0;
    while (total < size) {
      std::size_t left = size - total;
      DWORD chunk = static_cast<DWORD>(left < kMaxTransfer ? left : kMaxTransfer);
      DWORD n = 0;
      if (!::ReadFile(Native(file), p + total, chunk, &n, nullptr)) {
        // A pipe whose writer has gone is at its end, not broken.
        if (::GetLastError() == ERROR_BROKEN_PIPE) break;
        *got = total;
        return LastIoCode();
      }
      if (n == 0) break;
      total += n;
    }
    *got = total;
    return 0;
  }

  int Seek(FileHandle file, std::int64_t position) override {
    LONG high = static_cast<LONG>(position >> 32);
    LONG low = static_cast<LONG>(position & 0xFFFFFFFF);
    // With a high part, 0xFFFFFFFF is also a valid low part of the result:
    // only a cleared last error tells success from failure.
    ::SetLastError(ERROR_SUCCESS);
    DWORD result = ::SetFilePointer(Native(file), low, &high, FILE_BEGIN);
    if (result == INVALID_SET_FILE_POINTER && ::GetLastError() != ERROR_SUCCESS) {
      return LastIoCode();
    }
    return 0;
  }

  int FileSize(FileHandle file, std::int64_t* size) override {
    DWORD high = 0;
    ::SetLastError(ERROR_SUCCESS);
    DWORD low = ::GetFileSize(Native(file), &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != ERROR_SUCCESS) return LastIoCode();
    *size = static_cast<std::int64_t>(static_cast<std::uint64_t>(high) << 32 | low);
    return 0;
  }

  int CreateTemporary(const std::string& path, std::string* temporary_path,
                      FileHandle* file) override {
    if (int code = CheckReplaceable(path); code != 0) return code;

    std::size_t directory_length = DirectoryLength(path);
    std::string directory = path.substr(0, directory_length);
    std::string name = path.substr(directory_length);
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    std::random_device entropy;
    std::mt19937_64 random(static_cast<std::uint64_t>(entropy()) << 32 ^ entropy() ^
                           static_cast<std::uint64_t>(counter.QuadPart) ^
                           static_cast<std::uint64_t>(::GetCurrentProcessId()) << 16);
    for (int attempt = 0; attempt < 100; ++attempt) {
      char random_hex[17];
      std::snprintf(random_hex, sizeof random_hex, "%016llx",
                    static_cast<unsigned long long>(random()));
      std::string candidate = directory + "." + name + "." + random_hex + ".tmp";
      // The ANSI functions take at most MAX_PATH - 1 characters: where the
      // long name would not fit but the table's own would, a name no longer
      // than the table's keeps the conversion possible.
      if (candidate.size() >= MAX_PATH) {
        candidate = directory + "~" + std::string(random_hex, 8) + ".tmp";
      }
      // CREATE_NEW never opens an existing name, so nobody can hand the
      // converter a file (or a link) to write through.
      HANDLE handle = ::CreateFileA(candidate.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
      if (handle == INVALID_HANDLE_VALUE) {
        DWORD error = ::GetLastError();
        if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
        return IoCodeFromError(error);
      }
      if (::GetFileType(handle) == FILE_TYPE_UNKNOWN) {
        ::CloseHandle(handle);
        ::DeleteFileA(candidate.c_str());
        return kIoNotUsableOutput;
      }
      *temporary_path = candidate;
      *file = reinterpret_cast<FileHandle>(handle);
      return 0;
    }
    return IoCodeFromError(ERROR_FILE_EXISTS);
  }

  int Write(FileHandle file, const void* data, std::size_t size) override {
    return WriteAll(Native(file), data, size);
  }

  void RunTogether(const std::function<void()>& here,
                   const std::function<void()>& beside) override {
    HANDLE thread = ::CreateThread(nullptr, 0, &RunBeside,
                                   const_cast<std::function<void()>*>(&beside), 0, nullptr);
    here();
    if (thread == nullptr) {
      beside();  // no thread to be had: both in turn
      return;
    }
    ::WaitForSingleObject(thread, INFINITE);
    ::CloseHandle(thread);
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
    if (!::CloseHandle(Native(file))) return LastIoCode();
    return 0;
  }

  int MoveOver(const std::string& temporary_path, const std::string& path) override {
    if (!::MoveFileExA(temporary_path.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
      return LastIoCode();
    }
    return 0;
  }

  int FlushToDisk(FileHandle file) override {
    if (!::FlushFileBuffers(Native(file))) return LastIoCode();
    return 0;
  }

  int MoveOverKeepingBackup(const std::string& temporary_path, const std::string& path,
                            const std::string& backup_path) override {
    if (!::MoveFileExA(path.c_str(), backup_path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      return LastIoCode();
    }
    if (!::MoveFileExA(temporary_path.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const int code = LastIoCode();
      ::MoveFileExA(backup_path.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
      return code;
    }
    return 0;
  }

  bool SameFile(const std::string& a, const std::string& b) override {
    BY_HANDLE_FILE_INFORMATION first;
    BY_HANDLE_FILE_INFORMATION second;
    return FileIdentity(a, &first) && FileIdentity(b, &second) &&
           first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
           first.nFileIndexHigh == second.nFileIndexHigh &&
           first.nFileIndexLow == second.nFileIndexLow;
  }

  void RemoveFile(const std::string& path) override { ::DeleteFileA(path.c_str()); }

  bool IsDirectory(const std::string& path) override {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  bool MakeDirectory(const std::string& path) override {
    return ::CreateDirectoryA(path.c_str(), nullptr) != 0;
  }

  char PathSeparator() const override { return '\\'; }

  int WriteStandardOutput(const void* data, std::size_t size) override {
    // The bytes go out as they are: lines carry their own CR LF, and nothing
    // in between may turn LF into CR LF a second time.
    HANDLE handle = ::GetStdHandle(STD_OUTPUT_HANDLE);
    if (handle == INVALID_HANDLE_VALUE) return LastIoCode();
    if (handle == nullptr) return kIoNotUsableOutput;  // started without one
    ::SetLastError(ERROR_SUCCESS);
    if (::GetFileType(handle) == FILE_TYPE_UNKNOWN && ::GetLastError() != ERROR_SUCCESS) {
      return kIoNotUsableOutput;
    }
    return WriteAll(handle, data, size);
  }

  // Replacing a user's file without losing one.
  int KindOf(const std::string& path, FileKind* kind) override {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const DWORD error = ::GetLastError();
      if (error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND) {
        return IoCodeFromError(error);
      }
      *kind = FileKind::kAbsent;
      return 0;
    }
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
      *kind = FileKind::kDirectory;
      return 0;
    }
    // Devices (NUL, CON, COM1, ...) and pipes have attributes too; asked
    // for no access at all, opening them reads and writes nothing.
    HANDLE handle =
        ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      const DWORD error = ::GetLastError();
      if (error == ERROR_FILE_NOT_FOUND) {  // a link to nothing
        *kind = FileKind::kAbsent;
        return 0;
      }
      return IoCodeFromError(error);
    }
    const DWORD type = ::GetFileType(handle);
    ::CloseHandle(handle);
    *kind = type == FILE_TYPE_DISK ? FileKind::kRegular : FileKind::kOther;
    return 0;
  }

  int FinalTarget(const std::string& path, std::string* target) override {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
      *target = path;
      return 0;
    }
    HANDLE handle =
        ::CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastIoCode();
    char buffer[MAX_PATH + 8];
    const DWORD n =
        ::GetFinalPathNameByHandleA(handle, buffer, sizeof buffer, FILE_NAME_NORMALIZED);
    const int code = n == 0 || n >= sizeof buffer ? LastIoCode() : 0;
    ::CloseHandle(handle);
    if (code != 0) return code;
    std::string final_path(buffer, n);
    // "\\?\C:\..." is the long form of "C:\...".
    if (final_path.rfind("\\\\?\\", 0) == 0 && final_path.size() > 6 && final_path[5] == ':') {
      final_path.erase(0, 4);
    }
    *target = final_path;
    return 0;
  }

  int MoveOverKeepingNewBackup(const std::string& temporary_path, const std::string& path,
                               const std::string& backup_path) override {
    // A second link to the old file keeps `path` naming it until the new
    // file takes its place; a volume without links (FAT) gets the old file
    // moved, never over an existing name (no MOVEFILE_REPLACE_EXISTING).
    const bool linked = ::CreateHardLinkA(backup_path.c_str(), path.c_str(), nullptr) != 0;
    if (!linked) {
      DWORD error = ::GetLastError();
      if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return kAlreadyExists;
      if (!::MoveFileExA(path.c_str(), backup_path.c_str(), MOVEFILE_WRITE_THROUGH)) {
        error = ::GetLastError();
        if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) return kAlreadyExists;
        return IoCodeFromError(error);
      }
    }
    if (!::MoveFileExA(temporary_path.c_str(), path.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      const int code = LastIoCode();
      if (linked) {
        ::DeleteFileA(backup_path.c_str());
      } else {
        ::MoveFileExA(backup_path.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH);
      }
      return code;
    }
    return 0;
  }

 private:
  // The writer is destroyed first: it ends the host's thread.
  Win32WriterHost writer_host_;
  IoWorker writer_{writer_host_};

  // Fails as creating the table at `path` itself would: a directory of that
  // name, a read-only file, or one that cannot be opened for writing (in use,
  // denied by its security) gives that error; a missing file is fine.
  static int CheckReplaceable(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      DWORD error = ::GetLastError();
      return error == ERROR_FILE_NOT_FOUND ? 0 : IoCodeFromError(error);
    }
    if ((attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0) {
      return kIoAccessDenied;
    }
    // Opening without truncation asks the system, which knows about security
    // descriptors and other programs holding the file.
    HANDLE handle = ::CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
      DWORD error = ::GetLastError();
      // Gone in the meantime: nothing left to replace.
      return error == ERROR_FILE_NOT_FOUND ? 0 : IoCodeFromError(error);
    }
    ::CloseHandle(handle);
    return 0;
  }
};

bool IsLeadByte(unsigned char byte) { return ::IsDBCSLeadByte(byte) != 0; }

}  // namespace

Platform& SystemPlatform() {
  static Win32Platform platform;
  return platform;
}

void PrepareProcess() {
  // A converter run from a script must not stop at a "no disk in drive" or
  // similar dialog box: such failures become error codes instead.
  ::SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

void UseBinaryStandardOutput() {
  std::fflush(stdout);
  ::_setmode(::_fileno(stdout), _O_BINARY);
}

std::vector<std::string> ProgramArguments(int, char**) {
  // The C runtime's argv follows other quoting rules (backslashes before
  // quotes, wildcard expansion), so the converter splits the raw line itself.
  std::vector<std::string> arguments = SplitCommandLine(::GetCommandLineA(), IsLeadByte);
  if (!arguments.empty()) arguments.erase(arguments.begin());
  return arguments;
}

std::string ModuleFileName(const char* argv0) {
  std::string path;
  std::string buffer(MAX_PATH, '\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (n == 0) break;
    if (n < buffer.size()) {
      path.assign(buffer.data(), n);
      break;
    }
    if (buffer.size() >= 32768) break;  // the longest path Windows has
    buffer.resize(buffer.size() * 2);
  }
  if (path.empty() && argv0 != nullptr) path = argv0;
  return path.substr(DirectoryLength(path));
}

char LocaleDecimalSeparator() {
  // Room for one character and its NUL: a longer separator does not fit and
  // the call fails, which falls back to the period.
  char separator[2] = {};
  int length = ::GetLocaleInfoA(::GetThreadLocale(), LOCALE_SDECIMAL, separator, sizeof separator);
  return length == 2 && separator[0] != '\0' ? separator[0] : '.';
}

}  // namespace kovrant
