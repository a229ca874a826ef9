// Numbers as a person or a spreadsheet types them into the table's cells.
//
// kovrant writes one decimal digit ("3.0", "-0.5"), from 10^18 on a
// scientific form ("1.00000002004088E20"), and "NAN", "INF", "-INF". A
// spreadsheet saves the same numbers in its own plain forms: "3" for 3.0,
// "1.00000002004088E+020" with a signed three-digit exponent, "3.00". All of
// them read here, exactly, as sign, digits and a power of ten, so that two
// texts of one value compare equal and the stored value is the nearest one
// to what was typed, not to a rounded double.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kovrant::tool {

struct CellNumber {
  enum class Kind { kFinite, kInfinity, kNaN };
  Kind kind = Kind::kFinite;
  bool negative = false;      // never set for zero or NaN
  std::string digits;         // significant digits, no leading or trailing zeros; "" is zero
  std::int64_t exponent = 0;  // the value is digits (as an integer) times 10^exponent

  friend bool operator==(const CellNumber&, const CellNumber&) = default;
};

// The decimal separator of the table kovrant writes with `locale_separator`
// (a comma would clash with the "x,y" of the place cells and is written as
// ".").
char TableSeparator(char locale_separator);

// Reads `text` in any of these forms: an optional sign, digits with at most
// one decimal separator ("." or `separator`) and at least one digit, an
// optional exponent ("E" or "e", an optional sign, digits); or "NAN", "INF",
// "-INF" in any case. Nothing else (no spaces, no thousands separators).
std::optional<CellNumber> ParseCellNumber(std::string_view text, char separator);

// The nearest 32-bit float (ties to even), as its bits; nullopt beyond the
// largest finite float's rounding range. NaN gives the quiet NaN 0x7FC00000.
std::optional<std::uint32_t> NearestFloat32(const CellNumber& number);

// Seconds as whole switch-time ticks: seconds x 15 rounded to the nearest
// integer, halves away from zero; nullopt outside the 32-bit range or for
// a non-number (a value within half a tick beyond it takes the range's end,
// so that the largest count kovrant shows reads back).
std::optional<std::int32_t> SecondsToTicks(const CellNumber& number);

// A plain decimal as most cells hold one ("-7352.5", "25.0", "3"): an
// optional sign, 1 to 15 digits with at most one decimal separator ("." or
// `separator`) and at most 10 digits after it, nothing else. Read without
// CellNumber, for speed; any other text is left to ParseCellNumber.
struct PlainDecimal {
  bool negative = false;
  std::int64_t digits = 0;  // all of them, as one integer
  int decimals = 0;         // how many of them follow the separator
};
std::optional<PlainDecimal> ReadPlainDecimal(std::string_view text, char separator);
// What NearestFloat32 and SecondsToTicks give for the same number.
std::uint32_t PlainFloat32(const PlainDecimal& number);
std::optional<std::int32_t> PlainTicks(const PlainDecimal& number);

// The texts kovrant shows for a stored float and a stored tick count.
std::string RenderFloat32(std::uint32_t bits, char separator);
std::string RenderSwitchTime(std::int32_t ticks, char separator);

}  // namespace kovrant::tool
