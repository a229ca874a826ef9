#include "ldb/record_walk.h"

namespace kovrant {

void WalkRecords(InputFile& input, RecordHandler& handler) { WalkRecordsWith(input, handler); }

}  // namespace kovrant
