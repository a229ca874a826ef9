// Fuzz target: ldbtool's commands, in process, over the tests' in-memory
// platform. The first byte chooses what the rest is:
//  - odd: a database. check and dump run over it; they must agree with
//    kovrant (exit 1 exactly when kovrant fails) and leave every file as it
//    was.
//  - even: the seed of a random database whose records nest (the tests'
//    generator) and edits of the table kovrant writes for it (3 bytes each:
//    a position in the table, a byte to put there). apply --dry-run, apply
//    and pack run over the database and the edited table; each ends with
//    exit code 0 or a refusal (exit 1, "ldbtool: " messages), never with a
//    changed input. A database written by apply or pack converts; with no
//    edit, apply writes the database's own bytes again.
// For every command the conversions' work (ConversionWork) stays within
// the trace's budget and kovrant's n log n: no input makes it quadratic.
// Anything else (a crash, a sanitizer report, an exception, a hang, a huge
// allocation) is a finding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <random>
#include <sstream>
#include <string>

#include "support/fake_platform.h"
#include "tool/commands.h"
#include "tool/conversion_trace.h"
#include "tool/tool_support.h"

namespace {

[[noreturn]] void Broken(const char* command, const char* what) {
  std::fprintf(stderr, "ldbtool_fuzzer: %s: %s\n", command, what);
  std::abort();
}

void Expect(bool condition, const char* command, const char* what) {
  if (!condition) Broken(command, what);
}

struct Files {
  std::string database, table;
};

// Runs one command over the files; returns the platform's files after it.
kovrant::test::FakePlatform Run(
    const char* name, const Files& files,
    const std::function<int(kovrant::Platform&, std::ostream&, std::ostream&)>& command, int* code,
    std::string* err) {
  kovrant::test::FakePlatform platform;
  platform.files["db"].data = files.database;
  platform.files["t"].data = files.table;
  std::ostringstream out, errors;
  const std::int64_t work_before = kovrant::tool::ConversionWork();
  *code = command(platform, out, errors);
  const auto n = static_cast<double>(files.database.size() + files.table.size()) + 2;
  Expect(static_cast<double>(kovrant::tool::ConversionWork() - work_before) <=
             64 * n + (1 << 24) + 8 * n * std::log2(n),
         name, "the conversions' work grows faster than the input");
  Expect(*code == 0 || *code == 1, name, "an exit code other than 0 or 1");
  Expect(platform.open_handles() == 0, name, "a file handle was left open");
  Expect(platform.files.at("db").data == files.database, name, "the database was changed");
  Expect(platform.files.at("t").data == files.table, name, "the table was changed");
  *err = errors.str();
  Expect(*code == 0 || err->starts_with("ldbtool: "), name, "a failure without its message");
  return platform;
}

bool KovrantConverts(const std::string& database) {
  return database.empty() || !kovrant::test::KovrantTable(database).empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using kovrant::Platform;
  using namespace kovrant::tool;
  if (size == 0) return 0;
  const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
  int code = 0;
  std::string err;
  if (data[0] & 1) {
    const Files files{rest, ""};
    const bool fails = kovrant::test::KovrantTable(rest).empty();
    Run(
        "check", files,
        [](Platform& p, std::ostream& o, std::ostream& e) { return Check(p, "db", o, e); }, &code,
        &err);
    Expect(code == (fails ? 1 : 0), "check", "check and kovrant disagree");
    Run(
        "dump", files,
        [](Platform& p, std::ostream& o, std::ostream& e) { return Dump(p, "db", o, e); }, &code,
        &err);
    Expect(code == (fails ? 1 : 0), "dump", "dump and kovrant disagree");
    return 0;
  }
  std::uint32_t seed = 0;
  for (std::size_t i = 0; i < 4 && i < rest.size(); ++i)
    seed |= std::uint32_t{data[1 + i]} << 8 * i;
  std::mt19937 rng(seed);
  Files files{kovrant::test::RandomDatabase(rng), ""};
  files.table = kovrant::test::KovrantTable(files.database);
  if (files.table.empty()) return 0;
  // The edits go after the header line, which apply and pack check first.
  const std::size_t header = files.table.find('\n') + 1;
  const bool edited = rest.size() >= 7 && files.table.size() > header;
  for (std::size_t i = 4; edited && i + 3 <= rest.size(); i += 3) {
    const std::size_t at = header + (std::uint8_t(rest[i]) | std::uint8_t(rest[i + 1]) << 8) %
                                        (files.table.size() - header);
    files.table[at] = rest[i + 2];
  }
  const auto apply = [](bool dry_run) {
    return [dry_run](Platform& p, std::ostream& o, std::ostream& e) {
      return Apply(p, {"db", "t", "out", dry_run, '.'}, o, e);
    };
  };
  Run("apply --dry-run", files, apply(true), &code, &err);
  const kovrant::test::FakePlatform applied = Run("apply", files, apply(false), &code, &err);
  Expect((code == 0) == (applied.files.count("out") == 1), "apply",
         "an output without success, or success without an output");
  if (code == 0) {
    const std::string& out = applied.files.at("out").data;
    Expect(KovrantConverts(out), "apply", "the database written does not convert");
    Expect(edited || out == files.database, "apply", "the table unchanged, the bytes changed");
  }
  const kovrant::test::FakePlatform packed = Run(
      "pack", files,
      [](Platform& p, std::ostream& o, std::ostream& e) {
        return Pack(p, {"t", "out", '.'}, o, e);
      },
      &code, &err);
  Expect((code == 0) == (packed.files.count("out") == 1), "pack",
         "an output without success, or success without an output");
  if (code == 0) {
    Expect(KovrantConverts(packed.files.at("out").data), "pack",
           "the database written does not convert");
  }
  return 0;
}
