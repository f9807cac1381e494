// Numbers held as text in records: formatted with a mask, "." and "," exchanged
// (1.234,50), right-aligned to the field's width.
#pragma once

#include <string>
#include <string_view>

namespace baltu::store {

enum class Mask {
  Money,         // "#,###.00"
  Quantity,      // "#,###.0000"
  Depreciation,  // "#.00000"
  Rendimiento,   // "#,###.000"
  Percent,       // "###.00"
};

// The mask's own output, before the exchange: 1234.5 with Money gives "1,234.50".
// At least one integer digit is written; rounding is half to even on the double.
std::string formatMask(double value, Mask mask);

// Exchanges "." and "," (mask output to display form).
std::string toDisplayNumber(std::string_view text);
// Exchanges "." and "," back and drops the thousands commas: "1.234,50" -> "1234.50".
std::string toParsableNumber(std::string_view text);

// The value of a display number ("  1.234,50" -> 1234.5); text that is not a number gives 0.
double parseDisplayNumber(std::string_view text);
// The value of a plain decimal text with "." ("1234.5"); reads the leading number, else 0.
double parseRawNumber(std::string_view text);
// True when the trimmed text is a plain decimal number with "." (optional "-").
bool isRawNumber(std::string_view text);

// formatMask, then display form, then right-aligned to width.
std::string displayNumber(double value, Mask mask, std::size_t width);

// The same, appended to out without a temporary.
void appendDisplayNumber(std::string& out, double value, Mask mask, std::size_t width);

// displayFromRaw appended to out.
void appendDisplayFromRaw(std::string& out, std::string_view raw, Mask mask, std::size_t width);

// Parses raw text and formats it as a display number of the given mask and width.
std::string displayFromRaw(std::string_view raw, Mask mask, std::size_t width);

}  // namespace baltu::store
