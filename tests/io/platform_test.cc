#include "io/platform.h"

#include <gtest/gtest.h>

#include <thread>

namespace kovrant {
namespace {

// Both tasks have ended when RunTogether returns, and what each wrote is
// seen by the caller; the caller's own task runs on the caller's thread.
TEST(PlatformTest, RunTogetherRunsBothTasksAndReturnsWhenBothHaveEnded) {
  for (int round = 0; round < 50; ++round) {
    int here = 0, beside = 0;
    std::thread::id here_thread;
    SystemPlatform().RunTogether(
        [&] {
          here_thread = std::this_thread::get_id();
          here = round + 1;
        },
        [&] { beside = round + 2; });
    EXPECT_EQ(here, round + 1);
    EXPECT_EQ(beside, round + 2);
    EXPECT_EQ(here_thread, std::this_thread::get_id());
  }
}

}  // namespace
}  // namespace kovrant
