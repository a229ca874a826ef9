#include "io/io_worker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace kovrant {
namespace {

// Three files in memory; `threaded` false: no thread to be had.
struct MemoryHost final : IoHost {
  explicit MemoryHost(bool with_thread) : threaded(with_thread) {}
  bool StartThread(IoWorker* worker) override {
    if (threaded) thread = std::thread(&IoWorker::Serve, worker);
    return threaded;
  }
  void JoinThread() override {
    if (thread.joinable()) thread.join();
  }
  void lock() override { mutex.lock(); }
  void unlock() override { mutex.unlock(); }
  void Wait(Condition c) override { conditions[c].wait(mutex); }
  void NotifyAll(Condition c) override { conditions[c].notify_all(); }
  int ReadAt(FileHandle file, std::int64_t offset, void* buffer, std::size_t size,
             std::size_t* got) override {
    const std::string& data = files[file];
    *got = std::min(size, data.size() - std::min(data.size(), static_cast<std::size_t>(offset)));
    std::memcpy(buffer, data.data() + offset, *got);
    return offset == 13 ? 5 : 0;  // the read at byte 13 fails, after its bytes
  }
  int WriteAt(FileHandle file, std::int64_t offset, const void* data, std::size_t size) override {
    if (writes[file]++ == fail_at[file]) return 100 + static_cast<int>(file);
    files[file].resize(static_cast<std::size_t>(offset));
    files[file].append(static_cast<const char*>(data), size);
    return 0;
  }
  bool threaded;
  std::vector<int> fail_at, writes = std::vector<int>(3);  // write fail_at[f] of file f fails
  std::vector<std::string> files = std::vector<std::string>(3);
  std::mutex mutex;
  std::condition_variable_any conditions[2];
  std::thread thread;
};

TEST(IoWorkerTest, EachFileGetsItsWritesInOrderUpToItsFirstFailure) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    MemoryHost host(round % 4 != 0);
    std::string text[3];              // each file's blocks, 4 random digits each
    std::vector<int> order, next(3);  // order: the file of each block, shuffled
    for (int f = 0; f < 3; ++f) {
      host.fail_at.push_back(static_cast<int>(random() % 8));  // often none
      for (auto b = 1 + random() % 5; b > 0; --b) text[f] += std::to_string(1000 + random() % 9000);
      order.insert(order.end(), text[f].size() / 4, f);
    }
    std::shuffle(order.begin(), order.end(), random);
    IoWorker worker(host);
    std::vector<int> codes(3);  // without a thread, the failure comes at once
    for (int f : order) {
      const int at = 4 * next[f]++;
      // An empty write is nothing to wait for (and leaves no state behind
      // that a later file with the same handle would find).
      EXPECT_EQ(worker.BeginWrite(f, at, nullptr, 0), 0);
      const int code = worker.BeginWrite(f, at, text[f].data() + at, 4);
      EXPECT_EQ(code,
                host.threaded || codes[f] != 0 || next[f] - 1 != host.fail_at[f] ? 0 : 100 + f);
      if (codes[f] == 0) codes[f] = code;
    }
    for (int f = 0; f < 3; ++f) {
      const int count = static_cast<int>(text[f].size() / 4);  // those after a failure: dropped
      const int failure = host.threaded && host.fail_at[f] < count ? 100 + f : 0;
      // The blocks before a point short of the end: a failure only when one
      // of them failed.
      const int before = static_cast<int>(random() % static_cast<unsigned>(count));
      EXPECT_EQ(worker.AwaitWrite(f, 4 * before), host.fail_at[f] < before ? failure : 0) << round;
      EXPECT_EQ(worker.AwaitWrite(f), failure) << round;
      EXPECT_EQ(worker.AwaitWrite(f), 0);
      if (host.threaded) {
        EXPECT_EQ(host.files[f], text[f].substr(0, 4 * std::min(host.fail_at[f], count))) << round;
      }
    }
  }
}

TEST(IoWorkerTest, EachReadIsFinishedByItsTicketWhateverTheOrderAndHandle) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    MemoryHost host(round % 4 != 0);
    for (std::string& data : host.files) data = std::to_string(random()) + std::to_string(random());
    IoWorker worker(host);
    struct Read {
      FileHandle file;
      std::int64_t offset;
      std::string buffer;
      Platform::ReadTicket ticket;
    };
    std::vector<Read> reads(1 + random() % 12);
    for (Read& read : reads) {
      read.file = static_cast<FileHandle>(random() % 3);
      read.offset = static_cast<std::int64_t>(random() % 24);
      read.buffer.assign(random() % 8, '?');
      read.ticket =
          worker.BeginRead(read.file, read.offset, read.buffer.data(), read.buffer.size());
    }
    // Finished in any order, several reads of one handle among them (the
    // reads stay in place: their buffers are being read into).
    std::vector<std::size_t> order(reads.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::shuffle(order.begin(), order.end(), random);
    for (const std::size_t i : order) {
      Read& read = reads[i];
      std::size_t got = 99;
      const std::string& data = host.files[read.file];
      const std::string expected = data.substr(
          std::min(data.size(), static_cast<std::size_t>(read.offset)), read.buffer.size());
      EXPECT_EQ(worker.FinishRead(read.ticket, &got), read.offset == 13 ? 5 : 0);
      EXPECT_EQ(read.buffer.substr(0, got), expected) << round;
      EXPECT_EQ(worker.FinishRead(read.ticket, &got), Platform::kReadsAheadUnsupported);
    }
  }
}

}  // namespace
}  // namespace kovrant
