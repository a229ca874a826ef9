// kovrant: converts a lever database (levers.ldb) into LeverPrototypes.txt.
//
// main only turns the process's arguments into a run, and a failure into
// its report on standard output and exit code 1.
#include <new>

#include "app/run.h"
#include "io/failure.h"
#include "io/platform.h"

namespace {

int Report(kovrant::Platform& platform, const std::string& report) {
  // If even the report cannot be written there is nothing left to tell.
  platform.WriteStandardOutput(report.data(), report.size());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  kovrant::PrepareProcess();
  kovrant::Platform& platform = kovrant::SystemPlatform();
  const char* argv0 = argc > 0 ? argv[0] : nullptr;
  try {
    return kovrant::Run(kovrant::ProgramArguments(argc, argv), platform,
                        kovrant::LocaleDecimalSeparator());
  } catch (const kovrant::Failure& failure) {
    return Report(platform, kovrant::FormatFailureReport(failure, kovrant::ModuleFileName(argv0)));
  } catch (const std::bad_alloc&) {
    return Report(platform,
                  kovrant::FormatFailureReport("EOutOfMemory", kovrant::ModuleFileName(argv0), 0,
                                               "Out of memory"));
  }
}
