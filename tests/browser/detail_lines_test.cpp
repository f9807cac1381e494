#include "browser/detail_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "pricing/price_index.h"
#include "store/text.h"
#include "support/scripted_ui.h"

namespace baltu::browser {
namespace {

using store::cp;
using store::Record;
using store::rightAlign;
namespace d = detail_field;

constexpr std::string_view kPartida = "P-000001";
constexpr std::string_view kOther = "P-000002";

std::string code8(std::string_view code) { return rightAlign(code, 8); }

Record material(std::string_view code, std::string_view description, std::string_view unit, std::string_view cost,
                std::string_view type = "S ") {
  return Record::fromFields({code8(code), std::string(description), std::string(unit), rightAlign(cost, 20),
                             rightAlign("01/09/2011", 11), "Ferretera Central", std::string(type)});
}

Record equipment(std::string_view code, std::string_view description, std::string_view cost) {
  return Record::fromFields({code8(code), std::string(description), "dia", rightAlign("0,00100", 8),
                             rightAlign(cost, 20), rightAlign("02/09/2011", 11), "Alquileres Lara", "C "});
}

Record labour(std::string_view code, std::string_view description, std::string_view wage) {
  return Record::fromFields(
      {code8(code), std::string(description), "dia", rightAlign(wage, 20), rightAlign("03/09/2011", 11), "S "});
}

Record materialUse(std::string_view partida, std::string_view code, std::string_view quantity,
                   std::string_view waste = "5") {
  return Record::fromFields({std::string(partida), code8(code), rightAlign(quantity, 14), std::string(waste)});
}

Record equipmentUse(std::string_view partida, std::string_view code, std::string_view quantity,
                    std::string_view coefficient) {
  return Record::fromFields(
      {std::string(partida), code8(code), rightAlign(quantity, 7), rightAlign(coefficient, 7)});
}

Record labourUse(std::string_view partida, std::string_view code, std::string_view workers) {
  return Record::fromFields({std::string(partida), code8(code), rightAlign(workers, 7)});
}

// Tables of one test; the indexes are built over them when the lines are built.
struct Panel {
  store::InsumoTables insumos;
  store::GuideTables guide;
  pricing::CodeRules rules;
  pricing::InsumoIndex insumoIndex;
  pricing::GuideIndex guideIndex;

  DetailLines build(std::string_view partida = kPartida) {
    insumoIndex = pricing::InsumoIndex(insumos);
    guideIndex = pricing::GuideIndex(guide);
    return buildDetailLines(DetailSources{guide, guideIndex, insumos, insumoIndex, rules}, partida);
  }
};

// "code unit-price cost" of each line, trimmed.
std::vector<std::string> summary(const std::vector<Record>& lines) {
  std::vector<std::string> out;
  for (const Record& l : lines)
    out.push_back(std::string(store::trim(l.field(d::kCode))) + " " +
                  std::string(store::trim(l.field(d::kUnitPrice))) + " " +
                  std::string(store::trim(l.field(d::kLineCost))));
  return out;
}

// Three materials whose line costs are 100,00, 50,00 and 10,00, used by the
// partida, and a component of the next partida that must not show.
Panel threeMaterials() {
  Panel p;
  p.insumos.materials = {material("10", "Cemento gris", "saco", "50,00"), material("20", "Arena lavada", "m3", "50,00"),
                         material("30", "Clavos", "kg", "4,00")};
  p.guide.materials = {materialUse(kPartida, "10", "2,0000"), materialUse(kPartida, "20", "1,0000"),
                       materialUse(kPartida, "30", "2,5000"), materialUse(kOther, "20", "9,0000")};
  return p;
}

TEST(DetailLines, TransportLineTakesTheMaterialSumAsPriceAndItsPercentageAsCost) {
  Panel p = threeMaterials();
  p.insumos.materials.push_back(material("95", "Transporte de materiales ( 5%)", "%", "0,00"));
  p.guide.materials.insert(p.guide.materials.begin() + 1, materialUse(kPartida, "95", "1,0000"));
  const DetailLines lines = p.build();
  EXPECT_EQ(summary(lines.materials),
            (std::vector<std::string>{"10 50,00 100,00", "20 50,00 50,00", "30 4,00 10,00", "95 160,00 8,00"}));
  EXPECT_EQ(lines.materials[3].field(d::kQuantity), rightAlign("1,0000", 14));  // as the component gives it
}

TEST(DetailLines, TransportCases) {
  struct Case {
    const char* name;
    std::vector<Record> extra;  // materials added to the three, each used once
    std::vector<std::string> expected;  // summary of the added lines
  };
  const std::vector<Case> cases = {
      {"own stored price enters the sum",
       {material("95", "Transporte ( 5%)", "%", "20,00")},
       {"95 180,00 9,00"}},
      {"marker without blank", {material("95", "Transporte (5%)", "%", "0,00")}, {"95 160,00 8,00"}},
      {"one percent", {material("95", "Manejo ( 1%)", "%", "0,00")}, {"95 160,00 1,60"}},
      {"one percent without blank", {material("95", "Manejo (1%)", "%", "0,00")}, {"95 160,00 1,60"}},
      {"ten percent", {material("95", "Flete ( 10%)", "%", "0,00")}, {"95 160,00 16,00"}},
      {"ten percent without blank", {material("95", "Flete (10%)", "%", "0,00")}, {"95 160,00 16,00"}},
      {"every marked line is priced, not only the first",
       {material("95", "Transporte ( 5%)", "%", "0,00"), material("96", "Manejo ( 1%)", "%", "0,00"),
        material("97", "Tubo (10%) galvanizado", "m", "2,00")},
       {"95 162,00 8,10", "96 162,00 1,62", "97 162,00 16,20"}},
      {"a marker without any \"%\" unit is priced as stored",
       {material("95", "Transporte ( 5%)", "kg", "3,00")},
       {"95 3,00 3,00"}},
      {"a \"%\" unit without marker keeps its own product",
       {material("95", "Acarreo interno", "%", "3,00")},
       {"95 3,00 3,00"}},
      {"the percentage is brought to 2 decimals half to even",
       {material("95", "Manejo ( 1%)", "%", "0,00"), material("98", "Alambre", "kg", "2,50")},
       {"95 162,50 1,62", "98 2,50 2,50"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Panel p = threeMaterials();
    for (const Record& m : c.extra) {
      p.insumos.materials.push_back(m);
      p.guide.materials.insert(p.guide.materials.begin(), materialUse(kPartida, store::trim(m.field(1)), "1,0000"));
    }
    const std::vector<std::string> all = summary(p.build().materials);
    ASSERT_EQ(all.size(), 3 + c.extra.size());
    EXPECT_EQ(std::vector<std::string>(all.begin() + 3, all.end()), c.expected);
  }
}

TEST(DetailLines, EquipmentMultipliesQuantityPriceAndCoefficientLabourQuantityAndWage) {
  for (const bool winchExcluded : {false, true}) {
    SCOPED_TRACE(winchExcluded ? "winch excluded" : "winch used");
    Panel p;
    p.rules.winchExcluded = winchExcluded;
    p.insumos.equipment = {equipment("40", "Mezcladora", "1.000,00"), equipment("5", "Winche cabrestante", "100,00")};
    p.insumos.labour = {labour("2", "Ayudante", "150,25"), labour("30", "Winchero", "50,00")};
    p.guide.equipment = {equipmentUse(kPartida, "5", "1,00", "1,00000"), equipmentUse(kPartida, "40", "2,00", "0,50000")};
    p.guide.labour = {labourUse(kPartida, "30", "1,00"), labourUse(kPartida, "2", "3,00")};
    const DetailLines lines = p.build();
    std::vector<std::string> equipmentLines{"5 100,00 100,00", "40 1.000,00 1.000,00"};
    std::vector<std::string> labourLines{"2 150,25 450,75", "30 50,00 50,00"};
    if (winchExcluded) {
      equipmentLines.erase(equipmentLines.begin());
      labourLines.pop_back();
    }
    EXPECT_EQ(summary(lines.equipment), equipmentLines);
    EXPECT_EQ(summary(lines.labour), labourLines);
  }
}

// One material, one equipment and one labour line of the partida.
DetailLines oneLineOfEachKind() {
  Panel p;
  p.insumos.materials = {material("10", "Cemento gris", "saco", "12,50")};
  p.insumos.equipment = {equipment("40", "Mezcladora", "80,00")};
  p.insumos.labour = {labour("2", "Ayudante", "60,00")};
  p.guide.materials = {materialUse(kPartida, "10", "2,0000", "7")};
  p.guide.equipment = {equipmentUse(kPartida, "40", "1,00", "0,25000")};
  p.guide.labour = {labourUse(kPartida, "2", "2,00")};
  return p.build();
}

TEST(DetailLines, FieldsFollowTheListColumns) {
  const DetailLines lines = oneLineOfEachKind();
  ASSERT_EQ(lines.materials.size(), 1u);
  ASSERT_EQ(lines.equipment.size(), 1u);
  ASSERT_EQ(lines.labour.size(), 1u);
  EXPECT_EQ(store::splitRecord(lines.materials[0].text()),
            (std::vector<std::string>{code8("10"), "Cemento gris", "saco", rightAlign("2,0000", 14),
                                      rightAlign("12,50", 20), "25,00", "7", rightAlign("01/09/2011", 11), "S ",
                                      "Ferretera Central"}));
  EXPECT_EQ(store::splitRecord(lines.equipment[0].text()),
            (std::vector<std::string>{code8("40"), "Mezcladora", "dia", rightAlign("1,00", 7), rightAlign("80,00", 20),
                                      "20,00", rightAlign("0,25000", 7), rightAlign("02/09/2011", 11), "C ",
                                      "Alquileres Lara"}));
  EXPECT_EQ(store::splitRecord(lines.labour[0].text()),
            (std::vector<std::string>{code8("2"), "Ayudante", "dia", rightAlign("2,00", 7), rightAlign("60,00", 20),
                                      "120,00", rightAlign("03/09/2011", 11), "S "}));
}

TEST(DetailLines, LinesSortByCodeRightAlignedWhateverTheComponentOrder) {
  Panel p;
  p.insumos.materials = {material("1000", "Flete", "kg", "1,00"), material("95", "Bloque", "pza", "1,00"),
                         material("7", "Cal", "saco", "1,00")};
  p.insumos.equipment = {equipment("1000", "Vibrador", "1,00"), equipment("95", "Andamio", "1,00")};
  p.insumos.labour = {labour("1000", "Maestro", "1,00"), labour("95", "Obrero", "1,00")};
  p.guide.materials = {materialUse(kPartida, "1000", "1,0000"), materialUse(kPartida, "95", "1,0000"),
                       materialUse(kPartida, "7", "1,0000")};
  p.guide.equipment = {equipmentUse(kPartida, "1000", "1,00", "1,00000"), equipmentUse(kPartida, "95", "1,00", "1,00000")};
  p.guide.labour = {labourUse(kPartida, "1000", "1,00"), labourUse(kPartida, "95", "1,00")};
  const DetailLines lines = p.build();
  const auto codes = [](const std::vector<Record>& ls) {
    std::vector<std::string> out;
    for (const Record& l : ls) out.push_back(std::string(store::trim(l.field(d::kCode))));
    return out;
  };
  EXPECT_EQ(codes(lines.materials), (std::vector<std::string>{"7", "95", "1000"}));
  EXPECT_EQ(codes(lines.equipment), (std::vector<std::string>{"95", "1000"}));
  EXPECT_EQ(codes(lines.labour), (std::vector<std::string>{"95", "1000"}));
}

TEST(DetailLines, SubstituteShownAndMissingInsumosLeftOutSilently) {
  Panel p;
  p.rules.substitutionEnabled[0] = true;  // 4690 -> 4694
  p.insumos.materials = {material("4690", "Cabilla original", "kg", "2,00"),
                         material("4694", "Cabilla sustituta", "kg", "3,00"), material("10", "Cemento", "saco", "1,00")};
  p.insumos.equipment = {equipment("40", "Mezcladora", "10,00")};
  p.insumos.labour = {labour("2", "Ayudante", "10,00")};
  p.guide.materials = {materialUse(kPartida, "555", "1,0000"), materialUse(kPartida, "4690", "2,0000"),
                       materialUse(kPartida, "10", "1,0000")};
  p.guide.equipment = {equipmentUse(kPartida, "77", "1,00", "1,00000"), equipmentUse(kPartida, "40", "1,00", "1,00000")};
  p.guide.labour = {labourUse(kPartida, "88", "1,00"), labourUse(kPartida, "2", "1,00")};
  DetailLines lines = p.build();
  EXPECT_EQ(summary(lines.materials), (std::vector<std::string>{"10 1,00 1,00", "4694 3,00 6,00"}));
  EXPECT_EQ(lines.materials[1].field(d::kDescription), "Cabilla sustituta");
  EXPECT_EQ(summary(lines.equipment), (std::vector<std::string>{"40 10,00 10,00"}));
  EXPECT_EQ(summary(lines.labour), (std::vector<std::string>{"2 10,00 10,00"}));

  p.rules.substitutionEnabled[0] = false;
  lines = p.build();
  EXPECT_EQ(summary(lines.materials), (std::vector<std::string>{"10 1,00 1,00", "4690 2,00 4,00"}));
}

TEST(DetailLines, SourcesFromThePricingContextsGiveTheSameLines) {
  Panel p = threeMaterials();
  test::ScriptedUi ui;
  pricing::WorkingValues values;
  const pricing::InsumoIndex insumoIndex(p.insumos);
  const pricing::GuideIndex guideIndex(p.guide);
  const pricing::PricingContext context{p.insumos, insumoIndex, values, values, p.rules, ui};
  const pricing::GuideContext guide{store::Guide::Guia1, p.guide, guideIndex};
  const DetailLines lines = buildDetailLines(detailSources(context, guide), kPartida);
  EXPECT_EQ(summary(lines.materials), summary(p.build().materials));
  EXPECT_EQ(lines.materials.size(), 3u);
  EXPECT_TRUE(ui.messages.empty());
}

TEST(DetailLists, TitlesCountLines) {
  Panel p = threeMaterials();
  const DetailLines lines = p.build();
  EXPECT_EQ(detailListTitle(InsumoKind::Material, lines.of(InsumoKind::Material).size()), "Materiales (3)");
  EXPECT_EQ(detailListTitle(InsumoKind::Equipment, lines.of(InsumoKind::Equipment).size()), "Equipos (0)");
  EXPECT_EQ(detailListTitle(InsumoKind::Labour, 12), "Mano de Obra (12)");
  EXPECT_EQ(p.build(kOther).of(InsumoKind::Material).size(), 1u);
  EXPECT_TRUE(p.build("P-999999").materials.empty());
}

TEST(DetailLists, CodeColumnOnlyWithCodesAndEveryColumnShowsItsField) {
  for (const InsumoKind kind : {InsumoKind::Material, InsumoKind::Equipment, InsumoKind::Labour}) {
    const std::vector<DetailColumn> all = shownDetailColumns(kind, true);
    const std::vector<DetailColumn> shown = shownDetailColumns(kind, false);
    ASSERT_EQ(all.size(), detailFieldCount(kind));
    ASSERT_EQ(shown.size(), all.size() - 1);
    EXPECT_EQ(all[0].title, cp("Código "));
    EXPECT_EQ(all[0].alignment, ColumnAlignment::Right);
    EXPECT_EQ(shown[0].title, cp("Descripción"));
    for (std::size_t k = 0; k < all.size(); ++k) EXPECT_EQ(all[k].field, k + 1) << k;
    EXPECT_EQ(all[d::kLineCost - 1].title, "Costo Total");
    EXPECT_EQ(all[d::kLineCost - 1].alignment, ColumnAlignment::Right);
  }
  const std::vector<DetailColumn>& equipment = detailColumns(InsumoKind::Equipment);
  EXPECT_EQ(equipment[0].width, 55);
  EXPECT_EQ(equipment[d::kCoefficient - 1].title, cp("Depreciación"));
  EXPECT_EQ(equipment[d::kCoefficient - 1].width, 85);
  EXPECT_EQ(detailColumns(InsumoKind::Material)[0].width, 60);
  EXPECT_EQ(detailColumns(InsumoKind::Material)[d::kWaste - 1].title, "Desperdicio");
  EXPECT_EQ(detailColumns(InsumoKind::Labour)[d::kLabourType - 1].title, "Tipo");
}

TEST(InsumoDetail, TypeLettersBecomeWordsOfTheirKind) {
  struct Case {
    InsumoKind kind;
    const char* type;
    const char* shown;
  };
  const Case cases[] = {
      {InsumoKind::Material, "S", "Material Simple"},      {InsumoKind::Material, "C ", "Material Compuesto"},
      {InsumoKind::Material, "P", "Partida como Insumo"},  {InsumoKind::Equipment, "S", "Equipo Simple"},
      {InsumoKind::Equipment, "C", "Equipo Compuesto"},    {InsumoKind::Equipment, "P", "P"},
      {InsumoKind::Labour, "S", "Mano de Obra Simple"},    {InsumoKind::Labour, "C", "Mano de Obra Compuesta"},
      {InsumoKind::Labour, "X", "X"},                      {InsumoKind::Material, "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(typeText(c.kind, c.type), c.shown) << c.type;
}

TEST(InsumoDetail, CaptionsAndValuesFromALine) {
  const DetailLines lines = oneLineOfEachKind();

  const std::optional<InsumoDetailTexts> withCodes = insumoDetailTexts(InsumoKind::Material, lines.materials[0], true);
  ASSERT_TRUE(withCodes);
  EXPECT_EQ(withCodes->caption, "Detalle del Material utilizado en la partida");
  EXPECT_EQ(withCodes->captions,
            (std::vector<std::string>{cp("Código:"), cp("Descripción:"), "Unidad:", "Cantidad:", "Precio Unitario:",
                                      "Costo Total:", "Desperdicio:", "Fecha:", "Tipo:", "Proveedor:"}));
  EXPECT_EQ(withCodes->values,
            (std::vector<std::string>{" " + code8("10"), " Cemento gris", " saco", " " + rightAlign("2,0000", 14),
                                      " " + rightAlign("12,50", 20), " 25,00", " 7", " " + rightAlign("01/09/2011", 11),
                                      " Material Simple", " Ferretera Central"}));
  EXPECT_EQ(withCodes->valueColumn().substr(0, 29), " " + code8("10") + "\n Cemento gris\n saco");

  const std::optional<InsumoDetailTexts> equipmentTexts =
      insumoDetailTexts(InsumoKind::Equipment, lines.equipment[0], false);
  ASSERT_TRUE(equipmentTexts);
  EXPECT_EQ(equipmentTexts->caption, "Detalle del Equipo utilizado en la partida");
  ASSERT_EQ(equipmentTexts->captions.size(), 9u);
  EXPECT_EQ(equipmentTexts->captions[0], cp("Descripción:"));
  EXPECT_EQ(equipmentTexts->captions[5], cp("Depreciación:"));
  ASSERT_EQ(equipmentTexts->values.size(), 9u);
  EXPECT_EQ(equipmentTexts->values[0], " Mezcladora");
  EXPECT_EQ(equipmentTexts->values[7], " Equipo Compuesto");

  const std::optional<InsumoDetailTexts> labourTexts = insumoDetailTexts(InsumoKind::Labour, lines.labour[0], false);
  ASSERT_TRUE(labourTexts);
  EXPECT_EQ(labourTexts->caption, "Detalle de la Mano de Obra utilizada en la partida");
  EXPECT_EQ(labourTexts->captions, (std::vector<std::string>{cp("Descripción:"), "Unidad:", "Cantidad:",
                                                             "Jornal Diario:", "Costo Total:", "Fecha:", "Tipo:"}));
  ASSERT_EQ(labourTexts->values.size(), 7u);
  EXPECT_EQ(labourTexts->values[4], " 120,00");
  EXPECT_EQ(labourTexts->values[6], " Mano de Obra Simple");
}

TEST(InsumoDetail, TextsCutToSixtyAndEmptyFirstTextOpensNothing) {
  const std::string longText(70, 'A');
  Record line = Record::fromFields({code8("10"), longText, "kg", "1,0000", "1,00", "1,00", "5", "01/09/2011", "S",
                                    std::string(65, 'B')});
  const std::optional<InsumoDetailTexts> texts = insumoDetailTexts(InsumoKind::Material, line, false);
  ASSERT_TRUE(texts);
  EXPECT_EQ(texts->values.front(), " " + std::string(60, 'A'));
  EXPECT_EQ(texts->values.back(), " " + std::string(60, 'B'));
  EXPECT_EQ(texts->description, std::string(60, 'A'));

  line.setField(d::kCode, "");
  EXPECT_FALSE(insumoDetailTexts(InsumoKind::Material, line, true));
  EXPECT_TRUE(insumoDetailTexts(InsumoKind::Material, line, false));  // the description comes first
  line.setField(d::kDescription, "");
  EXPECT_FALSE(insumoDetailTexts(InsumoKind::Material, line, false));
}

TEST(InsumoDetail, ListingLooksTheInsumoUpByTrimmedDescription) {
  store::InsumoTables t;
  t.materials = {material("11", "Arena", "m3", "30,00"), material("10", "Cemento gris  ", "saco", "1.250,50"),
                 material("12", "Cemento gris", "saco", "9,00")};
  t.equipment = {equipment("40", "Mezcladora", "80,00")};
  t.labour = {labour("2", "Ayudante", "60,00")};

  const std::optional<insumos::SelectedInsumo> m =
      findInsumoByDescription(t, InsumoKind::Material, " Cemento gris");  // as the window shows it
  ASSERT_TRUE(m);
  EXPECT_EQ(m->code, "10");  // the first in table order
  EXPECT_EQ(m->description, "Cemento gris");
  EXPECT_EQ(m->unit, "saco");
  EXPECT_EQ(m->cost, "1.250,50");
  EXPECT_EQ(m->date, "01/09/2011");
  EXPECT_EQ(m->supplier, "Ferretera Central");
  EXPECT_EQ(m->type, "S");
  EXPECT_EQ(m->classWord, "Material");
  EXPECT_EQ(m->kind, InsumoKind::Material);
  EXPECT_TRUE(m->depreciation.empty());
  EXPECT_EQ(m->totalCount, 0u);

  const std::optional<insumos::SelectedInsumo> e = findInsumoByDescription(t, InsumoKind::Equipment, " Mezcladora");
  ASSERT_TRUE(e);
  EXPECT_EQ(e->code, "40");
  EXPECT_EQ(e->cost, "80,00");
  EXPECT_EQ(e->depreciation, "0,00100");
  EXPECT_EQ(e->date, "02/09/2011");
  EXPECT_EQ(e->supplier, "Alquileres Lara");
  EXPECT_EQ(e->type, "C");
  EXPECT_EQ(e->classWord, "Equipo");

  const std::optional<insumos::SelectedInsumo> w = findInsumoByDescription(t, InsumoKind::Labour, " Ayudante");
  ASSERT_TRUE(w);
  EXPECT_EQ(w->code, "2");
  EXPECT_EQ(w->cost, "60,00");
  EXPECT_EQ(w->date, "03/09/2011");
  EXPECT_EQ(w->supplier, "---------------");
  EXPECT_EQ(w->type, "S");
  EXPECT_EQ(w->classWord, "Mano de Obra");

  // Each kind looks only in its own table.
  EXPECT_FALSE(findInsumoByDescription(t, InsumoKind::Labour, " Mezcladora"));
  EXPECT_FALSE(findInsumoByDescription(t, InsumoKind::Material, " Cemento"));
}

}  // namespace
}  // namespace baltu::browser
