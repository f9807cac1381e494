// Rounding and fixed-point money. Money is an exact count of hundredths; a double
// appears only as the result of a product or quotient, brought back with round2.
#pragma once

#include <cstdint>
#include <string>

namespace baltu::store {

using Cents = std::int64_t;

// x scaled by 10^n, rounded to the nearest integer with ties to even, scaled back.
double round2(double x);
double round3(double x);
double round4(double x);

// round2(x) as a count of hundredths.
Cents round2Cents(double x);
double centsToDouble(Cents c);

// "#,###.00" of an exact amount in display form ("1.234,50"), right-aligned to width.
std::string moneyDisplay(Cents amount, std::size_t width = 0);

}  // namespace baltu::store
