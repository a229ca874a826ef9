#include "io/io_worker.h"

#include <mutex>

namespace kovrant {

IoWorker::~IoWorker() {
  {
    std::lock_guard<IoHost> lock(host_);
    stopping_ = true;
  }
  // The thread may be about to sleep: told after the lock is let go, it
  // sees stopping_ whenever it next looks.
  host_.NotifyAll(IoHost::kWork);
  host_.JoinThread();
}

template <typename Lock>
bool IoWorker::Queue(Lock& lock, const Job& job, std::size_t batch) {
  if (!started_) {
    started_ = true;
    threaded_ = host_.StartThread(this);
  }
  if (!threaded_) return false;
  jobs_.push_back(job);
  const bool wake = work_waiters_ > 0 && jobs_.size() >= batch;
  lock.unlock();
  if (wake) host_.NotifyAll(IoHost::kWork);
  return true;
}

template <typename Lock, typename Done>
void IoWorker::WaitUntil(Lock& lock, Done done) {
  if (done()) return;
  if (work_waiters_ > 0) {
    // The thread sleeps on fewer jobs than a batch, this one among them.
    lock.unlock();
    host_.NotifyAll(IoHost::kWork);
    lock.lock();
  }
  while (!done()) {
    ++done_waiters_;
    host_.Wait(IoHost::kDone);
    --done_waiters_;
  }
}

template <typename Lock>
void IoWorker::Do(Lock& lock, const Job& job) {
  if (job.write) {
    // The state stays in place meanwhile: AwaitWrite forgets a file only
    // once none of its writes is pending.
    WriteState& state = writes_[job.file];
    const bool dropped = state.failure != 0;
    lock.unlock();
    const int code = dropped ? 0 : host_.WriteAt(job.file, job.offset, job.buffer, job.size);
    lock.lock();
    if (code != 0) {
      state.failure = code;
      state.failed_offset = job.offset;
    }
    state.done_end = job.offset + static_cast<std::int64_t>(job.size);
    return;
  }
  lock.unlock();
  std::size_t got = 0;
  const int code = host_.ReadAt(job.file, job.offset, job.buffer, job.size, &got);
  lock.lock();
  reads_[job.ticket] = ReadOutcome{true, got, code};
}

Platform::ReadTicket IoWorker::BeginRead(FileHandle file, std::int64_t offset, void* buffer,
                                         std::size_t size) {
  std::unique_lock<IoHost> lock(host_);
  const Platform::ReadTicket ticket = ++last_ticket_;
  reads_.try_emplace(ticket);
  const Job job{false, file, offset, buffer, size, ticket};
  // A read's bytes are wanted next: the thread is woken for each (the
  // reader begins them in twos).
  if (!Queue(lock, job, 1)) Do(lock, job);
  return ticket;
}

int IoWorker::FinishRead(Platform::ReadTicket ticket, std::size_t* got) {
  std::unique_lock<IoHost> lock(host_);
  const auto found = reads_.find(ticket);
  if (found == reads_.end()) {
    *got = 0;
    return Platform::kReadsAheadUnsupported;
  }
  WaitUntil(lock, [&found] { return found->second.done; });
  *got = found->second.got;
  const int code = found->second.code;
  reads_.erase(found);
  return code;
}

int IoWorker::BeginWrite(FileHandle file, std::int64_t offset, const void* data, std::size_t size) {
  if (size == 0) return 0;  // nothing to do, nor to wait for
  std::unique_lock<IoHost> lock(host_);
  const Job job{true, file, offset, const_cast<void*>(data), size, 0};
  // A file's first write (or its first since the file was forgotten):
  // nothing before it is still to be done.
  const auto [state, fresh] = writes_.try_emplace(file);
  if (fresh) state->second.done_end = offset;
  state->second.handed_end = offset + static_cast<std::int64_t>(size);
  if (Queue(lock, job, kWriteBatch)) return 0;
  // No thread to be had: written at once, its failure returned here.
  writes_.erase(state);
  lock.unlock();
  return host_.WriteAt(file, offset, data, size);
}

int IoWorker::AwaitWrite(FileHandle file, std::int64_t end) {
  std::unique_lock<IoHost> lock(host_);
  const auto found = writes_.find(file);
  if (found == writes_.end()) return 0;
  WriteState& state = found->second;
  const std::int64_t until = end < state.handed_end ? end : state.handed_end;
  WaitUntil(lock, [&state, until] { return state.done_end >= until; });
  const int code = state.failure != 0 && state.failed_offset < end ? state.failure : 0;
  if (end >= state.handed_end) writes_.erase(found);
  return code;
}

void IoWorker::Serve(IoWorker* worker) {
  std::unique_lock<IoHost> lock(worker->host_);
  for (;;) {
    while (!worker->stopping_ && worker->jobs_.empty()) {
      ++worker->work_waiters_;
      worker->host_.Wait(IoHost::kWork);
      --worker->work_waiters_;
    }
    if (worker->jobs_.empty()) return;
    const Job job = worker->jobs_.front();
    worker->jobs_.pop_front();
    worker->Do(lock, job);
    if (worker->done_waiters_ > 0) {
      // As in Queue: the caller is woken once it can take the lock.
      lock.unlock();
      worker->host_.NotifyAll(IoHost::kDone);
      lock.lock();
    }
  }
}

}  // namespace kovrant
