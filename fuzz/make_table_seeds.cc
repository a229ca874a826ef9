// Writes the seeds of the table fuzzer into DIRECTORY (make_table_seeds
// DIRECTORY): the sample's table as text, as the workbook ldbtool export
// makes, as an .ods, and workbooks with the features and faults the reader
// knows (rich text, repeats, formulas, lying sizes, encryption), all made by
// the project's own code. Written anew for each run; not committed.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/run.h"
#include "sample_db.h"
#include "support/fake_platform.h"
#include "tool/commands.h"
#include "zip_builder.h"

namespace fs = std::filesystem;
using kovrant::test::ZipPart;

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_table_seeds DIRECTORY\n");
    return 2;
  }
  const fs::path directory = argv[1];
  fs::create_directories(directory);
  auto write = [&](const std::string& name, const std::string& bytes) {
    std::ofstream(directory / name, std::ios::binary) << bytes;
  };
  kovrant::test::FakePlatform platform;
  platform.files["db"].data = kovrant::ldb::SampleDatabase();
  std::ostringstream out, err;
  kovrant::Run({"db"}, platform, '.');
  if (kovrant::tool::Export(platform, {"db", "t.xlsx", '.'}, out, err) != 0) {
    std::fprintf(stderr, "make_table_seeds: %s", err.str().c_str());
    return 1;
  }
  write("sample.txt", platform.files.at("LeverPrototypes.txt").data);
  write("sample.xlsx", platform.files.at("t.xlsx").data);
  const std::string sheet =
      "<sheetData><row r=\"1\"><c t=\"inlineStr\"><is><r><t>Na</t></r><r><t>me</t></r></is></c>"
      "<c r=\"C1\" t=\"s\"><v>0</v></c></row><row r=\"3\"><c><v>1.5E+20</v></c><c><f>1</f></c>"
      "<c t=\"b\"><v>1</v></c></row><row r=\"1048576\"/></sheetData>";
  const std::string table =
      "<table:table-row table:number-rows-repeated=\"3\"><table:table-cell "
      "office:value-type=\"string\" table:number-columns-repeated=\"9\"><text:p>a<text:s "
      "text:c=\"3\"/><text:span>b<text:tab/></text:span><text:line-break/></text:p>"
      "</table:table-cell><table:table-cell office:value-type=\"float\" office:value=\"3\"/>"
      "</table:table-row>";
  write("features.xlsx",
        kovrant::test::ZipArchive(kovrant::test::XlsxParts(sheet, "<si><t>_x0041_</t></si>")));
  write("features.ods", kovrant::test::ZipArchive(kovrant::test::OdsParts(table)));
  write("lying.xlsx",
        kovrant::test::ZipArchive({{"xl/workbook.xml", "<workbook/>", 0, false, "", 99}}));
  write("encrypted.ods", kovrant::test::ZipArchive({{"content.xml", "<x/>", 0, false, "pw"}}));
  write("stored.ods", kovrant::test::ZipArchive({{"content.xml", "<x/>", 0, true}}));
  return 0;
}
