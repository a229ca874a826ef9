// Rewriting a well-nested database: field values changed, fields added,
// written prototypes removed, moved and added, everything else copied byte
// for byte.
//
// A record whose subtree holds no change is copied as it is, its length
// form included. A record with a change inside is written again: its tag,
// its packed length for the new body (the one-byte form kept while the
// length fits in it, 127 bytes; otherwise the four-byte form), and its
// children in order. So the lengths of all enclosing records follow the
// change and nothing else moves.
//
// Written prototypes (those under a first-level record with tag 1) are
// written where they stand unless removed; prototypes placed after or
// before one of them (an old one, moved, or a new one) go right there in
// the same second-level record. With no written prototype to stand by,
// new ones go at the end of the first written second-level record, or of a
// new one at the end of the first written first-level record, or of a new
// first-level record with tag 1 at the end of the file.
//
// Place blocks carry over from prototype to prototype, so moving, removing
// or adding one can change what a later place count shows. Every place
// count given the block it must show (WantBlock) is checked while the
// database is written, in the new file order: where the block it would see
// differs in the floats it shows, it gets a place field of its own right
// before it.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tool/cell_trace.h"
#include "tool/row_prototype.h"

namespace kovrant::tool {

using PlaceBlockBits = std::array<std::uint32_t, 4>;

class DatabaseEdit {
 public:
  // An old prototype (its record, with its edits) or a new one.
  struct Placed {
    int prototype = -1;
    std::vector<NewField> fields;  // a new one's
  };

  // `trace` must come from `database` and describe a database whose records
  // all lie inside their parents.
  DatabaseEdit(const std::string& database, const Trace& trace);

  // The field's whole value becomes `value`.
  void ReplaceValue(int field, std::string value) { values_[field] = std::move(value); }
  // The value the field will have (its current one when unchanged).
  std::string Value(int field) const;
  // New fields at the start or the end of an old prototype.
  void Prepend(int prototype, std::vector<NewField> fields);
  void Append(int prototype, std::vector<NewField> fields);
  // A written prototype not written where it stands, or a field left out.
  void Remove(int record) { removed_[static_cast<std::size_t>(record)] = true; }
  void PlaceAfter(int prototype, Placed placed) { after_[prototype].push_back(std::move(placed)); }
  void PlaceBefore(int prototype, Placed placed) {
    before_[prototype].push_back(std::move(placed));
  }
  // Where new prototypes go when the database has no written prototype.
  void PlaceAtStart(Placed placed) { nowhere_.push_back(std::move(placed)); }
  // The place count must show `block` (when its count shows places);
  // `kept` counts it among the prototypes given a copy of the block they
  // showed, when it needs one.
  void WantBlock(int count, const PlaceBlockBits& block, bool kept);
  // The four floats the count saw in the old database (zeros when no block
  // came before it).
  PlaceBlockBits OldBlock(int count) const;

  // The new database. Throws Refusal naming `file` when a record would grow
  // beyond the longest length the format stores.
  std::string Build(const std::string& file);
  // After Build: the counts given a copy of the block they showed.
  int block_copies() const { return block_copies_; }

 private:
  struct Want {
    PlaceBlockBits block;
    bool kept;
  };
  // Each appends the record's bytes to `out`; returns whether they differ
  // from the old ones.
  bool Emit(int record, std::string& out);
  bool EmitField(int field, std::string& out);
  void EmitPlaced(const Placed& placed, std::string& out);
  void EmitNewFields(const std::vector<NewField>& fields, std::string& out);
  void Frame(int record, const std::string& body, bool changed, std::string& out) const;
  void SeeBlock(const std::string& value);
  // Whether nothing in the prototype changes, and whether (following the
  // blocks it carries on) its place counts see the blocks they must show.
  bool Untouched(int prototype) const;
  bool SeesWantedBlocks(int prototype);

  const std::string& database_;
  const Trace& trace_;
  std::string file_;
  std::map<int, std::string> values_;
  std::map<int, std::vector<NewField>> prepended_, appended_;
  std::vector<bool> removed_;
  std::map<int, std::vector<Placed>> after_, before_;
  std::vector<Placed> nowhere_;
  std::vector<int> want_of_;  // by record: index into wants_, or -1
  std::vector<Want> wants_;
  int nowhere_group_ = -1, nowhere_section_ = -1;
  // While building: the block a place count would see.
  PlaceBlockBits block_ = {0, 0, 0, 0};
  int block_copies_ = 0;
};

// A 32-bit value as the database stores it (little-endian).
std::string Bytes32(std::uint32_t value);

// A record frame: tag, packed length (one byte when `one_byte` allows and
// the length fits, else four), body.
std::string EncodeRecord(std::uint8_t tag, std::string_view body, bool one_byte);
void AppendRecord(std::uint8_t tag, std::string_view body, bool one_byte, std::string& out);

}  // namespace kovrant::tool
