// Fuzz target: one whole conversion, in process, of an arbitrary byte string
// as the lever database.
//
// The conversion runs over the in-memory platform of the tests, with an
// earlier LeverPrototypes.txt in place. Whatever the bytes are, the run must
// end in one of two ways:
//  - a completed conversion: the table holds the header row, ends in CR LF,
//    holds no NUL byte, and nothing else is left beside it;
//  - a failure report: a read beyond the end of the file (the only I/O error
//    a database can cause here) or an invalid floating-point operation, with
//    the earlier table byte-identical and no temporary file left.
// Anything else (a crash, a sanitizer report, another exception, a hang, a
// huge allocation) is a finding. Every open handle must be closed either way.
// The table or the failure report must also be exactly what the plain walk
// of the record loops gives, which the converter's own walk replaces where
// records overlap.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/run.h"
#include "io/failure.h"
#include "support/both_walks.h"
#include "support/fake_platform.h"
#include "table/table_writer.h"

namespace {

constexpr char kDatabase[] = "levers.ldb";
constexpr char kTable[] = "LeverPrototypes.txt";
constexpr char kEarlierTable[] = "earlier table, kept on failure\r\n";

[[noreturn]] void Broken(const char* what) {
  std::fprintf(stderr, "convert_fuzzer: %s\n", what);
  std::abort();
}

void Expect(bool condition, const char* what) {
  if (!condition) Broken(what);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  kovrant::test::FakePlatform platform;
  platform.files[kDatabase].data.assign(reinterpret_cast<const char*>(data), size);
  platform.files[kTable].data = kEarlierTable;

  bool completed = false;
  std::string report;
  try {
    Expect(kovrant::Run({kDatabase}, platform, '.') == 0, "a conversion ended with exit code 1");
    completed = true;
  } catch (const kovrant::IoError& error) {
    Expect(error.code() == kovrant::kIoReadBeyondEnd,
           "an I/O error other than a read past the end");
    report = kovrant::FormatFailureReport(error, "kovrant");
  } catch (const kovrant::InvalidOpError& error) {
    // A NaN scale or a signalling NaN in a rendered place.
    report = kovrant::FormatFailureReport(error, "kovrant");
  }
  const kovrant::test::WalkOutcome plain = kovrant::test::ConvertWith(
      kovrant::test::Walk::kPlain, std::string(reinterpret_cast<const char*>(data), size));
  Expect(report == plain.failure, "the failure differs from the plain walk's");

  Expect(platform.open_handles() == 0, "a file handle was left open");
  Expect(platform.standard_output.empty(), "the conversion wrote to standard output");
  Expect(platform.files.size() == 2, "a file was left beside the database and the table");
  Expect(platform.files.count(kDatabase) == 1 && platform.files.count(kTable) == 1,
         "the database or the table is missing");
  Expect(platform.files.at(kDatabase).data.size() == size, "the database was changed");
  const std::string& table = platform.files.at(kTable).data;
  if (completed) {
    const std::string header = std::string(kovrant::kHeaderRow) + "\r\n";
    Expect(table.compare(0, header.size(), header) == 0,
           "the table does not start with the header");
    Expect(table.size() >= 2 && table.compare(table.size() - 2, 2, "\r\n") == 0,
           "the table does not end in CR LF");
    Expect(table.find('\0') == std::string::npos, "the table holds a NUL byte");
    Expect(table == plain.table, "the table differs from the plain walk's");
  } else {
    Expect(table == kEarlierTable, "a failed conversion changed the earlier table");
  }
  return 0;
}
