#include "table/overlap_walk.h"

#include <algorithm>
#include <array>
#include <bit>
#include <chrono>
#include <cstring>

#include "io/failure.h"
#include "ldb/packed_length.h"
#include "table/table_writer.h"

namespace kovrant {
namespace {

constexpr std::uint32_t kNoNode = 0xFFFFFFFF;

// Records of different levels or sections (written or not) at one position
// are different records.
std::uint64_t Key(int level, std::int64_t position, bool written) {
  return static_cast<std::uint64_t>(position) << 3 | static_cast<std::uint64_t>(level - 2) << 1 |
         (written ? 1u : 0u);
}

std::int64_t PositionOf(std::uint64_t key) { return static_cast<std::int64_t>(key >> 3); }

std::uint64_t SplitMix64(std::uint64_t* state) {
  std::uint64_t z = (*state += 0x9E3779B97F4A7C15u);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
  return z ^ (z >> 31);
}

// The sites of the moves the plain walk makes to reach a record of a level
// (it arrives there after the previous record's end).
CheckSite SeekSite(int level) {
  switch (level) {
    case 2:
      return CheckSite::kSeekLevel2End;
    case 3:
      return CheckSite::kSeekPrototypeEnd;
    default:
      return CheckSite::kSeekFieldEnd;
  }
}

}  // namespace

OverlapWalk::OverlapWalk(TableWriter& writer, InputFile& input)
    : writer_(writer),
      input_(input),
      // Heights only decide how fast runs are crossed, never what is
      // written, so they may differ from run to run; a file cannot aim at
      // them.
      random_(
          static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()) ^
          reinterpret_cast<std::uintptr_t>(this)),
      salt_(SplitMix64(&random_)) {}

OverlapWalk::PlaceEffect OverlapWalk::Then(const PlaceEffect& first, const PlaceEffect& second,
                                           const std::vector<PlaceBlock>& blocks) {
  PlaceEffect result = first;
  if (first.fails) return result;
  if (first.stores == kNoBlock) {
    result.checks = std::max(first.checks, second.checks);
  } else if (TableWriter::RendersSignallingNaN(blocks[first.stores].value, second.checks)) {
    result.fails = true;
  }
  result.fails = result.fails || second.fails;
  if (second.stores != kNoBlock) result.stores = second.stores;
  return result;
}

void OverlapWalk::Apply(const PlaceEffect& effect) {
  if (effect.fails || TableWriter::RendersSignallingNaN(writer_.place_, effect.checks)) {
    throw InvalidOpError(CheckSite::kRenderPlace);
  }
  if (effect.stores != kNoBlock) {
    std::memcpy(writer_.place_, blocks_[effect.stores].value, sizeof writer_.place_);
  }
}

void OverlapWalk::Walk(int level, std::int64_t position, std::int64_t end, bool written) {
  // Every byte here may be read again.
  writer_.read_again_from_ = 0;
  PlaceEffect effect;
  bool adds = false;
  WalkChain(level, position, end, written, &effect, &adds);
}

void OverlapWalk::Forget(std::int64_t position) {
  if (position <= highest_position_) return;
  // Give the memory back: the next overlap may be far smaller.
  nodes_ = {};
  spans_ = {};
  blocks_ = {};
  slots_ = {};
  highest_position_ = -1;
}

std::uint8_t OverlapWalk::RandomHeight() {
  // Height j with probability 2^-(j+1): each height halves the records.
  const int height = std::countr_zero(SplitMix64(&random_));
  return static_cast<std::uint8_t>(std::min(height, kMaxHeight));
}

std::size_t OverlapWalk::Slot(std::uint64_t key) const {
  // Salted, so that no file can choose positions that collide.
  std::uint64_t state = key ^ salt_;
  return static_cast<std::size_t>(SplitMix64(&state)) & (slots_.size() - 1);
}

std::uint32_t OverlapWalk::Find(std::uint64_t key) const {
  if (slots_.empty()) return kNoNode;
  for (std::size_t slot = Slot(key);; slot = (slot + 1) & (slots_.size() - 1)) {
    const std::uint32_t id = slots_[slot];
    if (id == kNoNode || nodes_[id].key == key) return id;
  }
}

void OverlapWalk::Grow() {
  slots_.assign(slots_.empty() ? 1024 : slots_.size() * 2, kNoNode);
  for (std::uint32_t id = 0; id < nodes_.size(); ++id) {
    std::size_t slot = Slot(nodes_[id].key);
    while (slots_[slot] != kNoNode) slot = (slot + 1) & (slots_.size() - 1);
    slots_[slot] = id;
  }
}

std::uint32_t OverlapWalk::Add(std::uint64_t key) {
  if (2 * (nodes_.size() + 1) > slots_.size()) Grow();
  const auto id = static_cast<std::uint32_t>(nodes_.size());
  Node node{};
  node.key = key;
  node.height = RandomHeight();
  node.first_span = static_cast<std::uint32_t>(spans_.size());
  nodes_.push_back(node);
  spans_.resize(spans_.size() + node.height);
  std::size_t slot = Slot(key);
  while (slots_[slot] != kNoNode) slot = (slot + 1) & (slots_.size() - 1);
  slots_[slot] = id;
  highest_position_ = std::max(highest_position_, PositionOf(key));
  return id;
}

// One walk along a chain: the runs that start at a node met on the way stay
// open (one per height) until the next node at least as tall closes them.
struct OverlapWalk::Chain {
  explicit Chain(const OverlapWalk& owner) : walk(owner) { from.fill(kNoNode); }

  void Extend(const PlaceEffect& more, int lowest) {
    for (int j = lowest; j <= top; ++j) {
      if (from[j] != kNoNode) effect[j] = walk.Then(effect[j], more);
    }
  }
  void CloseBelow(int height) {
    for (int j = 1; j < height && j <= top; ++j) from[j] = kNoNode;
  }

  const OverlapWalk& walk;
  std::array<std::uint32_t, kMaxHeight + 1> from;  // [height]: node the open run starts at
  std::array<PlaceEffect, kMaxHeight + 1> effect;  // [height]: effect of the run so far
  int top = 0;                                     // no run is open above this height
};

void OverlapWalk::WalkChain(int level, std::int64_t position, std::int64_t end, bool written,
                            PlaceEffect* effect, bool* adds) {
  Chain chain(*this);
  std::int64_t previous = position;
  while (position < end) {
    ++steps_;
    const std::uint64_t key = Key(level, position, written);
    std::uint32_t id = Find(key);
    const bool first_visit = id == kNoNode;
    if (first_visit) id = Add(key);

    // Arriving here closes the runs of this height and below, and opens
    // this record's own.
    const int height = nodes_[id].height;
    for (int j = 1; j <= height; ++j) {
      if (j <= chain.top && chain.from[j] != kNoNode) {
        spans_[nodes_[chain.from[j]].first_span + j - 1] =
            Span{position, previous, chain.effect[j]};
      }
      chain.from[j] = id;
      chain.effect[j] = PlaceEffect{};
    }
    chain.top = std::max(chain.top, height);

    if (first_visit) {
      Visit(id, level, written);
    } else if (nodes_[id].adds) {
      VisitAgain(id, level);
    } else {
      // Cross the longest known run that stays before the end, if any.
      const Node& node = nodes_[id];
      int j = height;
      while (j >= 1 && !(spans_[node.first_span + j - 1].to >= 0 &&
                         spans_[node.first_span + j - 1].last < end)) {
        --j;
      }
      if (j >= 1) {
        const Span span = spans_[node.first_span + j - 1];
        Apply(span.effect);
        *effect = Then(*effect, span.effect);
        // The run may pass records of lower heights, whose runs are unknown
        // here; the node it reaches is at least this tall and reopens them.
        chain.CloseBelow(j);
        chain.Extend(span.effect, j);
        previous = span.last;
        position = span.to;
        continue;
      }
      Apply(node.effect);
    }

    const Node& node = nodes_[id];
    *effect = Then(*effect, node.effect);
    if (node.adds) {
      // Runs only cross records that add nothing.
      *adds = true;
      chain.CloseBelow(chain.top + 1);
    } else {
      chain.Extend(node.effect, 1);
    }
    previous = position;
    position = node.end;
  }
}

void OverlapWalk::Visit(std::uint32_t id, int level, bool written) {
  const std::int64_t position = PositionOf(nodes_[id].key);
  input_.Seek(position, SeekSite(level));
  PlaceEffect effect;
  bool adds = false;
  std::uint8_t field_type = 0;
  std::int64_t body;
  std::int64_t end;
  if (level == 4) {
    field_type = input_.ReadByte(CheckSite::kReadFieldType);
    const std::int64_t length = ReadPackedLength(input_);
    body = input_.Position();
    end = body + length;
    const std::int64_t table_length = writer_.table_.Length();
    writer_.Field(field_type, length, written ? 1 : 0, input_);
    adds = writer_.table_.Length() != table_length;
    if (field_type == 1) {
      effect.stores = static_cast<std::uint32_t>(blocks_.size());
      PlaceBlock block;
      std::memcpy(block.value, writer_.place_, sizeof block.value);
      blocks_.push_back(block);
    } else if (field_type == 2 && (writer_.integer_value_ == 1 || writer_.integer_value_ == 2)) {
      effect.checks = static_cast<std::uint8_t>(writer_.integer_value_ * 2);
    }
    input_.Seek(end, CheckSite::kSeekFieldEnd);
  } else {
    input_.ReadByte(level == 3 ? CheckSite::kReadLevel3Tag : CheckSite::kReadLevel2Tag);
    const std::int64_t length = ReadPackedLength(input_);
    body = input_.Position();
    end = body + length;
    WalkChain(level + 1, body, end, written, &effect, &adds);
    if (level == 3) {
      input_.Seek(end, CheckSite::kSeekPrototypeEnd);
      writer_.PrototypeEnd(written ? 1 : 0);
      adds = written;
    } else {
      input_.Seek(end, CheckSite::kSeekLevel2End);
    }
  }
  Node& node = nodes_[id];
  node.end = end;
  node.header = static_cast<std::uint8_t>(body - position);  // 2 or 5
  node.effect = effect;
  node.field_type = field_type;
  node.adds = adds;
}

void OverlapWalk::VisitAgain(std::uint32_t id, int level) {
  // Only written records add to the table.
  const Node node = nodes_[id];
  const std::int64_t body = PositionOf(node.key) + node.header;
  if (level == 4) {
    input_.Seek(body, CheckSite::kSeekFieldEnd);
    writer_.Field(node.field_type, node.end - body, 1, input_);
    input_.Seek(node.end, CheckSite::kSeekFieldEnd);
    return;
  }
  PlaceEffect effect;
  bool adds = false;
  WalkChain(level + 1, body, node.end, true, &effect, &adds);
  if (level == 3) {
    input_.Seek(node.end, CheckSite::kSeekPrototypeEnd);
    writer_.PrototypeEnd(1);
  } else {
    input_.Seek(node.end, CheckSite::kSeekLevel2End);
  }
}

}  // namespace kovrant
