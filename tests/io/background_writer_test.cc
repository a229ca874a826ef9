#include "io/background_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace kovrant {
namespace {

struct MemoryHost final : WriterHost {
  bool StartThread(BackgroundWriter* writer) override {
    thread = std::thread(&BackgroundWriter::Serve, writer);
    return true;
  }
  void JoinThread() override { thread.join(); }
  void lock() override { mutex.lock(); }
  void unlock() override { mutex.unlock(); }
  void Wait(Condition c) override { conditions[c].wait(mutex); }
  void NotifyAll(Condition c) override { conditions[c].notify_all(); }
  int WriteAt(FileHandle file, std::int64_t offset, const void* data, std::size_t size) override {
    if (writes[file]++ == fail_at[file]) return 100 + static_cast<int>(file);
    files[file].resize(static_cast<std::size_t>(offset));
    files[file].append(static_cast<const char*>(data), size);
    return 0;
  }
  std::vector<int> fail_at, writes = std::vector<int>(3);  // write fail_at[f] of file f fails
  std::vector<std::string> files = std::vector<std::string>(3);
  std::mutex mutex;
  std::condition_variable_any conditions[2];
  std::thread thread;
};

TEST(BackgroundWriterTest, EachFileGetsItsBlocksInOrderUpToItsFirstFailure) {
  std::mt19937 random(7);
  for (int round = 0; round < 300; ++round) {
    MemoryHost host;
    std::string text[3];              // each file's blocks, 4 random digits each
    std::vector<int> order, next(3);  // order: the file of each block, shuffled
    for (int f = 0; f < 3; ++f) {
      host.fail_at.push_back(static_cast<int>(random() % 8));  // often none
      for (auto b = 1 + random() % 5; b > 0; --b) text[f] += std::to_string(1000 + random() % 9000);
      order.insert(order.end(), text[f].size() / 4, f);
    }
    std::shuffle(order.begin(), order.end(), random);
    BackgroundWriter writer(host);
    for (int f : order) {
      const int at = 4 * next[f]++;
      EXPECT_EQ(writer.Begin(f, at, text[f].data() + at, 4), 0);
    }
    for (int f = 0; f < 3; ++f) {
      const int count = static_cast<int>(text[f].size() / 4);  // those after a failure: dropped
      // The blocks before a point short of the end: a failure only when one
      // of them failed.
      const int before = static_cast<int>(random() % static_cast<unsigned>(count));
      EXPECT_EQ(writer.Await(f, 4 * before), host.fail_at[f] < before ? 100 + f : 0) << round;
      EXPECT_EQ(writer.Await(f), host.fail_at[f] < count ? 100 + f : 0) << round;
      EXPECT_EQ(writer.Await(f), 0);
      EXPECT_EQ(host.files[f], text[f].substr(0, 4 * std::min(host.fail_at[f], count))) << round;
    }
  }
}

}  // namespace
}  // namespace kovrant
