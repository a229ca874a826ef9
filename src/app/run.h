// One run of the converter, in order: banner or conversion.
#pragma once

#include <string>
#include <vector>

#include "io/platform.h"

namespace kovrant {

// The seven lines printed when the converter is started without arguments.
extern const char* const kBannerLines[7];

// Runs the converter on `arguments` (those after the program name; only the
// first two are used). Returns the exit code of a normal end: 0 after the
// banner and after a completed conversion, 1 after "Error opening file" (no
// table was written, and a script running the converter must see that).
// Any failure of a checked operation propagates as a Failure exception; by
// then the user's earlier table is untouched and no temporary file is left.
int Run(const std::vector<std::string>& arguments, Platform& platform, char decimal_separator);

}  // namespace kovrant
