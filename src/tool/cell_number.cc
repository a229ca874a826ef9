#include "tool/cell_number.h"

#include <cctype>
#include <charconv>
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

}  // namespace

char TableSeparator(char locale_separator) { return ShownSeparator(locale_separator); }

std::optional<CellNumber> ParseCellNumber(std::string_view text, char separator) {
  CellNumber number;
  if (EqualsIgnoringCase(text, "NAN")) {
    number.kind = CellNumber::Kind::kNaN;
    return number;
  }
  if (EqualsIgnoringCase(text, "INF") || EqualsIgnoringCase(text, "-INF") ||
      EqualsIgnoringCase(text, "+INF")) {
    number.kind = CellNumber::Kind::kInfinity;
    number.negative = text[0] == '-';
    return number;
  }
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  // The significant digits go straight into the number: leading zeros are
  // skipped, trailing ones counted (and moved into the exponent at the end).
  std::int64_t fraction_digits = 0;
  std::int64_t trailing_zeros = 0;
  bool any_digit = false;
  bool seen_separator = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      any_digit = true;
      if (seen_separator) ++fraction_digits;
      if (c == '0') {
        if (!number.digits.empty()) ++trailing_zeros;
        continue;
      }
      number.digits.append(static_cast<std::size_t>(trailing_zeros), '0');
      trailing_zeros = 0;
      number.digits += c;
    } else if ((c == '.' || c == separator) && !seen_separator) {
      seen_separator = true;
    } else {
      break;
    }
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
  std::int64_t ticks = 0;
  for (char c : whole) ticks = ticks * 10 + (c - '0');
  if (number.negative) ticks = -ticks;
  constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
  // Within half a tick beyond the range, the range's end is the nearest
  // count there is (kovrant shows the largest as 143165576.5 s, which is
  // 2147483647.5 ticks).
  if (round_up && ticks != (number.negative ? kMin : kMax)) ticks += number.negative ? -1 : 1;
  if (ticks < kMin || ticks > kMax) return std::nullopt;
  return static_cast<std::int32_t>(ticks);
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
