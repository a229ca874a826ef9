// How ldbtool's commands refuse: a Refusal names the file and, where there
// is one, the byte offset a person can find with a hex editor, and travels
// up to the command, which prints it as
//   ldbtool: FILE: offset N (0xHEX): error: MESSAGE
// (without the offset part when the problem has no place in the file) and
// returns exit code 1. Nothing is written once a refusal is thrown.
#pragma once

#include <cstdint>
#include <ostream>
#include <stdexcept>
#include <string>

namespace kovrant::tool {

inline constexpr std::int64_t kNoOffset = -1;

class Refusal : public std::runtime_error {
 public:
  Refusal(std::string file, std::int64_t offset, const std::string& message)
      : std::runtime_error(message), file_(std::move(file)), offset_(offset) {}
  const std::string& file() const { return file_; }
  std::int64_t offset() const { return offset_; }

 private:
  std::string file_;
  std::int64_t offset_;
};

// "ldbtool: FILE: offset N (0xHEX): SEVERITY: MESSAGE" and a line end
// ("\n"), the offset part left out for kNoOffset.
std::string FormatFinding(const std::string& file, std::int64_t offset, const char* severity,
                          const std::string& message);

// Runs a command (which returns its exit code); a refusal it throws is
// printed to `err` and ends it with exit code 1.
template <typename Command>
int ReportingRefusals(std::ostream& err, Command&& command) {
  try {
    return command();
  } catch (const Refusal& refusal) {
    err << FormatFinding(refusal.file(), refusal.offset(), "error", refusal.what());
    return 1;
  }
}

}  // namespace kovrant::tool
