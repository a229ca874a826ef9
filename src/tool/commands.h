// src/tool/commands.h
#pragma once
#include <iosfwd>
#include <string>
#include "io/platform.h"
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
};
int Apply(Platform& platform, const ApplyOptions& options, std::ostream& out, std::ostream& err);
struct PackOptions {
  std::string table, output;
  char decimal_separator = '.';
};
int Pack(Platform& platform, const PackOptions& options, std::ostream& out, std::ostream& err);
struct ExportOptions {
  std::string database, output;
  char decimal_separator = '.';
};
// DB's table as an .xlsx workbook of text cells (sheet_export.cc).
int Export(Platform& platform, const ExportOptions& options, std::ostream& out, std::ostream& err);
}  // namespace kovrant::tool
