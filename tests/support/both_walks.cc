#include "support/both_walks.h"

#include <memory>

#include "io/failure.h"
#include "io/input_file.h"
#include "io/table_file.h"
#include "ldb/record_walk.h"
#include "ldb/remembering_walk.h"
#include "support/fake_platform.h"
#include "table/table_writer.h"

namespace kovrant::test {

WalkOutcome ConvertWith(Walk walk, const std::string& database, std::uint64_t seed) {
  FakePlatform platform;
  platform.files["db"].data = database;
  WalkOutcome outcome;
  try {
    std::unique_ptr<InputFile> input;
    if (int code = InputFile::Open(platform, "db", &input); code != 0) {
      throw IoError(code, CheckSite::kEndOfFile);
    }
    TableFile table(platform, "table", CheckSite::kCreateTable);
    TableWriter writer(table, '.');
    if (walk == Walk::kPlain) {
      WalkRecordsPlain(*input, static_cast<RecordHandler&>(writer));
    } else {
      const RememberingWalkStats stats = writer.WalkRemembering(*input, seed);
      outcome.overlapped = stats.overlapped;
      outcome.steps = stats.steps;
      outcome.remembered = stats.remembered;
    }
    input->Close(CheckSite::kCloseInput);
    table.Commit(CheckSite::kCloseTable);
    outcome.table = platform.files.at("table").data;
    outcome.bytes_read = platform.bytes_read();
  } catch (const Failure& failure) {
    outcome.failure = FormatFailureReport(failure, "kovrant");
  }
  return outcome;
}

}  // namespace kovrant::test
