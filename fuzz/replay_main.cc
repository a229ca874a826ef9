// Runs a fuzz target without libFuzzer: every file named on the command line,
// and every file inside each directory named there, goes through
// LLVMFuzzerTestOneInput once. The saved corpus thus runs as an ordinary test
// with any compiler; a broken invariant aborts the process.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

bool Replay(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
    return false;
  }
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  // A copy of exactly the input's size, so that an overread is caught as it
  // would be under libFuzzer.
  std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
  static const std::uint8_t kNoBytes = 0;
  LLVMFuzzerTestOneInput(input.empty() ? &kNoBytes : input.data(), input.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<fs::path> inputs;
  for (int i = 1; i < argc; ++i) {
    const fs::path argument(argv[i]);
    std::error_code error;
    if (fs::is_directory(argument, error)) {
      for (const auto& entry : fs::directory_iterator(argument)) {
        if (entry.is_regular_file()) inputs.push_back(entry.path());
      }
    } else {
      inputs.push_back(argument);
    }
  }
  std::sort(inputs.begin(), inputs.end());
  if (inputs.empty()) {
    std::fprintf(stderr, "usage: %s FILE_OR_DIRECTORY...\n(no inputs found)\n", argv[0]);
    return 2;
  }
  int unreadable = 0;
  for (const fs::path& path : inputs) {
    if (!Replay(path)) ++unreadable;
  }
  std::printf("replayed %zu inputs\n", inputs.size() - static_cast<std::size_t>(unreadable));
  return unreadable == 0 ? 0 : 1;
}
