#include "pricing/working_values.h"

#include "store/text.h"

namespace baltu::pricing {

const std::array<SubstitutionPair, kSubstitutionPairCount>& substitutionPairs() {
  static constexpr std::array<SubstitutionPair, kSubstitutionPairCount> pairs = {{
      {"4690", "4694", 12}, {"9", "4695", 16},     {"14", "4696", 24},   {"679", "4697", 28},  {"65", "4698", 32},
      {"1526", "4699", 36}, {"4691", "4700", 40},  {"22", "4701", 44},   {"23", "4702", 48},   {"24", "4703", 52},
      {"25", "4704", 56},   {"3891", "4705", 60},  {"3893", "4706", 64}, {"4692", "4707", 68}, {"58", "4708", 72},
      {"59", "4709", 76},   {"60", "4710", 80},    {"61", "4711", 84},   {"62", "4712", 88},   {"63", "4713", 92},
      {"64", "4714", 96},   {"41", "4715", 100},   {"38", "4716", 104},  {"42", "4717", 108},  {"56", "4719", 116},
      {"129", "4720", 120}, {"127", "4721", 124},  {"128", "4722", 128}, {"4693", "4723", 132}, {"1729", "4724", 136},
      {"7", "4725", 140},   {"123", "4726", 144},  {"215", "4728", 152}, {"214", "4729", 156}, {"213", "4730", 160},
      {"212", "4731", 164}, {"211", "4732", 168},  {"210", "4733", 172}, {"209", "4734", 176}, {"33", "4769", 220},
      {"35", "4770", 228},  {"36", "4771", 232},   {"610", "4772", 248}, {"609", "4773", 252}, {"1749", "5063", 256},
      {"1", "2122", 260},   {"5902", "5900", 264}, {"5903", "5901", 268}, {"1", "5904", 272},  {"5902", "5905", 276},
      {"5903", "5906", 280},
  }};
  return pairs;
}

bool isWinchExcluded(const CodeRules& rules, InsumoKind kind, std::string_view code) {
  if (!rules.winchExcluded) return false;
  const std::string_view trimmed = store::trim(code);
  if (kind == InsumoKind::Labour) return trimmed == "30";
  if (kind != InsumoKind::Equipment) return false;
  for (std::string_view winch : {"5", "373", "25", "273", "513", "514"})
    if (trimmed == winch) return true;
  return false;
}

std::string_view substituteMaterial(const CodeRules& rules, std::string_view code) {
  const std::string_view trimmed = store::trim(code);
  const auto& pairs = substitutionPairs();
  for (std::size_t i = 0; i < pairs.size(); ++i)
    if (rules.substitutionEnabled[i] && pairs[i].from == trimmed) return pairs[i].to;
  return trimmed;
}

}  // namespace baltu::pricing
