#include <gtest/gtest.h>

#include <set>

#include "pricing/edition_table.h"
#include "store/number_text.h"
#include "store/text.h"
#include "support/scripted_ui.h"

namespace baltu::pricing {
namespace {

using store::Guide;

TEST(EditionTableTest, HoldsEightyNineNamesInFortyNineEntries) {
  std::set<std::string_view> names;
  for (const auto& entry : editionTable()) names.insert(entry.names.begin(), entry.names.end());
  EXPECT_EQ(editionTable().size(), 49u);
  EXPECT_EQ(names.size(), 89u);
  auto second = applyEdition("ABRIL 2018 - II");
  ASSERT_TRUE(second.ok());
  auto first = applyEdition("ABRIL 2018");
  ASSERT_TRUE(first.ok());
  EXPECT_NE(second.value().entry, first.value().entry);
  EXPECT_EQ(second.value().cestaticket, 4333333);
  EXPECT_EQ(second.value().bono, 2000000);
}

TEST(EditionTableTest, UnknownEditionIsRefusedByName) {
  auto edition = applyEdition("ENERO 2030");
  ASSERT_FALSE(edition.ok());
  EXPECT_NE(edition.failure().message.find("\"ENERO 2030\""), std::string::npos);
}

struct FcasCase {
  const char* name;
  const char* edition;
  Guide guide;
  const char* raw;
  const char* fcas1;  // nullptr: the user is asked
  const char* fcas2;
};

class ResolveFcasTest : public ::testing::TestWithParam<FcasCase> {};

TEST_P(ResolveFcasTest, ResolvesOrAsks) {
  const FcasCase& c = GetParam();
  const Edition edition = applyEdition(c.edition).value();
  const store::Record partida = store::Record::fromFields({"E1011005", "EXCAVACION", "E311"});
  test::ScriptedUi ui;
  auto fcas = resolvePartidaFcas(edition, c.guide, {partida, c.raw, ""}, ui);
  ASSERT_TRUE(fcas.has_value());
  if (c.fcas1 != nullptr) {
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(fcas->fcas1, c.fcas1);
    EXPECT_EQ(fcas->fcas2, c.fcas2);
  } else {
    ASSERT_EQ(ui.messages.size(), 1u);  // OK keeps the raw text in both
    EXPECT_EQ(fcas->fcas1, store::rightAlign(store::toDisplayNumber(c.raw), 8));
    EXPECT_EQ(fcas->fcas2, fcas->fcas1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ResolveFcasTest,
    ::testing::Values(FcasCase{"EdifSector", "SEPTIEMBRE 2011", Guide::Guia1, "EDIF", "  387,38", "  344,36"},
                      FcasCase{"OldFigureCorrected", "ABRIL 2015", Guide::Guia1, "518.69", "  501,20", "  442,88"},
                      FcasCase{"FigureOfAnotherFamily", "ABRIL 2015", Guide::Guia2, "518.69", nullptr, nullptr},
                      FcasCase{"ReplInGuide3", "SEPTIEMBRE 2011", Guide::Guia3, "REPL", "  287,86", "  287,86"},
                      FcasCase{"ReplInGuide4Asks", "SEPTIEMBRE 2011", Guide::Guia4, "REPL", nullptr, nullptr},
                      FcasCase{"FewerDecimalsNeverMatch", "SEPTIEMBRE 2011", Guide::Guia1, "387.4", nullptr, nullptr},
                      FcasCase{"FigureMatchesTable", "SEPTIEMBRE 2011", Guide::Guia5, "405.07", "  405,07", "  362,05"},
                      FcasCase{"TranInEveryGuide", "DICIEMBRE 2018", Guide::Rm9000, "TRAN", " 2197,17", " 2190,90"},
                      FcasCase{"EverySectorFigureAbril2015", "ABRIL 2015", Guide::Guia6, "514.62", "  491,47",
                               "  433,15"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ResolveFcasMessageTest, AsksWithTheGuideFamilyAndCancelStops) {
  const Edition edition = applyEdition("SEPTIEMBRE 2011").value();
  const store::Record partida = store::Record::fromFields({"E4011005", "BOMBA", "E511", "Unid."});
  test::ScriptedUi ui;
  ui.answers = {store::Answer::Cancel};
  EXPECT_FALSE(resolvePartidaFcas(edition, Guide::Guia4, {partida, "387.4", ""}, ui).has_value());
  ASSERT_EQ(ui.messages.size(), 1u);
  const store::Message& m = ui.messages[0];
  EXPECT_EQ(m.caption, "CASE \"GUIA4\"");
  EXPECT_EQ(m.buttons, store::MessageButtons::OkCancel);
  EXPECT_EQ(m.icon, store::MessageIcon::Error);
  EXPECT_EQ(m.text, store::cp("PARTIDA SIN FCAS ASIGNADO!!!\r\n\r\nGuía (NombreGuia$): GUIA4\r\n\r\n"
                              "Codigo (Partida$ (0)): E4011005\r\nCOVENIN (Partida$ (2)): E511\r\n\r\n"
                              "Descripcion (Partida$ (1)): BOMBA\r\n\r\nFCAS en archivo(Partida$(7): 387.4\r\n"
                              "Partida$(8): \r\n\r\nEdición Actual: SEPTIEMBRE 2011"));
}

}  // namespace
}  // namespace baltu::pricing
