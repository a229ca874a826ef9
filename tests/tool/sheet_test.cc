#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "sample_db.h"
#include "support/fake_platform.h"
#include "tool/cell_trace.h"
#include "tool/commands.h"
#include "tool/refusal.h"
#include "tool/sheet_read.h"
#include "tool/zip_parts.h"
#include "tool_support.h"
#include "zip_builder.h"

namespace kovrant::tool {
namespace {

using test::FakePlatform;
using test::ZipPart;
namespace ldb = kovrant::ldb;

int RunTool(FakePlatform& platform, bool export_it, std::string* err = nullptr) {
  std::ostringstream out, errors;
  const int code = export_it ? Export(platform, {"db", "t.xlsx", '.'}, out, errors)
                             : Apply(platform, {"db", "t.xlsx", "out.ldb"}, out, errors);
  if (err != nullptr) *err = errors.str();
  return code;
}

// Texts a spreadsheet would take for something else, and every byte but
// NUL, CR and LF (which kovrant's table cannot hold in a cell).
std::string TrickyText(std::mt19937& rng) {
  static const char* const kPieces[] = {"\"",
                                        ",",
                                        ";",
                                        "=1+1",
                                        "00123",
                                        "3.0",
                                        "1.5E20",
                                        "TRUE",
                                        "_x0041_",
                                        "_x005f_",
                                        " ",
                                        "\t",
                                        "Zugbr\xFC"
                                        "cke"};
  std::string text;
  for (int i = 0, n = static_cast<int>(rng() % 5); i < n; ++i) {
    if (rng() % 2) {
      text += kPieces[rng() % std::size(kPieces)];
    } else {
      const char byte = static_cast<char>(1 + rng() % 255);
      if (byte != '\r' && byte != '\n') text += byte;
    }
  }
  return text;
}

// export, then apply the workbook untouched: the database comes back byte
// for byte.
TEST(SheetTest, ExportedWorkbookAppliesToItsDatabaseUnchanged) {
  std::mt19937 rng(21);
  std::vector<std::string> databases = {ldb::SampleDatabase()};
  for (int round = 0; round < 60; ++round) {
    databases.push_back(test::RandomDatabase(rng));
    std::vector<std::string> prototypes;
    for (int p = 0; p < 4; ++p) {
      prototypes.push_back(
          ldb::Prototype({ldb::Name(TrickyText(rng)), ldb::Scale(3.0f),
                          ldb::Material(TrickyText(rng)), ldb::Description(TrickyText(rng))}));
    }
    databases.push_back(ldb::Database(prototypes));
  }
  int applied = 0;
  for (const std::string& database : databases) {
    const std::string table = test::KovrantTable(database);
    if (table.empty()) continue;
    FakePlatform platform;
    platform.files["db"].data = database;
    std::string err;
    ASSERT_EQ(RunTool(platform, true, &err), 0) << err;
    // A last row of empty cells no spreadsheet keeps: said, and left out.
    const std::size_t last = table.rfind("\r\n", table.size() - 3);
    if (table.find_first_not_of('\t', last + 2) == table.size() - 2) {
      EXPECT_NE(err.find("warning: the table's last"), std::string::npos);
      continue;
    }
    ASSERT_EQ(RunTool(platform, false, &err), 0) << err;
    EXPECT_EQ(platform.files.at("out.ldb").data, database);
    ++applied;
  }
  EXPECT_GT(applied, 80);
}

// Every cell a string, in the Text format; the header bold and frozen.
TEST(SheetTest, ExportWritesTextCellsInTextColumns) {
  FakePlatform platform;
  platform.files["db"].data = ldb::SampleDatabase();
  ASSERT_EQ(RunTool(platform, true), 0);
  const std::string& bytes = platform.files.at("t.xlsx").data;
  ZipParts zip(bytes, "t.xlsx", SheetBudget(bytes.size(), 0));
  const std::string sheet = zip.Read("xl/worksheets/sheet1.xml");
  const std::string styles = zip.Read("xl/styles.xml");
  auto count = [](const std::string& text, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = 0; (at = text.find(what, at)) != std::string::npos; ++at) ++n;
    return n;
  };
  EXPECT_EQ(count(sheet, "<v>"), count(sheet, " t=\"s\""));
  EXPECT_EQ(count(sheet, " s=\"2\" t=\"s\""), 8u);  // the header, bold
  EXPECT_NE(sheet.find("state=\"frozen\""), std::string::npos);
  EXPECT_NE(sheet.find("<col min=\"9\" max=\"256\""), std::string::npos);
  EXPECT_NE(styles.find("numFmtId=\"49\""), std::string::npos);
  EXPECT_NE(styles.find("<b/>"), std::string::npos);
  EXPECT_NE(zip.Read("xl/workbook.xml").find("name=\"LeverPrototypes\""), std::string::npos);
}

// Records that overlap convert (kovrant walks them again): export takes
// kovrant's whole table, and finds the line break of a text after the
// overlap.
TEST(SheetTest, ExportOfOverlappingRecordsTakesTheWholeTable) {
  const std::string db = ldb::OverlappingGroups(40, 1, true);
  EXPECT_EQ(ConvertNotingLineBreaks(db, '.', "db").table, test::KovrantTable(db));
  FakePlatform platform;
  platform.files["db"].data = db + ldb::Database({ldb::Prototype({ldb::Name("a\nb")})});
  std::string err;
  EXPECT_EQ(RunTool(platform, true, &err), 1);
  EXPECT_NE(err.find("the text here holds CR or LF"), std::string::npos) << err;
}

TEST(SheetTest, ExportRefusesWhatASheetCannotHold) {
  const std::pair<std::string, std::string> cases[] = {
      {ldb::Database({ldb::Prototype({ldb::Name("a\nb")})}),
       "ldbtool: db: offset 6 (0x6): error: the text here holds CR or LF, which splits its row "
       "in the table; a sheet made of it would not apply to this database (change the text "
       "first)\n"},
      {ldb::Database({ldb::Prototype({ldb::Name(std::string(32768, 'x'))})}),
       "ldbtool: db: error: row 1, column 1 holds 32768 characters; a worksheet cell holds at "
       "most 32767\n"},
  };
  for (const auto& [database, message] : cases) {
    FakePlatform platform;
    platform.files["db"].data = database;
    std::string err;
    EXPECT_EQ(RunTool(platform, true, &err), 1);
    EXPECT_EQ(err, message);
    EXPECT_EQ(platform.files.count("t.xlsx"), 0u);
  }
}

const std::string kHeaderStrings = [] {
  std::string strings;
  for (const char* name : {"Name", "Place1", "Place2", "Scale", "Switch Time", "Material",
                           "Switch Sound", "Lever Description"}) {
    strings += std::string("<si><t>") + name + "</t></si>";
  }
  return strings;
}();
const std::string kXlsxHeader =
    "<row r=\"1\"><c t=\"s\"><v>0</v></c><c t=\"s\"><v>1</v></c><c t=\"s\"><v>2</v></c><c "
    "t=\"s\"><v>3</v></c><c t=\"s\"><v>4</v></c><c t=\"s\"><v>5</v></c><c t=\"s\"><v>6</v></c><c "
    "t=\"s\"><v>7</v></c></row>";
std::string Xlsx(const std::string& rows, const std::string& strings = "") {
  return test::ZipArchive(test::XlsxParts("<sheetData>" + kXlsxHeader + rows + "</sheetData>",
                                          kHeaderStrings + strings));
}
std::string OdsCell(const std::string& text) {
  return "<table:table-cell office:value-type=\"string\"><text:p>" + text +
         "</text:p></table:table-cell>";
}
std::string Ods(const std::string& rows) {
  std::string header = "<table:table-row>";
  for (const char* name : {"Name", "Place1", "Place2", "Scale", "Switch Time", "Material",
                           "Switch Sound", "Lever Description"}) {
    header += OdsCell(name);
  }
  return test::ZipArchive(test::OdsParts(header + "</table:table-row>" + rows));
}

// The rows after the header, cells joined by '|', empty ones at the ends
// left out.
std::string Rows(const std::string& bytes) {
  std::string rows;
  for (TableLine line : ReadAnyTable(bytes, "t.xlsx").rows) {
    DropPadding(line, 0);
    for (std::size_t c = 0; c < line.cells.size(); ++c) {
      rows += c > 0 ? "|" : "";
      rows += line.cells[c].text;
      EXPECT_EQ(line.cells[c].offset, kNoOffset);
    }
    rows += "/";
  }
  return rows;
}

TEST(SheetTest, ReadsTheCellsAsTheSheetShowsThem) {
  const std::pair<std::string, std::string> cases[] = {
      // Rich-text runs without their phonetic ones, shared strings with
      // escapes, numbers as their values, gaps as empty cells.
      {Xlsx("<row r=\"2\"><c r=\"A2\" t=\"inlineStr\"><is><r><t>Zug</t></r><r><t "
            "xml:space=\"preserve\">br&#xFC;cke </t></r><rPh><t>x</t></rPh></is></c><c "
            "r=\"D2\"><v>3</v></c><c r=\"E2\" t=\"s\"><v>8</v></c><c r=\"F2\" "
            "t=\"str\"><v>_x20AC_</v></c></row><row r=\"4\"><c r=\"B4\"><v>1.5E+20</v></c></row>"
            "<row r=\"1048576\"/>",
            "<si><t>_x005F_x0041_ a_x0001_</t></si>"),
       "Zugbr\xFC"
       "cke |||3|_x0041_ a\x01|\x80/"
       "/|1.5E+20/"},
      // Spaces, spans, repeated cells and rows; the empty ends a spreadsheet
      // repeats to its last row and column cost nothing.
      {Ods("<table:table-row>" + OdsCell(" a<text:s text:c=\"2\"/>b<text:span>  c </text:span>") +
           "<table:table-cell table:number-columns-repeated=\"2\"/><table:table-cell "
           "office:value-type=\"float\" office:value=\"3\"><text:p>3.00</text:p></"
           "table:table-cell></table:table-row><table:table-row "
           "table:number-rows-repeated=\"2\"><table:covered-table-cell/><table:table-cell "
           "table:number-columns-repeated=\"2\" office:value-type=\"string\"><text:p>x</text:p></"
           "table:table-cell></table:table-row><table:table-row "
           "table:number-rows-repeated=\"1048570\"><table:table-cell "
           "table:number-columns-repeated=\"16384\"/></table:table-row>"),
       "a  b c |||3/|x|x/|x|x/"},
  };
  for (const auto& [bytes, rows] : cases) EXPECT_EQ(Rows(bytes), rows);
}

// A value apply reads as typed: a number for 3.0, Unicode as Windows-1252.
TEST(SheetTest, AppliesTypedValues) {
  FakePlatform platform;
  platform.files["db"].data =
      ldb::Database({ldb::Prototype({ldb::Name("Gate"), ldb::PlaceCount(0), ldb::Scale(3.0f),
                                     ldb::SwitchTime(15), ldb::Material("oak")})});
  platform.files["t.xlsx"].data = Xlsx(
      "<row><c t=\"inlineStr\"><is><t>Gate</t></is></c><c/><c/><c><v>3</v></c><c><v>1</v></c><c "
      "t=\"inlineStr\"><is><t>Zugbr\xC3\xBC"
      "cke</t></is></c></row>");
  std::string err;
  ASSERT_EQ(RunTool(platform, false, &err), 0) << err;
  EXPECT_EQ(test::KovrantTable(platform.files.at("out.ldb").data),
            std::string(kHeaderRow) +
                "\r\nGate\t\t\t3.0\t1.0\tZugbr\xFC"
                "cke\r\n");
}

TEST(SheetTest, RefusesWhatIsNotATableNamingTheCell) {
  const std::string sheet = "xl/worksheets/sheet1.xml";
  auto hostile = [&](ZipPart change) {
    auto parts = test::XlsxParts("<sheetData>" + kXlsxHeader + "</sheetData>", kHeaderStrings);
    for (ZipPart& part : parts) {
      if (part.name == sheet) part = change;
    }
    return test::ZipArchive(parts);
  };
  const std::string kValue =
      "; the table needs the text kovrant shows: type the value itself "
      "into a cell formatted as Text";
  const std::string kAgain = "; save the file again from the spreadsheet";
  const std::string good = hostile({sheet, "<worksheet/>"});
  std::string nested;
  for (int i = 0; i < 100; ++i) nested = "<text:span>" + nested + "</text:span>";
  const std::pair<std::string, std::string> cases[] = {
      {Xlsx("<row><c r=\"C2\"><f>1+1</f><v>2</v></c></row>"),
       "cell C2 (row 1, Place2) holds a formula" + kValue},
      {Xlsx("<row><c t=\"b\"><v>1</v></c></row>"),
       "cell A2 (row 1, Name) holds a boolean (TRUE or FALSE)" + kValue},
      {Xlsx("<row><c/><c t=\"e\"><v>#N/A</v></c></row>"),
       "cell B2 (row 1, Place1) holds an error value" + kValue},
      {Xlsx("<row><c t=\"inlineStr\"><is><t>\xC4\x80</t></is></c></row>"),
       "cell A2 (row 1, Name): '\xC4\x80' (U+0100) cannot be stored: Windows-1252, the database's "
       "character set, has no such character"},
      {Xlsx("<row><c t=\"inlineStr\"><is><t>a_x000D_</t></is></c></row>"),
       "cell A2 (row 1, Name) holds a CR, which kovrant's table cannot hold in a cell; remove it"},
      {Xlsx("<row><c t=\"s\"><v>99</v></c></row>"),
       "cell A2 (row 1, Name) names shared string \"99\", which the workbook does not hold; it is "
       "damaged"},
      {Xlsx("<row r=\"1048577\"/>"),
       "the sheet holds a row numbered \"1048577\"; the sheet is damaged"},
      {Xlsx("<row r=\"3\"><c r=\"C2\"/></row>"),
       "row 3 of the sheet holds a cell named \"C2\"; the sheet is damaged"},
      {Ods("<table:table-row><table:table-cell table:formula=\"of:=1\"/></table:table-row>"),
       "cell A2 (row 1, Name) holds a formula" + kValue},
      {Ods("<table:table-row><table:table-cell office:value-type=\"date\"/></table:table-row>"),
       "cell A2 (row 1, Name) holds a date value" + kValue},
      {Ods("<table:table-row>" + OdsCell("a<text:tab/>b") + "</table:table-row>"),
       "cell A2 (row 1, Name) holds a TAB, which kovrant's table cannot hold in a cell; remove it"},
      {Ods("<table:table-row>" + OdsCell("a") + OdsCell("b<text:line-break/>") +
           "</table:table-row>"),
       "cell B2 (row 1, Place1) holds a line break, which kovrant's table cannot hold in a "
       "cell; remove it"},
      {Ods("<table:table-row>" + OdsCell(nested) + "</table:table-row>"),
       "cell A2 (row 1, Name) nests its text too deeply"},
      {Ods("<table:table-row table:number-rows-repeated=\"1048575\">"
           "<table:table-cell table:number-columns-repeated=\"16384\" "
           "office:value-type=\"float\" office:value=\"1\"/></table:table-row>"),
       "the sheet expands to more cells than ldbtool reads of a table (at XFD2); it is not a "
       "lever table, or its rows and cells repeat without end"},
      {hostile({sheet, "<worksheet>", 128u << 20}),
       "part xl/worksheets/sheet1.xml of the archive inflates to more than ldbtool reads of a "
       "table"},
      {hostile({sheet, "<worksheet/>", 0, false, "", 99}),
       "part xl/worksheets/sheet1.xml of the archive is damaged (12 bytes where it claims 99)" +
           kAgain},
      {hostile({sheet, "<worksheet/>", 0, false, "", 5}),
       "part xl/worksheets/sheet1.xml of the archive is damaged (5 bytes where it claims 5, or "
       "bytes that fail their checksum)" +
           kAgain},
      // A minizip built without encryption (the Windows one) writes none.
      {[&] {
         try {
           return hostile({sheet, "<worksheet/>", 0, false, "secret"});
         } catch (const std::runtime_error&) {
           return std::string();
         }
       }(),
       "part xl/worksheets/sheet1.xml of the archive is encrypted; save the file without a "
       "password"},
      {hostile({sheet, "<worksheet><sheetData>"}),
       "part xl/worksheets/sheet1.xml of the archive is not well-formed XML (byte 21: Start-end "
       "tags mismatch)" +
           kAgain},
      {good.substr(0, good.size() - 10),
       "the file starts as a ZIP archive (.xlsx, .ods) but its directory cannot be read: it is "
       "truncated or damaged" +
           kAgain},
      {test::ZipArchive({{"notes.txt", "x"}}),
       "the file is a ZIP archive but neither an .xlsx nor an .ods workbook; save the table from "
       "the spreadsheet as one of these (or as TAB-separated text)"},
  };
  for (const auto& [bytes, message] : cases) {
    if (bytes.empty()) continue;
    try {
      ReadAnyTable(bytes, "t.xlsx");
      ADD_FAILURE() << "accepted; expected: " << message;
    } catch (const Refusal& refusal) {
      EXPECT_EQ(std::string(refusal.what()).substr(0, message.size()), message);
      EXPECT_EQ(refusal.offset(), kNoOffset);
    }
  }
}

}  // namespace
}  // namespace kovrant::tool
