// ldbtool export DB -o FILE.xlsx: kovrant's table as a workbook whose every
// cell is text, so that a spreadsheet opens it without an import dialog and
// changes none of its cells ("00123", "3.0", "=1+1", "1.5E20" stay as they
// are).
//
// One worksheet, LeverPrototypes: the header row (bold, frozen), then one
// row per table row, each cell the exact text of kovrant's cell, decoded
// from Windows-1252. Every column carries the Text number format ("@",
// built-in format 49) for the whole sheet, so that what a person types into
// new rows stays text too.
//
// libxlsxwriter writes to a path: the workbook goes to a temporary file of
// our own in the system's temporary directory (its own scratch files too),
// is read back and written to OUT as apply writes a database. On Windows
// it is built in memory instead (WorkbookBytes says why).
#include <xlsxwriter.h>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <ostream>

#include "tool/cell_trace.h"
#include "tool/cell_values.h"
#include "tool/commands.h"
#include "tool/encoding.h"
#include "tool/refusal.h"
#include "tool/sheet_format.h"
#include "tool/whole_file.h"

namespace kovrant::tool {
namespace {

constexpr double kMaxColumnWidth = 60;  // characters; longer texts wrap off the screen anyway
constexpr lxw_col_t kFormattedColumns = 256;

#ifndef _WIN32
// The temporary workbook, removed whatever happens.
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& out) : platform_(SystemPlatform()) {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::temp_directory_path(error);
    if (error) {
      throw Refusal(out, kNoOffset,
                    "no temporary directory to build the workbook in: " + error.message() +
                        "; set TMPDIR (TEMP on Windows) to a directory you may write to");
    }
    directory_ = directory.string();
    FileHandle file;
    if (platform_.CreateTemporary((directory / "ldbtool-export.xlsx").string(), &path_, &file) !=
        0) {
      throw Refusal(out, kNoOffset,
                    "cannot create a temporary workbook in " + directory_ +
                        "; set TMPDIR (TEMP on Windows) to a directory you may write to");
    }
    platform_.Close(file);
  }
  ~ScratchFile() { platform_.RemoveFile(path_); }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }
  const std::string& directory() const { return directory_; }
  std::string Bytes() { return ReadWholeFile(platform_, path_); }

 private:
  Platform& platform_;
  std::string directory_, path_;
};
#endif

// The cell's text as the workbook holds it: UTF-8, with a literal "_xHHHH_"
// escaped as "_x005F_xHHHH_" (an escaped underscore). A reader decodes
// "_xHHHH_" as the character U+HHHH, the form in which libxlsxwriter itself
// writes the control characters XML cannot hold.
std::string SheetText(std::string_view bytes) {
  std::string text = Windows1252ToUtf8(bytes);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsEscapeAt(text, i)) out += "_x005F";
    out += text[i];
  }
  return out;
}

void Check(lxw_error error, const std::string& out, const std::string& what) {
  if (error != LXW_NO_ERROR) {
    throw Refusal(out, kNoOffset, what + ": " + lxw_strerror(error) + "; nothing was written");
  }
}

// Fills the started workbook with the table and closes it; `where` names the
// directory of its scratch files in a refusal.
void FillWorkbook(lxw_workbook* workbook, const std::vector<std::vector<std::string>>& rows,
                  const std::string& out, const std::string& where) {
  lxw_format* text = workbook_add_format(workbook);
  format_set_num_format_index(text, kTextNumberFormat);
  lxw_format* header = workbook_add_format(workbook);
  format_set_num_format_index(header, kTextNumberFormat);
  format_set_bold(header);
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, kSheetName);
  std::vector<std::size_t> widths;
  try {
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (std::size_t c = 0; c < rows[r].size(); ++c) {
        // Characters, for the width: one per byte of Windows-1252.
        if (widths.size() <= c) widths.resize(c + 1, 0);
        widths[c] = std::max(widths[c], rows[r][c].size());
        const std::string cell = SheetText(rows[r][c]);
        Check(worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                     cell.c_str(), r == 0 ? header : text),
              out, "row " + std::to_string(r) + ", column " + std::to_string(c + 1));
      }
    }
    for (std::size_t c = 0; c < widths.size(); ++c) {
      const double width = std::min(kMaxColumnWidth, static_cast<double>(widths[c]) + 2);
      Check(worksheet_set_column(sheet, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), width,
                                 text),
            out, "column " + std::to_string(c + 1));
    }
    // The columns after the table's are text too, as far as any spreadsheet
    // shows them without complaint (Calc's default sheet has 1024 columns
    // and warns of a file that formats more).
    const auto after = static_cast<lxw_col_t>(widths.size());
    if (after < kFormattedColumns) {
      Check(worksheet_set_column(sheet, after, kFormattedColumns - 1, LXW_DEF_COL_WIDTH, text), out,
            "the columns after the table's");
    }
    worksheet_freeze_panes(sheet, 1, 0);
  } catch (...) {
    workbook_close(workbook);
    throw;
  }
  Check(workbook_close(workbook), out, "cannot write the workbook in " + where);
}

#ifdef _WIN32
// On Windows libxlsxwriter takes the workbook's path as UTF-8, while ldbtool's
// paths are in the ANSI code page, as the platform layer opens them: a
// temporary directory under a user name with an accent (C:\Users\...\Temp)
// would name two different places. So the workbook is built in memory (the
// output_buffer of the libxlsxwriter built into the Windows executables), its
// scratch parts in the directory of TMP or TEMP, which tmpfileplus reads in
// the ANSI code page too.
std::string WorkbookBytes(const std::vector<std::vector<std::string>>& rows,
                          const std::string& out) {
  struct Buffer {
    const char* data = nullptr;
    std::size_t size = 0;
    ~Buffer() { std::free(const_cast<char*>(data)); }
  } buffer;
  lxw_workbook_options options{};
  options.output_buffer = &buffer.data;
  options.output_buffer_size = &buffer.size;
  lxw_workbook* workbook = workbook_new_opt(nullptr, &options);
  if (workbook == nullptr) throw Refusal(out, kNoOffset, "cannot start the workbook in memory");
  FillWorkbook(workbook, rows, out, "the temporary directory (TMP, TEMP)");
  return std::string(buffer.data, buffer.size);
}
#else
std::string WorkbookBytes(const std::vector<std::vector<std::string>>& rows,
                          const std::string& out) {
  ScratchFile scratch(out);
  lxw_workbook_options options{};
  std::string tmpdir = scratch.directory();
  options.tmpdir = tmpdir.data();
  lxw_workbook* workbook = workbook_new_opt(scratch.path().c_str(), &options);
  if (workbook == nullptr) {
    throw Refusal(out, kNoOffset, "cannot start the workbook in " + scratch.directory());
  }
  FillWorkbook(workbook, rows, out, scratch.directory());
  return scratch.Bytes();
}
#endif

int ExportOrRefuse(Platform& platform, const ExportOptions& options, std::ostream& out,
                   std::ostream& err) {
  if (platform.SameFile(options.database, options.output)) {
    throw Refusal(options.output, kNoOffset,
                  "the output names the database itself, which the workbook would replace");
  }
  CheckReplaceable(platform, options.output);
  const std::string database = ReadWholeFile(platform, options.database);
  const ConvertedTable converted =
      ConvertNotingLineBreaks(database, options.decimal_separator, options.database);
  if (converted.first_line_break_text >= 0) {
    throw Refusal(options.database, converted.first_line_break_text,
                  "the text here holds CR or LF, which splits its row in the table; a sheet "
                  "made of it would not apply to this database (change the text first)");
  }
  const auto rows = SplitTable(converted.table);
  if (rows.size() > kMaxSheetRows) {
    throw Refusal(options.database, kNoOffset,
                  "the table has " + std::to_string(rows.size() - 1) + " rows; a worksheet holds " +
                      std::to_string(kMaxSheetRows - 1) + " below its header: row " +
                      std::to_string(kMaxSheetRows) + " and after do not fit");
  }
  for (std::size_t r = 1; r < rows.size(); ++r) {
    for (std::size_t c = 0; c < rows[r].size(); ++c) {
      if (rows[r][c].size() > kMaxCellCharacters) {
        throw Refusal(options.database, kNoOffset,
                      "row " + std::to_string(r) + ", column " + std::to_string(c + 1) + " holds " +
                          std::to_string(rows[r][c].size()) +
                          " characters; a worksheet cell holds at most " +
                          std::to_string(kMaxCellCharacters));
      }
    }
  }
  // A prototype that shows nothing makes a row of empty cells; at the end of
  // the table, a spreadsheet keeps no such row.
  std::size_t empty = 0;
  while (empty + 1 < rows.size() &&
         std::all_of(rows[rows.size() - 1 - empty].begin(), rows[rows.size() - 1 - empty].end(),
                     [](const std::string& cell) { return cell.empty(); })) {
    ++empty;
  }
  if (empty > 0) {
    err << FormatFinding(options.database, kNoOffset, "warning",
                         "the table's last " + std::to_string(empty) + " row" +
                             (empty == 1 ? " is" : "s are") +
                             " empty; a spreadsheet saves no empty rows at the end of a sheet, "
                             "so apply will find " +
                             std::to_string(rows.size() - 1 - empty) +
                             " rows in the workbook and take the others for removed rows (edit "
                             "the text table instead)");
  }
  const std::string bytes = WorkbookBytes(rows, options.output);
  const WriteOutcome outcome = WriteFileKeepingBackup(platform, options.output, bytes, true);
  out << "exported " << rows.size() - 1 << " row" << (rows.size() == 2 ? "" : "s") << " to "
      << options.output << OutcomeSummary(outcome, options.output, "file it replaced") << "\n";
  return 0;
}

}  // namespace

int Export(Platform& platform, const ExportOptions& options, std::ostream& out, std::ostream& err) {
  return ReportingRefusals(err, [&] { return ExportOrRefuse(platform, options, out, err); });
}

}  // namespace kovrant::tool
