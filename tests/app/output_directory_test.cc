// Where the table goes when other runs create the same directory at once.
#include "app/output_directory.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrant {
namespace {

// A creation that fails: another run may have made the directory between
// the converter's test for it and its own attempt.
class CreationFails : public test::FakePlatform {
 public:
  bool made_by_another_run = false;
  bool MakeDirectory(const std::string& path) override {
    if (made_by_another_run) directories.insert(path);
    return false;
  }
};

TEST(OutputDirectoryTest, DirectoryMadeByAnotherRunCountsAsFound) {
  for (bool made : {true, false}) {
    CreationFails platform;
    platform.made_by_another_run = made;
    EXPECT_EQ(ResolveOutputPrefix({"db", "out"}, platform), made ? "out/" : "") << made;
  }
}

}  // namespace
}  // namespace kovrant
