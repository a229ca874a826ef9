// ldbtool's command line: four commands, each a call into kovrant_tool.
//
//   ldbtool check DB
//   ldbtool dump DB
//   ldbtool apply DB TABLE -o OUT [--dry-run]
//   ldbtool pack TABLE -o OUT
//   ldbtool --help | --version
//
// Returns the exit code: the command's own (0 done, 1 refused or the
// database fails), 0 for --help and --version, 2 for a usage error (its
// message on `err`, help on `out`).
#pragma once

#include <iosfwd>

#include "io/platform.h"

namespace kovrant::tool {

int RunCommandLine(int argc, const char* const* argv, Platform& platform, char decimal_separator,
                   std::ostream& out, std::ostream& err);

}  // namespace kovrant::tool
