// The failures that end a run. They travel as exceptions from the check that
// found them up to main, which prints the report and exits with code 1.
#pragma once

#include <exception>
#include <string>

#include "io/check_site.h"

namespace kovrant {

// I/O result codes. The converter's own codes follow the Windows numbering
// (2 file not found, 5 access denied, ...) and Windows error numbers are used
// as they are; a POSIX error number with a meaning of its own here is mapped
// onto one of these, any other one is tagged (IoCodeFromSystemErrorNumber).
inline constexpr int kIoFileNotFound = 2;
inline constexpr int kIoPathNotFound = 3;
inline constexpr int kIoTooManyOpenFiles = 4;
inline constexpr int kIoAccessDenied = 5;
inline constexpr int kIoNegativeSeek = 131;
inline constexpr int kIoReadBeyondEnd = 100;
inline constexpr int kIoDiskFull = 101;
inline constexpr int kIoFileNotOpen = 103;
inline constexpr int kIoNotUsableOutput = 105;

// A POSIX errno that the platform does not map onto a code above. Its numbers
// mean something else than the Windows ones (EIO is 5, Windows' "access
// denied"), so it cannot pass through as it is: it travels with bit 29 set.
// Windows reserves that bit for application-defined codes (no system error
// code has it), the converter's own codes are below 256 and errno values are
// small positive numbers, so a tagged code never equals any of them, and its
// message is always "I/O error N" with N the errno.
inline constexpr int kIoSystemErrorTag = 1 << 29;

constexpr int IoCodeFromSystemErrorNumber(int error) {
  return kIoSystemErrorTag | (error & (kIoSystemErrorTag - 1));
}

// The message a user sees for an I/O result code: the converter's text for
// the codes it names, otherwise "I/O error N" (N the Windows error number, or
// the errno of a tagged code).
std::string IoErrorMessage(int code);

class Failure : public std::exception {
 public:
  explicit Failure(CheckSite site) : site_(site) {}
  // The class name shown in the report ("EInOutError", ...).
  virtual const char* ClassName() const = 0;
  virtual std::string Message() const = 0;
  CheckSite site() const { return site_; }

 private:
  CheckSite site_;
};

// A failed file or console operation.
class IoError : public Failure {
 public:
  IoError(int code, CheckSite site);
  int code() const { return code_; }
  const char* ClassName() const override { return "EInOutError"; }
  std::string Message() const override { return IoErrorMessage(code_); }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  int code_;
  std::string what_;
};

// An invalid floating-point operation (a NaN where a number is compared or a
// signalling NaN where one is rendered).
class InvalidOpError : public Failure {
 public:
  explicit InvalidOpError(CheckSite site) : Failure(site) {}
  const char* ClassName() const override { return "EInvalidOp"; }
  std::string Message() const override { return "Invalid floating point operation"; }
  const char* what() const noexcept override { return "Invalid floating point operation"; }
};

// The report printed for an uncaught failure, exactly as the user sees it:
// "Exception <class> in module <module> at <8 hex digits>.\n<message>[.]\r\n".
std::string FormatFailureReport(const char* class_name, const std::string& module,
                                std::uint32_t site, const std::string& message);
std::string FormatFailureReport(const Failure& failure, const std::string& module);

}  // namespace kovrant
