#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>

#include "io/platform.h"

namespace kovrant {

class BackgroundWriter;

// What a platform supplies to a BackgroundWriter: one thread, one lock (named
// as std::mutex's, for the standard lock holders) with two conditions to
// wait on, and a positioned write.
class WriterHost {
 public:
  enum Condition { kWake, kDone };  // a block was handed over or the end; a block was written
  virtual ~WriterHost() = default;
  // Starts the thread, which runs BackgroundWriter::Serve(writer); false
  // when none can be had.
  virtual bool StartThread(BackgroundWriter* writer) = 0;
  virtual void JoinThread() = 0;  // nothing when no thread was started
  virtual void lock() = 0;
  virtual void unlock() = 0;
  // With the lock held: releases it until notified (or woken spuriously).
  virtual void Wait(Condition condition) = 0;
  virtual void NotifyAll(Condition condition) = 0;
  // Writes all bytes at `offset` or fails as Platform::Write would;
  // positioned, so that the thread shares no file position with the caller.
  virtual int WriteAt(FileHandle file, std::int64_t offset, const void* data, std::size_t size) = 0;
};

// Platform::BeginWrite and AwaitWrite on a thread of its own, so that writing
// the table (the OS copying the bytes into its cache) overlaps the decoding
// of the next blocks. One thread serves every file, each file's blocks in the
// order given; it starts with the first block and ends, all blocks written,
// with the writer. `host` must outlive the writer.
//
// Waking the thread is a system call on the caller's side (a futex wake,
// some microseconds), so a thread asleep is woken only once kBatch blocks
// wait, or when a caller awaits a block it has not written yet. The caller
// that keeps kBatch + 1 blocks handed over and awaits the oldest before it
// hands over another rarely waits: the thread writes a batch while the next
// block is filled.
class BackgroundWriter {
 public:
  static constexpr std::size_t kBatch = 3;

  explicit BackgroundWriter(WriterHost& host) : host_(host) {}
  ~BackgroundWriter();
  // Queues the block and returns 0; without a thread to be had, writes it
  // at once and returns the write's code. A file's blocks follow each other:
  // each one starts where the one before it ended.
  int Begin(FileHandle file, std::int64_t offset, const void* data, std::size_t size);
  // Waits until the blocks of `file` that start before byte `end` are
  // written, and returns the failure of the first block that failed if it
  // starts before `end` (0: none); the file's blocks after a failure are
  // dropped. Once `end` covers every block handed over, the file is
  // forgotten: its failure is returned this once.
  int Await(FileHandle file, std::int64_t end = Platform::kWholeFile);
  static void Serve(BackgroundWriter* writer);  // the thread's body

 private:
  struct Block {
    FileHandle file;
    std::int64_t offset;
    const void* data;
    std::size_t size;
  };
  struct FileState {
    std::int64_t handed_end = 0;  // the end of the last block handed over
    std::int64_t done_end = 0;    // the end of the last block written or dropped
    int failure = 0;
    std::int64_t failed_offset = 0;
  };

  WriterHost& host_;
  // Guarded by the host's lock.
  std::deque<Block> blocks_;
  std::map<FileHandle, FileState> files_;
  bool started_ = false;
  bool stopping_ = false;
  // Who sleeps on each condition: a notification goes out only when someone
  // waits for it, since each one costs a system call (a futex wake) even
  // with nobody to wake. The thread busy writing needs no wake to see a
  // block queued meanwhile; it looks at the queue before it sleeps.
  int wake_waiters_ = 0;  // the thread, waiting for a block or the end
  int done_waiters_ = 0;  // callers in Await, waiting for a block written
};

}  // namespace kovrant
