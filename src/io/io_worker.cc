#include "io/io_worker.h"

namespace kovrant {

IoWorker::~IoWorker() {
  {
    HostLock lock(host_);
    stopping_ = true;
  }
  // The thread may be about to sleep: told after the lock is let go, it
  // sees stopping_ whenever it next looks.
  host_.NotifyAll(IoHost::kWork);
  host_.JoinThread();
}

bool IoWorker::Queue(const Job& job, std::size_t batch, bool* wake) {
  if (!started_) {
    started_ = true;
    threaded_ = host_.StartThread(this);
  }
  if (!threaded_) return false;
  jobs_.push_back(job);
  // Woken under the lock, the thread would at once sleep again on it: the
  // caller wakes it once the lock is let go.
  *wake = work_waiters_ > 0 && jobs_.size() >= batch;
  return true;
}

template <typename Done>
void IoWorker::WaitUntil(Done done) {
  if (done()) return;
  if (work_waiters_ > 0) {
    // The thread sleeps on fewer jobs than a batch, this one among them.
    host_.unlock();
    host_.NotifyAll(IoHost::kWork);
    host_.lock();
  }
  while (!done()) {
    ++done_waiters_;
    host_.Wait(IoHost::kDone);
    --done_waiters_;
  }
}

void IoWorker::Do(const Job& job) {
  if (job.write) {
    // The state stays in place meanwhile: AwaitWrite forgets a file only
    // once none of its writes is pending.
    WriteState& state = writes_[job.file];
    const bool dropped = state.failure != 0;
    host_.unlock();
    const int code = dropped ? 0 : host_.WriteAt(job.file, job.offset, job.buffer, job.size);
    host_.lock();
    if (code != 0) {
      state.failure = code;
      state.failed_offset = job.offset;
    }
    state.done_end = job.offset + static_cast<std::int64_t>(job.size);
    return;
  }
  host_.unlock();
  std::size_t got = 0;
  const int code = host_.ReadAt(job.file, job.offset, job.buffer, job.size, &got);
  host_.lock();
  reads_[job.ticket] = ReadOutcome{true, got, code};
}

Platform::ReadTicket IoWorker::BeginRead(FileHandle file, std::int64_t offset, void* buffer,
                                         std::size_t size) {
  HostLock lock(host_);
  const Platform::ReadTicket ticket = ++last_ticket_;
  reads_.try_emplace(ticket);
  const Job job{false, file, offset, buffer, size, ticket};
  bool wake = false;
  // A read's bytes are wanted next: the thread is woken for each (the
  // reader begins them in twos).
  if (!Queue(job, 1, &wake)) {
    Do(job);  // no thread: read at once
    return ticket;
  }
  lock.unlock();
  if (wake) host_.NotifyAll(IoHost::kWork);
  return ticket;
}

int IoWorker::FinishRead(Platform::ReadTicket ticket, std::size_t* got) {
  HostLock lock(host_);
  const auto found = reads_.find(ticket);
  if (found == reads_.end()) {
    *got = 0;
    return Platform::kReadsAheadUnsupported;
  }
  WaitUntil([&found] { return found->second.done; });
  *got = found->second.got;
  const int code = found->second.code;
  reads_.erase(found);
  return code;
}

int IoWorker::BeginWrite(FileHandle file, std::int64_t offset, const void* data, std::size_t size) {
  if (size == 0) return 0;  // nothing to do, nor to wait for
  HostLock lock(host_);
  const Job job{true, file, offset, const_cast<void*>(data), size, 0};
  // A file's first write (or its first since the file was forgotten):
  // nothing before it is still to be done.
  const auto [state, fresh] = writes_.try_emplace(file);
  if (fresh) state->second.done_end = offset;
  state->second.handed_end = offset + static_cast<std::int64_t>(size);
  bool wake = false;
  if (!Queue(job, kWriteBatch, &wake)) {
    // No thread to be had: written at once, its failure returned here.
    writes_.erase(state);
    lock.unlock();
    return host_.WriteAt(file, offset, data, size);
  }
  lock.unlock();
  if (wake) host_.NotifyAll(IoHost::kWork);
  return 0;
}

int IoWorker::AwaitWrite(FileHandle file, std::int64_t end) {
  HostLock lock(host_);
  const auto found = writes_.find(file);
  if (found == writes_.end()) return 0;
  WriteState& state = found->second;
  const std::int64_t until = end < state.handed_end ? end : state.handed_end;
  WaitUntil([&state, until] { return state.done_end >= until; });
  const int code = state.failure != 0 && state.failed_offset < end ? state.failure : 0;
  if (end >= state.handed_end) writes_.erase(found);
  return code;
}

void IoWorker::Serve(IoWorker* worker) {
  HostLock lock(worker->host_);
  for (;;) {
    while (!worker->stopping_ && worker->jobs_.empty()) {
      ++worker->work_waiters_;
      worker->host_.Wait(IoHost::kWork);
      --worker->work_waiters_;
    }
    if (worker->jobs_.empty()) return;
    const Job job = worker->jobs_.front();
    worker->jobs_.pop_front();
    worker->Do(job);
    if (worker->done_waiters_ > 0) {
      // As in Queue: the caller is woken once it can take the lock.
      worker->host_.unlock();
      worker->host_.NotifyAll(IoHost::kDone);
      worker->host_.lock();
    }
  }
}

}  // namespace kovrant
