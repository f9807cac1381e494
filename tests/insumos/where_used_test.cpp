#include "insumos/where_used.h"

#include <gtest/gtest.h>

#include "store/text.h"

namespace baltu::insumos {
namespace {

using pricing::InsumoKind;
using store::Record;

Record partida(std::string_view code, std::string_view description) {
  return Record::fromFields({std::string(code), std::string(description), "E311", "m3", "1", "10,00", "12,00",
                             "200,00", "150,00", "U", "0"});
}

Record use(std::string_view partidaCode, std::string_view insumoCode) {
  return Record::fromFields({std::string(partidaCode), store::rightAlign(insumoCode, 8), "1,00", "0"});
}

// Partida table in description order; component lists by partida code.
store::GuideTables guide() {
  store::GuideTables g;
  g.partidas = {partida("G1011001", "BOTE"), partida("G1011005", "EXCAVACION"), partida("G1011009", "RELLENO")};
  g.materials = {use("G1011001", "101"), use("G1011001", "102"), use("G1011005", "101"),
                 use("G1011005", "101"),   // the same partida on two lines
                 use("G1099999", "101"),   // partida missing from the guide
                 use("G1011009", "1010")};  // a longer code is another insumo
  g.equipment = {use("G1011009", "101")};
  g.labour = {use(" G1011005", "30")};  // codes are compared trimmed
  return g;
}

std::vector<std::string> codesOf(const std::vector<Record>& rows) {
  std::vector<std::string> codes;
  for (const Record& row : rows) codes.emplace_back(row.field(1));
  return codes;
}

TEST(WhereUsedTest, ListsPartidasInComponentOrderOncePerLine) {
  const store::GuideTables g = guide();
  using Codes = std::vector<std::string>;
  EXPECT_EQ(codesOf(searchWhereUsed(g, InsumoKind::Material, "101")), (Codes{"G1011001", "G1011005", "G1011005"}));
  EXPECT_EQ(codesOf(searchWhereUsed(g, InsumoKind::Material, "  102 ")), (Codes{"G1011001"}));
  EXPECT_EQ(codesOf(searchWhereUsed(g, InsumoKind::Equipment, "101")), (Codes{"G1011009"}));
  EXPECT_EQ(codesOf(searchWhereUsed(g, InsumoKind::Labour, "30")), (Codes{"G1011005"}));
  EXPECT_TRUE(searchWhereUsed(g, InsumoKind::Labour, "101").empty());
  EXPECT_TRUE(searchWhereUsed(g, InsumoKind::Material, "10").empty());
  // Whole rows are copied, prices included.
  const auto found = searchWhereUsed(g, InsumoKind::Material, "102");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].text(), g.partidas[0].text());
}

TEST(WhereUsedTest, CountsEqualTheSearchForEveryCodeAndKind) {
  const store::GuideTables g = guide();
  for (InsumoKind kind : {InsumoKind::Material, InsumoKind::Equipment, InsumoKind::Labour}) {
    const UsageCounts counts(g, kind);
    for (std::string_view code : {"101", "102", "1010", "30", "10", "999"})
      EXPECT_EQ(counts.count(code), static_cast<int>(searchWhereUsed(g, kind, code).size()))
          << "kind " << static_cast<int>(kind) << " code " << code;
  }
  EXPECT_EQ(UsageCounts().count("101"), 0);
}

TEST(WhereUsedTest, GuideContextIsTheCurrentLoadedGuide) {
  pricing::GuideSlots slots;
  slots[static_cast<std::size_t>(store::Guide::Guia0)] = guide();
  EXPECT_EQ(guideContext(slots, std::nullopt), nullptr);  // no guide list opened yet
  EXPECT_EQ(guideContext(slots, store::Guide::Guia3), nullptr);
  const store::GuideTables* context = guideContext(slots, store::Guide::Guia0);
  ASSERT_NE(context, nullptr);
  EXPECT_EQ(collectWhereUsed(context, InsumoKind::Material, "101").size(), 3u);
  EXPECT_TRUE(collectWhereUsed(nullptr, InsumoKind::Material, "101").empty());
}

}  // namespace
}  // namespace baltu::insumos
