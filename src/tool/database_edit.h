// Rewriting a well-nested database with some field values changed and some
// place fields added, everything else copied byte for byte.
//
// Every record whose subtree holds no change is copied as it is, its length
// form included. A record with a change inside is written again: its tag,
// its packed length for the new body (the one-byte form kept while the
// length fits in it, 127 bytes; otherwise the four-byte form), and its
// children in order. So the lengths of all enclosing records follow the
// change and nothing else moves.
#pragma once

#include <map>
#include <string>

#include "tool/cell_trace.h"

namespace kovrant::tool {

class DatabaseEdit {
 public:
  // `trace` must come from `database` and describe a database whose records
  // all lie inside their parents.
  DatabaseEdit(const std::string& database, const Trace& trace)
      : database_(database), trace_(trace) {}

  // The field's whole value becomes `value`.
  void ReplaceValue(int field, std::string value) { values_[field] = std::move(value); }
  // A new field of `type` with `value` goes right before `field`, in the
  // same prototype. Later calls for one field replace earlier ones.
  void InsertBefore(int field, std::uint8_t type, std::string value) {
    inserts_[field] = {type, std::move(value)};
  }
  bool HasInsert(int field) const { return inserts_.count(field) > 0; }
  // The value the field will have (its current one when unchanged).
  std::string Value(int field) const;
  bool Changed(int record) const;

  // The new database. Throws Refusal naming `file` when a record would grow
  // beyond the longest length the format stores.
  std::string Build(const std::string& file) const;

 private:
  void Emit(int record, std::string& out, const std::string& file) const;

  const std::string& database_;
  const Trace& trace_;
  std::map<int, std::string> values_;
  std::map<int, std::pair<std::uint8_t, std::string>> inserts_;
};

// A record frame: tag, packed length (one byte when `one_byte` allows and
// the length fits, else four), body.
std::string EncodeRecord(std::uint8_t tag, std::string_view body, bool one_byte);

}  // namespace kovrant::tool
