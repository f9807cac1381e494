#include <gtest/gtest.h>

#include "mkedition/edition_writer.h"
#include "store/guide_file.h"
#include "store/text.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace baltu::store {
namespace {

// partida raw: code, description, COVENIN, unit, rendimiento, price, basis, sector
std::array<mkedition::RawSection, 4> guideSections() {
  return {{
      {
          {"E1011005", "PICO Y PALA", "E311110010", "UND", "12.5", "1500.256", "R", "EDIF"},
          {"E1011001", "ACERO", "E311110020", " m3 ", "0", "10", "C", "387.38", "extra"},
          {"E1011003", "BOTE DE TIERRA", "E311110030", "UNIDA", "1000", "0", "U", "TRAN"},
      },
      // material components: partida, code, quantity, desperdicio
      {{"E1011005", "12", "0.0125", "5"}, {"E1011001", "7", "2", "0"}, {"E1011005", "3", "1", "3"}},
      // equipment components: partida, code, quantity, depreciation coefficient
      {{"E1011003", "5", "1", "0.00125"}},
      // labour components: partida, code, workers
      {{"E1011003", "30", "0.5"}, {"E1011001", "1", "2"}},
  }};
}

class GuideFileTest : public ::testing::Test {
 protected:
  Expected<GuideTables> load(Guide guide, bool sortByCode) {
    folder.write("GUIA1.DAT", mkedition::guideFileBytes(guideSections()));
    FcasResolver resolver = [this](const PartidaBeingRead& p) -> std::optional<PartidaFcas> {
      seen.push_back(std::string(p.partida.field(1)) + "|" + std::string(p.sector) + "|" + std::string(p.rawField9));
      if (p.sector == "TRAN" && stopAtTran) return std::nullopt;
      return PartidaFcas{"F1" + std::string(p.sector), "F2"};
    };
    return loadGuideFile(folder / "GUIA1.DAT", guide, LoadOptions{sortByCode}, resolver, ui);
  }
  test::TempFolder folder;
  test::ScriptedUi ui;
  std::vector<std::string> seen;
  bool stopAtTran = false;
};

TEST_F(GuideFileTest, BuildsPartidaRowsAndResolvesEachFcasInFileOrder) {
  auto loaded = load(Guide::Guia1, false);
  ASSERT_TRUE(loaded.ok()) << loaded.failure().message;
  const Table& p = loaded.value().partidas;
  ASSERT_EQ(p.size(), 3u);
  // sorted by description: ACERO, BOTE DE TIERRA, PICO Y PALA
  EXPECT_EQ(p[0].text(), joinRecord({"E1011001", "ACERO", "E311110020", "m3", "          0,000",
                                     "               10,00", "0,00", "F1387.38", "F2", "C", "0"}));
  EXPECT_EQ(p[1].field(4), "Unid.");
  EXPECT_EQ(p[1].field(5), "      1.000,000");
  EXPECT_EQ(p[2].field(4), "Unid.");
  EXPECT_EQ(p[2].field(6), "            1.500,26");
  EXPECT_EQ(seen, (std::vector<std::string>{"E1011005|EDIF|", "E1011001|387.38|extra", "E1011003|TRAN|"}));
}

TEST_F(GuideFileTest, ComponentListsSortByPartidaKeepingFileOrder) {
  auto loaded = load(Guide::Guia1, true);
  ASSERT_TRUE(loaded.ok());
  const GuideTables& g = loaded.value();
  EXPECT_EQ(g.partidas[0].field(1), "E1011001");  // /I sorts by code
  ASSERT_EQ(g.materials.size(), 3u);
  EXPECT_EQ(g.materials[0].text(), joinRecord({"E1011001", "       7", "        2,0000", "0"}));
  EXPECT_EQ(g.materials[1].field(2), "      12");
  EXPECT_EQ(g.materials[2].field(2), "       3");
  EXPECT_EQ(g.equipment[0].text(), joinRecord({"E1011003", "       5", "   1,00", "0,00125"}));
  EXPECT_EQ(g.labour[1].text(), joinRecord({"E1011003", "      30", "   0,50"}));
  EXPECT_EQ(ui.progress, (std::vector<std::string>{cp(" Leyendo Materiales usados en partidas de la Guía 1 ..."),
                                                   cp(" Leyendo Equipos usados en partidas de la Guía 1 ..."),
                                                   cp(" Leyendo Mano de Obra usada en partidas de la Guía 1 ...")}));
}

TEST_F(GuideFileTest, NineThousandGuidesNameTheirPartidasInProgress) {
  ASSERT_TRUE(load(Guide::Rm9000, false).ok());
  EXPECT_EQ(ui.progress.front(), " Leyendo Materiales usados en partidas REM-9000 ...");
}

TEST_F(GuideFileTest, ResolverStopEndsTheLoadAsCancelled) {
  stopAtTran = true;
  auto loaded = load(Guide::Guia1, false);
  ASSERT_FALSE(loaded.ok());
  EXPECT_TRUE(loaded.failure().cancelled);
  EXPECT_EQ(seen.size(), 3u);
}

TEST(GuideFileEmptyTest, EmptySectionsGiveEmptyTables) {
  test::TempFolder folder;
  test::ScriptedUi ui;
  folder.write("GUIA7.DAT", mkedition::guideFileBytes({}));
  auto loaded = loadGuideFile(folder / "GUIA7.DAT", Guide::Guia7, {},
                              [](const PartidaBeingRead&) { return std::optional<PartidaFcas>(PartidaFcas{}); }, ui);
  ASSERT_TRUE(loaded.ok()) << loaded.failure().message;
  EXPECT_TRUE(loaded.value().partidas.empty());
  EXPECT_TRUE(loaded.value().labour.empty());
}

}  // namespace
}  // namespace baltu::store
