// Lines on standard output: the banner, "Error opening file" and failure
// reports. Each line ends in CR LF on every platform, written as bytes (no
// text-mode translation doubles the CR).
#pragma once

#include <string_view>

#include "io/platform.h"

namespace kovrant {

// Writes `text` followed by CR LF; a failed write throws IoError.
void WriteConsoleLine(Platform& platform, std::string_view text);

}  // namespace kovrant
