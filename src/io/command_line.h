// Splitting a Windows command line into arguments.
//
// Windows hands a program one command-line string; the converter splits it
// with these rules, which differ from the C runtime's:
//  - characters 1..32 separate arguments; an argument ends at one of them
//    outside double quotes, at a NUL or at the end of the string;
//  - a double quote opens or closes a quoted stretch and is dropped; inside
//    one, spaces belong to the argument; a missing closing quote runs to the
//    end of the line;
//  - a pair of double quotes met where an argument would start is skipped:
//    an empty quoted argument is not counted;
//  - backslashes have no special meaning;
//  - a lead byte of a double-byte character takes its trail byte with it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kovrant {

// Tells whether a byte starts a double-byte character in the system code
// page.
using LeadByteTest = bool (*)(unsigned char byte);

// Returns every argument, the program name (argument 0) first.
std::vector<std::string> SplitCommandLine(std::string_view command_line,
                                          LeadByteTest is_lead_byte = nullptr);

}  // namespace kovrant
