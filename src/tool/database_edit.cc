#include "tool/database_edit.h"

#include "ldb/packed_length.h"
#include "tool/refusal.h"

namespace kovrant::tool {

std::string EncodeRecord(std::uint8_t tag, std::string_view body, bool one_byte) {
  std::string frame(1, static_cast<char>(tag));
  AppendPackedLength(frame, static_cast<std::int64_t>(body.size()), one_byte);
  frame += body;
  return frame;
}

std::string DatabaseEdit::Value(int field) const {
  if (auto it = values_.find(field); it != values_.end()) return it->second;
  const RecordFrame& frame = trace_.records[field].frame;
  return database_.substr(static_cast<std::size_t>(frame.body),
                          static_cast<std::size_t>(frame.length));
}

bool DatabaseEdit::Changed(int record) const {
  if (values_.count(record) || inserts_.count(record)) return true;
  for (int child : trace_.records[record].children) {
    if (Changed(child)) return true;
  }
  return false;
}

void DatabaseEdit::Emit(int record, std::string& out, const std::string& file) const {
  const TracedRecord& traced = trace_.records[record];
  const RecordFrame& frame = traced.frame;
  if (!Changed(record)) {
    out.append(database_, static_cast<std::size_t>(frame.offset),
               static_cast<std::size_t>(frame.end() - frame.offset));
    return;
  }
  std::string body;
  if (frame.level == 4) {
    body = Value(record);
  } else {
    for (int child : traced.children) {
      if (auto it = inserts_.find(child); it != inserts_.end()) {
        body += EncodeRecord(it->second.first, it->second.second, true);
      }
      Emit(child, body, file);
    }
  }
  if (static_cast<std::int64_t>(body.size()) > kMaxPackedLength) {
    throw Refusal(file, frame.offset,
                  "the record here would grow beyond the longest length the format stores");
  }
  out += EncodeRecord(frame.tag, body, frame.length_bytes == 1);
}

std::string DatabaseEdit::Build(const std::string& file) const {
  std::string out;
  out.reserve(database_.size() + 64);
  for (std::size_t i = 0; i < trace_.records.size(); ++i) {
    if (trace_.records[i].parent < 0) Emit(static_cast<int>(i), out, file);
  }
  return out;
}

}  // namespace kovrant::tool
