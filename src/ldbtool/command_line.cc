#include "ldbtool/command_line.h"

#include <CLI/CLI.hpp>
#include <map>
#include <ostream>
#include <string>

#include "kovrant/version.h"
#include "tool/commands.h"

namespace kovrant::tool {
namespace {

constexpr const char kDescription[] =
    "ldbtool: checks, shows and edits the lever database levers.ldb that kovrant converts into "
    "LeverPrototypes.txt.";

constexpr const char kFooter[] =
    "Editing the table and bringing it back:\n"
    "  kovrant levers.ldb out         convert into out/LeverPrototypes.txt\n"
    "  (edit the table in a spreadsheet or text editor; save it as TAB-separated text)\n"
    "  ldbtool apply levers.ldb out/LeverPrototypes.txt --dry-run\n"
    "                                 list added, removed, moved rows and changed cells\n"
    "  ldbtool apply levers.ldb out/LeverPrototypes.txt -o levers.ldb\n"
    "                                 write the edits back (levers.ldb.bak, or the first free\n"
    "                                 levers.ldb.bak.N, keeps the old file)\n"
    "In a spreadsheet, with no import dialog:\n"
    "  ldbtool export levers.ldb -o levers.xlsx\n"
    "  (edit and save it as .xlsx or .ods in Calc or Excel)\n"
    "  ldbtool apply levers.ldb levers.xlsx -o levers.ldb\n"
    "Any cell may change: texts, Place1/Place2 (x,y or empty), Scale (empty: 1.0), Switch\n"
    "Time (seconds); a short row may be filled in up to Lever Description. Rows may be\n"
    "added (a new row gets the fields of its cells), removed, moved, sorted and duplicated:\n"
    "a row as kovrant wrote it keeps its prototype's bytes wherever it stands, and all that\n"
    "is not a row stays as it was. Refused, with the cell named: Place2 without Place1, a\n"
    "NAN scale, a number that does not parse, an empty Switch Time before other cells, a cell\n"
    "that more than one field makes; a database that `check` finds failing or overlapping.\n"
    "Messages: ldbtool: FILE: offset N (0xHEX): error|warning: ...\n"
    "Comparing: ldbtool diff OLD NEW lists what changed between two databases or tables\n"
    "(added, removed, moved rows and changed cells); exit 0 the same, 1 they differ, 2 error.\n"
    "For git diff: '*.ldb diff=ldb' in .gitattributes and\n"
    "  git config diff.ldb.textconv \"ldbtool diff --text\"\n"
    "Exit codes: 0 done, 1 refused or the database fails, 2 usage error.";

bool IsCommand(const std::string& word) {
  return word == "check" || word == "dump" || word == "apply" || word == "pack" || word == "diff" ||
         word == "export";
}

// The options apply and pack share: how TABLE's texts are stored, and
// whether the file OUT replaces is kept.
void AddWritingOptions(CLI::App& command, bool& no_backup, TableEncoding& encoding) {
  command.add_flag("--no-backup", no_backup,
                   "Replace OUT without keeping it (by default it is kept as OUT.bak, or the "
                   "first free OUT.bak.N)");
  command
      .add_option("--encoding", encoding,
                  "The character set TABLE was saved in: windows-1252 (the bytes kovrant "
                  "writes; the default) or utf-8 (decoded, stored as Windows-1252)")
      ->transform(CLI::CheckedTransformer(
          std::map<std::string, TableEncoding>{{"windows-1252", TableEncoding::kWindows1252},
                                               {"utf-8", TableEncoding::kUtf8}},
          CLI::ignore_case))
      ->default_str("windows-1252");
}

}  // namespace

int UncaughtFailureExitCode(int argc, const char* const* argv) {
  return argc > 1 && std::string(argv[1]) == "diff" ? 2 : 1;
}

int RunCommandLine(int argc, const char* const* argv, Platform& platform, char decimal_separator,
                   std::ostream& out, std::ostream& err) {
  CLI::App app(kDescription, "ldbtool");
  app.set_version_flag("--version", std::string("ldbtool ") + KOVRANT_VERSION_STRING,
                       "Print the version and exit");
  app.require_subcommand(1);
  app.footer(kFooter);

  std::string database;
  CLI::App* check = app.add_subcommand(
      "check", "Find every problem of DB, each with its place; exit 1 when kovrant would fail");
  check->add_option("DB", database, "The lever database")->required();

  CLI::App* dump = app.add_subcommand(
      "dump", "Show DB's record tree: offsets, levels, tags, lengths and field values");
  dump->add_option("DB", database, "The lever database")->required();

  ApplyOptions apply_options;
  apply_options.decimal_separator = decimal_separator;
  CLI::App* apply =
      app.add_subcommand("apply",
                         "Write a database holding the edits of TABLE (a table kovrant "
                         "wrote for DB, then edited)");
  apply->add_option("DB", apply_options.database, "The lever database the table was made from")
      ->required();
  apply->add_option("TABLE", apply_options.table, "The edited LeverPrototypes.txt")->required();
  CLI::Option* apply_output =
      apply->add_option("-o,--output", apply_options.output, "The new database (may be DB)");
  apply->add_flag("--dry-run", apply_options.dry_run,
                  "Write nothing; list added, removed and moved rows and every changed cell "
                  "(row, column, old and new text)");
  AddWritingOptions(*apply, apply_options.no_backup, apply_options.encoding);

  PackOptions pack_options;
  pack_options.decimal_separator = decimal_separator;
  CLI::App* pack = app.add_subcommand("pack", "Build a new database from a table alone");
  pack->add_option("TABLE", pack_options.table, "The table")->required();
  pack->add_option("-o,--output", pack_options.output, "The new database")->required();
  AddWritingOptions(*pack, pack_options.no_backup, pack_options.encoding);

  DiffOptions diff_options;
  diff_options.decimal_separator = decimal_separator;
  CLI::App* diff = app.add_subcommand(
      "diff",
      "List the rows added, removed and moved and the cells changed from OLD to NEW (each a "
      "database or a table); exit 0 the same, 1 they differ, 2 error");
  diff->add_option("OLD", diff_options.old_file, "The database or table before")->required();
  CLI::Option* diff_new =
      diff->add_option("NEW", diff_options.new_file, "The database or table after");
  diff->add_flag("--text", diff_options.text,
                 "Print OLD's rows alone as text, one line each (for git's textconv)");

  ExportOptions export_options;
  export_options.decimal_separator = decimal_separator;
  CLI::App* export_command = app.add_subcommand(
      "export", "Write DB's table as an .xlsx workbook whose cells are all text");
  export_command->add_option("DB", export_options.database, "The lever database")->required();
  export_command->add_option("-o,--output", export_options.output, "The workbook (FILE.xlsx)")
      ->required();

  try {
    // CLI11 would only say that a command is required.
    if (argc > 1 && argv[1][0] != '-' && !IsCommand(argv[1])) {
      throw CLI::ExtrasError(
          std::string("unknown command ") + argv[1] + " (check, dump, apply, pack, diff or export)",
          CLI::ExitCodes::ExtrasError);
    }
    app.parse(argc, argv);
    if (apply->parsed() && !apply_options.dry_run && apply_output->count() == 0) {
      throw CLI::RequiredError("--output (or --dry-run)");
    }
    if (diff->parsed() && diff_options.text && diff_new->count() > 0) {
      throw CLI::ValidationError("--text", "takes one file, not OLD and NEW");
    }
    if (diff->parsed() && !diff_options.text && diff_new->count() == 0) {
      throw CLI::RequiredError("NEW (or --text)");
    }
  } catch (const CLI::ParseError& error) {
    const int code = app.exit(error, out, err);
    return code == 0 ? 0 : 2;
  }
  if (check->parsed()) return Check(platform, database, out, err);
  if (dump->parsed()) return Dump(platform, database, out, err);
  if (apply->parsed()) return Apply(platform, apply_options, out, err);
  if (diff->parsed()) {
    // The text git diffs: lines end in LF alone on Windows too.
    if (diff_options.text) UseBinaryStandardOutput();
    return Diff(platform, diff_options, out, err);
  }
  if (export_command->parsed()) return Export(platform, export_options, out, err);
  return Pack(platform, pack_options, out, err);
}

}  // namespace kovrant::tool
