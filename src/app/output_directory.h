// Where the table goes: the optional second argument names a directory,
// created when missing (one level: its parent must exist). A name that is
// neither an existing nor a creatable directory falls back, silently, to the
// working directory. A directory that another process creates at the same
// moment counts as found.
#pragma once

#include <string>
#include <vector>

#include "io/platform.h"

namespace kovrant {

inline constexpr char kTableFileName[] = "LeverPrototypes.txt";

// The prefix for the table's path: empty, or the directory followed by the
// platform's separator (appended only when it does not already end in one).
std::string ResolveOutputPrefix(const std::vector<std::string>& arguments, Platform& platform);

}  // namespace kovrant
