// src/tool/commands.h
#pragma once
#include <iosfwd>
#include <string>
#include "io/platform.h"
#include "tool/table_encoding.h"
namespace kovrant::tool {
// Each returns the process's exit code: 0 done, 1 refused or the database
// fails, as each command documents. Findings and refusals go to `err` as
// "ldbtool: FILE: offset N (0xHEX): error: ..." (or "warning:"), results to `out`.
int Check(Platform& platform, const std::string& database, std::ostream& out, std::ostream& err);
int Dump(Platform& platform, const std::string& database, std::ostream& out, std::ostream& err);
struct ApplyOptions {
  std::string database, table, output;
  bool dry_run = false;
  char decimal_separator = '.';  // the one kovrant would write here (LocaleDecimalSeparator())
  bool no_backup = false;        // replace OUT without keeping it as OUT.bak[.N]
  TableEncoding encoding = TableEncoding::kWindows1252;  // how TABLE's texts are stored
};
int Apply(Platform& platform, const ApplyOptions& options, std::ostream& out, std::ostream& err);
struct PackOptions {
  std::string table, output;
  char decimal_separator = '.';
  bool no_backup = false;
  TableEncoding encoding = TableEncoding::kWindows1252;
};
int Pack(Platform& platform, const PackOptions& options, std::ostream& out, std::ostream& err);
// What OLD and NEW (each a database or a table) show, compared row by row:
// the added, removed and moved rows and the changed cells, as apply's dry run
// lists them. Exit code 0 when they show the same, 1 when they differ, 2 on a
// refusal. With `text`, OLD's rows alone as a text (RowsText in diff.h), 0.
struct DiffOptions {
  std::string old_file, new_file;
  bool text = false;
  char decimal_separator = '.';
};
int Diff(Platform& platform, const DiffOptions& options, std::ostream& out, std::ostream& err);
struct ExportOptions {
  std::string database, output;
  char decimal_separator = '.';
};
// DB's table as an .xlsx workbook of text cells (sheet_export.cc).
int Export(Platform& platform, const ExportOptions& options, std::ostream& out, std::ostream& err);
}  // namespace kovrant::tool
