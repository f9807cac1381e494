#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "store/money.h"
#include "store/number_text.h"
#include "store/text.h"

namespace baltu::store {
namespace {

TEST(NumberTextTest, MasksSwapsAndWidths) {
  struct Case {
    double value;
    Mask mask;
    std::size_t width;
    const char* expected;
  };
  const Case cases[] = {
      {1234.5, Mask::Money, 20, "            1.234,50"},
      {0.5, Mask::Money, 0, "0,50"},
      {0, Mask::Money, 0, "0,00"},
      {-1234567.891, Mask::Money, 0, "-1.234.567,89"},
      {-0.001, Mask::Money, 0, "0,00"},
      {0.0125, Mask::Quantity, 14, "        0,0125"},
      {12345.5, Mask::Quantity, 0, "12.345,5000"},
      {0.00125, Mask::Depreciation, 8, " 0,00125"},
      {1234.00125, Mask::Depreciation, 0, "1234,00125"},
      {12.5, Mask::Rendimiento, 15, "         12,500"},
      {501.2, Mask::Percent, 8, "  501,20"},
      {1662.13, Mask::Percent, 0, "1662,13"},
      {0.125, Mask::Money, 0, "0,12"},  // half to even on the double
      {0.375, Mask::Money, 0, "0,38"},
      {123456789.5, Mask::Money, 5, "123.456.789,50"},  // never cut
  };
  for (const auto& c : cases)
    EXPECT_EQ(displayNumber(c.value, c.mask, c.width), c.expected) << c.value;
}

TEST(NumberTextTest, ParsingDisplayAndRawText) {
  EXPECT_EQ(toDisplayNumber("1,234.50"), "1.234,50");
  EXPECT_EQ(toParsableNumber("1.234.567,50"), "1234567.50");
  EXPECT_DOUBLE_EQ(parseDisplayNumber("            1.234,50"), 1234.5);
  EXPECT_DOUBLE_EQ(parseDisplayNumber("  -0,0125"), -0.0125);
  EXPECT_DOUBLE_EQ(parseDisplayNumber("REPL"), 0.0);
  EXPECT_DOUBLE_EQ(parseRawNumber("1234.5"), 1234.5);
  EXPECT_DOUBLE_EQ(parseRawNumber("-0.125"), -0.125);
  EXPECT_DOUBLE_EQ(parseRawNumber(""), 0.0);
  EXPECT_DOUBLE_EQ(parseRawNumber("12abc"), 12.0);
  EXPECT_TRUE(isRawNumber(" 387.4 "));
  EXPECT_TRUE(isRawNumber("-5"));
  EXPECT_FALSE(isRawNumber("REPL"));
  EXPECT_FALSE(isRawNumber("1.2.3"));
  EXPECT_FALSE(isRawNumber(""));
}

// Display numbers are read without building the parsable text; the value must be
// exactly the one the definition gives (trim, drop the points, comma to point,
// leading decimal number), sign of zero included.
TEST(NumberTextTest, DisplayNumbersReadAsTheirParsableText) {
  auto byDefinition = [](std::string_view text) { return parseRawNumber(toParsableNumber(trim(text))); };
  auto same = [](double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; };
  std::vector<std::string> texts = {
      "            1.234,50", "  -0,0125", "REPL", "", "    ", "0,00", "-0,00", "+3,25", "1.234.567,891",
      "12.345,6789", "0,1", "0,2", "0,3", "2,675", "9.007.199.254.740.993", "999.999.999.999.999",
      "1.000.000.000.000.000", "0,000000000000000000000001", "123456789012345,6", "5,", ",5", "-,5", "-",
      ",", ".", ". 5", ".-5", "-. 5", "1,2,3", "1,2.5", "1.2.3,4", "5.,3", "12 34", "12x", "--5", "+-5",
      "  42  ", "00000000000000001,5", "1e5", "7\t", "1.000,00 Bs", "0,1234567890123456789"};
  // Texts drawn from the characters numbers are made of.
  std::mt19937 random(20110901);
  const std::string alphabet = "0123456789.,- +";
  for (int i = 0; i < 20000; ++i) {
    std::string text(random() % 24, ' ');
    for (char& ch : text) ch = alphabet[random() % alphabet.size()];
    texts.push_back(text);
  }
  for (const std::string& text : texts)
    EXPECT_TRUE(same(parseDisplayNumber(text), byDefinition(text)))
        << '"' << text << "\" " << parseDisplayNumber(text) << " " << byDefinition(text);
}

TEST(NumberTextTest, RawTextFormatsAsItsDouble) {
  // Raw text is laid out directly when that is exact; it must always equal the
  // formatting of the number it stands for.
  const char* raws[] = {"0",     "1234.5",   "-1234.5", "0.125",  "0.135",   "2.675",  "007.5",   ".5",
                        "5.",    "-0.00",    "-",       "12abc",  "",        "  42  ", "+3.25",   "0.00125",
                        "0.0125", "1.23456", "123456789012.5", "99999999999999.99", "1e5", "-0.001"};
  const Mask masks[] = {Mask::Money, Mask::Quantity, Mask::Depreciation, Mask::Rendimiento, Mask::Percent};
  for (const char* raw : raws)
    for (Mask mask : masks)
      EXPECT_EQ(displayFromRaw(raw, mask, 20), displayNumber(parseRawNumber(raw), mask, 20)) << raw;
}

TEST(NumberTextTest, RoundingTiesGoToEvenOnTheDouble) {
  EXPECT_DOUBLE_EQ(round2(0.125), 0.12);
  EXPECT_DOUBLE_EQ(round2(0.135), 0.14);
  EXPECT_EQ(round2Cents(0.125), 12);
  EXPECT_EQ(round2Cents(1.005), 100);  // the product is 100.49999999999999
  EXPECT_DOUBLE_EQ(round3(0.0625), 0.062);
  EXPECT_EQ(moneyDisplay(123456789, 16), "    1.234.567,89");
  EXPECT_EQ(moneyDisplay(-5), "-0,05");
}

}  // namespace
}  // namespace baltu::store
