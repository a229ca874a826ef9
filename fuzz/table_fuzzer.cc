// Fuzz target: an arbitrary byte string as the table that pack and apply
// read: a text table or a workbook (.xlsx, .ods), told apart by content.
//
// Both commands run over the in-memory platform of the tests, apply with the
// sample database. Whatever the bytes are, each must end with exit code 0
// (its output written and converting to a table) or 1 (a refusal printed,
// nothing written); the database must be unchanged and no handle left open.
// Anything else (a crash, a sanitizer report, another exception, a hang, a
// huge allocation beyond the reader's budget) is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>

#include "sample_db.h"
#include "support/fake_platform.h"
#include "tool/commands.h"

namespace {

void Expect(bool condition, const char* what) {
  if (!condition) {
    std::fprintf(stderr, "table_fuzzer: %s\n", what);
    std::abort();
  }
}

void Check(kovrant::test::FakePlatform& platform, int code, const std::ostringstream& err,
           const char* output) {
  Expect(code == 0 || code == 1, "an exit code other than 0 and 1");
  Expect(platform.open_handles() == 0, "a file handle was left open");
  Expect((code == 0) == (platform.files.count(output) == 1),
         "the output's presence does not match the exit code");
  Expect(code == 0 || err.str().starts_with("ldbtool: table: "), "a refusal without its file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string database = kovrant::ldb::SampleDatabase();
  const std::string table(reinterpret_cast<const char*>(data), size);
  {
    kovrant::test::FakePlatform platform;
    platform.files["table"].data = table;
    std::ostringstream out, err;
    const int code = kovrant::tool::Pack(platform, {"table", "out.ldb", '.'}, out, err);
    Check(platform, code, err, "out.ldb");
  }
  kovrant::test::FakePlatform platform;
  platform.files["db"].data = database;
  platform.files["table"].data = table;
  std::ostringstream out, err;
  const int code = kovrant::tool::Apply(platform, {"db", "table", "out.ldb"}, out, err);
  Check(platform, code, err, "out.ldb");
  Expect(platform.files.at("db").data == database, "apply changed the database");
  return 0;
}
