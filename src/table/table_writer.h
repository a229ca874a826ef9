// The table writer: turns the fields of each lever prototype into one row of
// LeverPrototypes.txt.
//
// The table is a header row, then one line per prototype found under a
// first-level record with tag 1, cells separated by TAB, lines ended by
// CR LF, bytes copied from the database unchanged except that NUL bytes are
// dropped. Each field adds cells in the order the fields come:
//   type 0  Name           the value's bytes, with no TAB before them
//   type 1  (place block)  four little-endian floats x1 y1 x2 y2, kept for
//                          later type-2 fields (of any later prototype too)
//   type 2  Place1,Place2  a 32-bit count P: 0 gives two empty cells, 1 gives
//                          "x1,y1" and an empty cell, 2 gives "x1,y1" and
//                          "x2,y2"; any other P adds nothing
//   type 3  Scale          a float; the cell stays empty when it is exactly 1.0
//   type 4  Switch Time    a 32-bit count of ticks, shown as ticks / 15
//   type 5  Material, 6 Switch Sound, 7 Lever Description: the value's bytes
//   other types add nothing.
// The numeric fields read their fixed size whatever the value's length says
// (the walk moves to the value's end afterwards). Numbers use the one-decimal
// format.
//
// A NaN scale, or a signalling NaN among the places a row shows, is an
// invalid floating-point operation and ends the run, even in a prototype
// whose row is not written.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "io/table_file.h"
#include "ldb/record_walk.h"
#include "ldb/remembering_walk.h"
#include "table/field_schema.h"
#include "table/nul_runs.h"
#include "table/one_decimal_direct.h"

namespace kovrant {

class TableWriter final : public RecordHandler {
 public:
  TableWriter(TableFile& table, char decimal_separator)
      : table_(table), numbers_(decimal_separator) {}
  ~TableWriter() override;

  void TableStart() override;
  void Field(std::uint8_t field_type, std::int64_t length, std::uint8_t first_level_tag,
             InputFile& input) override;
  void PrototypeEnd(std::uint8_t first_level_tag) override;

  // What the writer decoded from the last numeric field of `field_type`
  // (kept as it goes, for ldbtool to show): the place block, or the scale,
  // place count or switch time in `words[0]`. Valid once the field's value
  // was read, even when checking it failed.
  void Decoded(std::uint8_t field_type, std::uint32_t words[4]) const {
    if (field_type == kPlaceBlockField) {
      for (int i = 0; i < 4; ++i) words[i] = place_[i];
    } else {
      words[0] = field_type == kScaleField ? scale_ : word_;
    }
  }

  // Whether any of the first `count` floats of a place block is a signalling
  // NaN, which rendering them would find.
  static bool RendersSignallingNaN(const std::uint32_t place[4], int count);

  // Writes the table of the whole database through WalkRecordsRemembering,
  // with the calls for every field direct and inlined, so that no file can
  // make the time grow faster than n log n in the input and the table. The
  // table and any failure are those of WalkRecordsPlain with this writer.
  RememberingWalkStats WalkRemembering(InputFile& input, std::uint64_t seed);

  // The only state carried from record to record that a record reacts to
  // is the place block (the signalling-NaN check and the rendering of a
  // place count). A place block as four float bit patterns: x1, y1, x2, y2.
  struct PlaceBlock {
    std::uint32_t value[4];
  };
  static constexpr std::uint32_t kNoBlock = 0xFFFFFFFF;
  // What a stretch of records does to the place block. Composable: the
  // effect of two stretches in a row is Then(first, second, blocks), where
  // `blocks` holds the blocks the effects store.
  struct PlaceEffect {
    std::uint32_t stores = kNoBlock;  // index of the block it leaves behind
    std::uint8_t checks = 0;          // leading floats of the incoming block rendered
    bool fails = false;               // renders a signalling NaN of a block it stored
  };
  static PlaceEffect Then(const PlaceEffect& first, const PlaceEffect& second,
                          const std::vector<PlaceBlock>& blocks);

 private:
  // The writer as the remembering walk's handler (table_writer.cc).
  class Walker;
  // The work of Field, inlined into the walk. Returns how many leading
  // floats of the place block it rendered.
  int Decode(std::uint8_t field_type, std::int64_t length, std::uint8_t first_level_tag,
             InputFile& input);
  void Text(std::int64_t length, bool written, CheckSite site, InputFile& input);
  // Text whose bytes may be read again, over the NUL runs already known.
  void TextReadAgain(std::int64_t length, CheckSite site, InputFile& input);
  // Hands `size` bytes to `copy(from, piece, out)` in pieces that fit the
  // table's buffer; `copy` writes a piece's cells at `out` and returns their
  // end.
  template <typename Copy>
  void CopyPieces(const std::uint8_t* data, std::size_t size, Copy&& copy);
  void Places(std::int32_t count, bool written);
  // Formats the float with these bits at `out`; returns the end.
  char* Number(std::uint32_t float_bits, char* out) const;
  void Put(char c) { table_.Put(c, CheckSite::kWriteRow); }

  TableFile& table_;
  DirectOneDecimal numbers_;
  // Carried over from field to field and from prototype to prototype.
  std::uint32_t place_[4] = {0, 0, 0, 0};
  std::uint32_t scale_ = 0;
  std::uint32_t word_ = 0;  // the last place count or switch time read
  // Bytes from here on may be read again (set by the remembering walk; in
  // the view of the plain walk nothing is).
  std::int64_t read_again_from_ = INT64_MAX;
  NulRuns nul_runs_;
};

// Inline: the remembering walk composes effects at every step.
inline TableWriter::PlaceEffect TableWriter::Then(const PlaceEffect& first,
                                                  const PlaceEffect& second,
                                                  const std::vector<PlaceBlock>& blocks) {
  PlaceEffect result = first;
  if (first.fails) return result;
  if (first.stores == kNoBlock) {
    result.checks = std::max(first.checks, second.checks);
  } else if (RendersSignallingNaN(blocks[first.stores].value, second.checks)) {
    result.fails = true;
  }
  result.fails = result.fails || second.fails;
  if (second.stores != kNoBlock) result.stores = second.stores;
  return result;
}

}  // namespace kovrant
