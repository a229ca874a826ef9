// `ldbtool check DB`: every problem of a lever database, each with its place.
//
// The conversion itself decides whether kovrant fails (conversion_trace.h);
// that error comes first, as
//   ldbtool: DB: offset N (0xHEX): error: <kovrant's message>: <record>: <why>
// followed by the warnings about the records walked up to that point (or to
// the end): things kovrant converts but a modder should know, each as
//   ldbtool: DB: offset N (0xHEX): warning: <record>: <what>
// A summary line goes to `out`. At most kMaxListedPerKind warnings of one
// kind are listed (crafted overlapping records can repeat one thousands of
// times); a note then says how many more there were.
// Exit code: 0 when kovrant converts the database, 1 when it would fail or
// the file cannot be opened.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "io/platform.h"
#include "tool/conversion_trace.h"

namespace kovrant::tool {

inline constexpr int kMaxListedPerKind = 100;

// "ldbtool: DB: offset N (0xHEX): " — the start of every finding.
std::string FindingPrefix(const std::string& database, std::int64_t offset);

// The error line's text after "error: " for a traced failure.
std::string DescribeFailure(const TraceResult& result);

// Check with a given work budget for the trace (-1: the default).
int CheckWithBudget(Platform& platform, const std::string& database, std::ostream& out,
                    std::ostream& err, std::int64_t work_budget);

}  // namespace kovrant::tool
