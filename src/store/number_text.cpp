#include "store/number_text.h"

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "store/text.h"

namespace baltu::store {
namespace {

// Room for the longest fixed-point double with separators.
constexpr std::size_t kFormatBuffer = 560;

struct MaskShape {
  int decimals;
  bool thousands;
};

MaskShape shapeOf(Mask mask) {
  switch (mask) {
    case Mask::Money: return {2, true};
    case Mask::Quantity: return {4, true};
    case Mask::Depreciation: return {5, false};
    case Mask::Rendimiento: return {3, true};
    case Mask::Percent: return {2, false};
  }
  return {2, true};
}

// Value of the leading decimal number of s (after blanks), 0 when there is none.
double leadingNumber(std::string_view s) {
  s = trim(s);
  std::size_t end = 0;
  if (end < s.size() && (s[end] == '-' || s[end] == '+')) ++end;
  bool digits = false;
  while (end < s.size() && s[end] >= '0' && s[end] <= '9') ++end, digits = true;
  if (end < s.size() && s[end] == '.') {
    ++end;
    while (end < s.size() && s[end] >= '0' && s[end] <= '9') ++end, digits = true;
  }
  if (!digits) return 0.0;
  std::string_view number = s.substr(0, end);
  if (!number.empty() && number.front() == '+') number.remove_prefix(1);
  double value = 0.0;
  auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec != std::errc()) return 0.0;
  return value;
}

}  // namespace

// Writes the mask's output for value into out (at least 420 bytes); returns its length.
std::size_t formatMaskInto(char* out, double value, Mask mask) {
  const MaskShape shape = shapeOf(mask);
  if (!std::isfinite(value)) value = 0.0;
  // to_chars rounds the exact binary value half to even, as printf does.
  char plain[400];
  const auto written = std::to_chars(plain, plain + sizeof plain, value, std::chars_format::fixed, shape.decimals);
  std::string_view text(plain, written.ec == std::errc() ? static_cast<std::size_t>(written.ptr - plain) : 0);
  bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  // A value that rounds to zero is written without its sign.
  if (negative && text.find_first_not_of("0.") == std::string_view::npos) negative = false;
  const std::size_t point = text.find('.');
  const std::string_view integer = text.substr(0, point);
  std::size_t n = 0;
  if (negative) out[n++] = '-';
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (shape.thousands && i > 0 && (integer.size() - i) % 3 == 0) out[n++] = ',';
    out[n++] = integer[i];
  }
  if (point != std::string_view::npos)
    for (char ch : text.substr(point)) out[n++] = ch;
  return n;
}

std::string formatMask(double value, Mask mask) {
  char buffer[kFormatBuffer];
  return std::string(buffer, formatMaskInto(buffer, value, mask));
}

std::string toDisplayNumber(std::string_view text) {
  std::string out(text);
  for (char& ch : out) {
    if (ch == '.') ch = ',';
    else if (ch == ',') ch = '.';
  }
  return out;
}

std::string toParsableNumber(std::string_view text) {
  std::string swapped = toDisplayNumber(text);
  std::string out;
  out.reserve(swapped.size());
  for (char ch : swapped)
    if (ch != ',') out += ch;
  return out;
}

namespace {

// Blanks at the start; right-aligned fields have many, so they are skipped a word at a time.
std::size_t leadingBlanks(std::string_view s) {
  constexpr std::uint64_t kEightBlanks = 0x2020202020202020;
  std::size_t i = 0;
  for (; i + sizeof kEightBlanks <= s.size(); i += sizeof kEightBlanks) {
    std::uint64_t word = 0;
    std::memcpy(&word, s.data() + i, sizeof word);
    // The first byte that is not a blank: the lowest set byte of the difference in memory order.
    if (const std::uint64_t other = word ^ kEightBlanks; other != 0) {
      const int bit = std::endian::native == std::endian::little ? std::countr_zero(other) : std::countl_zero(other);
      return i + static_cast<std::size_t>(bit / 8);
    }
  }
  while (i < s.size() && s[i] == ' ') ++i;
  return i;
}

// The common display numbers ("1.234,50", "-0,0125": up to 15 digits) read
// without building the parsable text: the digits as an exact integer divided by
// an exact power of ten is the correctly rounded value, as from_chars gives.
// Anything else takes the general path. `text` starts after the leading blanks;
// the number ends at the first character not part of it, so trailing blanks
// need no trimming.
std::optional<double> parseShortDisplayNumber(std::string_view text) {
  constexpr std::size_t kMaxDigits = 15;  // below 2^53: the integer is exact, and so is its power of ten
  static constexpr double kPowers[kMaxDigits + 1] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                     1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = text.data();
  const char* const end = p + text.size();
  bool negative = false;
  if (p != end && (*p == '-' || *p == '+')) negative = *p++ == '-';
  std::uint64_t digits = 0;  // wraps harmlessly past kMaxDigits digits, which are refused below
  std::size_t count = 0;     // digits read, leading zeros included
  std::size_t decimals = 0;
  // Integer part: digits, and points grouping thousands.
  for (; p != end; ++p) {
    const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
    if (digit <= 9) {
      digits = digits * 10 + digit;
      ++count;
    } else if (*p != '.') {
      break;
    }
  }
  if (p != end && *p == ',') {
    for (++p; p != end; ++p) {
      const unsigned digit = static_cast<unsigned char>(*p) - unsigned{'0'};
      if (digit > 9) break;
      digits = digits * 10 + digit;
      ++decimals;
    }
    // A point among the decimals is dropped too, and a second comma ends the
    // number: both rare enough for the general path.
    if (p != end && (*p == '.' || *p == ',')) return std::nullopt;
  }
  count += decimals;
  // Without a digit the general path decides (blanks or a sign uncovered by dropped points).
  if (count == 0 || count > kMaxDigits) return std::nullopt;
  const double value = static_cast<double>(digits) / kPowers[decimals];
  return negative ? -value : value;
}

}  // namespace

double parseDisplayNumber(std::string_view text) {
  const std::size_t start = leadingBlanks(text);
  if (start == text.size()) return 0.0;  // empty or blank: no number
  if (const std::optional<double> value = parseShortDisplayNumber(text.substr(start))) return *value;
  return leadingNumber(toParsableNumber(trim(text)));
}

double parseRawNumber(std::string_view text) { return leadingNumber(text); }

bool isRawNumber(std::string_view text) {
  text = trim(text);
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  bool digits = false;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') digits = true;
    else if (text[i] == '.' && !point) point = true;
    else return false;
  }
  return digits;
}

std::string displayNumber(double value, Mask mask, std::size_t width) {
  std::string out;
  appendDisplayNumber(out, value, mask, width);
  return out;
}

void appendDisplayNumber(std::string& out, double value, Mask mask, std::size_t width) {
  char buffer[kFormatBuffer];
  const std::size_t length = formatMaskInto(buffer, value, mask);
  if (length < width) out.append(width - length, ' ');
  for (std::size_t i = 0; i < length; ++i) out += buffer[i] == '.' ? ',' : buffer[i] == ',' ? '.' : buffer[i];
}

void appendDisplayFromRaw(std::string& out, std::string_view raw, Mask mask, std::size_t width) {
  // Most raw numbers carry no more decimals than their mask and few digits: then
  // the double they stand for prints back the same digits, and the text is laid
  // out directly. Anything else goes through the double.
  const MaskShape shape = shapeOf(mask);
  std::string_view text = trim(raw);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  std::size_t intEnd = 0;
  while (intEnd < text.size() && text[intEnd] >= '0' && text[intEnd] <= '9') ++intEnd;
  std::string_view integer = text.substr(0, intEnd);
  std::string_view fraction;
  if (intEnd < text.size() && text[intEnd] == '.') {
    std::size_t end = intEnd + 1;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
    fraction = text.substr(intEnd + 1, end - intEnd - 1);
  }
  while (integer.size() > 1 && integer.front() == '0') integer.remove_prefix(1);
  if (integer.empty() && fraction.empty()) {
    appendDisplayNumber(out, 0.0, mask, width);
    return;
  }
  const auto decimals = static_cast<std::size_t>(shape.decimals);
  if (fraction.size() > decimals || integer.size() + decimals > 15) {
    appendDisplayNumber(out, parseRawNumber(raw), mask, width);
    return;
  }
  if (integer.empty()) integer = "0";
  const bool zero = integer == "0" && fraction.find_first_not_of('0') == std::string_view::npos;
  if (zero) negative = false;
  const std::size_t groups = shape.thousands ? (integer.size() - 1) / 3 : 0;
  const std::size_t length = (negative ? 1 : 0) + integer.size() + groups + 1 + decimals;
  if (length < width) out.append(width - length, ' ');
  if (negative) out += '-';
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (shape.thousands && i > 0 && (integer.size() - i) % 3 == 0) out += '.';
    out += integer[i];
  }
  out += ',';
  out += fraction;
  out.append(decimals - fraction.size(), '0');
}

std::string displayFromRaw(std::string_view raw, Mask mask, std::size_t width) {
  std::string out;
  appendDisplayFromRaw(out, raw, mask, width);
  return out;
}

}  // namespace baltu::store
