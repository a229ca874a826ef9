// The record walk over a lever database.
//
// The database is a tree of record frames four levels deep, stored
// depth-first. Every frame is a tag byte, a packed length and a body of that
// many bytes:
//   level 1  one after another to the end of the file; its tag decides
//            whether the prototypes inside are written (tag 1) or not
//   level 2  inside a level-1 body; tag unused
//   level 3  inside a level-2 body: one lever prototype; tag unused
//   level 4  inside a level-3 body: one field; the tag is the field type and
//            the body the field's value
// The walk trusts the lengths: after every record it moves to the record's
// declared end, so a handler may read less or more than a value holds. A
// child running past its parent's end ends the parent's loop; bytes left
// before a parent's end are read as a further child. Only the first level
// tests for the end of the file, so a read past the end inside a record
// fails (code 100), while a record end beyond the file reached only by moves
// simply ends the walk.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "io/input_file.h"
#include "ldb/packed_length.h"

namespace kovrant {

class RecordHandler {
 public:
  virtual ~RecordHandler() = default;

  // Once, before the first record is read.
  virtual void TableStart() = 0;

  // For every level-4 record, with `input` positioned at the value's first
  // byte. The handler may read any number of bytes. `first_level_tag` is
  // passed along so that a handler can tell at once whether the prototype
  // will be written.
  virtual void Field(std::uint8_t field_type, std::int64_t length, std::uint8_t first_level_tag,
                     InputFile& input) = 0;

  // After the last field of every level-3 record, once the input has been
  // moved to that record's end.
  virtual void PrototypeEnd(std::uint8_t first_level_tag) = 0;
};

// Where a record lies, as the walk reads its tag and packed length: for
// handlers that show or check the structure itself.
struct RecordFrame {
  std::int64_t offset = 0;         // the tag byte
  std::int64_t body = 0;           // the body's first byte
  std::int64_t length = 0;         // the body length the record declares
  std::int64_t parent_end = 0;     // the declared end of the enclosing record
                                   // (level 1: INT64_MAX, the file is its parent)
  std::int64_t ancestors_end = 0;  // the nearest declared end of all enclosing records
  int level = 0;                   // 1 to 4
  std::uint8_t tag = 0;            // at level 4 the field type
  std::uint8_t length_bytes = 0;   // 1 or 4: the form of the packed length
  std::int64_t end() const { return body + length; }
};

// A handler may also follow the frames:
//   RecordAt(level, offset)  before the tag of a record at `offset` is read
//                            (a read failing before RecordOpened failed on
//                            that record's tag or packed length);
//   RecordOpened(frame)      once its tag and length are read, before its
//                            body is walked (for a field: before Field);
//   RecordClosed(frame)      once the walk has moved to its declared end.
// For a handler without them the hooks compile to nothing.
template <typename Handler>
concept SeesRecordFrames = requires(Handler& handler, const RecordFrame& frame) {
  handler.RecordAt(1, std::int64_t{0});
  handler.RecordOpened(frame);
  handler.RecordClosed(frame);
};

namespace walk_detail {

// The check sites of reading a record's tag and of moving to its end, by
// level.
constexpr CheckSite TagSite(int level) {
  constexpr CheckSite kSites[] = {CheckSite::kReadLevel1Tag, CheckSite::kReadLevel2Tag,
                                  CheckSite::kReadLevel3Tag, CheckSite::kReadFieldType};
  return kSites[level - 1];
}
constexpr CheckSite EndSite(int level) {
  constexpr CheckSite kSites[] = {CheckSite::kSeekLevel1End, CheckSite::kSeekLevel2End,
                                  CheckSite::kSeekPrototypeEnd, CheckSite::kSeekFieldEnd};
  return kSites[level - 1];
}

// Reads the tag and packed length of the record of `level` at the input's
// position; the input is left at the body's first byte.
template <int kLevel, typename Handler>
[[gnu::always_inline]] inline RecordFrame Open(Handler& handler, InputFile& input,
                                               std::int64_t parent_end,
                                               std::int64_t ancestors_end) {
  RecordFrame frame;
  frame.offset = input.Position();
  if constexpr (SeesRecordFrames<Handler>) handler.RecordAt(kLevel, frame.offset);
  frame.tag = input.ReadByte(TagSite(kLevel));
  frame.length = ReadPackedLength(input);
  frame.body = input.Position();
  frame.parent_end = parent_end;
  frame.ancestors_end = ancestors_end;
  frame.level = kLevel;
  frame.length_bytes = static_cast<std::uint8_t>(frame.body - frame.offset - 1);
  if constexpr (SeesRecordFrames<Handler>) handler.RecordOpened(frame);
  return frame;
}

// Moves to the record's declared end, whatever its body's reads left; a
// prototype's end is told to the handler there.
template <int kLevel, typename Handler>
[[gnu::always_inline]] inline void Close(Handler& handler, InputFile& input,
                                         const RecordFrame& frame, std::uint8_t first_level_tag) {
  // Most handlers read a field's value to its end, and a record's last child
  // ends where the record does: then the input is already there (open, at a
  // position not below 0), and the checked move would change nothing.
  if (input.Position() != frame.end()) input.Seek(frame.end(), EndSite(kLevel));
  if constexpr (kLevel == 3) handler.PrototypeEnd(first_level_tag);
  if constexpr (SeesRecordFrames<Handler>) handler.RecordClosed(frame);
}

// A field: its frame, the handler's reading of its value, the move to its
// end.
template <typename Handler>
[[gnu::always_inline]] inline void VisitField(Handler& handler, InputFile& input,
                                              std::int64_t parent_end, std::int64_t ancestors_end,
                                              std::uint8_t first_level_tag) {
  const RecordFrame field = Open<4>(handler, input, parent_end, ancestors_end);
  handler.Field(field.tag, field.length, first_level_tag, input);
  Close<4>(handler, input, field, first_level_tag);
}

// Stands for no memory of records: every record is walked where the loops
// meet it.
struct NoRecordMemory {};

// The loops over the four levels. A `Memory` other than NoRecordMemory takes
// over the records that lie beyond the end of an enclosing record other than
// their parent (see remembering_walk.h): records inside all their ancestors
// are never walked twice, since every later move goes to one of their
// ancestors' ends or beyond, so the loops keep them; from the first record
// of a chain beyond an ancestor's end on, the memory walks the rest of that
// chain.
template <typename Handler, typename Memory>
void Walk(InputFile& input, Handler& handler, Memory* memory) {
  constexpr bool kRemembers = !std::is_same_v<Memory, NoRecordMemory>;
  constexpr std::int64_t kNoEnd = std::numeric_limits<std::int64_t>::max();
  handler.TableStart();
  while (!input.AtEnd(CheckSite::kEndOfFile)) {
    if constexpr (kRemembers) {
      memory->SectionStart(input.Position());
      handler.ForgetBefore(input.Position());
    }
    const RecordFrame level1 = Open<1>(handler, input, kNoEnd, kNoEnd);
    const std::uint8_t first_level_tag = level1.tag;
    const std::int64_t level1_end = level1.end();
    while (input.Position() < level1_end) {
      const RecordFrame level2 = Open<2>(handler, input, level1_end, level1_end);
      const std::int64_t level2_end = level2.end();
      const std::int64_t ancestors_end = std::min(level1_end, level2_end);
      while (input.Position() < level2_end) {
        if constexpr (kRemembers) {
          if (input.Position() >= level1_end) [[unlikely]] {
            memory->WalkBeyond(3, input.Position(), level2_end, first_level_tag);
            break;
          }
        }
        const RecordFrame prototype = Open<3>(handler, input, level2_end, ancestors_end);
        const std::int64_t prototype_end = prototype.end();
        // The nearest end of the prototype and its ancestors.
        const std::int64_t within = std::min(ancestors_end, prototype_end);
        // Its fields read no byte before `within` again.
        if constexpr (kRemembers) handler.MayReadAgainFrom(within);
        if constexpr (kRemembers) {
          // The fields inside all ancestors, one comparison each; one that
          // starts at or beyond an ancestor's end, before the prototype's,
          // begins a chain for the memory.
          while (input.Position() < within) {
            VisitField(handler, input, prototype_end, within, first_level_tag);
          }
          if (input.Position() < prototype_end) [[unlikely]] {
            memory->WalkBeyond(4, input.Position(), prototype_end, first_level_tag);
          }
        } else {
          while (input.Position() < prototype_end) {
            VisitField(handler, input, prototype_end, within, first_level_tag);
          }
        }
        Close<3>(handler, input, prototype, first_level_tag);
      }
      Close<2>(handler, input, level2, first_level_tag);
    }
    Close<1>(handler, input, level1, first_level_tag);
  }
}

}  // namespace walk_detail

// The plain walk: the whole input from its current position (the start of
// the file) to its end, every record walked where the loops meet it. It is
// the reference every other walk must match, and the walk for handlers that
// follow the frames. Where records overlap it may walk the same bytes again
// as often as they overlap, so a crafted file makes it take time quadratic
// in its size; the converter uses WalkRecordsRemembering
// (remembering_walk.h). For a handler whose class is known where the walk
// is compiled, its calls are direct and can be inlined into the loops.
template <typename Handler>
void WalkRecordsPlain(InputFile& input, Handler& handler) {
  walk_detail::Walk(input, handler, static_cast<walk_detail::NoRecordMemory*>(nullptr));
}

// Compiled once, in record_walk.cc, for the abstract handler.
extern template void WalkRecordsPlain<RecordHandler>(InputFile& input, RecordHandler& handler);

}  // namespace kovrant
