// Where the table goes when other runs create the same directory at once.
#include "app/output_directory.h"

#include <gtest/gtest.h>

#include "support/fake_platform.h"

namespace kovrant {
namespace {

// Another process makes the directory between the converter's test for it
// and its own creation, so the creation fails; or the creation fails and
// the directory is still not there.
class CreationFails : public test::FakePlatform {
 public:
  explicit CreationFails(bool made_by_another) : made_by_another_(made_by_another) {}
  bool MakeDirectory(const std::string& path) override {
    if (made_by_another_) directories.insert(path);
    return false;
  }

 private:
  bool made_by_another_;
};

TEST(OutputDirectoryTest, DirectoryCreatedByAnotherRunCountsAsFound) {
  CreationFails platform(true);
  EXPECT_EQ(ResolveOutputPrefix({"db", "out"}, platform), "out/");
}

TEST(OutputDirectoryTest, DirectoryNeitherFoundNorCreatedFallsBack) {
  CreationFails platform(false);
  EXPECT_EQ(ResolveOutputPrefix({"db", "out"}, platform), "");
}

}  // namespace
}  // namespace kovrant
