#include "store/number_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "store/text.h"

namespace baltu::store {
namespace {

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

std::string formatMask(double value, Mask mask) {
  const MaskShape shape = shapeOf(mask);
  if (!std::isfinite(value)) value = 0.0;
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", shape.decimals, value);
  std::string plain = buffer;
  bool negative = !plain.empty() && plain.front() == '-';
  if (negative) plain.erase(0, 1);
  std::size_t point = plain.find('.');
  std::string integer = plain.substr(0, point);
  std::string fraction = point == std::string::npos ? std::string() : plain.substr(point);
  if (shape.thousands) {
    std::string grouped;
    for (std::size_t i = 0; i < integer.size(); ++i) {
      if (i > 0 && (integer.size() - i) % 3 == 0) grouped += ',';
      grouped += integer[i];
    }
    integer = grouped;
  }
  // A value that rounds to zero is written without its sign.
  if (negative && plain.find_first_not_of("0.") == std::string::npos) negative = false;
  return (negative ? "-" : "") + integer + fraction;
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

double parseDisplayNumber(std::string_view text) { return leadingNumber(toParsableNumber(trim(text))); }

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
  return rightAlign(toDisplayNumber(formatMask(value, mask)), width);
}

std::string displayFromRaw(std::string_view raw, Mask mask, std::size_t width) {
  return displayNumber(parseRawNumber(raw), mask, width);
}

}  // namespace baltu::store
