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
// of the next block. One thread serves every file, each file's blocks in the
// order given; it starts with the first block and ends, all blocks written,
// with the writer. `host` must outlive the writer.
class BackgroundWriter {
 public:
  explicit BackgroundWriter(WriterHost& host) : host_(host) {}
  ~BackgroundWriter();
  // Queues the block and returns 0; without a thread to be had, writes it
  // at once and returns the write's code.
  int Begin(FileHandle file, std::int64_t offset, const void* data, std::size_t size);
  // Waits for every block of `file` handed over and returns the first
  // failure among them since the last Await (0: none); the file's blocks
  // after a failure are dropped.
  int Await(FileHandle file);
  static void Serve(BackgroundWriter* writer);  // the thread's body

 private:
  struct Block {
    FileHandle file;
    std::int64_t offset;
    const void* data;
    std::size_t size;
  };
  struct FileState {
    int pending = 0;  // blocks handed over, not yet written or dropped
    int failure = 0;
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
