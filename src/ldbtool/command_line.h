// ldbtool's command line: four commands, each a call into kovrant_tool.
//
//   ldbtool check DB
//   ldbtool dump DB
//   ldbtool apply DB TABLE -o OUT [--dry-run]
//   ldbtool pack TABLE -o OUT
//   ldbtool diff OLD NEW | ldbtool diff --text FILE
//   ldbtool --help | --version
//
// Returns the exit code: the command's own (0 done, 1 refused or the
// database fails; diff: 0 the same, 1 they differ, 2 refused), 0 for --help
// and --version, 2 for a usage error (its message on `err`, help on `out`).
#pragma once

#include <iosfwd>

#include "io/platform.h"

namespace kovrant::tool {

int RunCommandLine(int argc, const char* const* argv, Platform& platform, char decimal_separator,
                   std::ostream& out, std::ostream& err);

// The exit code for a failure that no command caught (main's report): 2 for
// diff, whose 1 says that the files differ, 1 for the others.
int UncaughtFailureExitCode(int argc, const char* const* argv);

}  // namespace kovrant::tool
