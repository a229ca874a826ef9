// The operating system as the converter sees it: one small interface, with a
// POSIX and a Win32 implementation chosen at build time. No other file of the
// converter includes an OS header.
//
// Every operation that can fail returns an I/O result code: 0 for success,
// otherwise the Windows error number of the failure (2 file not found,
// 5 access denied, ...) or one of the converter's own codes (failure.h). Each
// implementation turns its OS errors into these codes in exactly one place.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kovrant {

// An open file of the platform; what it holds is the platform's business.
using FileHandle = std::intptr_t;

class Platform {
 public:
  virtual ~Platform() = default;

  // Opens an existing file for reading only, shared for reading and writing
  // with other programs. A directory is not a readable file.
  virtual int OpenInput(const std::string& path, FileHandle* file) = 0;
  // Reads up to `size` bytes at the file's position; `*got` < `size` only at
  // the end of the file.
  virtual int Read(FileHandle file, void* buffer, std::size_t size, std::size_t* got) = 0;
  // Moves to an absolute, non-negative byte offset (beyond the end is fine).
  virtual int Seek(FileHandle file, std::int64_t position) = 0;
  virtual int FileSize(FileHandle file, std::int64_t* size) = 0;

  // Reading ahead (the rules: io/io_worker.h): a platform that can read a
  // file on a thread of its own while the caller goes on says so here.
  // BeginRead hands it a read of up to `size` bytes at byte `offset` into
  // `buffer` and names it by the ticket returned; FinishRead waits for that
  // read and returns its outcome as Read would have. Reads ahead do not move
  // the position that Read uses. A platform that cannot keeps the defaults
  // and its files are read with Read alone.
  using ReadTicket = std::uint64_t;
  virtual bool ReadsAhead() const { return false; }
  virtual ReadTicket BeginRead(FileHandle /*file*/, std::int64_t /*offset*/, void* /*buffer*/,
                               std::size_t /*size*/) {
    return 0;
  }
  virtual int FinishRead(ReadTicket /*ticket*/, std::size_t* got) {
    *got = 0;
    return kReadsAheadUnsupported;
  }
  // What FinishRead returns for a ticket of no read begun (on a platform
  // that reads nothing ahead, every ticket; ERROR_NOT_SUPPORTED).
  static constexpr int kReadsAheadUnsupported = 50;

  // Prepares to replace the table at `path`: fails as creating `path` itself
  // would (a directory of that name, a file the user may not write, a folder
  // the user may not write into), then creates a new file with a unique name
  // in the same directory, exclusively (never through an existing name or
  // link), with the permissions of a normally created file.
  virtual int CreateTemporary(const std::string& path, std::string* temporary_path,
                              FileHandle* file) = 0;
  // Writes all `size` bytes or fails (a device that takes no more is 101).
  virtual int Write(FileHandle file, const void* data, std::size_t size) = 0;
  virtual int Close(FileHandle file) = 0;

  // Writing behind (the rules: io/io_worker.h): a platform that can write
  // a file on a thread of its own says so here; BeginWrite then hands it
  // `size` bytes at `data` to be written at byte `offset` of the file and
  // may return before they are written, and AwaitWrite waits for the writes
  // that start before byte `end` and returns the first one's failure. A
  // platform that cannot keeps the defaults: BeginWrite writes at once, at
  // the file's position, and AwaitWrite has nothing to wait for.
  static constexpr std::int64_t kWholeFile = INT64_MAX;
  virtual bool WritesInBackground() const { return false; }
  virtual int BeginWrite(FileHandle file, std::int64_t /*offset*/, const void* data,
                         std::size_t size) {
    return Write(file, data, size);
  }
  virtual int AwaitWrite(FileHandle /*file*/, std::int64_t /*end*/) { return 0; }
  // Puts the finished temporary file in the place of `path`, atomically.
  virtual int MoveOver(const std::string& temporary_path, const std::string& path) = 0;
  // Makes the bytes written to `file` durable before it is renamed into
  // place (fsync on POSIX, FlushFileBuffers on Windows), so that a crash
  // right after the rename cannot leave an empty or partial file under the
  // user's name.
  virtual int FlushToDisk(FileHandle file) = 0;
  // MoveOver that keeps the file at `path` as `backup_path` first (replacing
  // an earlier backup). If the second move fails, the file is put back at
  // `path`, so `path` names either the old or the new file, never nothing
  // for long.
  virtual int MoveOverKeepingBackup(const std::string& temporary_path, const std::string& path,
                                    const std::string& backup_path) = 0;
  // Whether both paths name one existing file, however they are spelled
  // (relative or absolute, through links).
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;
  // Best effort: used to clean up after a failure.
  virtual void RemoveFile(const std::string& path) = 0;

  virtual bool IsDirectory(const std::string& path) = 0;
  // Creates one directory level (its parent must exist).
  virtual bool MakeDirectory(const std::string& path) = 0;
  // The separator appended to an output directory: "\" on Windows, "/" else.
  virtual char PathSeparator() const = 0;

  // Writes to standard output, all bytes or fails.
  virtual int WriteStandardOutput(const void* data, std::size_t size) = 0;

  // Runs `beside` on a thread of its own while the calling thread runs
  // `here`, and returns once both have ended; neither may throw. Where no
  // thread can be had, and on a platform with none to give (the default,
  // as the fakes), they run in turn on the caller's thread.
  virtual void RunTogether(const std::function<void()>& here, const std::function<void()>& beside) {
    here();
    beside();
  }

  // Replacing a user's file without losing one: what lies at a path, where a
  // symbolic link leads, and a backup that never takes an existing name.
  enum class FileKind {
    kAbsent,
    kRegular,
    kDirectory,
    kOther,  // a FIFO, device or socket: nothing to replace by renaming
  };
  // What `path` names after following symbolic links, found without opening
  // it (opening a FIFO would block). A dangling link is kAbsent. A platform
  // that writes no user files keeps the defaults, which refuse.
  virtual int KindOf(const std::string& /*path*/, FileKind* kind) {
    *kind = FileKind::kOther;
    return kReadsAheadUnsupported;
  }
  // The path a chain of symbolic links at `path` ends in (relative links
  // taken from the directory of the link holding them), or `path` itself
  // when it is no link; the end may not exist.
  virtual int FinalTarget(const std::string& path, std::string* target) {
    *target = path;
    return 0;
  }
  // MoveOver that keeps the file at `path` as `backup_path`, which must not
  // exist: when it does, nothing moves and the result is kAlreadyExists.
  // `path` goes on naming the old file until the new one takes its place;
  // if that last move fails, `backup_path` is removed again, so every name
  // holds either its old file or its complete new one.
  virtual int MoveOverKeepingNewBackup(const std::string& /*temporary_path*/,
                                       const std::string& /*path*/,
                                       const std::string& /*backup_path*/) {
    return kReadsAheadUnsupported;
  }
  // ERROR_ALREADY_EXISTS.
  static constexpr int kAlreadyExists = 183;
};

// The real operating system.
Platform& SystemPlatform();

// Process set-up before anything else runs (a closed pipe on standard output
// must become a failed write, not a signal).
void PrepareProcess();

// Standard output as bytes: on Windows, the C runtime's text mode would turn
// every LF written into CR LF. Elsewhere nothing to do.
void UseBinaryStandardOutput();

// The arguments after the program name, as the converter counts them: empty
// arguments are not counted.
std::vector<std::string> ProgramArguments(int argc, char** argv);

// The executable's file name without its directory, for failure reports.
std::string ModuleFileName(const char* argv0);

// The user's decimal separator: one byte from the locale settings, or "." when
// the locale gives none or a longer one.
char LocaleDecimalSeparator();

}  // namespace kovrant
