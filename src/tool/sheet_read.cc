#include "tool/sheet_read.h"

#include <pugixml.hpp>

#include <algorithm>
#include <cstring>
#include <optional>
#include <vector>

#include "tool/cell_values.h"
#include "tool/encoding.h"
#include "tool/refusal.h"
#include "tool/sheet_format.h"
#include "tool/zip_parts.h"

namespace kovrant::tool {
namespace {

constexpr std::uint64_t kMaxColumns = 16384;
// Row groups and spans nest; deeper than this is no spreadsheet's doing.
constexpr int kMaxDepth = 64;
// What a cell or a row costs of the budget beyond its text.
constexpr std::uint64_t kCellCost = sizeof(TableCell);
constexpr std::uint64_t kRowCost = sizeof(TableLine);

// "C7" for row 6, column 2 (both from 0).
std::string CellName(std::uint64_t row, std::uint64_t column) {
  std::string letters;
  for (std::uint64_t n = column + 1; n > 0; n = (n - 1) / 26) {
    letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
  }
  return letters + std::to_string(row + 1);
}

// "cell C7 (row 6, Place2)": the sheet's name of the cell and the table's.
std::string CellLabel2(std::uint64_t row, std::uint64_t column) {
  return "cell " + CellName(row, column) + " (" +
         (row == 0 ? std::string("the header row")
                   : CellLabel(static_cast<std::size_t>(row), static_cast<std::size_t>(column))) +
         ")";
}

// The sheet's cells, built row by row. Empty cells and rows are only
// counted until something follows them, so the empty ends a spreadsheet
// repeats up to its last row and column cost nothing.
class Grid {
 public:
  Grid(const std::string& file, std::uint64_t budget) : file_(file), budget_(budget) {}

  [[noreturn]] void Refuse(const std::string& message) const {
    throw Refusal(file_, kNoOffset, message);
  }
  [[noreturn]] void RefuseCell(std::uint64_t column, const std::string& message) const {
    Refuse(CellLabel2(row_, column) + " " + message);
  }

  std::uint64_t row() const { return row_; }
  std::uint64_t column() const { return column_; }

  // Starts row `index` (from 0; empty rows before it are counted).
  void StartRow(std::uint64_t index) {
    if (index < row_)
      Refuse("row " + std::to_string(index + 1) + " of the sheet comes after row " +
             std::to_string(row_) + "; the sheet is damaged");
    row_ = index;
    column_ = 0;
    cells_.clear();
    empty_cells_ = 0;
  }

  // The cell at `column` (from 0, at or after the current one), `repeat`
  // times over, as Windows-1252 bytes.
  void Cell(std::uint64_t column, std::string_view text, std::uint64_t repeat) {
    if (column < column_) {
      RefuseCell(column, "comes after column " + std::to_string(column_) +
                             " of its row; the sheet is damaged");
    }
    empty_cells_ += column - column_;
    column_ = column + repeat;
    if (text.empty()) {
      empty_cells_ += repeat;
      return;
    }
    if (column_ > kMaxColumns || row_ >= kMaxSheetRows) {
      RefuseCell(column, "lies beyond the last row or column a sheet has; the sheet is damaged");
    }
    Spend((empty_cells_ + repeat) * kCellCost + repeat * text.size());
    cells_.resize(cells_.size() + static_cast<std::size_t>(empty_cells_));
    empty_cells_ = 0;
    for (std::uint64_t i = 0; i < repeat; ++i) cells_.emplace_back(text);
  }

  // Ends the current row, which stands `repeat` times.
  void EndRow(std::uint64_t repeat) {
    if (cells_.empty()) {
      row_ += repeat;
      return;
    }
    Spend((row_ - rows_.size() + repeat) * kRowCost);
    if (row_ + repeat > kMaxSheetRows) {
      Refuse("row " + std::to_string(row_ + 1) + " of the sheet repeats beyond its last row (" +
             std::to_string(kMaxSheetRows) + "); the sheet is damaged");
    }
    std::uint64_t cost = 0;
    for (const std::string& cell : cells_) cost += cell.size() + kCellCost;
    Spend(cost * (repeat - 1));
    rows_.resize(static_cast<std::size_t>(row_));
    for (std::uint64_t i = 0; i < repeat; ++i) rows_.push_back(cells_);
    row_ += repeat;
  }

  // The table, as its text would read. A sheet keeps no empty cells at the
  // end of a row, where kovrant may write some (a prototype without its last
  // field): every row is padded to the widest, as a spreadsheet pads a text
  // table it saves, and apply and pack drop the padding their rows do not
  // have.
  TableText Table() {
    std::size_t width = HeaderCells().size();
    for (const auto& cells : rows_) width = std::max(width, cells.size());
    Spend(rows_.size() * width * kCellCost);
    std::string bytes;
    for (const auto& cells : rows_) {
      for (std::size_t c = 0; c < width; ++c) {
        if (c > 0) bytes += '\t';
        if (c < cells.size()) bytes += cells[c];
      }
      bytes += "\r\n";
    }
    TableText table;
    try {
      table = ReadTableText(std::move(bytes), file_);
    } catch (const Refusal& refusal) {
      Refuse(refusal.what());
    }
    table.size = kNoOffset;
    for (TableLine& line : table.rows) {
      line.offset = kNoOffset;
      for (TableCell& cell : line.cells) cell.offset = kNoOffset;
    }
    return table;
  }

 private:
  void Spend(std::uint64_t bytes) {
    if (bytes > budget_) {
      Refuse("the sheet expands to more cells than ldbtool reads of a table (at " +
             CellName(row_, column_ == 0 ? 0 : column_ - 1) +
             "); it is not a lever table, or its rows and cells repeat without end");
    }
    budget_ -= bytes;
  }

  const std::string& file_;
  std::uint64_t budget_;
  std::vector<std::vector<std::string>> rows_;
  std::vector<std::string> cells_;
  std::uint64_t row_ = 0, column_ = 0, empty_cells_ = 0;
};

// A text cell as the table stores it: Windows-1252, on one line.
std::string StoredText(const Grid& grid, std::uint64_t column, const std::string& utf8) {
  for (const auto& [c, name] : {std::pair{'\t', "a TAB"},
                                {'\n', "a line break"},
                                {'\r', "a CR"},
                                {'\0', "a NUL character"}}) {
    if (utf8.find(c) != std::string::npos) {
      grid.RefuseCell(column, std::string("holds ") + name +
                                  ", which kovrant's table cannot hold in a cell; remove it");
    }
  }
  std::string bytes;
  const std::string problem = Utf8ToWindows1252(utf8, &bytes);
  if (!problem.empty()) grid.Refuse(CellLabel2(grid.row(), column) + ": " + problem);
  return bytes;
}

[[noreturn]] void RefuseValue(const Grid& grid, std::uint64_t column, const char* what) {
  grid.RefuseCell(column, std::string("holds ") + what +
                              "; the table needs the text kovrant shows: type the value itself "
                              "into a cell formatted as Text");
}

std::string_view LocalName(const char* name) {
  const char* colon = std::strchr(name, ':');
  return colon != nullptr ? colon + 1 : name;
}

// The first child element with this local name (any namespace prefix).
pugi::xml_node Child(pugi::xml_node node, std::string_view name) {
  for (pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_element && LocalName(child.name()) == name) return child;
  }
  return {};
}

pugi::xml_attribute Attribute(pugi::xml_node node, std::string_view name) {
  for (pugi::xml_attribute attribute : node.attributes()) {
    if (LocalName(attribute.name()) == name) return attribute;
  }
  return {};
}

// The text directly inside an element (its character data and CDATA).
std::string OwnText(pugi::xml_node node) {
  std::string text;
  for (pugi::xml_node child : node.children()) {
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
      text += child.value();
    }
  }
  return text;
}

class XmlPart {
 public:
  XmlPart(ZipParts& zip, const std::string& name, const std::string& file)
      : bytes_(zip.Read(name)) {
    const pugi::xml_parse_result parsed = document_.load_buffer_inplace(
        bytes_.data(), bytes_.size(), pugi::parse_default | pugi::parse_ws_pcdata,
        pugi::encoding_utf8);
    if (!parsed) {
      throw Refusal(file, kNoOffset,
                    "part " + name + " of the archive is not well-formed XML (byte " +
                        std::to_string(parsed.offset) + ": " + parsed.description() +
                        "); save the file again from the spreadsheet");
    }
  }
  pugi::xml_node root() const { return document_.document_element(); }

 private:
  std::string bytes_;
  pugi::xml_document document_;
};

// --- .xlsx ------------------------------------------------------------------

// "_xHHHH_" runs as their characters.
std::string Unescaped(const std::string& text) {
  if (text.find("_x") == std::string::npos) return text;
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code;
    if (IsEscapeAt(text, i, &code)) {
      AppendUtf8(code, out);
      i += 6;
    } else {
      out += text[i];
    }
  }
  return out;
}

// A string item: its text, or its runs' texts (phonetic runs left out).
std::string RichText(pugi::xml_node item) {
  std::string text;
  for (pugi::xml_node child : item.children()) {
    const std::string_view name = LocalName(child.name());
    if (name == "t") text += OwnText(child);
    if (name == "r") text += OwnText(Child(child, "t"));
  }
  return Unescaped(text);
}

// `target` of a relationship of the part `source`, as a part name.
std::string Resolve(const std::string& source, std::string target) {
  std::string path;
  if (!target.empty() && target.front() == '/') {
    target.erase(0, 1);
  } else {
    path = source.substr(0, source.rfind('/') + 1);
  }
  std::size_t at = 0;
  while (at < target.size()) {
    std::size_t slash = target.find('/', at);
    if (slash == std::string::npos) slash = target.size();
    const std::string step = target.substr(at, slash - at);
    if (step == "..") {
      if (!path.empty()) path.erase(path.rfind('/', path.size() - 2) + 1);
    } else if (step != "." && !step.empty()) {
      path += step + (slash < target.size() ? "/" : "");
    }
    at = slash + 1;
  }
  return path;
}

// The relationships of `part`: (type's last word, id, target part).
struct Relationship {
  std::string type, id, target;
};
std::vector<Relationship> Relationships(ZipParts& zip, const std::string& part,
                                        const std::string& file) {
  const std::size_t slash = part.rfind('/');
  const std::string directory = slash == std::string::npos ? "" : part.substr(0, slash + 1);
  const std::string name = directory + "_rels/" + part.substr(directory.size()) + ".rels";
  std::vector<Relationship> relationships;
  if (!zip.Has(name)) return relationships;
  XmlPart rels(zip, name, file);
  for (pugi::xml_node node : rels.root().children()) {
    if (LocalName(node.name()) != "Relationship") continue;
    const std::string type = node.attribute("Type").value();
    relationships.push_back({type.substr(type.rfind('/') + 1), node.attribute("Id").value(),
                             Resolve(part, node.attribute("Target").value())});
  }
  return relationships;
}

std::optional<std::uint64_t> Digits(std::string_view text) {
  if (text.empty() || text.size() > 9) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
  }
  return value;
}

// The column of a reference "C7" (from 0), checked against its row.
std::uint64_t ReferenceColumn(const Grid& grid, std::string_view reference) {
  std::uint64_t column = 0;
  std::size_t i = 0;
  for (; i < reference.size() && i < 4 && reference[i] >= 'A' && reference[i] <= 'Z'; ++i) {
    column = column * 26 + static_cast<std::uint64_t>(reference[i] - 'A' + 1);
  }
  const auto row = Digits(reference.substr(i));
  if (i == 0 || column > kMaxColumns || !row || *row != grid.row() + 1) {
    grid.Refuse("row " + std::to_string(grid.row() + 1) + " of the sheet holds a cell named \"" +
                std::string(reference) + "\"; the sheet is damaged");
  }
  return column - 1;
}

TableText ReadXlsx(ZipParts& zip, const std::string& file, std::uint64_t budget) {
  std::string workbook = "xl/workbook.xml";
  for (const Relationship& r : Relationships(zip, "", file)) {
    if (r.type == "officeDocument") workbook = r.target;
  }
  const std::vector<Relationship> parts = Relationships(zip, workbook, file);
  std::vector<std::string> shared;
  for (const Relationship& r : parts) {
    if (r.type != "sharedStrings") continue;
    XmlPart strings(zip, r.target, file);
    for (pugi::xml_node item : strings.root().children()) {
      if (LocalName(item.name()) == "si") shared.push_back(RichText(item));
    }
  }
  std::string sheet_part;
  {
    XmlPart book(zip, workbook, file);
    const pugi::xml_node first = Child(Child(book.root(), "sheets"), "sheet");
    const std::string id = Attribute(first, "id").value();
    for (const Relationship& r : parts) {
      if (r.id == id && !id.empty()) sheet_part = r.target;
    }
    if (sheet_part.empty()) {
      throw Refusal(file, kNoOffset,
                    "the workbook names no worksheet; save it again from the spreadsheet");
    }
  }
  XmlPart sheet(zip, sheet_part, file);
  Grid grid(file, budget);
  std::uint64_t next_row = 0;
  for (pugi::xml_node row : Child(sheet.root(), "sheetData").children()) {
    if (LocalName(row.name()) != "row") continue;
    if (const pugi::xml_attribute r = row.attribute("r")) {
      const auto number = Digits(r.value());
      if (!number || *number == 0 || *number > kMaxSheetRows) {
        grid.Refuse("the sheet holds a row numbered \"" + std::string(r.value()) +
                    "\"; the sheet is damaged");
      }
      next_row = *number - 1;
    }
    grid.StartRow(next_row);
    for (pugi::xml_node cell : row.children()) {
      if (LocalName(cell.name()) != "c") continue;
      const pugi::xml_attribute r = cell.attribute("r");
      const std::uint64_t column = r ? ReferenceColumn(grid, r.value()) : grid.column();
      const std::string_view type = cell.attribute("t").value();
      const std::string value = OwnText(Child(cell, "v"));
      if (Child(cell, "f")) RefuseValue(grid, column, "a formula");
      if (type == "b") RefuseValue(grid, column, "a boolean (TRUE or FALSE)");
      if (type == "e") RefuseValue(grid, column, "an error value");
      if (type == "d") RefuseValue(grid, column, "a date");
      std::string text;
      if (type == "s") {
        const auto index = Digits(value);
        if (!index || *index >= shared.size()) {
          grid.RefuseCell(column, "names shared string \"" + value +
                                      "\", which the workbook does not hold; it is damaged");
        }
        text = StoredText(grid, column, shared[static_cast<std::size_t>(*index)]);
      } else if (type == "inlineStr") {
        text = StoredText(grid, column, RichText(Child(cell, "is")));
      } else if (type == "str") {
        text = StoredText(grid, column, Unescaped(value));
      } else {
        text = value;  // a number as stored: "3", "0.25", "1.5E+20"
        if (!ParseCellNumber(text, '.') && !text.empty()) {
          grid.RefuseCell(column, "holds the number \"" + value + "\", which does not read");
        }
      }
      grid.Cell(column, text, 1);
    }
    grid.EndRow(1);
    next_row = grid.row();
  }
  return grid.Table();
}

// --- .ods -------------------------------------------------------------------

std::uint64_t Repeats(pugi::xml_node node, const char* attribute, const Grid& grid) {
  const pugi::xml_attribute repeat = node.attribute(attribute);
  if (!repeat) return 1;
  const auto count = Digits(repeat.value());
  if (!count || *count == 0) {
    grid.Refuse("the sheet repeats a row or cell \"" + std::string(repeat.value()) +
                "\" times (after " + CellName(grid.row(), grid.column()) +
                "); the sheet is damaged");
  }
  return *count;
}

// A paragraph's text: character data with each run of white space read as
// one space (none at the paragraph's start; Calc writes a space there, and
// every further one, as text:s), text:s as its spaces, text:tab
// and text:line-break as TAB and LF, spans and links as their text, notes
// and comments left out.
class OdsText {
 public:
  OdsText(const Grid& grid, std::uint64_t column) : grid_(grid), column_(column) {}

  void Paragraph(pugi::xml_node p) {
    if (!text_.empty() || paragraphs_ > 0) text_ += '\n';
    ++paragraphs_;
    collapsed_ = true;  // white space at the start is dropped
    Inline(p, 0);
  }
  const std::string& text() const { return text_; }

 private:
  void Inline(pugi::xml_node node, int depth) {
    if (depth > kMaxDepth) grid_.RefuseCell(column_, "nests its text too deeply");
    for (pugi::xml_node child : node.children()) {
      if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
        for (const char* c = child.value(); *c != '\0'; ++c) {
          const bool space = *c == ' ' || *c == '\t' || *c == '\n' || *c == '\r';
          if (space && collapsed_) continue;
          text_ += space ? ' ' : *c;
          collapsed_ = space;
        }
        continue;
      }
      if (child.type() != pugi::node_element) continue;
      const std::string_view name = child.name();
      collapsed_ = false;
      if (name == "text:s") {
        const std::uint64_t count = Repeats(child, "text:c", grid_);
        if (count > kMaxCellCharacters) grid_.RefuseCell(column_, "holds too many spaces");
        text_.append(static_cast<std::size_t>(count), ' ');
      } else if (name == "text:tab") {
        text_ += '\t';
      } else if (name == "text:line-break") {
        text_ += '\n';
      } else if (name != "office:annotation" && name != "text:note") {
        Inline(child, depth + 1);
      }
      if (text_.size() > kMaxCellCharacters * 4) grid_.RefuseCell(column_, "holds too long a text");
    }
  }

  const Grid& grid_;
  std::uint64_t column_;
  std::string text_;
  int paragraphs_ = 0;
  bool collapsed_ = true;
};

std::string OdsCell(const Grid& grid, pugi::xml_node cell) {
  const std::uint64_t column = grid.column();
  if (cell.attribute("table:formula")) RefuseValue(grid, column, "a formula");
  const std::string_view type = cell.attribute("office:value-type").value();
  if (type.empty()) return "";
  if (type == "float" || type == "percentage" || type == "currency") {
    const std::string value = cell.attribute("office:value").value();
    if (!ParseCellNumber(value, '.')) {
      grid.RefuseCell(column, "holds the number \"" + value + "\", which does not read");
    }
    return value;
  }
  if (type == "boolean") RefuseValue(grid, column, "a boolean (TRUE or FALSE)");
  if (type != "string") RefuseValue(grid, column, ("a " + std::string(type) + " value").c_str());
  if (const pugi::xml_attribute value = cell.attribute("office:string-value")) {
    return StoredText(grid, column, value.value());
  }
  OdsText text(grid, column);
  for (pugi::xml_node child : cell.children()) {
    const std::string_view name = child.name();
    if (name == "text:p" || name == "text:h") text.Paragraph(child);
  }
  return StoredText(grid, column, text.text());
}

void OdsRows(Grid& grid, pugi::xml_node parent, int depth) {
  if (depth > kMaxDepth) grid.Refuse("the sheet nests its row groups too deeply");
  for (pugi::xml_node node : parent.children()) {
    const std::string_view name = node.name();
    if (name == "table:table-row-group" || name == "table:table-header-rows" ||
        name == "table:table-rows") {
      OdsRows(grid, node, depth + 1);
      continue;
    }
    if (name != "table:table-row") continue;
    const std::uint64_t repeat = Repeats(node, "table:number-rows-repeated", grid);
    grid.StartRow(grid.row());
    for (pugi::xml_node cell : node.children()) {
      const std::string_view cell_name = cell.name();
      if (cell_name != "table:table-cell" && cell_name != "table:covered-table-cell") continue;
      const std::uint64_t cells = Repeats(cell, "table:number-columns-repeated", grid);
      grid.Cell(grid.column(), OdsCell(grid, cell), cells);
    }
    grid.EndRow(repeat);
  }
}

TableText ReadOds(ZipParts& zip, const std::string& file, std::uint64_t budget) {
  XmlPart content(zip, "content.xml", file);
  const pugi::xml_node table =
      content.root().child("office:body").child("office:spreadsheet").child("table:table");
  if (!table) {
    throw Refusal(file, kNoOffset,
                  "the document holds no sheet; save the table from the spreadsheet as .ods");
  }
  Grid grid(file, budget);
  OdsRows(grid, table, 0);
  return grid.Table();
}

}  // namespace

std::uint64_t SheetBudget(std::uint64_t file_size, std::uint64_t database_size) {
  return (std::uint64_t{64} << 20) + 64 * (file_size + database_size);
}

bool IsWorkbookFile(std::string_view bytes) { return LooksLikeZip(bytes); }

TableText ReadAnyTable(std::string bytes, const std::string& file, std::uint64_t database_size) {
  if (!LooksLikeZip(bytes)) return ReadTableText(std::move(bytes), file);
  const std::uint64_t budget = SheetBudget(bytes.size(), database_size);
  ZipParts zip(bytes, file, budget);
  if (zip.Has("xl/workbook.xml") || zip.Has("[Content_Types].xml")) {
    return ReadXlsx(zip, file, budget);
  }
  if (zip.Has("content.xml")) return ReadOds(zip, file, budget);
  throw Refusal(file, kNoOffset,
                "the file is a ZIP archive but neither an .xlsx nor an .ods workbook; save the "
                "table from the spreadsheet as one of these (or as TAB-separated text)");
}

}  // namespace kovrant::tool
