#include "io/console.h"

#include <string>

#include "io/failure.h"

namespace kovrant {

void WriteConsoleLine(Platform& platform, std::string_view text) {
  std::string line(text);
  line += "\r\n";
  if (int code = platform.WriteStandardOutput(line.data(), line.size()); code != 0) {
    throw IoError(code, CheckSite::kConsoleWrite);
  }
}

}  // namespace kovrant
