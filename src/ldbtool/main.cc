// ldbtool: checks, shows and edits lever databases.
//
// main only hands the process's arguments to the command line and turns a
// failure that no command caught into a message and exit code 1 (2 for diff,
// whose 1 means that the files differ). Output that could not be written all
// (a full disk, a closed pipe) is such a failure too: a dump cut short must
// not end as if it were complete.
#include <iostream>
#include <new>

#include "io/failure.h"
#include "io/platform.h"
#include "ldbtool/command_line.h"

int main(int argc, char** argv) {
  kovrant::PrepareProcess();
  try {
    const int code =
        kovrant::tool::RunCommandLine(argc, argv, kovrant::SystemPlatform(),
                                      kovrant::LocaleDecimalSeparator(), std::cout, std::cerr);
    if (std::cout.flush()) return code;
    std::cerr << "ldbtool: error: standard output could not be written\n";
  } catch (const kovrant::Failure& failure) {
    std::cerr << "ldbtool: error: " << failure.Message() << '\n';
  } catch (const std::bad_alloc&) {
    std::cerr << "ldbtool: error: out of memory\n";
  }
  return kovrant::tool::UncaughtFailureExitCode(argc, argv);
}
