// ldbtool diff: exit codes and exact output on a small case table, and a
// database showing the same as its own table.
#include <gtest/gtest.h>

#include <sstream>

#include "support/fake_platform.h"
#include "tool/cell_trace.h"
#include "tool/cell_values.h"
#include "tool/commands.h"
#include "tool/diff.h"
#include "tool_support.h"

namespace kovrant::tool {
namespace {

namespace ldb = kovrant::ldb;

TEST(DiffTest, ListsWhatChangedWithExitCodes) {
  const std::string db =
      ldb::Database({ldb::Prototype({ldb::Name("Oak"), ldb::Scale(1.25f), ldb::Material("wood")}),
                     ldb::Prototype({ldb::Name("Gate"), ldb::SwitchTime(30)}),
                     ldb::Prototype({ldb::Name("Bell"), ldb::Description("L\xE4utet")}),
                     ldb::Prototype({ldb::Name("Lamp"), ldb::PlaceCount(1)})});
  const std::string table = test::KovrantTable(db);
  const std::string header = table.substr(0, table.find('\n') + 1);
  test::FakePlatform platform;
  platform.files["db.ldb"].data = db;
  platform.files["cut.ldb"].data = db.substr(0, 20);
  platform.files["same.txt"].data = table;
  platform.files["bom.txt"].data = "\xEF\xBB\xBF" + table;
  platform.files["renamed.txt"].data = "Name\tPlace\n";
  platform.files["edited.txt"].data = header + "Oak\t2.0\twood\nLamp\t0.0,0.0\t\nNew\nGate\t2.0\n";
  struct Case {
    std::string old_file, new_file;
    int code;
    std::string out, err;
  };
  const Case cases[] = {
      {"db.ldb", "same.txt", 0, "db.ldb and same.txt show the same 4 rows\n", ""},
      {"db.ldb", "edited.txt", 1,
       "added row 3 \"New\"\nremoved row 3 \"Bell\"\nmoved row 4 -> 2 \"Lamp\"\n"
       "row 1, Place1: \"1.3\" -> \"2.0\"\n1 added row, 1 removed row, 1 moved row, 1 changed "
       "cell in 1 prototype (4 rows in db.ldb, 4 rows in edited.txt)\n",
       ""},
      // --text: one line per row, the texts in UTF-8.
      {"db.ldb", "", 0,
       header.substr(0, header.size() - 2) +
           "\nOak\t1.3\twood\nGate\t2.0\nBell\tL\xC3\xA4utet\nLamp\t0.0,0.0\t\n",
       ""},
      {"db.ldb", "missing.txt", 2, "",
       "ldbtool: missing.txt: error: cannot open: File not found\n"},
      {"renamed.txt", "db.ldb", 2, "",
       "ldbtool: renamed.txt: offset 0 (0x0): error: line 1 is not the header kovrant writes "
       "(Name, Place1, Place2, Scale, Switch Time, Material, Switch Sound, Lever Description, "
       "separated by TAB)\n"},
      {"bom.txt", "db.ldb", 2, "",
       "ldbtool: bom.txt: offset 0 (0x0): error: the table starts with a byte-order mark, which "
       "kovrant never writes; save it without one (and in the texts' original encoding)\n"},
      {"db.ldb", "cut.ldb", 2, "",
       "ldbtool: cut.ldb: error: kovrant cannot convert it (Read beyond end of file)\n"},
  };
  for (const Case& c : cases) {
    std::ostringstream out, err;
    const int code = Diff(platform, {c.old_file, c.new_file, c.new_file.empty(), '.'}, out, err);
    EXPECT_EQ(code, c.code) << c.new_file;
    EXPECT_EQ(out.str(), c.out) << c.new_file;
    EXPECT_EQ(err.str(), c.err) << c.new_file;
  }
}

// A database and the table kovrant writes for it show the same, and the same
// text, whatever the database holds.
TEST(DiffTest, DatabaseShowsTheSameAsItsTable) {
  std::mt19937 rng(22);
  for (int round = 0; round < 200; ++round) {
    test::FakePlatform platform;
    platform.files["db"].data = test::RandomDatabase(rng);
    platform.files["table"].data = test::KovrantTable(platform.files["db"].data);
    std::ostringstream out, err, db_text, table_text;
    EXPECT_EQ(Diff(platform, {"db", "table", false, '.'}, out, err), 0) << out.str() << err.str();
    Diff(platform, {"db", "", true, '.'}, db_text, err);
    Diff(platform, {"table", "", true, '.'}, table_text, err);
    EXPECT_EQ(db_text.str(), table_text.str());
  }
}

// The index of a row counted from 1 (the lists' rows are 64-bit).
std::size_t At(std::int64_t row) { return static_cast<std::size_t>(row - 1); }

// diff DB OUT lists exactly the edits apply made, and as apply listed them:
// DB's rows with the listed edits applied are the edited table. Rows neither
// added nor moved stay in order with the old rows neither removed nor moved
// (anchors and edited rows), each the old row with its listed cells changed.
TEST(DiffTest, ListsExactlyTheEditsApplyMade) {
  std::mt19937 rng(23);
  for (int round = 0; round < 400; ++round) {
    test::FakePlatform platform;
    const std::string db = test::RandomDatabase(rng);
    platform.files["db"].data = db;
    const std::vector<ShownRow> old_rows = ReadRowsOf(platform, "db", '.');
    const Trace trace = TraceDatabase(db, '.', "db");
    std::vector<std::vector<int>> kinds;
    for (const TracedRow& row : trace.rows) {
      kinds.emplace_back();
      for (const TracedCell& cell : row.cells) {
        kinds.back().push_back(cell.field < 0 ? -1 : trace.records[cell.field].frame.tag);
      }
    }
    const auto edited = ldb::RandomTableEdits(old_rows, kinds, rng).rows;
    // Empty lines added at the end are a spreadsheet's, which apply ignores.
    if (edited.size() > old_rows.size() && edited.back().size() <= 1 &&
        (edited.back().empty() || edited.back()[0].empty())) {
      continue;
    }
    platform.files["table"].data = TableBytes(edited);
    std::ostringstream applied, err, listed, diffed;
    ASSERT_EQ(Apply(platform, {"db", "table", "out", false, '.'}, applied, err), 0) << err.str();
    // OUT shows the table (empty cells at a row's end read as padding).
    const std::vector<ShownRow> new_rows = ReadRowsOf(platform, "out", '.');
    ASSERT_EQ(new_rows.size(), edited.size());
    for (std::size_t n = 0; n < new_rows.size(); ++n) {
      auto row = edited[n];
      while (row.size() > new_rows[n].size() && row.back().empty()) row.pop_back();
      EXPECT_EQ(row, new_rows[n]);
    }
    const TableEdits edits = CompareRows(old_rows, new_rows);
    PrintEdits(edits, listed);
    EXPECT_TRUE(applied.str().starts_with(listed.str())) << applied.str() << listed.str();
    EXPECT_EQ(Diff(platform, {"db", "out", false, '.'}, diffed, err), edits.empty() ? 0 : 1);
    EXPECT_TRUE(diffed.str().starts_with(listed.str()));
    EXPECT_EQ(edits.empty(), old_rows == new_rows);
    std::vector<ShownRow> rebuilt(new_rows.size());
    std::vector<bool> new_placed(new_rows.size()), old_used(old_rows.size());
    for (const auto& added : edits.added) {
      EXPECT_EQ(added.name, new_rows[At(added.row)].empty() ? "" : new_rows[At(added.row)][0]);
      rebuilt[At(added.row)] = new_rows[At(added.row)];
      new_placed[At(added.row)] = true;
    }
    for (const auto& removed : edits.removed) old_used[At(removed.row)] = true;
    for (const auto& moved : edits.moved) {
      rebuilt[At(moved.to)] = old_rows[At(moved.from)];
      new_placed[At(moved.to)] = old_used[At(moved.from)] = true;
    }
    for (std::size_t n = 0, o = 0; n < new_rows.size(); ++n) {
      if (new_placed[n]) continue;
      while (o < old_rows.size() && old_used[o]) ++o;
      ASSERT_LT(o, old_rows.size()) << round;
      rebuilt[n] = old_rows[o++];
      for (const auto& change : edits.changed) {
        if (change.row != std::int64_t(n) + 1) continue;
        ShownRow& row = rebuilt[n];
        if (row.size() <= change.cell) row.resize(change.cell + 1, "(no cell)");
        EXPECT_EQ(row[change.cell], change.old_text);
        row[change.cell] = change.new_text;
      }
      while (!rebuilt[n].empty() && rebuilt[n].back() == "(no cell)") rebuilt[n].pop_back();
    }
    EXPECT_EQ(rebuilt, new_rows) << round;
  }
}

}  // namespace
}  // namespace kovrant::tool
