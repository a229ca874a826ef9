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
}  // namespace kovrant::tool
