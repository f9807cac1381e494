#include <gtest/gtest.h>

#include "store/merged_guides.h"
#include "support/scripted_ui.h"

namespace baltu::store {
namespace {

GuideTables guideOf(std::vector<std::pair<std::string, std::string>> partidas) {
  GuideTables tables;
  for (const auto& [code, description] : partidas) {
    tables.partidas.push_back(Record::fromFields({code, description, "C", "m2", "1", "1,00", "0,00"}));
    tables.materials.push_back(Record::fromFields({code, "       1", "1,0000", "0"}));
  }
  return tables;
}

std::vector<std::string> descriptions(const Table& table) {
  std::vector<std::string> out;
  for (const Record& r : table) out.emplace_back(r.field(2));
  return out;
}

TEST(MergedGuidesTest, NineThousandJoinsBothAndSortsLikeAStoredGuide) {
  test::ScriptedUi ui;
  const GuideTables ed = guideOf({{"EDF-9002", "LOSA"}, {"EDF-9001", "BASE"}});
  const GuideTables rm = guideOf({{"REM-9001", "ACERA"}});
  const GuideTables merged = buildMerged9000Guide(ed, rm, {}, ui);
  EXPECT_EQ(descriptions(merged.partidas), (std::vector<std::string>{"ACERA", "BASE", "LOSA"}));
  EXPECT_EQ(merged.materials.size(), 3u);
  EXPECT_EQ(merged.materials[0].field(1), "EDF-9001");
  EXPECT_EQ(buildMerged9000Guide(ed, rm, {true}, ui).partidas[0].field(1), "EDF-9001");
  EXPECT_TRUE(ui.messages.empty());
}

TEST(MergedGuidesTest, GuideZeroTakesSelectedAvailableGuidesOnly) {
  test::ScriptedUi ui;
  const GuideTables g2 = guideOf({{"R1011001", "PINTURA"}});
  const GuideTables g3 = guideOf({{"U1011001", "BROCAL"}});
  const GuideTables g5 = guideOf({{"V1011001", "ASFALTO"}});
  const std::array<const GuideTables*, 7> available = {nullptr, &g2, &g3, nullptr, &g5, nullptr, nullptr};
  const std::array<bool, 7> selected = {true, true, false, true, true, true, true};
  const GuideTables guide0 = buildGuide0(available, selected, {}, ui);
  EXPECT_EQ(descriptions(guide0.partidas), (std::vector<std::string>{"ASFALTO", "PINTURA"}));
  EXPECT_EQ(guide0.materials.size(), 2u);
}

}  // namespace
}  // namespace baltu::store
