#include "io/background_writer.h"

#include <mutex>

namespace kovrant {

BackgroundWriter::~BackgroundWriter() {
  {
    std::lock_guard<WriterHost> lock(host_);
    stopping_ = true;
    host_.NotifyAll(WriterHost::kWake);
  }
  host_.JoinThread();
}

int BackgroundWriter::Begin(FileHandle file, std::int64_t offset, const void* data,
                            std::size_t size) {
  {
    std::unique_lock<WriterHost> lock(host_);
    if (!started_) started_ = host_.StartThread(this);
    if (started_) {
      blocks_.push_back({file, offset, data, size});
      // A file's first block (or its first since the file was forgotten):
      // nothing before it is still to be written.
      const auto [state, fresh] = files_.try_emplace(file);
      if (fresh) state->second.done_end = offset;
      state->second.handed_end = offset + static_cast<std::int64_t>(size);
      const bool wake = wake_waiters_ > 0 && blocks_.size() >= kBatch;
      // Woken under the lock, the thread would at once sleep again on the
      // lock still held here: it is woken after the lock is let go.
      lock.unlock();
      if (wake) host_.NotifyAll(WriterHost::kWake);
      return 0;
    }
  }
  // No thread to be had: the block is written at once instead.
  return host_.WriteAt(file, offset, data, size);
}

int BackgroundWriter::Await(FileHandle file, std::int64_t end) {
  std::unique_lock<WriterHost> lock(host_);
  const auto found = files_.find(file);
  if (found == files_.end()) return 0;
  FileState& state = found->second;
  const std::int64_t until = end < state.handed_end ? end : state.handed_end;
  if (state.done_end < until && wake_waiters_ > 0) {
    // The thread sleeps on fewer blocks than a batch, this one among them.
    lock.unlock();
    host_.NotifyAll(WriterHost::kWake);
    lock.lock();
  }
  while (state.done_end < until) {
    ++done_waiters_;
    host_.Wait(WriterHost::kDone);
    --done_waiters_;
  }
  const int code = state.failure != 0 && state.failed_offset < end ? state.failure : 0;
  if (end >= state.handed_end) files_.erase(found);
  return code;
}

void BackgroundWriter::Serve(BackgroundWriter* writer) {
  std::unique_lock<WriterHost> lock(writer->host_);
  for (;;) {
    while (!writer->stopping_ && writer->blocks_.empty()) {
      ++writer->wake_waiters_;
      writer->host_.Wait(WriterHost::kWake);
      --writer->wake_waiters_;
    }
    if (writer->blocks_.empty()) return;
    const Block block = writer->blocks_.front();
    writer->blocks_.pop_front();
    // After a failure the file's later blocks are dropped, as a caller
    // writing them itself would have stopped at the failure. The state
    // stays in place meanwhile: Await erases it only once none is pending.
    FileState& state = writer->files_[block.file];
    const bool failed = state.failure != 0;
    lock.unlock();
    const int code =
        failed ? 0 : writer->host_.WriteAt(block.file, block.offset, block.data, block.size);
    lock.lock();
    if (code != 0) {
      state.failure = code;
      state.failed_offset = block.offset;
    }
    state.done_end = block.offset + static_cast<std::int64_t>(block.size);
    if (writer->done_waiters_ > 0) {
      // As in Begin: the caller is woken once it can take the lock.
      lock.unlock();
      writer->host_.NotifyAll(WriterHost::kDone);
      lock.lock();
    }
  }
}

}  // namespace kovrant
