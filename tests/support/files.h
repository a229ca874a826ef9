// Whole files as byte strings, for tests that look at real files.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace kovrant::test {

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const std::string& data) {
  std::ofstream out(path, std::ios::binary);
  out << data;
}

}  // namespace kovrant::test
