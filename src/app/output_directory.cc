#include "app/output_directory.h"

namespace kovrant {

std::string ResolveOutputPrefix(const std::vector<std::string>& arguments, Platform& platform) {
  if (arguments.size() < 2) return {};
  const std::string& directory = arguments[1];
  if (directory.empty()) return {};
  // Another run may create the directory between the test and the creation,
  // which then fails: a directory that exists after all counts as found.
  if (!platform.IsDirectory(directory) && !platform.MakeDirectory(directory) &&
      !platform.IsDirectory(directory)) {
    return {};
  }
  std::string prefix = directory;
  if (prefix.back() != platform.PathSeparator()) prefix += platform.PathSeparator();
  return prefix;
}

}  // namespace kovrant
