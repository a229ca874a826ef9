#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

#include "io/failure.h"
#include "sample_db.h"
#include "support/fake_platform.h"
#include "support/files.h"
#include "tool/cell_trace.h"
#include "tool/commands.h"
#include "tool/refusal.h"
#include "tool_support.h"

namespace kovrant::tool {
namespace {

using test::FakePlatform;
using test::KovrantTable;

struct Result {
  int code;
  std::string out, err;
};

Result RunApply(FakePlatform& platform, const std::string& db, const std::string& table,
                bool dry_run = false, const std::string& output = "out.ldb") {
  platform.files["levers.ldb"].data = db;
  platform.files["table.txt"].data = table;
  std::ostringstream out, err;
  ApplyOptions options{"levers.ldb", "table.txt", output, dry_run, '.'};
  const int code = Apply(platform, options, out, err);
  return {code, out.str(), err.str()};
}

// The table's lines split into cells (CR LF line ends).
std::vector<std::vector<std::string>> Cells(const std::string& table) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    line.pop_back();  // CR
    std::vector<std::string> cells(1);
    for (char c : line) {
      if (c == '\t') {
        cells.emplace_back();
      } else {
        cells.back().push_back(c);
      }
    }
    rows.push_back(cells);
  }
  return rows;
}

std::string Join(const std::vector<std::vector<std::string>>& rows) {
  std::string table;
  for (const auto& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) table += (i ? "\t" : "") + row[i];
    table += "\r\n";
  }
  return table;
}

// The table as a spreadsheet may save it: LF line ends, short rows padded
// with empty cells up to eight, "3.0" saved as "3" and "E20" as "E+020".
std::string SavedBySpreadsheet(const std::string& table, std::mt19937& rng) {
  auto rows = Cells(table);
  std::string saved;
  for (auto& row : rows) {
    while (row.size() < 8 && rng() % 2) row.emplace_back();
    for (std::string& cell : row) {
      std::string out;
      std::size_t start = 0;
      for (std::size_t comma; start <= cell.size(); start = comma + 1) {
        comma = cell.find(',', start);
        if (comma == std::string::npos) comma = cell.size();
        std::string part = cell.substr(start, comma - start);
        if (part.size() > 2 && part.ends_with(".0") &&
            part.find_first_not_of("-0123456789", 0) == part.size() - 2) {
          part.resize(part.size() - 2);
        }
        if (const std::size_t e = part.find('E');
            e != std::string::npos && e > 0 && e + 1 < part.size() &&
            std::isdigit(static_cast<unsigned char>(part[e - 1])) &&
            std::isdigit(static_cast<unsigned char>(part[e + 1]))) {
          part.insert(e + 1, "+0");
        }
        out += (start ? "," : "") + part;
      }
      cell = out;
    }
    for (std::size_t i = 0; i < row.size(); ++i) saved += (i ? "\t" : "") + row[i];
    saved += rng() % 2 ? "\n" : "\r\n";
  }
  return saved;
}

TEST(ApplyTest, UneditedTableGivesTheDatabaseByteForByte) {
  std::mt19937 rng(11);
  std::vector<std::string> databases = {ldb::SampleDatabase()};
  for (int i = 0; i < 1000; ++i) databases.push_back(test::RandomDatabase(rng));
  for (const std::string& db : databases) {
    FakePlatform platform;
    const Result result = RunApply(platform, db, SavedBySpreadsheet(KovrantTable(db), rng));
    ASSERT_EQ(result.code, 0) << result.err;
    EXPECT_TRUE(platform.files.at("out.ldb").data == db);
    EXPECT_EQ(platform.flushed.count("out.ldb"), 1u);
  }
}

// A table exactly as kovrant writes it is answered by one quick conversion,
// which must accept just the databases the trace takes: damaged, overlapping
// and line-breaking ones go on to the trace and its refusals.
TEST(ApplyTest, QuickAnswerToAnExactTableAgreesWithTheTrace) {
  std::mt19937 rng(29);
  std::vector<std::string> databases = {
      ldb::OverlappingGroups(3, 1), ldb::Database({ldb::Prototype({ldb::Name("a\rb")})}),
      ldb::Database({ldb::Prototype({ldb::Description("x\ny")})})};
  for (int i = 0; i < 3000; ++i) {
    std::string db = test::RandomDatabase(rng);
    for (int k = i % 3; k > 0 && !db.empty(); --k) db[rng() % db.size()] ^= char(1 << (rng() % 8));
    databases.push_back(std::move(db));
  }
  int quick = 0;
  for (const std::string& db : databases) {
    const std::string table = KovrantTable(db);
    if (table.empty()) continue;
    bool traced = false;
    try {
      const Trace trace = TraceDatabase(db, '.', "db");
      traced = trace.first_overlap < 0 && trace.first_line_break_text < 0;
    } catch (const Refusal&) {
    }
    ASSERT_EQ(ShowsExactly(db, table, '.'), traced) << ::testing::PrintToString(db);
    quick += traced;
    EXPECT_FALSE(ShowsExactly(db, table.substr(0, table.size() - 1), '.'));
    // Saved with LF line ends, it asks for nothing as well; with a line end
    // dropped, or one CR LF left among LFs, it is no longer the same table.
    std::string lf;
    for (const char c : table) {
      if (c != '\r') lf += c;
    }
    ASSERT_EQ(ShowsExactly(db, lf, '.'), traced) << ::testing::PrintToString(db);
    EXPECT_FALSE(ShowsExactly(db, lf.substr(0, lf.size() - 1), '.'));
    if (std::count(lf.begin(), lf.end(), '\n') > 1) {
      EXPECT_FALSE(ShowsExactly(db, lf.substr(0, lf.size() - 1) + "\r\n", '.'));
    }
  }
  EXPECT_GT(quick, 1000);
}

// Random edits of editable cells, typed as kovrant writes numbers: the new
// database converts to exactly the edited table, and a prototype's bytes
// change only where its row was edited or it was given a copy of the place
// block it showed.
TEST(ApplyTest, EditsConvertToTheEditedTableAndTouchNothingElse) {
  std::mt19937 rng(5);
  int edited_databases = 0;
  for (int round = 0; round < 2000; ++round) {
    const std::string db = round % 10 == 0 ? ldb::SampleDatabase() : test::RandomDatabase(rng);
    const Trace trace = TraceDatabase(db, '.', "db");
    if (trace.rows.empty()) continue;
    auto table = Cells(trace.table);
    std::set<std::size_t> edited;
    for (int n = 0, edits = 1 + static_cast<int>(rng() % 4); n < edits; ++n) {
      const std::size_t r = rng() % trace.rows.size();
      const TracedRow& row = trace.rows[r];
      const std::size_t c = rng() % row.cells.size();
      const int field = row.cells[c].field;
      if (field < 0) continue;
      auto& cells = table[r + 1];
      switch (trace.records[field].frame.tag) {
        case 2: {
          const std::size_t first = c - static_cast<std::size_t>(row.cells[c].part);
          const int count = static_cast<int>(rng() % 3);
          for (int k = 0; k < 2; ++k) {
            cells[first + k] = k < count ? RenderFloat32(test::RandomFloatBits(rng), '.') + "," +
                                               RenderFloat32(test::RandomFloatBits(rng), '.')
                                         : "";
          }
          break;
        }
        case 3: {
          const std::string shown = RenderFloat32(test::RandomFloatBits(rng), '.');
          if (shown == "1.0" || shown == "NAN") continue;
          cells[c] = shown;
          break;
        }
        case 4:
          cells[c] = RenderSwitchTime(test::RandomTicks(rng), '.');
          break;
        default:
          cells[c] = test::RandomWord(rng);
          break;
      }
      edited.insert(r);
    }
    FakePlatform platform;
    const Result result = RunApply(platform, db, Join(table));
    ASSERT_EQ(result.code, 0) << result.err;
    const std::string& rebuilt = platform.files.at("out.ldb").data;
    ASSERT_EQ(KovrantTable(rebuilt), Join(table));
    // Prototypes pair up by order; compare their bytes.
    const Trace after = TraceDatabase(rebuilt, '.', "out");
    std::vector<int> old_prototypes, new_prototypes;
    for (std::size_t i = 0; i < trace.records.size(); ++i) {
      if (trace.records[i].frame.level == 3) old_prototypes.push_back(static_cast<int>(i));
    }
    for (std::size_t i = 0; i < after.records.size(); ++i) {
      if (after.records[i].frame.level == 3) new_prototypes.push_back(static_cast<int>(i));
    }
    ASSERT_EQ(old_prototypes.size(), new_prototypes.size());
    std::set<int> edited_prototypes;
    for (std::size_t r : edited) edited_prototypes.insert(trace.rows[r].prototype);
    for (std::size_t p = 0; p < old_prototypes.size(); ++p) {
      const RecordFrame& a = trace.records[old_prototypes[p]].frame;
      const RecordFrame& b = after.records[new_prototypes[p]].frame;
      auto bytes = [](const std::string& data, const RecordFrame& f) {
        return data.substr(static_cast<std::size_t>(f.offset),
                           static_cast<std::size_t>(f.length + f.body - f.offset));
      };
      if (bytes(db, a) == bytes(rebuilt, b) || edited_prototypes.count(old_prototypes[p])) {
        continue;
      }
      // Otherwise only a copied place block was put in.
      EXPECT_EQ(after.records[new_prototypes[p]].children.size(),
                trace.records[old_prototypes[p]].children.size() + 1);
    }
    edited_databases += !edited.empty();
  }
  EXPECT_GT(edited_databases, 1000);
}

// The bytes of record `a` of `old_db` are those of record `b` of `new_db`,
// or differ only by one place field put in before a place count (a block of
// its own, so that the count shows what it showed).
bool KeptBytes(const std::string& old_db, const Trace& old_trace, int a, const std::string& new_db,
               const Trace& new_trace, int b) {
  auto bytes = [](const std::string& data, const RecordFrame& f) {
    return data.substr(static_cast<std::size_t>(f.offset),
                       static_cast<std::size_t>(f.end() - f.offset));
  };
  if (bytes(old_db, old_trace.records[a].frame) == bytes(new_db, new_trace.records[b].frame)) {
    return true;
  }
  const auto& before = old_trace.records[a].children;
  const auto& after = new_trace.records[b].children;
  if (after.size() != before.size() + 1) return false;
  for (std::size_t i = 0, j = 0, skipped = 0; i < before.size(); ++i, ++j) {
    const std::string old_field = bytes(old_db, old_trace.records[before[i]].frame);
    if (old_field == bytes(new_db, new_trace.records[after[j]].frame)) continue;
    if (skipped++ || new_trace.records[after[j]].frame.tag != 1 ||
        old_trace.records[before[i]].frame.tag != 2 ||
        old_field != bytes(new_db, new_trace.records[after[j + 1]].frame)) {
      return false;
    }
    ++j;
  }
  return true;
}

// Rows inserted, deleted, moved and duplicated at random, mixed with cell
// edits and short rows extended, on random well-nested databases: the new
// database shows exactly the edited table, and a row kept unchanged keeps
// the bytes of a prototype that showed it.
TEST(ApplyTest, StructuralEditsShowTheEditedTableAndKeepUnchangedPrototypes) {
  std::mt19937 rng(21);
  int structural = 0;
  for (int round = 0; round < 1500; ++round) {
    const std::string db = round % 10 == 0 ? ldb::SampleDatabase() : test::RandomDatabase(rng);
    const Trace trace = TraceDatabase(db, '.', "db");
    auto rows = Cells(trace.table);
    const auto header = rows.front();
    rows.erase(rows.begin());
    std::vector<std::vector<int>> kinds;
    for (const TracedRow& row : trace.rows) {
      kinds.emplace_back();
      for (const TracedCell& cell : row.cells) {
        kinds.back().push_back(cell.field < 0 ? -1 : trace.records[cell.field].frame.tag);
      }
    }
    const ldb::EditedTable edited = ldb::RandomTableEdits(rows, kinds, rng);
    // Empty lines added at the end are a spreadsheet's, which apply ignores.
    if (!edited.rows.empty() && edited.rows.back().size() <= 1 &&
        (edited.rows.back().empty() || edited.rows.back()[0].empty()) &&
        (rows.empty() || rows.back() != edited.rows.back())) {
      continue;
    }
    auto table = edited.rows;
    table.insert(table.begin(), header);
    FakePlatform platform;
    const Result result = RunApply(platform, db, Join(table));
    ASSERT_EQ(result.code, 0) << result.err << Join(table);
    const std::string& rebuilt = platform.files.at("out.ldb").data;
    ASSERT_EQ(KovrantTable(rebuilt), Join(table)) << result.out;
    const Trace after = TraceDatabase(rebuilt, '.', "out");
    for (std::size_t n = 0; n < edited.rows.size(); ++n) {
      if (edited.origin[n] < 0 || edited.changed[n]) continue;
      bool kept = false;
      for (std::size_t o = 0; o < rows.size() && !kept; ++o) {
        kept = rows[o] == edited.rows[n] && KeptBytes(db, trace, trace.rows[o].prototype, rebuilt,
                                                      after, after.rows[n].prototype);
      }
      EXPECT_TRUE(kept) << "row " << n + 1 << " of\n" << Join(table);
    }
    structural += edited.rows.size() != rows.size() || edited.origin != [&] {
      std::vector<std::int64_t> same;
      for (std::size_t o = 0; o < rows.size(); ++o) same.push_back(static_cast<std::int64_t>(o));
      return same;
    }();
  }
  EXPECT_GT(structural, 700);
}

// The sample's table sorted by each column (and saved as a spreadsheet
// saves it, numbers in its own spelling, short rows padded): the new
// database shows the sorted table and holds every prototype of the old one.
TEST(ApplyTest, SortedSampleKeepsEveryPrototype) {
  std::mt19937 rng(3);
  const std::string db = ldb::SampleDatabase();
  const Trace trace = TraceDatabase(db, '.', "db");
  for (std::size_t column = 0; column < 8; ++column) {
    std::vector<std::size_t> order(trace.rows.size());
    for (std::size_t r = 0; r < order.size(); ++r) order[r] = r;
    auto cell = [&](std::size_t r) {
      const auto& cells = trace.rows[r].cells;
      return column < cells.size() ? cells[column].text : std::string();
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return cell(a) < cell(b); });
    auto rows = Cells(trace.table);
    std::vector<std::vector<std::string>> sorted = {rows.front()};
    for (std::size_t r : order) sorted.push_back(rows[r + 1]);
    FakePlatform platform;
    const Result result =
        RunApply(platform, db, column % 2 ? SavedBySpreadsheet(Join(sorted), rng) : Join(sorted));
    ASSERT_EQ(result.code, 0) << result.err;
    const std::string& rebuilt = platform.files.at("out.ldb").data;
    ASSERT_EQ(KovrantTable(rebuilt), Join(sorted));
    const Trace after = TraceDatabase(rebuilt, '.', "out");
    for (std::size_t n = 0; n < order.size(); ++n) {
      EXPECT_TRUE(KeptBytes(db, trace, trace.rows[order[n]].prototype, rebuilt, after,
                            after.rows[n].prototype))
          << "column " << column << ", row " << n + 1;
    }
  }
}

// Rows 2 and 4 get blocks of their own; rows 3 and 5, which showed the
// carried block, each get a copy of it, and row 6 in the next first-level
// record still sees it.
TEST(ApplyTest, CarriedPlaceBlockIsKeptForTheLaterPrototypes) {
  using namespace ldb;
  const std::string db = Cat(
      {Section(
           1,
           {Group({Prototype({Name("a"), PlaceBlock(1, 2, 3, 4), PlaceCount(2)}),
                   Prototype({Name("b"), PlaceCount(1)}), Prototype({Name("c"), PlaceCount(1)}),
                   Prototype({Name("d"), PlaceCount(1)}), Prototype({Name("e"), PlaceCount(1)})})}),
       Section(1, {Group({Prototype({Name("f"), PlaceCount(2)})})})});
  auto table = Cells(KovrantTable(db));
  table[2][1] = "5.0,6.0";
  table[4][2] = "7.0,8.0";
  FakePlatform platform;
  const Result result = RunApply(platform, db, Join(table));
  ASSERT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(KovrantTable(platform.files.at("out.ldb").data), Join(table));
  EXPECT_EQ(result.out,
            "row 2, Place1: \"1.0,2.0\" -> \"5.0,6.0\"\n"
            "row 4, Place2: \"\" -> \"7.0,8.0\"\n"
            "applied to out.ldb: 0 added rows, 0 removed rows, 0 moved rows, 2 changed cells in 2 "
            "prototypes; 2 later prototypes given a copy of the place block they showed\n");
}

TEST(ApplyTest, DryRunListsChangesAndPrecisionAndWritesNothing) {
  using namespace ldb;
  const std::string db = Database(
      {Prototype({Name("a\0"), PlaceCount(0), Scale(2.0f), SwitchTime(30), Material("m")})});
  FakePlatform platform;
  const Result result =
      RunApply(platform, db, std::string(kHeaderRow) + "\nb\t\t\t2\t2.37\tm\r\n", true);
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "row 1, Name: \"a\" -> \"b\"\n"
            "row 1, Switch Time: \"2.0\" -> \"2.4\"\n"
            "row 1, Switch Time: 2.37 s stored as 36 ticks, reads 2.4\n"
            "0 added rows, 0 removed rows, 0 moved rows, 2 changed cells in 1 prototype; nothing "
            "written (dry run)\n");
  EXPECT_EQ(platform.files.count("out.ldb"), 0u);
}

// The listing of a structural edit: "c" and "h" stay, "g" moves first,
// "b" is removed, "d" added, "a" given a Switch Time after its Scale, and
// the row without a Name field given one.
TEST(ApplyTest, DryRunListsStructureWithCounts) {
  using namespace ldb;
  const std::string db =
      Database({Prototype({Name("a"), PlaceCount(0), Scale(2.0f)}), Prototype({Name("b")}),
                Prototype({Name("c"), PlaceCount(0)}), Prototype({Name("g")}),
                Prototype({Name("h")}), Prototype({Scale(3.0f)})});
  FakePlatform platform;
  const Result result = RunApply(
      platform, db,
      std::string(kHeaderRow) + "\ng\na\t\t\t2.0\t1.5\nc\t\t\nh\ne\t3.0\nd\t1,2\t\t\t0.5\n", true);
  EXPECT_EQ(result.code, 0) << result.err;
  EXPECT_EQ(result.out,
            "added row 6 \"d\"\n"
            "removed row 2 \"b\"\n"
            "moved row 4 -> 1 \"g\"\n"
            "row 2, Switch Time: \"(no cell)\" -> \"1.5\"\n"
            "row 5, Name: \"\" -> \"e\"\n"
            "1 added row, 1 removed row, 1 moved row, 2 changed cells in 2 prototypes; nothing "
            "written (dry run)\n");
}

TEST(ApplyTest, OutputNamingTheDatabaseKeepsItAsBackup) {
  const auto db = [](const char* name) {
    return ldb::Database({ldb::Prototype({ldb::Name(name), ldb::SwitchTime(15)})});
  };
  FakePlatform platform;
  platform.files["levers.ldb.bak"].data = "an earlier backup";
  const Result result = RunApply(platform, db("a"), KovrantTable(db("b")), false, "levers.ldb");
  EXPECT_EQ(result.out,
            "row 1, Name: \"a\" -> \"b\"\n"
            "applied to levers.ldb: 0 added rows, 0 removed rows, 0 moved rows, 1 changed cell "
            "in 1 prototype; the old database is kept as levers.ldb.bak.1\n");
  EXPECT_EQ(platform.files.at("levers.ldb.bak").data, "an earlier backup");
  EXPECT_EQ(platform.files.at("levers.ldb.bak.1").data, db("a"));
}

// On the real file system, OUT spelled otherwise than DB still names it:
// the database is kept as a backup and replaced, and no temporary file stays.
TEST(ApplyTest, RealFilesReplaceTheDatabaseKeepingABackup) {
  test::ScratchDirectory directory("ldbtool-apply");
  const std::string db =
      ldb::Database({ldb::Prototype({ldb::Name("Oak"), ldb::PlaceCount(0), ldb::Scale(2)})});
  const std::string path = (directory.path() / "levers.ldb").string();
  test::WriteFile(path, db);
  test::WriteFile(directory.path() / "table.txt", std::string(kHeaderRow) + "\r\nElm\t\t\t2.5\r\n");
  std::ostringstream out, err;
  const ApplyOptions options{path, (directory.path() / "table.txt").string(),
                             (directory.path() / "." / "levers.ldb").string(), false, ';'};
  ASSERT_EQ(Apply(SystemPlatform(), options, out, err), 0) << err.str();
  EXPECT_EQ(test::ReadFile(path + ".bak"), db);
  EXPECT_EQ(KovrantTable(test::ReadFile(path)), std::string(kHeaderRow) + "\r\nElm\t\t\t2.5\r\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.path()),
                          std::filesystem::directory_iterator()),
            3);
}

// Every refusal: its exact message, and nothing created.
TEST(ApplyTest, RefusalsNameThePlaceAndCreateNothing) {
  using namespace ldb;
  const std::string header = std::string(kovrant::kHeaderRow) + "\r\n";
  const std::string plain =
      Database({Prototype({Name("a"), PlaceCount(0), Scale(2), SwitchTime(15)}),
                Prototype({Name("x"), Name("y")}), Prototype({PlaceCount(1)})});
  struct Case {
    std::string db, table, err;
  } cases[] = {
      {plain, "\xEF\xBB\xBF" + header,
       "ldbtool: table.txt: offset 0 (0x0): error: the table starts with a byte-order mark, which "
       "kovrant never writes; save it without one (and in the texts' original encoding), or "
       "pass --encoding utf-8\n"},
      {plain, "Name\tPlace\r\n",
       "ldbtool: table.txt: offset 0 (0x0): error: line 1 is not the header kovrant writes (Name, "
       "Place1, Place2, Scale, Switch Time, Material, Switch Sound, Lever Description, separated "
       "by TAB)\n"},
      {plain, header + "a\t\t\t2.0\t1.0\tm\ts\td\t9\r\nxy\r\n\t0.0,0.0\t\r\n",
       "ldbtool: table.txt: offset 96 (0x60): error: row 1, column 9: no field makes a cell beyond "
       "the eighth column, so it cannot be added (a spreadsheet that splits at \",\" or \";\" too "
       "makes two cells of a place x,y; import it with Tab as the only separator and no text "
       "delimiter)\n"},
      {plain, header + "a\t\t\t2.0\t1.0\r\nxy\r\n\t0.0,0.0\t\t\t\tm\r\n",
       "ldbtool: table.txt: offset 106 (0x6A): error: row 3, Switch Time: an empty cell cannot be "
       "made here (a switch time always shows a number; type 0 for none)\n"},
      {Database({Prototype({Name("a"), Material("m"), Material("n")})}), header + "a\tm\r\n",
       "ldbtool: table.txt: offset 81 (0x51): error: row 1, Place2: the row ends before this "
       "cell, which is not made by one field alone, so it cannot be removed (type the cell as it "
       "was)\n"},
      {Database({Prototype({Name("a"), Scale(2)})}), header + "a\t2.0\t3,4\r\n",
       "ldbtool: table.txt: offset 84 (0x54): error: row 1, Place2: this cell cannot be added "
       "alone "
       "(one place field makes Place1 and Place2, and another field makes Place1 here)\n"},
      {plain, header + "a\t\t\t2.0\t1.0\r\nxz\r\n\t0.0,0.0\t\r\n",
       "ldbtool: table.txt: offset 91 (0x5B): error: row 2, Name: this cell is not made by one "
       "field alone (a repeated field, a name after another field, or part of a text holding "
       "TAB), so it cannot be changed\n"},
      {plain, header + "a\t\t\tNAN\t1.0\r\nxy\r\n\t0.0,0.0\t\r\n",
       "ldbtool: table.txt: offset 82 (0x52): error: row 1, Scale: NAN cannot be stored as a "
       "scale (kovrant fails on a NaN scale)\n"},
      {plain, header + "a\t\t\t2.0\t3e8\r\nxy\r\n\t0.0,0.0\t\r\n",
       "ldbtool: table.txt: offset 86 (0x56): error: row 1, Switch Time: \"3e8\" seconds is "
       "outside the range of switch times (32-bit ticks of 1/15 s)\n"},
      {plain, header + "a\t\t1,2\t2.0\t1.0\r\nxy\r\n\t0.0,0.0\t\r\n",
       "ldbtool: table.txt: offset 81 (0x51): error: row 1, Place2: a second place needs a first "
       "one (Place1 is empty)\n"},
      {plain, header + "a\t\t\t2,5\t1.0\r\nxy\r\n\t0.0,0.0\t\r\n",
       "ldbtool: table.txt: offset 82 (0x52): error: row 1, Scale: \"2,5\" is not a number: write "
       "it as "
       "kovrant does, with \".\" as the decimal separator (e.g. 0.45) and no thousands separators "
       "or "
       "units\n"},
      {Database({Prototype({Name("a\rb")})}), header + "a\rb\r\n",
       "ldbtool: levers.ldb: offset 6 (0x6): error: the text here holds CR or LF, which splits its "
       "row in the table, so rows and prototypes no longer pair up\n"},
      {Section(1, {Group({Prototype({Record(9, "ab") + "\x09\x08"
                                                       "ab"}) +
                          std::string(2, '\0')})}),
       header,
       "ldbtool: levers.ldb: offset 10 (0xA): error: the record here reaches past the end of the "
       "record holding it; apply needs a database whose records nest ('ldbtool check' lists "
       "them)\n"},
      // The Scale value, shorter than a float, is read on into the
      // Material's frame: the edit would change it, which the proof finds.
      {Database({Prototype({Name("a"), PlaceCount(0), Record(3, ""), Material("xyzw")})}),
       header + "a\t\t\t" + RenderFloat32(0x79780805, '.') + "\tqqzw\r\n",
       "ldbtool: table.txt: offset 82 (0x52): error: row 1, Scale: the rebuilt database would "
       "show \"1.19352931816534E30\" here, not \"8.04907672708924E34\"; nothing was written\n"},
      {plain.substr(0, 20), header,
       "ldbtool: levers.ldb: offset 15 (0xF): error: kovrant cannot convert this database (Read "
       "beyond end of file in the record here; 'ldbtool check' names the cause)\n"},
  };
  for (const Case& c : cases) {
    FakePlatform platform;
    const Result result = RunApply(platform, c.db, c.table);
    EXPECT_EQ(result.code, 1);
    EXPECT_EQ(result.err, c.err);
    EXPECT_EQ(platform.files.size(), 2u) << c.err;  // the database and the table only
  }
  FakePlatform platform;
  const Result same = RunApply(platform, plain, header, false, "table.txt");
  EXPECT_EQ(same.err,
            "ldbtool: table.txt: error: the output names the table itself, which the new database "
            "would replace\n");
}

TEST(ApplyTest, FailedWriteLeavesTheDatabaseAndNoTemporaryFile) {
  const std::string db = ldb::Database({ldb::Prototype({ldb::Name("a")})});
  const std::string edited = KovrantTable(ldb::Database({ldb::Prototype({ldb::Name("b")})}));
  for (test::Op op : {test::Op::kKind, test::Op::kTarget, test::Op::kCreate, test::Op::kWrite,
                      test::Op::kFlush, test::Op::kClose, test::Op::kBackup}) {
    FakePlatform platform;
    platform.FailOn(op, 1, kIoDiskFull);
    const Result result = RunApply(platform, db, edited, false, "levers.ldb");
    EXPECT_EQ(result.code, 1);
    EXPECT_NE(result.err.find("levers.ldb: error: cannot "), std::string::npos) << result.err;
    EXPECT_EQ(platform.files.size(), 2u);
    EXPECT_EQ(platform.files.at("levers.ldb").data, db);
  }
}

}  // namespace
}  // namespace kovrant::tool
