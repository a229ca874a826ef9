#include "ldb/record_walk.h"

#include "ldb/packed_length.h"

namespace kovrant {

void WalkRecords(InputFile& input, RecordHandler& handler) {
  handler.TableStart();
  while (!input.AtEnd(CheckSite::kEndOfFile)) {
    const std::uint8_t first_level_tag = input.ReadByte(CheckSite::kReadLevel1Tag);
    const std::int64_t level1_length = ReadPackedLength(input);
    const std::int64_t level1_end = input.Position() + level1_length;
    while (input.Position() < level1_end) {
      input.ReadByte(CheckSite::kReadLevel2Tag);
      const std::int64_t level2_length = ReadPackedLength(input);
      const std::int64_t level2_end = input.Position() + level2_length;
      while (input.Position() < level2_end) {
        input.ReadByte(CheckSite::kReadLevel3Tag);
        const std::int64_t prototype_length = ReadPackedLength(input);
        const std::int64_t prototype_end = input.Position() + prototype_length;
        while (input.Position() < prototype_end) {
          const std::uint8_t field_type = input.ReadByte(CheckSite::kReadFieldType);
          const std::int64_t value_length = ReadPackedLength(input);
          const std::int64_t value_end = input.Position() + value_length;
          handler.Field(field_type, value_length, first_level_tag, input);
          input.Seek(value_end, CheckSite::kSeekFieldEnd);
        }
        input.Seek(prototype_end, CheckSite::kSeekPrototypeEnd);
        handler.PrototypeEnd(first_level_tag);
      }
      input.Seek(level2_end, CheckSite::kSeekLevel2End);
    }
    input.Seek(level1_end, CheckSite::kSeekLevel1End);
  }
}

}  // namespace kovrant
