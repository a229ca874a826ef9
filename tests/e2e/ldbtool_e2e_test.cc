// End-to-end tests of ldbtool: the real binary in a scratch directory.
//
// LDBTOOL_EXE names another binary (the Windows one), KOVRANT_LAUNCHER a
// program to start it with ("wine64"); standard output
// and standard error are compared with Windows line ends turned into "\n".
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "ldb_builder.h"
#include "sample_db.h"
#include "support/files.h"
#include "tool/encoding.h"
#include "zip_builder.h"

namespace {

namespace fs = std::filesystem;
namespace ldb = kovrant::ldb;

std::string Env(const char* name, const char* fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : fallback;
}

struct Result {
  int exit_code = -1;
  std::string out, err;
};

// Windows line ends as "\n".
std::string Lines(std::string text) {
  for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 1);
  return text;
}

// Runs ldbtool in `dir` through the shell.
Result RunLdbtool(const fs::path& dir, const std::vector<std::string>& arguments) {
  std::string command = "cd '" + dir.string() + "' && " + Env("KOVRANT_LAUNCHER", "") + " '" +
                        fs::absolute(Env("LDBTOOL_EXE", LDBTOOL_BINARY)).string() + "'";
  for (const std::string& part : arguments) command.append(" '").append(part).append("'");
  const int status = std::system((command + " >.out 2>.err").c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1,
          Lines(kovrant::test::ReadFile(dir / ".out")),
          Lines(kovrant::test::ReadFile(dir / ".err"))};
}

TEST(LdbtoolTest, CommandLine) {
  kovrant::test::ScratchDirectory scratch("ldbtool-e2e");
  const fs::path& dir = scratch.path();
  kovrant::test::WriteFile(dir / "levers.ldb", ldb::SampleDatabase());
  kovrant::test::WriteFile(dir / "cut.ldb", ldb::SampleDatabase().substr(0, 300));
  struct Case {
    std::vector<std::string> arguments;
    int exit_code;
    std::string out_starts, err_starts;
  };
  const Case cases[] = {
      {{"--version"}, 0, "ldbtool 0.4\n", ""},
      {{"--help"}, 0, "ldbtool: checks, shows and edits", ""},
      {{}, 2, "", "A subcommand is required"},
      {{"check"}, 2, "", "DB is required"},
      {{"inspect", "levers.ldb"},
       2,
       "",
       "unknown command inspect (check, dump, apply, pack or export)\n"},
      {{"apply", "levers.ldb", "table.txt"}, 2, "", "--output (or --dry-run) is required"},
      {{"pack", "table.txt"}, 2, "", "--output is required"},
      {{"check", "missing.ldb"},
       1,
       "",
       "ldbtool: missing.ldb: error: cannot open the database: File not found\n"},
      {{"check", "levers.ldb"},
       0,
       "levers.ldb: kovrant converts it (32 prototypes, 30 table rows); 2 warnings\n",
       "ldbtool: levers.ldb: offset 4207 (0x106F): warning: first-level record 3 (tag 1), "
       "prototype 27 (table row 25), field type 12: unknown field type: it makes no cell\n"},
      {{"check", "cut.ldb"},
       1,
       "cut.ldb: kovrant fails at offset 285 (2 prototypes, 2 table rows); 1 warning\n",
       "ldbtool: cut.ldb: offset 285 (0x11D): error: Read beyond end of file: first-level record "
       "1 (tag 1), prototype 2 (table row 2), field type 1 (place block): its value declares 16 "
       "bytes, 15 bytes remain in the file\n"},
      {{"dump", "levers.ldb"},
       0,
       "           0 L1 tag 1  len4:2922\n           5   L2 tag 0  len4:1659\n",
       ""},
  };
  for (const Case& c : cases) {
    const Result r = RunLdbtool(dir, c.arguments);
    const std::string what = c.arguments.empty() ? "" : c.arguments[0];
    EXPECT_EQ(r.exit_code, c.exit_code) << what << "\n" << r.err;
    EXPECT_TRUE(r.out.starts_with(c.out_starts)) << what << "\n" << r.out;
    EXPECT_TRUE(c.err_starts.empty() ? r.err.empty() : r.err.starts_with(c.err_starts)) << r.err;
  }
}

// export, then apply and pack the workbook; an .ods with a typed edit.
TEST(LdbtoolTest, SpreadsheetFilesBothWays) {
  kovrant::test::ScratchDirectory scratch("ldbtool-sheet");
  const fs::path& dir = scratch.path();
  kovrant::test::WriteFile(dir / "levers.ldb", ldb::SampleDatabase());
  EXPECT_EQ(RunLdbtool(dir, {"export", "levers.ldb", "-o", "levers.xlsx"}).out,
            "exported 30 rows to levers.xlsx\n");
  const Result applied = RunLdbtool(dir, {"apply", "levers.ldb", "levers.xlsx", "-o", "out.ldb"});
  EXPECT_EQ(applied.err, "");
  EXPECT_EQ(kovrant::test::ReadFile(dir / "out.ldb"), ldb::SampleDatabase());
  EXPECT_EQ(RunLdbtool(dir, {"pack", "levers.xlsx", "-o", "packed.ldb"}).exit_code, 0);

  // The sample's table as an .ods of text cells, Material of row 1 typed anew.
  const std::string table =
      kovrant::test::ReadFile(KOVRANT_SOURCE_DIR "/examples/LeverPrototypes.txt");
  std::string rows;
  int line = 0;
  for (std::size_t begin = 0, end; (end = table.find("\r\n", begin)) != std::string::npos;
       begin = end + 2, ++line) {
    rows += "<table:table-row>";
    for (std::size_t cell = begin, tab;; cell = tab + 1) {
      tab = std::min(table.find('\t', cell), end);
      const std::string text = table.substr(cell, tab - cell);
      rows += "<table:table-cell office:value-type=\"string\"><text:p>" +
              (line == 1 && text == "oak_iron_banded" ? "Zugbr\xC3\xBC"
                                                        "cke"
                                                      : kovrant::tool::Windows1252ToUtf8(text)) +
              "</text:p></table:table-cell>";
      if (tab == end) break;
    }
    rows += "</table:table-row>";
  }
  kovrant::test::WriteFile(dir / "edited.ods",
                           kovrant::test::ZipArchive(kovrant::test::OdsParts(rows)));
  const Result edited = RunLdbtool(dir, {"apply", "levers.ldb", "edited.ods", "--dry-run"});
  EXPECT_EQ(edited.exit_code, 0) << edited.err;
  EXPECT_EQ(edited.out,
            "row 1, Material: \"oak_iron_banded\" -> \"Zugbr\xFC"
            "cke\"\n"
            "1 changed cell in 1 prototype (row 1); nothing written (dry run)\n");
}

}  // namespace
