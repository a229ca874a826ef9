// End-to-end tests of ldbtool: the real binary in a scratch directory.
//
// LDBTOOL_EXE names another binary (the Windows one), KOVRANT_LAUNCHER a
// program to start it with ("wine64"); standard output
// and standard error are compared with Windows line ends turned into "\n".
#include <sys/stat.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "ldb_builder.h"
#include "sample_db.h"
#include "support/files.h"
#include "table/table_writer.h"
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
       "unknown command inspect (check, dump, apply, pack, diff or export)\n"},
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
      {{"diff", "levers.ldb"}, 2, "", "NEW (or --text) is required"},
      {{"diff", "levers.ldb", "levers.ldb"},
       0,
       "levers.ldb and levers.ldb show the same 30 rows\n",
       ""},
      {{"diff", "levers.ldb", "cut.ldb"},
       2,
       "",
       "ldbtool: cut.ldb: error: kovrant cannot convert it (Read beyond end of file)\n"},
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
  // diff --text ends its lines in LF alone, on Windows too.
  EXPECT_EQ(RunLdbtool(dir, {"diff", "--text", "levers.ldb"}).exit_code, 0);
  const std::string text = kovrant::test::ReadFile(dir / ".out");
  EXPECT_TRUE(text.starts_with("Name\tPlace1\tPlace2\tScale\tSwitch Time\tMaterial\t")) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 31);
  EXPECT_EQ(text.find('\r'), std::string::npos);
}

// `git diff` shows a database's changed row through `ldbtool diff --text`,
// set up by the two lines of configuration README gives. Git runs natively
// only: the Windows runs under Wine leave it out.
TEST(LdbtoolTest, GitDiffShowsChangedRows) {
  if (!Env("KOVRANT_LAUNCHER", "").empty() || std::system("git --version >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "needs git and the native ldbtool";
  }
  kovrant::test::ScratchDirectory scratch("ldbtool-git");
  const fs::path& dir = scratch.path();
  std::string database = ldb::SampleDatabase();
  kovrant::test::WriteFile(dir / "levers.ldb", database);
  kovrant::test::WriteFile(dir / ".gitattributes", "*.ldb diff=ldb\n");
  // (Appended piece by piece: GCC 12 warns wrongly about literal + temporary.)
  const std::string git =
      std::string("cd '").append(dir.string()).append("' && HOME=. GIT_CONFIG_NOSYSTEM=1 git ");
  const std::string textconv =
      std::string("'").append(fs::absolute(LDBTOOL_BINARY).string()).append("' diff --text");
  ASSERT_EQ(
      std::system((git + "init -q && " + git + "config diff.ldb.textconv \"" + textconv + "\" && " +
                   git + "add . && " + git + "-c user.name=k -c user.email=k@k commit -qm sample")
                      .c_str()),
      0);
  database.replace(database.find("Portcullis Release"), 18, "Portcullis Dropper");
  kovrant::test::WriteFile(dir / "levers.ldb", database);
  ASSERT_EQ(std::system((git + "diff --no-color > .diff").c_str()), 0);
  std::string changed;
  std::istringstream lines(kovrant::test::ReadFile(dir / ".diff"));
  for (std::string line; std::getline(lines, line);) {
    if ((line[0] == '-' || line[0] == '+') && !line.starts_with("---") &&
        !line.starts_with("+++")) {
      changed += line + "\n";
    }
  }
  const std::string rest =
      "\t0.0,7.8\t\t1.3\t2.0\twrought_iron\tsfx/lever/chain_rattle.wav\tDrops the portcullis of "
      "the inner gate at once.\n";
  EXPECT_EQ(changed, "-Portcullis Release" + rest + "+Portcullis Dropper" + rest);
}

// The rules that keep a modder's data, on any system: a UTF-8 table refused
// unless --encoding utf-8 says so; every in-place apply keeps the database it
// replaces under a backup name of its own; a result the file already holds
// writes nothing; --no-backup keeps none.
TEST(LdbtoolTest, BackupsAndCharacterSets) {
  kovrant::test::ScratchDirectory scratch("ldbtool-e2e");
  const fs::path& dir = scratch.path();
  const auto db = [](const std::string& name, int ticks) {
    return ldb::Database({ldb::Prototype({ldb::Name(name), ldb::SwitchTime(ticks)})});
  };
  kovrant::test::WriteFile(dir / "levers.ldb", db("Zugbr\374cke", 15));
  const std::string applied =
      "applied to levers.ldb: 0 added rows, 0 removed rows, 0 moved rows, 1 changed cell in 1 "
      "prototype";
  const struct {
    std::string row, option;
    int exit_code;
    std::string out, err;
  } steps[] = {
      {"Zugbr\303\274cke", "--encoding=windows-1252", 1, "",
       "ldbtool: table.txt: offset 78 (0x4E): error: row 1, Name: this cell is an old text in "
       "UTF-8 bytes; the table was saved as UTF-8: save it as Western Europe (Windows-1252), or "
       "pass --encoding utf-8\n"},
      {"Zugbr\303\274cke", "--encoding=utf-8", 0,
       "row 1, Place1: \"1.0\" -> \"2.0\"\n" + applied +
           "; the old database is kept as levers.ldb.bak\n",
       ""},
      {"Eiche", "--dry-run=false", 0,
       "row 1, Name: \"Zugbr\374cke\" -> \"Eiche\"\n" + applied +
           "; the old database is kept as levers.ldb.bak.1\n",
       ""},
      {"Eiche", "--dry-run=false", 0,
       "applied to levers.ldb: 0 added rows, 0 removed rows, 0 moved rows, 0 changed cells in 0 "
       "prototypes; it already holds these bytes, so nothing was written and no backup made\n",
       ""},
      {"Buche", "--no-backup", 0, "row 1, Name: \"Eiche\" -> \"Buche\"\n" + applied + "\n", ""},
  };
  for (const auto& step : steps) {
    kovrant::test::WriteFile(dir / "table.txt",
                             std::string(kovrant::kHeaderRow) + "\r\n" + step.row + "\t2.0\r\n");
    const Result r =
        RunLdbtool(dir, {"apply", "levers.ldb", "table.txt", "-o", "levers.ldb", step.option});
    EXPECT_EQ(r.exit_code, step.exit_code) << step.row;
    EXPECT_EQ(r.out, step.out);
    EXPECT_EQ(r.err, step.err);
  }
  EXPECT_EQ(kovrant::test::ReadFile(dir / "levers.ldb"), db("Buche", 30));
  EXPECT_EQ(kovrant::test::ReadFile(dir / "levers.ldb.bak"), db("Zugbr\374cke", 15));
  EXPECT_EQ(kovrant::test::ReadFile(dir / "levers.ldb.bak.1"), db("Zugbr\374cke", 30));
  EXPECT_FALSE(fs::exists(dir / "levers.ldb.bak.2"));
}

// Links and FIFOs, where the system has them: a link is followed and stays a
// link; a FIFO or device is refused at once (nothing blocks or is renamed).
TEST(LdbtoolTest, LinksAndSpecialFiles) {
  if (!Env("KOVRANT_LAUNCHER", "").empty()) GTEST_SKIP() << "POSIX links and FIFOs";
  kovrant::test::ScratchDirectory scratch("ldbtool-e2e");
  const fs::path& dir = scratch.path();
  fs::create_directory(dir / "game");
  const std::string db = ldb::Database({ldb::Prototype({ldb::Name("Oak"), ldb::SwitchTime(15)})});
  kovrant::test::WriteFile(dir / "game" / "levers.ldb", db);
  fs::create_symlink("game/levers.ldb", dir / "link.ldb");
  kovrant::test::WriteFile(dir / "table.txt",
                           std::string(kovrant::kHeaderRow) + "\r\nElm\t1.0\r\n");
  EXPECT_EQ(RunLdbtool(dir, {"apply", "link.ldb", "table.txt", "-o", "link.ldb"}).out,
            "row 1, Name: \"Oak\" -> \"Elm\"\napplied to link.ldb: 0 added rows, 0 removed rows, 0 "
            "moved rows, 1 changed cell in 1 prototype (through the link to game/levers.ldb); the "
            "old database is kept as game/levers.ldb.bak\n");
  EXPECT_TRUE(fs::is_symlink(dir / "link.ldb"));
  EXPECT_EQ(kovrant::test::ReadFile(dir / "game" / "levers.ldb.bak"), db);
  ASSERT_EQ(::mkfifo((dir / "fifo").c_str(), 0600), 0);
  for (const std::string out : {"fifo", "/dev/null"}) {
    EXPECT_EQ(RunLdbtool(dir, {"apply", "link.ldb", "table.txt", "-o", out}).err,
              "ldbtool: " + out +
                  ": error: not a regular file (a FIFO, device or socket): name a file to write, "
                  "or a new one; nothing was written\n");
  }
  EXPECT_TRUE(fs::is_fifo(dir / "fifo") && fs::is_character_file("/dev/null"));
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
            "0 added rows, 0 removed rows, 0 moved rows, 1 changed cell in 1 prototype; nothing "
            "written (dry run)\n");
}

}  // namespace
