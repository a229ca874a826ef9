#include "io/command_line.h"

namespace kovrant {
namespace {

bool IsSeparator(unsigned char c) { return c >= 1 && c <= 32; }

}  // namespace

std::vector<std::string> SplitCommandLine(std::string_view line, LeadByteTest is_lead_byte) {
  std::vector<std::string> arguments;
  std::size_t i = 0;
  const std::size_t n = line.size();
  auto at = [&](std::size_t k) -> unsigned char {
    return k < n ? static_cast<unsigned char>(line[k]) : 0;
  };
  for (;;) {
    for (;;) {
      while (IsSeparator(at(i))) ++i;
      if (at(i) == '"' && at(i + 1) == '"') {
        i += 2;
      } else {
        break;
      }
    }
    if (at(i) == 0) break;

    std::string argument;
    bool quoted = false;
    while (unsigned char c = at(i)) {
      if (!quoted && IsSeparator(c)) break;
      if (c == '"') {
        quoted = !quoted;
        ++i;
      } else if (is_lead_byte != nullptr && is_lead_byte(c) && at(i + 1) != 0) {
        argument.append(line.substr(i, 2));
        i += 2;
      } else {
        argument += static_cast<char>(c);
        ++i;
      }
    }
    arguments.push_back(std::move(argument));
  }
  return arguments;
}

}  // namespace kovrant
