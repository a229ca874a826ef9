// The sample lever database shipped as examples/levers.ldb, made from the
// project's own invented data.
#pragma once

#include <string>

namespace kovrant::ldb {

// The whole database, byte for byte; the same on every run.
std::string SampleDatabase();

}  // namespace kovrant::ldb
