// `ldbtool dump DB`: the record tree of a lever database, one line per
// record as the conversion walks it:
//   <offset> <indent>L<level> tag <t> | field <f> (<column>)  len<1|4>:<length> [= <value>]
// A field shows the value its type reads: a text's bytes in quotes (bytes
// outside printable ASCII, quotes and backslashes escaped as \t \r \n \0 \"
// \\ \xHH; long texts cut with their full length given), the place block's
// four floats, the place count, the scale, the switch time's ticks and
// seconds; other types show their first bytes in hex. Floats are shown with
// the fewest digits that read back as the same 32-bit float (NaNs as their
// bits). Marks after " !! " note a record that reaches past its parent's
// end, bytes read as a stray record and a value shorter than its type
// reads; where the conversion fails, a line "<offset> !! kovrant fails here"
// ends the tree and the error also goes to `err` as check gives it.
// Exit code: 0 when kovrant converts the database, 1 when it fails or the
// file cannot be opened.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "io/platform.h"

namespace kovrant::tool {

// A value's bytes as dump shows a text: quoted, escaped, at most
// `max_shown` bytes of it.
std::string EscapeText(const std::string& bytes, std::size_t max_shown);

// A float's bits as dump shows them: shortest round trip, "NaN(0x...)" for
// NaNs.
std::string FloatText(std::uint32_t bits);

int DumpWithBudget(Platform& platform, const std::string& database, std::ostream& out,
                   std::ostream& err, std::int64_t work_budget);

}  // namespace kovrant::tool
