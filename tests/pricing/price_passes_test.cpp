#include "pricing/price_passes.h"

#include <gtest/gtest.h>

#include "pricing_fixture.h"
#include "store/text.h"

namespace baltu::pricing {
namespace {

using store::cp;
using store::rightAlign;
using test::labourUse;
using test::materialUse;
namespace f = store::field;

// User values of these tests: FCAS2 with both allowances added, 10 % administración.
WorkingValues userValues() {
  return {.administracion = 10, .cestaticket = 1000, .bono = 500, .cestaticketMode = ValueMode::User,
          .bonoMode = ValueMode::User};
}

// 9000ED: EDF-9001 uses the material EDF-9044, the cost of partida EDF-9044,
// which comes later in table order.
store::GuideTables guide9000Ed() {
  store::GuideTables g;
  g.partidas = {test::partida("EDF-9001", "Concreto armado", "1,000", "100,00", "50,00"),
                test::partida("EDF-9044", "Mortero", "1,000", "100,00", "50,00")};
  g.materials = {materialUse("EDF-9001", "EDF-9044", "2,0000"), materialUse("EDF-9044", "101", "1,0000")};
  g.labour = {labourUse("EDF-9001", "1", "1,00"), labourUse("EDF-9044", "2", "1,00")};
  return g;
}

struct IndexedGuide {
  store::GuideTables tables;
  GuideIndex index{tables};
};

void add9000Material(test::PricingFixture& fx) {
  fx.insumos.materials.push_back(test::material("EDF-9044", "Mortero (9000)", "m3", "1,00"));
}

TEST(Price9000Guide, Partida9044GoesFirstAndItsCostReachesTheMaterial) {
  test::PricingFixture fx;
  fx.guideId = store::Guide::Ed9000;
  fx.guide = guide9000Ed();
  fx.user = userValues();
  fx.predetermined = {.cestaticket = 1000, .bono = 500};
  add9000Material(fx);
  const PricingContext context = fx.context();
  const GuideContext guide = fx.guideContext();
  const store::Record& material = fx.insumos.materials.back();

  // Base: EDF-9044 = 12,50 + 45 + 45 (FCAS1 100 %) = 102,50; EDF-9001 = 2 x 102,50 + 60 + 60.
  price9000Guide(context, guide, PricePass::Base);
  EXPECT_EQ(fx.guide.partidas[0].field(f::kBasePrice), rightAlign("325,00", 20));
  EXPECT_EQ(fx.guide.partidas[1].field(f::kBasePrice), rightAlign("102,50", 20));
  EXPECT_EQ(material.field(f::kMaterialCost), rightAlign("102,50", 20));

  // Recalculated: EDF-9044 = 12,50 + 45 + 22,50 (FCAS2 50 %) + 10 + 5 = 95,00;
  // EDF-9001 = 2 x 95 + 60 + 30 + 10 + 5; no administración in a direct cost.
  price9000Guide(context, guide, PricePass::Recalculated);
  EXPECT_EQ(fx.guide.partidas[0].field(f::kRecalculatedPrice), rightAlign("295,00", 20));
  EXPECT_EQ(fx.guide.partidas[1].field(f::kRecalculatedPrice), rightAlign("95,00", 20));
  EXPECT_EQ(fx.guide.partidas[0].field(f::kBasePrice), rightAlign("325,00", 20));
  EXPECT_EQ(material.field(f::kMaterialCost), rightAlign("95,00", 20));

  EXPECT_EQ(fx.ui.progress, (std::vector<std::string>{
                                " Calculando el Precio Unitario Base para las Partidas 9000ED ...",
                                " Calculando el Precio Unitario Recalculado para las Partidas 9000ED ...",
                            }));
  EXPECT_TRUE(fx.ui.messages.empty());
}

// Base prices use the predetermined percentages with each partida's FCAS1 and no
// separate allowances, whatever modes the predetermined values carry.
TEST(ComputeBasePrices, PredeterminedFormAndProgressEveryHundred) {
  test::PricingFixture fx;
  fx.user = userValues();
  fx.predetermined = {.administracion = 10, .fcas = 5, .cestaticket = 1000, .bono = 500,
                      .fcasSource = FcasSource::Table, .cestaticketMode = ValueMode::User,
                      .bonoMode = ValueMode::User};
  fx.guide.partidas = {test::partida("PAR-0000", "Partida con mano de obra", "1,000")};
  fx.guide.labour = {labourUse("PAR-0000", "1", "1,00")};
  for (int i = 1; i <= 200; ++i)
    fx.guide.partidas.push_back(test::partida("PAR-" + std::to_string(1000 + i), "Partida vacia", "1,000"));

  const std::vector<std::string> prices = computeBasePrices(fx.context(), fx.guideContext());

  ASSERT_EQ(prices.size(), 201u);
  EXPECT_EQ(prices[0], rightAlign("198,00", 20));  // (60 + 120) + 10 %
  EXPECT_EQ(prices[200], rightAlign("0,01", 20));
  for (std::size_t i = 0; i < prices.size(); ++i) EXPECT_EQ(fx.guide.partidas[i].field(f::kBasePrice), prices[i]);
  EXPECT_EQ(fx.ui.progress, (std::vector<std::string>{
                                cp(" Calculando Precio Unitario Base Partidas Guía 1 ... (1 de 201)"),
                                cp(" Calculando Precio Unitario Base Partidas Guía 1 ... (101 de 201)"),
                                cp(" Calculando Precio Unitario Base Partidas Guía 1 ... (201 de 201)"),
                            }));
}

// Edition with both 9000 guides and Guía 1 open: PAR-0001 uses the 9000 material.
struct RecalculationSetup {
  test::PricingFixture fx;
  IndexedGuide ed{guide9000Ed()};
  IndexedGuide rm{[] {
    store::GuideTables g;
    g.partidas = {test::partida("REM-9044", "Partida sin insumos", "1,000")};
    return g;
  }()};
  GuideContext edContext{store::Guide::Ed9000, ed.tables, ed.index};
  GuideContext rmContext{store::Guide::Rm9000, rm.tables, rm.index};

  RecalculationSetup() {
    fx.user = userValues();
    add9000Material(fx);
    fx.guide.partidas = {test::partida("PAR-0001", "Usa mortero", "1,000", "100,00", "50,00"),
                         test::partida("PAR-0002", "Mano de obra", "1,000", "100,00", "50,00"),
                         test::partida("PAR-0003", "Sin insumos", "1,000")};
    fx.guide.materials = {materialUse("PAR-0001", "EDF-9044", "1,0000")};
    fx.guide.labour = {labourUse("PAR-0002", "1", "1,00")};
  }
  PricingContext context() {
    PricingContext c = fx.context();
    c.ed9000 = &edContext;
    c.rm9000 = &rmContext;
    return c;
  }
};

TEST(RecalculateAll, NineThousandPassesThenEveryPartidaOfTheOpenGuide) {
  RecalculationSetup s;
  const GuideContext open = s.fx.guideContext();

  const RecalculationResult result = recalculateAll(s.context(), &open);

  EXPECT_EQ(result.priced, 3u);
  EXPECT_FALSE(result.stopped);
  EXPECT_EQ(s.ed.tables.partidas[1].field(f::kRecalculatedPrice), rightAlign("95,00", 20));
  EXPECT_EQ(s.rm.tables.partidas[0].field(f::kRecalculatedPrice), rightAlign("0,00", 20));
  const store::Table& partidas = s.fx.guide.partidas;
  EXPECT_EQ(partidas[0].field(f::kRecalculatedPrice), rightAlign("104,50", 20));  // 95 + 10 %
  EXPECT_EQ(partidas[1].field(f::kRecalculatedPrice), rightAlign("115,50", 20));  // (60 + 30 + 10 + 5) + 10 %
  EXPECT_EQ(partidas[2].field(f::kRecalculatedPrice), rightAlign("0,01", 20));
  EXPECT_EQ(s.fx.ui.progress, (std::vector<std::string>{
                                  "Recalculando Partidas 9000 Edificaciones",
                                  "Recalculando Partidas 9000 Remodelaciones",
                                  "Recalculando P.U.1 de3",
                                  "33%",
                                  "Recalculando P.U.2 de3",
                                  "67%",
                                  "Recalculando P.U.3 de3",
                                  "100%",
                              }));
}

TEST(RecalculateAll, StopKeepsTheRemainingPrices) {
  RecalculationSetup s;
  const GuideContext open = s.fx.guideContext();
  // Events run after each 9000 partida (3 in 9000ED, 2 in 9000RM), then two of the guide.
  s.fx.ui.stopAfterEvents = 5 + 2;

  const RecalculationResult result = recalculateAll(s.context(), &open);

  EXPECT_TRUE(result.stopped);
  EXPECT_EQ(result.priced, 2u);
  EXPECT_EQ(s.fx.guide.partidas[1].field(f::kRecalculatedPrice), rightAlign("115,50", 20));
  EXPECT_EQ(s.fx.guide.partidas[2].field(f::kRecalculatedPrice), "0,00");
}

TEST(PercentMaskText, RoundsToWholePercentAndDropsALoneZero) {
  const std::pair<double, std::string_view> cases[] = {
      {1.0 / 3, "33%"}, {0.5, "50%"}, {1.0, "100%"}, {1.0 / 300, "0%"}, {0.125, "12%"}};
  for (const auto& [ratio, text] : cases) EXPECT_EQ(percentMaskText(ratio), text) << ratio;
}

}  // namespace
}  // namespace baltu::pricing
