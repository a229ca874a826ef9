// The record walk that remembers records met again.
//
// A child that ends beyond its parent's end makes the walk move back to the
// parent's end afterwards; everything the child's own children walked past
// that point can be walked again, by records of the same or another level,
// as many times as a crafted file overlaps its records, so the plain walk
// takes time quadratic in such a file's size. This walk runs the same loops
// (record_walk.h) and takes over each chain of records from its first
// record beyond an ancestor's end on. Visiting a record always does the same
// thing to the handler: the bytes are the same, and what the handler
// carries from record to record reaches the next record only through a
// state whose change the handler can describe as an effect. So this walk
// remembers, for every record it meets (by level, position and the
// first-level tag's kind):
//  - where it ends, and its effect on the carried state;
//  - whether it adds to the output, in which case it is visited again for
//    real, since what it adds depends on the carried state and belongs in
//    the output once more.
// A record met again is then not read at all, and runs of records that add
// nothing are crossed in logarithmic time through a skip list laid over the
// chains of records (each record leads to the one starting at its end, so
// chains merge but never split). Heights and the hash come from a seed:
// with one a file cannot know, no file can arrange for them to degenerate.
//
// Everything that fails must fail on the first visit (reads past the end,
// say), which ends the run; a record met again can only fail through
// applying its effect. The output and every failure are then exactly the
// plain walk's.
#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <concepts>
#include <cstdint>
#include <limits>
#include <vector>

#include "ldb/record_walk.h"

namespace kovrant {

// What the handler provides besides the RecordHandler calls, an effect
// interface over the state it carries from record to record:
//   Effect               a value type; default-constructed: changes nothing
//   Then(first, second)  the effect of two stretches of records in a row
//   Apply(effect)        changes the carried state as visiting the records
//                        would, and fails where their visit would
//   RememberField(type, length, first_level_tag, input, &adds)
//                        what Field does, returning the field's effect and
//                        setting `adds` when it added to the output
//   PrototypeAdds(first_level_tag)   whether PrototypeEnd adds to the output
//   KindOfTag(first_level_tag)       a first-level tag under which the
//                        handler does exactly what it does under this one:
//                        records met under tags of one kind are one record
//   MayReadAgainFrom(position)  bytes from here on may be read again by
//                        fields visited later (0: any byte)
//   ForgetBefore(position)      no record before here is visited again
//   ForgetEffects()      no remembered effect is applied or composed again
template <typename Handler>
concept RemembersEffects = std::default_initializable<typename Handler::Effect> &&
    requires(Handler& handler, const typename Handler::Effect& effect, InputFile& input, bool* adds,
             std::int64_t position, std::uint8_t tag) {
  { handler.Then(effect, effect) } -> std::same_as<typename Handler::Effect>;
  handler.Apply(effect);
  {
    handler.RememberField(tag, position, tag, input, adds)
    } -> std::same_as<typename Handler::Effect>;
  { handler.PrototypeAdds(tag) } -> std::same_as<bool>;
  { handler.KindOfTag(tag) } -> std::same_as<std::uint8_t>;
  handler.MayReadAgainFrom(position);
  handler.ForgetBefore(position);
  handler.ForgetEffects();
};

// What the remembering walk did: for tests of its bounds.
struct RememberingWalkStats {
  bool overlapped = false;     // a chain beyond an ancestor's end was met
  std::uint64_t steps = 0;     // records visited or met again, runs crossed
  std::size_t remembered = 0;  // records remembered at the end
};

namespace walk_detail {

inline std::uint64_t SplitMix64(std::uint64_t* state) {
  std::uint64_t z = (*state += 0x9E3779B97F4A7C15u);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

// The memory of the records met beyond an ancestor's end, and the walk of
// their chains.
template <typename Handler>
class RecordMemory {
 public:
  using Effect = typename Handler::Effect;

  RecordMemory(Handler& handler, InputFile& input, std::uint64_t seed)
      : handler_(handler), input_(input), random_(seed), salt_(SplitMix64(&random_)) {}
  RecordMemory(const RecordMemory&) = delete;
  RecordMemory& operator=(const RecordMemory&) = delete;

  // Called by the loops before every first-level record: no later record
  // lies before `position`, so what was remembered there can go.
  void SectionStart(std::int64_t position) {
    if (position > remembered_up_to_) [[unlikely]] {
      // Give the memory back: the next overlap may be far smaller.
      nodes_ = {};
      spans_ = {};
      slots_ = {};
      remembered_up_to_ = kNothingRemembered;
      handler_.ForgetEffects();
    }
  }
  // Walks the records of `level` (3: prototypes, or 4: fields) from
  // `position` while the position is before `end`, as the loops would.
  void WalkBeyond(int level, std::int64_t position, std::int64_t end,
                  std::uint8_t first_level_tag) {
    // Every byte here may be read again.
    handler_.MayReadAgainFrom(0);
    stats_.overlapped = true;
    Effect effect{};
    bool adds = false;
    WalkChain(level, position, end, handler_.KindOfTag(first_level_tag), &effect, &adds);
  }

  RememberingWalkStats stats() const {
    RememberingWalkStats stats = stats_;
    stats.remembered = nodes_.size();
    return stats;
  }

 private:
  static constexpr std::uint32_t kNoNode = 0xFFFFFFFF;
  static constexpr int kMaxHeight = 24;

  // Kept small: a crafted file can make every few bytes a record to
  // remember.
  struct Node {
    std::uint64_t key;  // level, position, kind of first-level tag: see Key()
    std::int64_t end;   // where the next record of the chain starts
    Effect effect;
    std::uint32_t first_span;  // spans_[first_span + j - 1] is the span at height j
    std::uint8_t height;
    std::uint8_t header;  // bytes of tag and length: the body starts after them
    std::uint8_t tag;
    bool adds;  // adds to the output: visited again for real
  };
  // A run of records from a node up to, not including, the next node of the
  // chain at least as tall as the span's height; none of them adds to the
  // output.
  struct Span {
    std::int64_t to = -1;   // -1 until the run has been walked once
    std::int64_t last = 0;  // position of its last record
    Effect effect{};
  };
  // One walk along a chain: the runs that start at a node met on the way
  // stay open (one per height) until the next node at least as tall closes
  // them.
  struct Chain {
    Chain() { from.fill(kNoNode); }
    std::array<std::uint32_t, kMaxHeight + 1> from;  // [height]: node the open run starts at
    std::array<Effect, kMaxHeight + 1> effect{};     // [height]: effect of the run so far
    int top = 0;                                     // no run is open above this height
  };

  // Records of different levels or kinds of first-level tag at one position
  // are different records.
  static std::uint64_t Key(int level, std::int64_t position, std::uint8_t kind) {
    return static_cast<std::uint64_t>(position) << 9 | (level == 4 ? 256u : 0u) | kind;
  }
  static std::int64_t PositionOf(std::uint64_t key) { return static_cast<std::int64_t>(key >> 9); }

  std::size_t Slot(std::uint64_t key) const {
    // Salted, so that no file can choose positions that collide.
    std::uint64_t state = key ^ salt_;
    return static_cast<std::size_t>(SplitMix64(&state)) & (slots_.size() - 1);
  }
  std::uint32_t Find(std::uint64_t key) const {
    if (slots_.empty()) return kNoNode;
    for (std::size_t slot = Slot(key);; slot = (slot + 1) & (slots_.size() - 1)) {
      const std::uint32_t id = slots_[slot];
      if (id == kNoNode || nodes_[id].key == key) return id;
    }
  }
  // Open addressing over nodes_: a power of two in size, at most half full.
  void Grow() {
    slots_.assign(slots_.empty() ? 1024 : slots_.size() * 2, kNoNode);
    for (std::uint32_t id = 0; id < nodes_.size(); ++id) Place(id);
  }
  void Place(std::uint32_t id) {
    std::size_t slot = Slot(nodes_[id].key);
    while (slots_[slot] != kNoNode) slot = (slot + 1) & (slots_.size() - 1);
    slots_[slot] = id;
  }
  std::uint32_t Add(std::uint64_t key) {
    if (2 * (nodes_.size() + 1) > slots_.size()) Grow();
    const auto id = static_cast<std::uint32_t>(nodes_.size());
    Node node{};
    node.key = key;
    // Height j with probability 2^-(j+1): each height halves the records.
    node.height =
        static_cast<std::uint8_t>(std::min(std::countr_zero(SplitMix64(&random_)), kMaxHeight));
    node.first_span = static_cast<std::uint32_t>(spans_.size());
    nodes_.push_back(node);
    spans_.resize(spans_.size() + node.height);
    Place(id);
    remembered_up_to_ =
        nodes_.size() == 1 ? PositionOf(key) : std::max(remembered_up_to_, PositionOf(key));
    return id;
  }
  Span& SpanAt(const Node& node, int height) { return spans_[node.first_span + height - 1]; }

  // Walks a chain, adding its effect to *effect and reporting in *adds
  // whether anything was added to the output.
  void WalkChain(int level, std::int64_t position, std::int64_t end, std::uint8_t kind,
                 Effect* effect, bool* adds) {
    Chain chain;
    // Adds `more` to the open runs from height `lowest` up.
    auto extend = [&](const Effect& more, int lowest) {
      for (int j = lowest; j <= chain.top; ++j) {
        if (chain.from[j] != kNoNode) chain.effect[j] = handler_.Then(chain.effect[j], more);
      }
    };
    auto close_below = [&](int height) {
      for (int j = 1; j < height && j <= chain.top; ++j) chain.from[j] = kNoNode;
    };
    std::int64_t previous = position;
    while (position < end) {
      ++stats_.steps;
      const std::uint64_t key = Key(level, position, kind);
      std::uint32_t id = Find(key);
      const bool first_visit = id == kNoNode;
      if (first_visit) id = Add(key);

      // Arriving here closes the runs of this height and below, and opens
      // this record's own.
      const int height = nodes_[id].height;
      for (int j = 1; j <= height; ++j) {
        if (j <= chain.top && chain.from[j] != kNoNode) {
          SpanAt(nodes_[chain.from[j]], j) = Span{position, previous, chain.effect[j]};
        }
        chain.from[j] = id;
        chain.effect[j] = Effect{};
      }
      chain.top = std::max(chain.top, height);

      if (first_visit) {
        Visit(id, level, kind, end);
      } else if (nodes_[id].adds) {
        VisitAgain(id, level, kind);
      } else {
        // Cross the longest known run that stays before the end, if any.
        int j = height;
        while (j >= 1 && !(SpanAt(nodes_[id], j).to >= 0 && SpanAt(nodes_[id], j).last < end)) {
          --j;
        }
        if (j >= 1) {
          const Span span = SpanAt(nodes_[id], j);
          handler_.Apply(span.effect);
          *effect = handler_.Then(*effect, span.effect);
          // The run may pass records of lower heights, whose runs are
          // unknown here; the node it reaches is at least this tall and
          // reopens them.
          close_below(j);
          extend(span.effect, j);
          previous = span.last;
          position = span.to;
          continue;
        }
        handler_.Apply(nodes_[id].effect);
      }

      const Node& node = nodes_[id];
      *effect = handler_.Then(*effect, node.effect);
      if (node.adds) {
        // Runs only cross records that add nothing.
        *adds = true;
        close_below(chain.top + 1);
      } else {
        extend(node.effect, 1);
      }
      previous = position;
      position = node.end;
    }
  }

  // The first visit, for real, as the loops would make it: the input moves
  // to the record as from the previous record's end.
  void Visit(std::uint32_t id, int level, std::uint8_t kind, std::int64_t parent_end) {
    input_.Seek(PositionOf(nodes_[id].key), EndSite(level));
    Effect effect{};
    bool adds = false;
    RecordFrame frame;
    if (level == 4) {
      frame = Open<4>(handler_, input_, parent_end, parent_end);
      effect = handler_.RememberField(frame.tag, frame.length, kind, input_, &adds);
      Close<4>(handler_, input_, frame, kind);
    } else {
      frame = Open<3>(handler_, input_, parent_end, parent_end);
      WalkChain(4, frame.body, frame.end(), kind, &effect, &adds);
      Close<3>(handler_, input_, frame, kind);
      adds = adds || handler_.PrototypeAdds(kind);
    }
    Node& node = nodes_[id];
    node.end = frame.end();
    node.header = static_cast<std::uint8_t>(frame.body - frame.offset);  // 2 or 5
    node.effect = effect;
    node.tag = frame.tag;
    node.adds = adds;
  }

  // A record that adds to the output, visited again: its frame is known.
  void VisitAgain(std::uint32_t id, int level, std::uint8_t kind) {
    const Node node = nodes_[id];
    RecordFrame frame;
    frame.offset = PositionOf(node.key);
    frame.body = frame.offset + node.header;
    frame.length = node.end - frame.body;
    frame.level = level;
    frame.tag = node.tag;
    frame.length_bytes = static_cast<std::uint8_t>(node.header - 1);
    if (level == 4) {
      input_.Seek(frame.body, EndSite(4));
      handler_.Field(frame.tag, frame.length, kind, input_);
      Close<4>(handler_, input_, frame, kind);
      return;
    }
    Effect effect{};
    bool adds = false;
    WalkChain(4, frame.body, frame.end(), kind, &effect, &adds);
    Close<3>(handler_, input_, frame, kind);
  }

  Handler& handler_;
  InputFile& input_;
  std::vector<Node> nodes_;
  std::vector<Span> spans_;
  std::vector<std::uint32_t> slots_;  // node indices, kNoNode where free
  // No remembered record lies beyond here; with nothing remembered, no
  // position is beyond it, so that each section costs one comparison.
  static constexpr std::int64_t kNothingRemembered = std::numeric_limits<std::int64_t>::max();
  std::int64_t remembered_up_to_ = kNothingRemembered;
  std::uint64_t random_;
  std::uint64_t salt_;
  RememberingWalkStats stats_;
};

}  // namespace walk_detail

// The walk for handlers that must not take more than n log n time on any
// file (n the input and the output): the same output and the same failures
// as WalkRecordsPlain, records beyond an ancestor's end remembered. `seed`
// sets the skip list's heights and the hash's salt, which never change what
// is written: tests fix it, a program facing files it does not trust takes
// one they cannot know (RunSeed()). For a handler whose class is known where
// the walk is compiled, its calls are direct and can be inlined.
template <RemembersEffects Handler>
RememberingWalkStats WalkRecordsRemembering(InputFile& input, Handler& handler,
                                            std::uint64_t seed) {
  // The frames are for the plain walk: here records are read out of order.
  static_assert(!SeesRecordFrames<Handler>);
  walk_detail::RecordMemory<Handler> memory(handler, input, seed);
  walk_detail::Walk(input, handler, &memory);
  return memory.stats();
}

// A seed that differs from run to run (from the clock).
std::uint64_t RunSeed();

}  // namespace kovrant
