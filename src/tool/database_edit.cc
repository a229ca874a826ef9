#include "tool/database_edit.h"

#include "ldb/packed_length.h"
#include "tool/refusal.h"

namespace kovrant::tool {
namespace {

std::string BlockBytes(const PlaceBlockBits& block) {
  std::string bytes;
  for (std::uint32_t value : block) bytes += Bytes32(value);
  return bytes;
}

}  // namespace

std::string Bytes32(std::uint32_t value) {
  std::string out(4, '\0');
  for (int i = 0; i < 4; ++i) out[i] = static_cast<char>(value >> (8 * i) & 0xFF);
  return out;
}

void AppendRecord(std::uint8_t tag, std::string_view body, bool one_byte, std::string& out) {
  out += static_cast<char>(tag);
  AppendPackedLength(out, static_cast<std::int64_t>(body.size()), one_byte);
  out += body;
}

std::string EncodeRecord(std::uint8_t tag, std::string_view body, bool one_byte) {
  std::string frame;
  AppendRecord(tag, body, one_byte, frame);
  return frame;
}

DatabaseEdit::DatabaseEdit(const std::string& database, const Trace& trace)
    : database_(database),
      trace_(trace),
      removed_(trace.records.size(), false),
      want_of_(trace.records.size(), -1) {}

std::string DatabaseEdit::Value(int field) const {
  if (auto it = values_.find(field); it != values_.end()) return it->second;
  const RecordFrame& frame = trace_.records[field].frame;
  return database_.substr(static_cast<std::size_t>(frame.body),
                          static_cast<std::size_t>(frame.length));
}

void DatabaseEdit::Prepend(int prototype, std::vector<NewField> fields) {
  auto& list = prepended_[prototype];
  list.insert(list.end(), fields.begin(), fields.end());
}

void DatabaseEdit::Append(int prototype, std::vector<NewField> fields) {
  auto& list = appended_[prototype];
  list.insert(list.end(), fields.begin(), fields.end());
}

void DatabaseEdit::WantBlock(int count, const PlaceBlockBits& block, bool kept) {
  int& index = want_of_[static_cast<std::size_t>(count)];
  if (index < 0) {
    index = static_cast<int>(wants_.size());
    wants_.push_back({block, kept});
  } else {
    wants_[static_cast<std::size_t>(index)] = {block, kept};
  }
}

PlaceBlockBits DatabaseEdit::OldBlock(int count) const {
  return trace_.PlaceBlock(trace_.records[count].block_source);
}

void DatabaseEdit::SeeBlock(const std::string& value) {
  for (int i = 0; i < 4; ++i) block_[static_cast<std::size_t>(i)] = ValueAt(value, 4 * i);
}

void DatabaseEdit::Frame(int record, const std::string& body, bool changed,
                         std::string& out) const {
  const RecordFrame& frame = trace_.records[record].frame;
  if (!changed) {
    out.append(database_, static_cast<std::size_t>(frame.offset),
               static_cast<std::size_t>(frame.end() - frame.offset));
    return;
  }
  if (static_cast<std::int64_t>(body.size()) > kMaxPackedLength) {
    throw Refusal(file_, frame.offset,
                  "the record here would grow beyond the longest length the format stores");
  }
  AppendRecord(frame.tag, body, frame.length_bytes == 1, out);
}

bool DatabaseEdit::EmitField(int field, std::string& out) {
  const RecordFrame& frame = trace_.records[field].frame;
  const auto replaced = values_.find(field);
  bool changed = replaced != values_.end();
  // An old value is as the table writer read it (on past its end where it
  // is shorter than the numbers it holds).
  if (frame.tag == 1) {
    if (changed) {
      SeeBlock(replaced->second);
    } else {
      block_ = trace_.PlaceBlock(field);
    }
  }
  if (const int want = want_of_[static_cast<std::size_t>(field)]; frame.tag == 2 && want >= 0) {
    const auto count = changed ? static_cast<std::int32_t>(ValueAt(replaced->second, 0))
                               : trace_.PlaceCount(field);
    const Want& wanted = wants_[static_cast<std::size_t>(want)];
    bool same = true;
    for (int i = 0; i < 2 * count && (count == 1 || count == 2); ++i) {
      same =
          same && block_[static_cast<std::size_t>(i)] == wanted.block[static_cast<std::size_t>(i)];
    }
    if (!same) {
      AppendRecord(1, BlockBytes(wanted.block), true, out);
      block_ = wanted.block;
      block_copies_ += wanted.kept ? 1 : 0;
      changed = true;
    }
  }
  if (replaced == values_.end()) {
    out.append(database_, static_cast<std::size_t>(frame.offset),
               static_cast<std::size_t>(frame.end() - frame.offset));
  } else {
    Frame(field, replaced->second, true, out);
  }
  return changed;
}

void DatabaseEdit::EmitNewFields(const std::vector<NewField>& fields, std::string& out) {
  for (const NewField& field : fields) {
    if (field.type == 1) SeeBlock(field.value);
    AppendRecord(field.type, field.value, true, out);
  }
}

void DatabaseEdit::EmitPlaced(const Placed& placed, std::string& out) {
  if (placed.prototype >= 0) {
    Emit(placed.prototype, out);
    return;
  }
  std::string body;
  EmitNewFields(placed.fields, body);
  AppendRecord(0, body, true, out);
}

bool DatabaseEdit::Untouched(int prototype) const {
  if (prepended_.count(prototype) || appended_.count(prototype)) return false;
  for (const int field : trace_.records[prototype].children) {
    if (removed_[static_cast<std::size_t>(field)] || values_.count(field)) return false;
  }
  return true;
}

bool DatabaseEdit::SeesWantedBlocks(int prototype) {
  for (const int field : trace_.records[prototype].children) {
    const RecordFrame& frame = trace_.records[field].frame;
    if (frame.tag == 1) block_ = trace_.PlaceBlock(field);
    const int want = want_of_[static_cast<std::size_t>(field)];
    if (frame.tag != 2 || want < 0) continue;
    const std::int32_t count = trace_.PlaceCount(field);
    const PlaceBlockBits& wanted = wants_[static_cast<std::size_t>(want)].block;
    for (int i = 0; i < 2 * count && (count == 1 || count == 2); ++i) {
      if (block_[static_cast<std::size_t>(i)] != wanted[static_cast<std::size_t>(i)]) return false;
    }
  }
  return true;
}

bool DatabaseEdit::Emit(int record, std::string& out) {
  const TracedRecord& traced = trace_.records[record];
  if (traced.frame.level == 4) return EmitField(record, out);
  // Most prototypes stay as they are: copied at once, once their place
  // counts are found to see the blocks they must show.
  if (traced.frame.level == 3 && Untouched(record)) {
    const PlaceBlockBits before = block_;
    if (SeesWantedBlocks(record)) {
      Frame(record, "", false, out);
      return false;
    }
    block_ = before;
  }
  std::string body;
  bool changed = false;
  const auto emit_list = [&](const std::map<int, std::vector<Placed>>& lists, int at) {
    if (const auto it = lists.find(at); it != lists.end()) {
      for (const Placed& placed : it->second) EmitPlaced(placed, body);
      changed = true;
    }
  };
  const auto emit_fields = [&](const std::map<int, std::vector<NewField>>& lists) {
    if (const auto it = lists.find(record); it != lists.end()) {
      EmitNewFields(it->second, body);
      changed = true;
    }
  };
  if (traced.frame.level == 3) emit_fields(prepended_);
  for (const int child : traced.children) {
    const bool row = traced.frame.level == 2 && trace_.records[child].written;
    if (row) emit_list(before_, child);
    if ((row || traced.frame.level == 3) && removed_[static_cast<std::size_t>(child)]) {
      changed = true;
    } else {
      changed = Emit(child, body) || changed;
    }
    if (row) emit_list(after_, child);
  }
  if (traced.frame.level == 3) emit_fields(appended_);
  if (record == nowhere_group_) {
    for (const Placed& placed : nowhere_) EmitPlaced(placed, body);
    changed = true;
  }
  if (record == nowhere_section_) {
    std::string group;
    for (const Placed& placed : nowhere_) EmitPlaced(placed, group);
    AppendRecord(0, group, true, body);
    changed = true;
  }
  Frame(record, body, changed, out);
  return changed;
}

std::string DatabaseEdit::Build(const std::string& file) {
  file_ = file;
  block_ = {0, 0, 0, 0};
  block_copies_ = 0;
  nowhere_group_ = nowhere_section_ = -1;
  if (!nowhere_.empty()) {
    for (std::size_t i = 0; i < trace_.records.size() && nowhere_section_ < 0; ++i) {
      const TracedRecord& record = trace_.records[i];
      if (record.frame.level != 1 || !record.written) continue;
      if (record.children.empty()) {
        nowhere_section_ = static_cast<int>(i);
      } else {
        nowhere_group_ = record.children.front();
        break;
      }
    }
  }
  std::string out;
  out.reserve(database_.size() + 64);
  for (std::size_t i = 0; i < trace_.records.size(); ++i) {
    if (trace_.records[i].parent < 0) Emit(static_cast<int>(i), out);
  }
  if (!nowhere_.empty() && nowhere_group_ < 0 && nowhere_section_ < 0) {
    std::string group;
    for (const Placed& placed : nowhere_) EmitPlaced(placed, group);
    out += EncodeRecord(1, EncodeRecord(0, group, true), true);
  }
  return out;
}

}  // namespace kovrant::tool
