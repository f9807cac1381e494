#include "store/money.h"

#include <cmath>

#include "store/text.h"

namespace baltu::store {

double round2(double x) { return std::nearbyint(x * 100.0) / 100.0; }
double round3(double x) { return std::nearbyint(x * 1000.0) / 1000.0; }
double round4(double x) { return std::nearbyint(x * 10000.0) / 10000.0; }

Cents round2Cents(double x) {
  const double scaled = std::nearbyint(x * 100.0);
  if (!std::isfinite(scaled) || std::fabs(scaled) > 9.0e18) return 0;
  return static_cast<Cents>(scaled);
}

double centsToDouble(Cents c) { return static_cast<double>(c) / 100.0; }

std::string moneyDisplay(Cents amount, std::size_t width) {
  const bool negative = amount < 0;
  const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
  const std::string integer = std::to_string(magnitude / 100);
  std::string text;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) text += '.';
    text += integer[i];
  }
  const unsigned fraction = static_cast<unsigned>(magnitude % 100);
  text += ',';
  text += static_cast<char>('0' + fraction / 10);
  text += static_cast<char>('0' + fraction % 10);
  return rightAlign((negative ? "-" : "") + text, width);
}

}  // namespace baltu::store
