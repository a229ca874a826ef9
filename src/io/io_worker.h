// Reading ahead and writing behind: file I/O done on a thread of the file
// layer while the converter goes on decoding. This header is the one place
// where the rules are written; Platform's BeginRead/FinishRead and
// BeginWrite/AwaitWrite are these rules, and InputFile and TableFile are the
// callers.
//
// The mechanism. An IoWorker owns one queue of jobs (reads and writes, each
// a stretch of one file at an offset), served in the order handed over by
// one thread, which a platform supplies with its lock, two conditions and
// its positioned read and write (IoHost). The thread starts with the first
// job and ends, every job done, with the worker; where no thread can be had,
// each job is done at once on the caller's thread, with the same outcome.
//
// The wake rule. Waking the thread is a system call on the caller's side (a
// futex wake, some microseconds), and so is every notification, even with
// nobody to wake. So a notification goes out only to someone who waits, and
// after the lock is let go (woken under it, the thread would at once sleep
// again on the lock): the thread, asleep, is woken when as many jobs wait as
// the last one's batch (a read: 1, its bytes are wanted next; a write:
// kWriteBatch, so that a batch is written per wake), or when a caller waits
// for a job not done yet; a caller waiting is woken when a job is done. The
// busy thread needs no wake to see jobs queued meanwhile: it looks at the
// queue before it sleeps.
//
// The failure hand-over. A job's failure (an I/O result code, as the
// platform's Read and Write would have returned it) goes to the caller that
// waits for that job, once:
//  - a read is named by the ticket that BeginRead returned, never by its file
//    alone (a descriptor closed and opened again is another file); FinishRead
//    waits for it and returns the bytes it brought (fewer than asked only at
//    the end of the file) and its failure. Every read begun is finished, and
//    before its file is closed: until then the buffer belongs to the thread.
//  - a file's writes follow each other, each where the one before it ended;
//    AwaitWrite(file, end) waits for those that start before `end` and
//    returns the failure of the first one that failed if it starts before
//    `end`. The writes after a failed one are dropped, as a caller writing
//    them itself would have stopped there. An `end` that covers every write
//    handed over ends the file's writes: its failure is returned this once,
//    and the file is forgotten (its handle may be reused). A file written so
//    is written only so, and awaited whole before it is closed; the bytes
//    handed over stay untouched until a wait covering them has returned.
//
// Where it pays, measured on databases of 1 MB, 10 MB and 190 MB and in
// between (a 2-core Linux machine shared with other builds, ext4, warm page
// cache, interleaved runs):
//  - reading ahead, from about 10 MB on (the table on tmpfs and the runs at
//    real-time priority, so that other work did not decide them; medians of
//    21-41 runs: 8 % faster at 10 MB, 11 % at 30 MB, 15 % at 100 MB, 23 % at
//    190 MB; 1 MiB blocks beat 256 KiB ones); at 1 MB it changes nothing,
//    and a file that fits InputFile's buffer (256 KiB) never begins a read
//    nor starts the thread;
//  - starting the table's writeback every 2 MiB on the writer thread (the
//    POSIX writer host): 22-24 % faster at 10 MB and 190 MB;
//  - dropping the earlier table's cached pages meanwhile (the same host): at
//    190 MB when the disk is behind with writing, as in bench/
//    convert_bench.sh, which writes two copies of the database beside each
//    conversion (0.51 s against 0.72 s and 0.57 s against 1.05 s, system
//    time 0.12 s against 0.33-0.50 s, 7-9 runs at load 9-11); the same within
//    the noise at 10 MB and whenever the disk has caught up (11-41 runs), and
//    nothing below 2 MiB of table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>

#include "io/platform.h"
#include "io/thread_annotations.h"

namespace kovrant {

class IoWorker;

// What a platform supplies to an IoWorker: one thread, one lock with two
// conditions to wait on, and a positioned read and write, so that the thread
// shares no file position with the caller.
class KOVRANT_CAPABILITY("mutex") IoHost {
 public:
  enum Condition { kWork, kDone };  // a job was handed over, or the end; a job was done
  virtual ~IoHost() = default;
  // Starts the thread, which runs IoWorker::Serve(worker); false when none
  // can be had.
  virtual bool StartThread(IoWorker* worker) = 0;
  virtual void JoinThread() = 0;  // nothing when no thread was started
  virtual void lock() KOVRANT_ACQUIRE() = 0;
  virtual void unlock() KOVRANT_RELEASE() = 0;
  // With the lock held: releases it until notified (or woken spuriously).
  virtual void Wait(Condition condition) KOVRANT_REQUIRES(this) = 0;
  virtual void NotifyAll(Condition condition) = 0;
  // Reads up to `size` bytes at `offset`, fewer only at the end of the file,
  // as Platform::Read would. A host that only writes keeps the default.
  virtual int ReadAt(FileHandle /*file*/, std::int64_t /*offset*/, void* /*buffer*/,
                     std::size_t /*size*/, std::size_t* got) {
    *got = 0;
    return Platform::kReadsAheadUnsupported;
  }
  // Writes all bytes at `offset` or fails as Platform::Write would.
  virtual int WriteAt(FileHandle file, std::int64_t offset, const void* data, std::size_t size) = 0;
};

class IoWorker {
 public:
  static constexpr std::size_t kWriteBatch = 3;

  // `host` must outlive the worker.
  explicit IoWorker(IoHost& host) : host_(host) {}
  IoWorker(const IoWorker&) = delete;
  IoWorker& operator=(const IoWorker&) = delete;
  // Does the jobs still queued, then ends the thread.
  ~IoWorker();

  Platform::ReadTicket BeginRead(FileHandle file, std::int64_t offset, void* buffer,
                                 std::size_t size);
  int FinishRead(Platform::ReadTicket ticket, std::size_t* got);
  // 0, or without a thread to be had, the outcome of the write done at once.
  int BeginWrite(FileHandle file, std::int64_t offset, const void* data, std::size_t size);
  int AwaitWrite(FileHandle file, std::int64_t end = Platform::kWholeFile);

  static void Serve(IoWorker* worker);  // the thread's body

 private:
  struct Job {
    bool write;
    FileHandle file;
    std::int64_t offset;
    void* buffer;  // read into, or written from
    std::size_t size;
    Platform::ReadTicket ticket;  // a read's
  };
  struct ReadOutcome {
    bool done = false;
    std::size_t got = 0;
    int code = 0;
  };
  struct WriteState {
    std::int64_t handed_end = 0;  // the end of the last write handed over
    std::int64_t done_end = 0;    // the end of the last write done or dropped
    int failure = 0;
    std::int64_t failed_offset = 0;
  };

  // Holds the host's lock for a scope; it is let go early to notify.
  class KOVRANT_SCOPED_CAPABILITY HostLock {
   public:
    explicit HostLock(IoHost& host) KOVRANT_ACQUIRE(host) : host_(host) { host_.lock(); }
    ~HostLock() KOVRANT_RELEASE() {
      if (held_) host_.unlock();
    }
    void unlock() KOVRANT_RELEASE() {
      host_.unlock();
      held_ = false;
    }

   private:
    IoHost& host_;
    bool held_ = true;
  };

  // Queues the job, starting the thread with the first one; false when
  // there is no thread. `*wake`: the thread sleeps and is to be woken (once
  // the lock is let go).
  bool Queue(const Job& job, std::size_t batch, bool* wake) KOVRANT_REQUIRES(host_);
  // Waits until `done()`, waking the thread if it sleeps.
  template <typename Done>
  void WaitUntil(Done done) KOVRANT_REQUIRES(host_);
  // Does `job`, the lock let go meanwhile, and records its outcome.
  void Do(const Job& job) KOVRANT_REQUIRES(host_);

  IoHost& host_;
  // Everything below is guarded by the host's lock: the thread and the
  // callers touch it only with the lock held.
  std::deque<Job> jobs_ KOVRANT_GUARDED_BY(host_);  // handed over, not begun
  // Begun, not finished.
  std::map<Platform::ReadTicket, ReadOutcome> reads_ KOVRANT_GUARDED_BY(host_);
  // The files with writes to await.
  std::map<FileHandle, WriteState> writes_ KOVRANT_GUARDED_BY(host_);
  Platform::ReadTicket last_ticket_ KOVRANT_GUARDED_BY(host_) = 0;
  bool started_ KOVRANT_GUARDED_BY(host_) = false;
  bool threaded_ KOVRANT_GUARDED_BY(host_) = false;  // started_, and a thread was had
  bool stopping_ KOVRANT_GUARDED_BY(host_) = false;
  // Who sleeps on each condition (a notification only for someone waiting).
  int work_waiters_ KOVRANT_GUARDED_BY(host_) = 0;  // the thread, for a job or the end
  int done_waiters_ KOVRANT_GUARDED_BY(host_) = 0;  // callers, for a job done
};

}  // namespace kovrant
