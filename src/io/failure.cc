#include "io/failure.h"

#include <cstdio>

namespace kovrant {

std::string IoErrorMessage(int code) {
  if ((code & kIoSystemErrorTag) != 0) {
    return "I/O error " + std::to_string(code & ~kIoSystemErrorTag);
  }
  switch (code) {
    case kIoFileNotFound:
      return "File not found";
    case kIoPathNotFound:
      return "Invalid filename";
    case kIoTooManyOpenFiles:
      return "Too many open files";
    case kIoAccessDenied:
      return "File access denied";
    case kIoReadBeyondEnd:
      return "Read beyond end of file";
    case kIoDiskFull:
      return "Disk full";
    case 106:
      return "Invalid numeric input";
    default:
      return "I/O error " + std::to_string(code);
  }
}

IoError::IoError(int code, CheckSite site)
    : Failure(site), code_(code), what_(IoErrorMessage(code)) {}

std::string FormatFailureReport(const char* class_name, const std::string& module,
                                std::uint32_t site, const std::string& message) {
  char location[9];
  std::snprintf(location, sizeof location, "%08X", static_cast<unsigned>(site));
  std::string report = "Exception ";
  report += class_name;
  report += " in module ";
  report += module;
  report += " at ";
  report += location;
  report += ".\n";
  report += message;
  if (!message.empty() && message.back() != '.') report += '.';
  report += "\r\n";
  return report;
}

std::string FormatFailureReport(const Failure& failure, const std::string& module) {
  return FormatFailureReport(failure.ClassName(), module,
                             static_cast<std::uint32_t>(failure.site()), failure.Message());
}

}  // namespace kovrant
