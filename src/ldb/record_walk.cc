#include "ldb/record_walk.h"

namespace kovrant {

template void WalkRecordsPlain<RecordHandler>(InputFile& input, RecordHandler& handler);

}  // namespace kovrant
