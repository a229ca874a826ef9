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

#include "io/input_file.h"

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

}  // namespace kovrant
