#include "pricing/analysis.h"

#include <gtest/gtest.h>

#include <limits>

#include "pricing_fixture.h"
#include "store/text.h"

namespace baltu::pricing {
namespace {

using store::cp;
using store::Record;
using test::equipmentUse;
using test::labourUse;
using test::materialUse;

constexpr std::string_view kCode = "PAR-0001";

// "code cost total" of each line, trimmed.
std::vector<std::string> summary(const std::vector<Record>& lines) {
  std::vector<std::string> out;
  for (const Record& l : lines)
    out.push_back(std::string(store::trim(l.field(line::kCode))) + " " + std::string(store::trim(l.field(line::kCost))) +
                  " " + std::string(store::trim(l.field(line::kTotal))));
  return out;
}

std::string missingMessage(std::string_view code, std::string_view kind, std::string_view guide) {
  return "EL INSUMO UTILIZADO POR UNA PARTIDA NO EXISTE EN LA BASE DE DATOS\r\n\r\n"
         "Codigo Partida: E311110000\r\nPartida: Partida de prueba\r\nCodigo Insumo: " +
         std::string(code) + "\r\nTipo de insumo: " + std::string(kind) + "\r\n" + cp("Guía: ") + std::string(guide);
}

struct AnalysisCase {
  std::string name{};
  std::string rendimiento = "1,000";
  std::vector<Record> materials{};
  std::vector<Record> equipment{};
  std::vector<Record> labour{};
  std::vector<Record> extraMaterials{};  // added to the catalogue
  bool winchExcluded = false;
  bool substitute9 = false;  // the pair 9 -> 4695
  store::Guide guide = store::Guide::Guia1;
  // Expected: lines, analysis totals, prices with FCAS1 200 % and no allowances or percentages.
  std::vector<std::string> materialLines{};
  std::vector<std::string> equipmentLines{};
  std::vector<std::string> labourLines{};
  store::Cents materialsTotal = 0;
  store::Cents equipmentUnit = 0;
  store::Cents labourUnit = 0;  // before FCAS
  std::string unitPrice{};
  std::string directCost{};
  std::vector<std::string> messages{};
};

std::vector<AnalysisCase> analysisCases() {
  const std::string p(kCode);
  return {
      {.name = "OneTransportMarker",
       .materials = {materialUse(p, "101", "2,0000"), materialUse(p, "102", "0,5000"), materialUse(p, "95", "1,0000")},
       .materialLines = {"95 40,00 2,00", "101 12,50 25,00", "102 30,00 15,00"},
       .materialsTotal = 4200,
       .unitPrice = "42,00",
       .directCost = "42,00"},
      // Code order puts 96 (1 %) before 1000 (10 %): only 96 is priced.
      {.name = "TwoMarkersFirstInCodeOrder",
       .materials = {materialUse(p, "101", "2,0000"), materialUse(p, "1000", "1,0000"), materialUse(p, "96", "1,0000")},
       .materialLines = {"96 25,00 0,25", "101 12,50 25,00", "1000 0,00 0,00"},
       .materialsTotal = 2525,
       .unitPrice = "25,25",
       .directCost = "25,25"},
      // The markers are tried in the order 1 %, 5 %, 10 %, wherever they stand.
      {.name = "MarkersTriedInOrder",
       .materials = {materialUse(p, "101", "2,0000"), materialUse(p, "98", "1,0000")},
       .extraMaterials = {test::material("98", "Fletes (10%) y acarreo ( 1%)", "%", "0,00")},
       .materialLines = {"98 25,00 0,25", "101 12,50 25,00"},
       .materialsTotal = 2525,
       .unitPrice = "25,25",
       .directCost = "25,25"},
      {.name = "PercentItemWithoutMarker",
       .materials = {materialUse(p, "101", "2,0000"), materialUse(p, "97", "1,0000")},
       .materialLines = {"97 3,00 0,00", "101 12,50 25,00"},
       .materialsTotal = 2500,
       .unitPrice = "25,00",
       .directCost = "25,00"},
      {.name = "MarkerWithoutPercentItem",
       .materials = {materialUse(p, "103", "1,0000"), materialUse(p, "101", "2,0000")},
       .materialLines = {"101 12,50 25,00", "103 4,00 4,00"},
       .materialsTotal = 2900,
       .unitPrice = "29,00",
       .directCost = "29,00"},
      {.name = "RendimientoZeroLeavesAmountsUndivided",
       .rendimiento = "0,000",
       .equipment = {equipmentUse(p, "40", "1,00", "0,50000")},
       .labour = {labourUse(p, "1", "1,00")},
       .equipmentLines = {"40 80,00 40,00"},
       .labourLines = {"1 60,00 60,00"},
       .equipmentUnit = 4000,
       .labourUnit = 6000,
       .unitPrice = "220,00",  // 40 + (60 + 120 FCAS)
       .directCost = "220,00"},
      {.name = "RendimientoDividesEquipmentAndLabour",
       .rendimiento = "4,000",
       .equipment = {equipmentUse(p, "40", "1,00", "0,50000")},
       .labour = {labourUse(p, "1", "1,00")},
       .equipmentLines = {"40 80,00 40,00"},
       .labourLines = {"1 60,00 60,00"},
       .equipmentUnit = 1000,
       .labourUnit = 1500,
       .unitPrice = "55,00",  // 10 + 180 / 4
       .directCost = "55,00"},
      {.name = "NoComponents", .unitPrice = "0,01", .directCost = "0,00"},
      {.name = "WinchIncluded",
       .equipment = {equipmentUse(p, "5", "1,00", "1,00000"), equipmentUse(p, "40", "1,00", "0,50000")},
       .labour = {labourUse(p, "30", "1,00"), labourUse(p, "1", "1,00")},
       .equipmentLines = {"5 100,00 100,00", "40 80,00 40,00"},
       .labourLines = {"1 60,00 60,00", "30 50,00 50,00"},
       .equipmentUnit = 14000,
       .labourUnit = 11000,
       .unitPrice = "470,00",
       .directCost = "470,00"},
      {.name = "WinchExcluded",
       .equipment = {equipmentUse(p, "5", "1,00", "1,00000"), equipmentUse(p, "40", "1,00", "0,50000")},
       .labour = {labourUse(p, "30", "1,00"), labourUse(p, "1", "1,00")},
       .winchExcluded = true,
       .equipmentLines = {"40 80,00 40,00"},
       .labourLines = {"1 60,00 60,00"},
       .equipmentUnit = 4000,
       .labourUnit = 6000,
       .unitPrice = "220,00",
       .directCost = "220,00"},
      {.name = "MaterialSubstituted",
       .materials = {materialUse(p, "9", "10,0000")},
       .substitute9 = true,
       .materialLines = {"4695 3,00 30,00"},
       .materialsTotal = 3000,
       .unitPrice = "30,00",
       .directCost = "30,00"},
      {.name = "SubstitutionOff",
       .materials = {materialUse(p, "9", "10,0000")},
       .materialLines = {"9 2,00 20,00"},
       .materialsTotal = 2000,
       .unitPrice = "20,00",
       .directCost = "20,00"},
      // The row after a missing insumo (102) is not read; equipment still is.
      {.name = "MissingInsumoEndsItsSection",
       .materials = {materialUse(p, "101", "2,0000"), materialUse(p, "999", "1,0000"), materialUse(p, "102", "1,0000")},
       .equipment = {equipmentUse(p, "40", "1,00", "0,50000")},
       .labour = {labourUse(p, "77", "1,00"), labourUse(p, "1", "1,00")},
       .materialLines = {"101 12,50 25,00"},
       .equipmentLines = {"40 80,00 40,00"},
       .materialsTotal = 2500,
       .equipmentUnit = 4000,
       .unitPrice = "65,00",
       .directCost = "65,00",
       .messages = {missingMessage("     999", "MATERIAL", "GUIA 1"), missingMessage("      77", "MANO DE OBRA", "GUIA 1")}},
      {.name = "MissingInsumoIn9000Guide",
       .materials = {materialUse(p, "101", "1,0000")},
       .equipment = {equipmentUse(p, "41", "1,00", "0,50000")},
       .guide = store::Guide::Ed9000,
       .materialLines = {"101 12,50 12,50"},
       .materialsTotal = 1250,
       .unitPrice = "12,50",
       .directCost = "12,50",
       .messages = {missingMessage("      41", "EQUIPO", "Partidas como insumos (9000)")}},
      // 0.125 and 0.135 are ties at 2 decimals: to even, 0.12 and 0.14.
      {.name = "Round2TiesToEven",
       .materials = {materialUse(p, "104", "0,1250"), materialUse(p, "104", "0,1350")},
       .materialLines = {"104 1,00 0,12", "104 1,00 0,14"},
       .materialsTotal = 26,
       .unitPrice = "0,26",
       .directCost = "0,26"},
  };
}

void PrintTo(const AnalysisCase& c, std::ostream* os) { *os << c.name; }

class AnalysisTable : public ::testing::TestWithParam<AnalysisCase> {};

void setUp(test::PricingFixture& fx, const AnalysisCase& c) {
  fx.guideId = c.guide;
  fx.rules.winchExcluded = c.winchExcluded;
  fx.rules.substitutionEnabled[1] = c.substitute9;
  fx.insumos.materials.insert(fx.insumos.materials.end(), c.extraMaterials.begin(), c.extraMaterials.end());
  fx.guide.partidas = {test::partida(kCode, "Partida de prueba", c.rendimiento)};
  fx.guide.materials = c.materials;
  fx.guide.equipment = c.equipment;
  fx.guide.labour = c.labour;
}

std::vector<std::string> messageTexts(const test::PricingFixture& fx) {
  std::vector<std::string> texts;
  for (const auto& m : fx.ui.messages) {
    EXPECT_EQ(m.caption, "Baltu");
    texts.push_back(m.text);
  }
  return texts;
}

TEST_P(AnalysisTable, LinesTotalsPricesAndMessages) {
  const AnalysisCase& c = GetParam();
  test::PricingFixture fx;
  setUp(fx, c);

  const PartidaAnalysis a = analysePartida(fx.context(), fx.guideContext(), fx.guide.partidas[0]);

  EXPECT_EQ(summary(a.materials), c.materialLines);
  EXPECT_EQ(summary(a.equipment), c.equipmentLines);
  EXPECT_EQ(summary(a.labour), c.labourLines);
  EXPECT_EQ(a.totals.materialsTotal, c.materialsTotal);
  EXPECT_EQ(a.totals.materialsUnit, c.materialsTotal);
  EXPECT_EQ(a.totals.equipmentUnit, c.equipmentUnit);
  EXPECT_EQ(a.totals.labourUnit, c.labourUnit);

  const WorkingValues values;  // each partida's FCAS1, no allowances, 0 %
  const double fcas = fcasPercentFor(fx.guide.partidas[0], values);
  EXPECT_EQ(unitPriceFromTotals(a.counts(), a.totals, values, fcas), store::rightAlign(c.unitPrice, 20));
  EXPECT_EQ(directCostFromTotals(a.counts(), a.totals, values, fcas), store::rightAlign(c.directCost, 20));

  EXPECT_EQ(messageTexts(fx), c.messages);
}

// The passes price without laying out lines; they must come to the same totals
// and show the same messages.
TEST_P(AnalysisTable, TotalsWithoutLinesAreTheSame) {
  const AnalysisCase& c = GetParam();
  test::PricingFixture fx;
  setUp(fx, c);

  const AnalysisSummary s = analysePartidaTotals(fx.context(), fx.guideContext(), fx.guide.partidas[0]);

  EXPECT_EQ(s.counts.materials, c.materialLines.size());
  EXPECT_EQ(s.counts.equipment, c.equipmentLines.size());
  EXPECT_EQ(s.counts.labour, c.labourLines.size());
  EXPECT_EQ(s.totals.materialsTotal, c.materialsTotal);
  EXPECT_EQ(s.totals.equipmentUnit, c.equipmentUnit);
  EXPECT_EQ(s.totals.labourUnit, c.labourUnit);
  const WorkingValues values;
  const double fcas = fcasPercentFor(fx.guide.partidas[0], values);
  EXPECT_EQ(unitPriceFromTotals(s.counts, s.totals, values, fcas), store::rightAlign(c.unitPrice, 20));
  EXPECT_EQ(directCostFromTotals(s.counts, s.totals, values, fcas), store::rightAlign(c.directCost, 20));
  EXPECT_EQ(messageTexts(fx), c.messages);
}

INSTANTIATE_TEST_SUITE_P(Analyses, AnalysisTable, ::testing::ValuesIn(analysisCases()),
                         [](const auto& info) { return info.param.name; });

TEST(Analysis, LinesCarryTheirSourceFields) {
  test::PricingFixture fx;
  const std::string p(kCode);
  fx.guide.partidas = {test::partida(kCode, "Partida de prueba", "1,000")};
  fx.guide.materials = {materialUse(p, "101", "2,0000")};
  fx.guide.equipment = {equipmentUse(p, "40", "1,00", "0,50000")};
  fx.guide.labour = {labourUse(p, "1", "1,00")};
  // Another partida's rows on either side stay out.
  fx.guide.materials.insert(fx.guide.materials.begin(), materialUse("PAR-0000", "102", "1,0000"));
  fx.guide.materials.push_back(materialUse("PAR-0002", "102", "1,0000"));

  const PartidaAnalysis a = analysePartida(fx.context(), fx.guideContext(), fx.guide.partidas[0]);

  const std::string date = store::rightAlign("01/09/2011", 11);
  ASSERT_EQ(a.materials.size(), 1u);
  EXPECT_EQ(a.materials[0].text(),
            Record::fromFields({"     101", "Cemento gris portland", "        2,0000", store::rightAlign("12,50", 20),
                                "25,00", "5", date, "S ", "saco"})
                .text());
  ASSERT_EQ(a.equipment.size(), 1u);
  EXPECT_EQ(a.equipment[0].text(),
            Record::fromFields({"      40", "Mezcladora de concreto", "   1,00", store::rightAlign("80,00", 20),
                                "40,00", "0,50000", date, "S ", "dia"})
                .text());
  ASSERT_EQ(a.labour.size(), 1u);
  EXPECT_EQ(a.labour[0].text(), Record::fromFields({"       1", cp("Albañil"), "   1,00", store::rightAlign("60,00", 20),
                                                     "60,00", date, "S ", "", "dia"})
                                    .text());
}

// Prices are written as "#,###.00" in display form, right-aligned to 20, for
// any amount, and a unit price of 0,00 shows as 0,01.
TEST(PriceText, EveryAmountInTheMoneyMask) {
  const store::Cents amounts[] = {0,          1,          5,         99,         100,     1234,
                                  100000,     123456789,  -1,        -99,        -100,    -123456789,
                                  999999999,  1000000000, std::numeric_limits<store::Cents>::max(),
                                  std::numeric_limits<store::Cents>::min()};
  const WorkingValues values;
  for (store::Cents amount : amounts) {
    AnalysisTotals totals;
    totals.materialsTotal = totals.materialsUnit = amount;
    const AnalysisCounts counts{.materials = 1};
    EXPECT_EQ(directCostFromTotals(counts, totals, values, 0), store::moneyDisplay(amount, 20)) << amount;
    EXPECT_EQ(unitPriceFromTotals(counts, totals, values, 0), store::moneyDisplay(amount == 0 ? 1 : amount, 20))
        << amount;
  }
}

// The shared partida of the price build-up: R 4; materials 25,00; equipment 40,00 a
// day (10,00 a unit); labour 150,00 a day with 3 workers; FCAS1 200 %, FCAS2 150 %.
struct BuildUpCase {
  std::string name;
  WorkingValues values;
  std::string fcas1 = "200,00";
  std::string unitPrice;
};

std::vector<BuildUpCase> buildUpCases() {
  const store::Cents cesta = 1000;
  const store::Cents bono = 500;
  using enum ValueMode;
  return {
      // 150 + 300 FCAS = 450 / 4 = 112,50; CD 147,50.
      {"EachPartidaPredetermined", {.cestaticket = cesta, .bono = bono}, "200,00", "147,50"},
      // FCAS2: 150 + 225 + 30 + 15 = 420 / 4 = 105; CD 140; adm 14; util 23,10; S2 177,10; IVA 21,25.
      {"EachPartidaUser",
       {.administracion = 10, .utilidad = 15, .iva = 12, .cestaticket = cesta, .bono = bono,
        .cestaticketMode = User, .bonoMode = User},
       "200,00", "198,35"},
      // FCAS1 by the cestaticket mode, allowances by the bono mode: 150 + 300 + 45 = 495 / 4.
      {"MixedCestaticketPBonoU", {.cestaticket = cesta, .bono = bono, .bonoMode = User}, "200,00", "158,75"},
      // FCAS2, allowances left out by the predetermined bono: 150 + 225 = 375 / 4.
      {"MixedCestaticketUBonoP", {.cestaticket = cesta, .bono = bono, .cestaticketMode = User}, "200,00", "128,75"},
      // The table's FCAS and the allowances: 150 + 150 + 45 = 345 / 4.
      {"TableSource", {.fcas = 100, .cestaticket = cesta, .bono = bono, .fcasSource = FcasSource::Table}, "200,00",
       "121,25"},
      // A sector code kept as the FCAS figure prices at 0 %: 150 / 4.
      {"FcasNotANumber", {.cestaticket = cesta, .bono = bono}, "REPL", "72,50"},
  };
}

PartidaAnalysis buildUpAnalysis(test::PricingFixture& fx, std::string_view fcas1) {
  const std::string p(kCode);
  fx.guide.partidas = {test::partida(kCode, "Partida de prueba", "4,000", fcas1, "150,00")};
  fx.guide.materials = {materialUse(p, "101", "2,0000")};
  fx.guide.equipment = {equipmentUse(p, "40", "1,00", "0,50000")};
  fx.guide.labour = {labourUse(p, "1", "1,00"), labourUse(p, "2", "2,00")};
  return analysePartida(fx.context(), fx.guideContext(), fx.guide.partidas[0]);
}

TEST(PriceBuildUp, FcasSourceAndModes) {
  for (const BuildUpCase& c : buildUpCases()) {
    SCOPED_TRACE(c.name);
    test::PricingFixture fx;
    const PartidaAnalysis a = buildUpAnalysis(fx, c.fcas1);
    const double fcas = fcasPercentFor(fx.guide.partidas[0], c.values);
    EXPECT_EQ(store::trim(unitPriceFromTotals(a.counts(), a.totals, c.values, fcas)), c.unitPrice);
  }
}

TEST(PriceBuildUp, EveryAmountOfTheUserCase) {
  test::PricingFixture fx;
  const PartidaAnalysis a = buildUpAnalysis(fx, "200,00");
  const WorkingValues values = buildUpCases()[1].values;
  const PriceBuildUp b = buildUpPrice(a.counts(), a.totals, values, fcasPercentFor(fx.guide.partidas[0], values));
  EXPECT_EQ(b.fcasPercent, 150.0);
  EXPECT_EQ(b.fcasAmount, 2250000);  // 225,0000
  EXPECT_EQ(b.cestaticketAmount, 3000);
  EXPECT_EQ(b.bonoAmount, 1500);
  EXPECT_EQ(b.totals.labourTotal, 15000);
  EXPECT_EQ(b.totals.labourUnit, 10500);
  EXPECT_EQ(b.directCost, 14000);
  EXPECT_EQ(b.administracion, 1400);
  EXPECT_EQ(b.subtotal1, 15400);
  EXPECT_EQ(b.utilidad, 2310);
  EXPECT_EQ(b.subtotal2, 17710);
  EXPECT_EQ(b.iva, 2125);  // 21,252
  EXPECT_EQ(b.unitPrice, 19835);
}

// 0,70 + 0,10 + 0,10 workers, each sum held in single precision, is 0.90000004
// (0.89999998 when summed in double and stored once); times a cestaticket of
// 1.000.000,00 that is 900.000,04.
TEST(PriceBuildUp, WorkerCountIsSinglePrecision) {
  test::PricingFixture fx;
  const std::string p(kCode);
  fx.guide.partidas = {test::partida(kCode, "Partida de prueba", "1,000")};
  fx.guide.labour = {labourUse(p, "1", "0,70"), labourUse(p, "2", "0,10"), labourUse(p, "30", "0,10")};
  const PartidaAnalysis a = analysePartida(fx.context(), fx.guideContext(), fx.guide.partidas[0]);
  EXPECT_EQ(a.totals.workers, 0.9000000357627869f);
  const WorkingValues values{.cestaticket = 100000000, .cestaticketMode = ValueMode::User, .bonoMode = ValueMode::User};
  EXPECT_EQ(buildUpPrice(a.counts(), a.totals, values, 0).cestaticketAmount, 90000004);
}

}  // namespace
}  // namespace baltu::pricing
