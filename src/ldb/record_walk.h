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

#include <cstdint>
#include <limits>

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

// Walks the whole input from its current position (the start of the file)
// to its end.
void WalkRecords(InputFile& input, RecordHandler& handler);

// A handler may also take over the records that lie beyond the end of an
// enclosing record other than their parent. Such records exist only when a
// child overruns its parent: the walk later moves back to the parent's end
// and may walk the same bytes again, as often as records overlap, so a
// crafted file could make the plain walk take time quadratic in its size.
// Records that lie inside all their ancestors are never walked twice (every
// later move goes to one of their ancestors' ends or beyond), so the plain
// loops keep them; from the first record of a chain beyond an ancestor's end
// on, the handler walks the rest of that chain itself:
//   WalkBeyond(level, position, end, first_level_tag, input)
// walks the records of `level` (3 or 4) from `position` while the position
// is before `end`, exactly as the loops below would. SectionStart(position)
// is called before every first-level record; no later record lies before
// it. PrototypeStart(within) is called before the fields of a prototype the
// loops walk: the bytes before `within` (the nearest end of the prototype
// and its ancestors) are never read again once its fields are read.
template <typename Handler>
concept TakesRecordsBeyond = requires(Handler& handler, InputFile& input, std::int64_t position,
                                      std::uint8_t tag) {
  handler.WalkBeyond(3, position, position, tag, input);
  handler.SectionStart(position);
  handler.PrototypeStart(position);
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
// The walk compiled for a handler without them is the same as before.
template <typename Handler>
concept SeesRecordFrames = requires(Handler& handler, const RecordFrame& frame) {
  handler.RecordAt(1, std::int64_t{0});
  handler.RecordOpened(frame);
  handler.RecordClosed(frame);
};

namespace walk_detail {
template <typename Handler>
inline void At(Handler& handler, int level, std::int64_t offset) {
  if constexpr (SeesRecordFrames<Handler>) handler.RecordAt(level, offset);
}
// The frame of the record whose tag was read at `offset` and whose length
// has just been read.
inline RecordFrame Frame(int level, std::int64_t offset, std::uint8_t tag, std::int64_t length,
                         const InputFile& input, std::int64_t parent_end,
                         std::int64_t ancestors_end) {
  RecordFrame frame;
  frame.offset = offset;
  frame.body = input.Position();
  frame.length = length;
  frame.parent_end = parent_end;
  frame.ancestors_end = ancestors_end;
  frame.level = level;
  frame.tag = tag;
  frame.length_bytes = static_cast<std::uint8_t>(frame.body - offset - 1);
  return frame;
}
}  // namespace walk_detail

// The same walk for a handler whose class is known where the walk is
// compiled: its calls are direct and can be inlined into the loops. A
// handler module instantiates it beside its own definitions (see
// table_writer.h).
template <typename Handler>
void WalkRecordsWith(InputFile& input, Handler& handler) {
  constexpr bool kTakesRecordsBeyond = TakesRecordsBeyond<Handler>;
  constexpr bool kSeesFrames = SeesRecordFrames<Handler>;
  using walk_detail::At;
  using walk_detail::Frame;
  constexpr std::int64_t kNoEnd = std::numeric_limits<std::int64_t>::max();
  handler.TableStart();
  while (!input.AtEnd(CheckSite::kEndOfFile)) {
    if constexpr (kTakesRecordsBeyond) handler.SectionStart(input.Position());
    const std::int64_t level1_offset = input.Position();
    At(handler, 1, level1_offset);
    const std::uint8_t first_level_tag = input.ReadByte(CheckSite::kReadLevel1Tag);
    const std::int64_t level1_length = ReadPackedLength(input);
    const std::int64_t level1_end = input.Position() + level1_length;
    RecordFrame level1;
    if constexpr (kSeesFrames) {
      level1 = Frame(1, level1_offset, first_level_tag, level1_length, input, kNoEnd, kNoEnd);
      handler.RecordOpened(level1);
    }
    while (input.Position() < level1_end) {
      const std::int64_t level2_offset = input.Position();
      At(handler, 2, level2_offset);
      const std::uint8_t level2_tag = input.ReadByte(CheckSite::kReadLevel2Tag);
      const std::int64_t level2_length = ReadPackedLength(input);
      const std::int64_t level2_end = input.Position() + level2_length;
      RecordFrame level2;
      if constexpr (kSeesFrames) {
        level2 = Frame(2, level2_offset, level2_tag, level2_length, input, level1_end, level1_end);
        handler.RecordOpened(level2);
      }
      while (input.Position() < level2_end) {
        if constexpr (kTakesRecordsBeyond) {
          if (input.Position() >= level1_end) [[unlikely]] {
            handler.WalkBeyond(3, input.Position(), level2_end, first_level_tag, input);
            break;
          }
        }
        const std::int64_t prototype_offset = input.Position();
        At(handler, 3, prototype_offset);
        const std::uint8_t prototype_tag = input.ReadByte(CheckSite::kReadLevel3Tag);
        const std::int64_t prototype_length = ReadPackedLength(input);
        const std::int64_t prototype_end = input.Position() + prototype_length;
        const std::int64_t ancestors_end = level1_end < level2_end ? level1_end : level2_end;
        RecordFrame prototype;
        if constexpr (kSeesFrames) {
          prototype = Frame(3, prototype_offset, prototype_tag, prototype_length, input, level2_end,
                            ancestors_end);
          handler.RecordOpened(prototype);
        }
        if constexpr (kTakesRecordsBeyond) {
          handler.PrototypeStart(ancestors_end < prototype_end ? ancestors_end : prototype_end);
        }
        while (input.Position() < prototype_end) {
          if constexpr (kTakesRecordsBeyond) {
            if (input.Position() >= ancestors_end) [[unlikely]] {
              handler.WalkBeyond(4, input.Position(), prototype_end, first_level_tag, input);
              break;
            }
          }
          const std::int64_t field_offset = input.Position();
          At(handler, 4, field_offset);
          const std::uint8_t field_type = input.ReadByte(CheckSite::kReadFieldType);
          const std::int64_t value_length = ReadPackedLength(input);
          const std::int64_t value_end = input.Position() + value_length;
          RecordFrame field;
          if constexpr (kSeesFrames) {
            field = Frame(4, field_offset, field_type, value_length, input, prototype_end,
                          ancestors_end < prototype_end ? ancestors_end : prototype_end);
            handler.RecordOpened(field);
          }
          handler.Field(field_type, value_length, first_level_tag, input);
          input.Seek(value_end, CheckSite::kSeekFieldEnd);
          if constexpr (kSeesFrames) handler.RecordClosed(field);
        }
        input.Seek(prototype_end, CheckSite::kSeekPrototypeEnd);
        handler.PrototypeEnd(first_level_tag);
        if constexpr (kSeesFrames) handler.RecordClosed(prototype);
      }
      input.Seek(level2_end, CheckSite::kSeekLevel2End);
      if constexpr (kSeesFrames) handler.RecordClosed(level2);
    }
    input.Seek(level1_end, CheckSite::kSeekLevel1End);
    if constexpr (kSeesFrames) handler.RecordClosed(level1);
  }
}

}  // namespace kovrant
