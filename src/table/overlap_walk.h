// The walk of records that overlap: records lying beyond the end of an
// enclosing record, which the plain walk could visit again and again.
//
// A child that ends beyond its parent's end makes the walk move back to the
// parent's end afterwards; everything the child's own children walked past
// that point can be walked again, by records of the same or another level,
// as many times as a crafted file overlaps its records. Visiting a record
// always does the same thing to the table writer's state: the bytes are the
// same, and the only state carried from record to record that a record
// reacts to is the place block (the signalling-NaN check and the rendering
// of a place count). So this walk remembers, for every record it meets (by
// level, position and whether its rows are written):
//  - where it ends, and its effect on the place block: the leading place
//    floats it checks before storing a block of its own, and the block it
//    leaves behind;
//  - whether it adds to the table (a written prototype always does), in
//    which case it is visited again for real, since its cells depend on the
//    place block and belong in the table once more.
// A record met again is then not read at all, and runs of records that add
// nothing are crossed in logarithmic time through a skip list laid over the
// chains of records (each record leads to the one starting at its end, so
// chains merge but never split). Heights are random, so no file can
// arrange for the lists to degenerate.
//
// Everything that fails fails on the first visit (reads past the end, a NaN
// scale), which ends the run; a record met again can only fail through the
// place block it finds, and that check is kept. The table is therefore
// byte-identical to what the plain walk writes, and so is every failure.
#pragma once

#include <cstdint>
#include <vector>

#include "io/input_file.h"

namespace kovrant {

class TableWriter;

class OverlapWalk {
 public:
  OverlapWalk(TableWriter& writer, InputFile& input);
  OverlapWalk(const OverlapWalk&) = delete;
  OverlapWalk& operator=(const OverlapWalk&) = delete;

  // Walks the records of `level` (2, 3: prototypes, or 4: fields) from
  // `position` while the position is before `end`, as the plain walk would.
  void Walk(int level, std::int64_t position, std::int64_t end, bool written);

  // No later record lies before `position`: what was remembered there can go.
  void Forget(std::int64_t position);

  // Records remembered now, and steps taken so far (a record visited or met
  // again, or a run of records crossed at once): for tests of the bounds.
  std::size_t remembered() const { return nodes_.size(); }
  std::uint64_t steps() const { return steps_; }

  // A place block as four float bit patterns: x1, y1, x2, y2.
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
  static constexpr int kMaxHeight = 24;

  // Kept small: a crafted file can make every few bytes a record to
  // remember.
  struct Node {
    std::uint64_t key;  // level, position, written: see Key()
    std::int64_t end;   // where the next record of the chain starts
    PlaceEffect effect;
    std::uint32_t first_span;  // spans_[first_span + j - 1] is the span at height j
    std::uint8_t height;
    std::uint8_t header;  // bytes of tag and length: the body starts after them
    std::uint8_t field_type;
    bool adds;  // adds to the table: visited again for real
  };
  // A run of records from a node up to, not including, the next node of the
  // chain at least as tall as the span's height; none of them adds to the
  // table.
  struct Span {
    std::int64_t to = -1;   // -1 until the run has been walked once
    std::int64_t last = 0;  // position of its last record
    PlaceEffect effect;
  };
  struct Chain;  // one walk along a chain

  // Walks a chain, adding its effect to *effect and reporting in *adds
  // whether anything was added to the table.
  void WalkChain(int level, std::int64_t position, std::int64_t end, bool written,
                 PlaceEffect* effect, bool* adds);
  std::uint32_t Find(std::uint64_t key) const;
  std::uint32_t Add(std::uint64_t key);
  std::size_t Slot(std::uint64_t key) const;
  void Grow();
  // The first visit, for real.
  void Visit(std::uint32_t node, int level, bool written);
  // A record that adds to the table, visited again.
  void VisitAgain(std::uint32_t node, int level);
  // Applies a remembered effect to the writer's place block.
  void Apply(const PlaceEffect& effect);
  PlaceEffect Then(const PlaceEffect& first, const PlaceEffect& second) const {
    return Then(first, second, blocks_);
  }
  std::uint8_t RandomHeight();

  TableWriter& writer_;
  InputFile& input_;
  std::vector<Node> nodes_;
  std::vector<Span> spans_;
  std::vector<PlaceBlock> blocks_;
  // Open addressing over nodes_: node indices, kNoNode where free; a power
  // of two in size, at most half full.
  std::vector<std::uint32_t> slots_;
  std::int64_t highest_position_ = -1;
  std::uint64_t random_;
  std::uint64_t salt_;
  std::uint64_t steps_ = 0;
};

}  // namespace kovrant
