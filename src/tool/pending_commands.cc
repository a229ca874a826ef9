// Placeholders for `apply` and `pack`, whose modules are built on another
// branch; they refuse plainly so that the command line can be built and
// tested on its own. This file goes when apply.cc and pack.cc arrive.
#include <ostream>

#include "tool/commands.h"

namespace kovrant::tool {

int Apply(Platform&, const ApplyOptions& options, std::ostream&, std::ostream& err) {
  err << "ldbtool: " << options.database << ": error: apply is not part of this build\n";
  return 1;
}

int Pack(Platform&, const PackOptions& options, std::ostream&, std::ostream& err) {
  err << "ldbtool: " << options.table << ": error: pack is not part of this build\n";
  return 1;
}

}  // namespace kovrant::tool
