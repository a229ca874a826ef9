#include "tool/cell_number.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "table/field_schema.h"
#include "table/one_decimal.h"

namespace kovrant::tool {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
  if (text.size() != word.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(text[i])) != word[i]) return false;
  }
  return true;
}

// An exponent beyond this is out of every range the table holds; capping
// the digits read keeps the arithmetic in 64 bits.
constexpr std::int64_t kExponentLimit = 100000;

std::uint32_t BitsFromFloat(float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// The nearest float to `integer` x 10^`exponent`, for an integer and a
// product below 2^53 and an exponent from -10 to 8, in double arithmetic: a
// product is exact, a quotient lies nearer to the exact value (2^-53 of it)
// than to any point halfway between two floats that the exact value is not
// (at least 1 / (5^10 x 2^25) of it away, whatever the digits), so rounding
// it to a float rounds the exact value.
std::uint32_t ShortFloat32(std::int64_t integer, std::int64_t exponent, bool negative) {
  static constexpr double kPowers[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10};
  const double value = exponent >= 0 ? static_cast<double>(integer) * kPowers[exponent]
                                     : static_cast<double>(integer) / kPowers[-exponent];
  const auto nearest = static_cast<float>(value);
  return BitsFromFloat(negative ? -nearest : nearest);
}

// The count a signed 32-bit field holds of `whole` ticks (their magnitude)
// with the dropped part half a tick or more when `round_up`: halves and
// more round away from zero, and within half a tick beyond the range the
// range's end is the nearest count there is (kovrant shows the largest as
// 143165576.5 s, which is 2147483647.5 ticks).
std::optional<std::int32_t> SignedTicks(std::int64_t whole, bool round_up, bool negative) {
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  std::int64_t ticks = negative ? -whole : whole;
  if (round_up && ticks != (negative ? kMin : kMax)) ticks += negative ? -1 : 1;
  if (ticks < kMin || ticks > kMax) return std::nullopt;
  return static_cast<std::int32_t>(ticks);
}

// `integer` x 10^`exponent` seconds as ticks, in integers: for an exponent
// from -10 to 2 and `integer` below 10^15.
std::optional<std::int32_t> ShortTicks(std::int64_t integer, std::int64_t exponent, bool negative) {
  const std::int64_t product = integer * 15;
  std::int64_t scale = 1;
  for (std::int64_t e = 0; e < std::abs(exponent); ++e) scale *= 10;
  if (exponent >= 0) return SignedTicks(product * scale, false, negative);
  return SignedTicks(product / scale, product % scale >= scale / 2, negative);
}

std::int64_t DigitsValue(const std::string& digits) {
  std::int64_t integer = 0;
  for (const char c : digits) integer = integer * 10 + (c - '0');
  return integer;
}

}  // namespace

char TableSeparator(char locale_separator) { return ShownSeparator(locale_separator); }

std::optional<CellNumber> ParseCellNumber(std::string_view text, char separator) {
  CellNumber number;
  const bool word =
      !text.empty() && !IsDigit(text.back()) && text.back() != '.' && text.back() != separator;
  if (word && EqualsIgnoringCase(text, "NAN")) {
    number.kind = CellNumber::Kind::kNaN;
    return number;
  }
  if (word && (EqualsIgnoringCase(text, "INF") || EqualsIgnoringCase(text, "-INF") ||
               EqualsIgnoringCase(text, "+INF"))) {
    number.kind = CellNumber::Kind::kInfinity;
    number.negative = text[0] == '-';
    return number;
  }
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  // The digits go straight into the number, leading zeros skipped; the
  // trailing ones are cut off at the end (and moved into the exponent).
  // On the stack unless the text is long.
  char local[32];
  if (text.size() > sizeof local) number.digits.resize(text.size());
  char* const digits = text.size() > sizeof local ? number.digits.data() : local;
  std::size_t written = 0, significant = 0;
  std::int64_t fraction_digits = 0;
  bool any_digit = false;
  bool seen_separator = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      any_digit = true;
      if (seen_separator) ++fraction_digits;
      if (c == '0' && written == 0) continue;
      digits[written++] = c;
      if (c != '0') significant = written;
    } else if ((c == '.' || c == separator) && !seen_separator) {
      seen_separator = true;
    } else {
      break;
    }
  }
  const auto trailing_zeros = static_cast<std::int64_t>(written - significant);
  if (digits == local) {
    number.digits.assign(local, significant);
  } else {
    number.digits.resize(significant);
  }
  if (!any_digit) return std::nullopt;
  std::int64_t exponent = 0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    bool exponent_negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) exponent_negative = text[i++] == '-';
    if (i == text.size()) return std::nullopt;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      exponent = exponent * 10 + (text[i] - '0');
      if (exponent > kExponentLimit) return std::nullopt;
    }
    if (exponent_negative) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;
  if (number.digits.empty()) return number;  // zero, of either sign
  number.exponent = exponent - fraction_digits + trailing_zeros;
  number.negative = negative;
  return number;
}

std::optional<std::uint32_t> NearestFloat32(const CellNumber& number) {
  if (number.kind == CellNumber::Kind::kNaN) return 0x7FC00000u;
  if (number.kind == CellNumber::Kind::kInfinity)
    return number.negative ? 0xFF800000u : 0x7F800000u;
  if (number.digits.empty()) return 0u;
  // Up to seven digits with a small power of ten, in double arithmetic;
  // the rest as text.
  if (number.digits.size() <= 7 && number.exponent >= -10 && number.exponent <= 8) {
    return ShortFloat32(DigitsValue(number.digits), number.exponent, number.negative);
  }
  // "DIGITSeEXPONENT", on the stack unless the digits are many.
  char stack[64];
  std::string heap;
  std::string_view text;
  if (number.digits.size() + 24 <= sizeof stack) {
    std::memcpy(stack, number.digits.data(), number.digits.size());
    char* end = stack + number.digits.size();
    *end++ = 'e';
    end = std::to_chars(end, stack + sizeof stack, number.exponent).ptr;
    text = std::string_view(stack, static_cast<std::size_t>(end - stack));
  } else {
    heap = number.digits + "e" + std::to_string(number.exponent);
    text = heap;
  }
  float value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Beyond the largest float, or below the smallest denormal's range.
    const std::int64_t magnitude =
        static_cast<std::int64_t>(number.digits.size()) + number.exponent;
    if (magnitude > 0) return std::nullopt;
    double tiny = 0;
    std::from_chars(text.data(), text.data() + text.size(), tiny);
    value = static_cast<float>(tiny);
  } else if (error != std::errc()) {
    return std::nullopt;
  }
  if (number.negative) value = -value;
  return BitsFromFloat(value);
}

std::optional<std::int32_t> SecondsToTicks(const CellNumber& number) {
  if (number.kind != CellNumber::Kind::kFinite) return std::nullopt;
  if (number.digits.empty()) return 0;
  // Up to nine digits and a small power of ten, in integers.
  if (number.digits.size() <= 9 && number.exponent >= -9 && number.exponent <= 2) {
    return ShortTicks(DigitsValue(number.digits), number.exponent, number.negative);
  }
  // digits x 15, by hand: the digits may be more than any integer holds.
  std::string product(number.digits.size() + 2, '0');
  int carry = 0;
  for (std::size_t k = 0; k < number.digits.size(); ++k) {
    const std::size_t from = number.digits.size() - 1 - k;
    const int value = (number.digits[from] - '0') * 15 + carry;
    product[product.size() - 1 - k] = static_cast<char>('0' + value % 10);
    carry = value / 10;
  }
  product[1] = static_cast<char>('0' + carry % 10);
  product[0] = static_cast<char>('0' + carry / 10);
  // Whole part and the first dropped digit; halves and more round away
  // from zero.
  std::string whole = product;
  bool round_up = false;
  if (number.exponent >= 0) {
    if (number.exponent > 12) return std::nullopt;
    whole.append(static_cast<std::size_t>(number.exponent), '0');
  } else {
    const std::int64_t keep = static_cast<std::int64_t>(product.size()) + number.exponent;
    if (keep < 0) {
      whole.clear();
    } else {
      round_up = keep < static_cast<std::int64_t>(product.size()) &&
                 product[static_cast<std::size_t>(keep)] >= '5';
      whole.resize(static_cast<std::size_t>(keep));
    }
  }
  const std::size_t first = whole.find_first_not_of('0');
  whole = first == std::string::npos ? "" : whole.substr(first);
  if (whole.size() > 11) return std::nullopt;
  return SignedTicks(DigitsValue(whole), round_up, number.negative);
}

std::optional<PlainDecimal> ReadPlainDecimal(std::string_view text, char separator) {
  PlainDecimal number;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) number.negative = text[i++] == '-';
  int count = 0;
  bool seen_separator = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (++count > 15) return std::nullopt;
      number.digits = number.digits * 10 + (c - '0');
      if (seen_separator) ++number.decimals;
    } else if ((c == '.' || c == separator) && !seen_separator) {
      seen_separator = true;
    } else {
      return std::nullopt;
    }
  }
  if (count == 0 || number.decimals > 10) return std::nullopt;
  return number;
}

std::uint32_t PlainFloat32(const PlainDecimal& number) {
  if (number.digits == 0) return 0;
  return ShortFloat32(number.digits, -number.decimals, number.negative);
}

std::optional<std::int32_t> PlainTicks(const PlainDecimal& number) {
  return ShortTicks(number.digits, -number.decimals, number.negative);
}

std::string RenderFloat32(std::uint32_t bits, char separator) {
  char text[kOneDecimalMaxLength];
  return std::string(text, FormatFloat32OneDecimal(bits, separator, text));
}

std::string RenderSwitchTime(std::int32_t ticks, char separator) {
  char text[kOneDecimalMaxLength];
  return std::string(text, FormatSwitchTimeOneDecimal(ticks, separator, text));
}

}  // namespace kovrant::tool
