#include "tool/refusal.h"

#include <cstdio>

namespace kovrant::tool {

std::string FormatFinding(const std::string& file, std::int64_t offset, const char* severity,
                          const std::string& message) {
  std::string line = "ldbtool: " + file + ": ";
  if (offset != kNoOffset) {
    char place[64];
    std::snprintf(place, sizeof place, "offset %lld (0x%llX): ", static_cast<long long>(offset),
                  static_cast<unsigned long long>(offset));
    line += place;
  }
  return line + severity + ": " + message + "\n";
}

}  // namespace kovrant::tool
