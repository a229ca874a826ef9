// ldbtool: checks, shows and edits lever databases.
//
// main only hands the process's arguments to the command line and turns a
// failure that no command caught into a message and exit code 1.
#include <iostream>
#include <new>

#include "io/failure.h"
#include "io/platform.h"
#include "ldbtool/command_line.h"

int main(int argc, char** argv) {
  kovrant::PrepareProcess();
  try {
    return kovrant::tool::RunCommandLine(argc, argv, kovrant::SystemPlatform(),
                                         kovrant::LocaleDecimalSeparator(), std::cout, std::cerr);
  } catch (const kovrant::Failure& failure) {
    std::cerr << "ldbtool: error: " << failure.Message() << '\n';
  } catch (const std::bad_alloc&) {
    std::cerr << "ldbtool: error: out of memory\n";
  }
  return 1;
}
