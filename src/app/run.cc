#include "app/run.h"

#include <memory>

#include "app/output_directory.h"
#include "io/console.h"
#include "io/input_file.h"
#include "io/table_file.h"
#include "kovrant/version.h"
#include "ldb/remembering_walk.h"
#include "table/table_writer.h"

namespace kovrant {

const char* const kBannerLines[7] = {
    "/------------------------------------\\",
    "QUARVELMONDE LEVERS DATABASE UNPACKER",
    "AUTHOR: Brennik",
    ("VERSION: " KOVRANT_VERSION_STRING),
    "\\------------------------------------/",
    "",
    " USAGE: kovrant.exe levers.ldb",
};

int Run(const std::vector<std::string>& arguments, Platform& platform, char decimal_separator) {
  if (arguments.empty()) {
    for (const char* line : kBannerLines) WriteConsoleLine(platform, line);
    return 0;
  }

  // The directory is resolved (and created) before the database is opened.
  const std::string prefix = ResolveOutputPrefix(arguments, platform);

  std::unique_ptr<InputFile> input;
  if (InputFile::Open(platform, arguments[0], &input) != 0) {
    WriteConsoleLine(platform, "Error opening file");
    return 1;
  }

  TableFile table(platform, prefix + kTableFileName, CheckSite::kCreateTable);
  TableWriter writer(table, decimal_separator);
  writer.WalkRemembering(*input, RunSeed());
  input->Close(CheckSite::kCloseInput);
  table.Commit(CheckSite::kCloseTable);
  return 0;
}

}  // namespace kovrant
