#include "pricing/analysis.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <optional>
#include <string_view>

#include "store/number_text.h"
#include "store/text.h"

namespace baltu::pricing {
namespace {

namespace f = store::field;
using store::Cents;
using store::Record;

// Money sums saturate instead of overflowing on absurd data.
std::int64_t addMoney(std::int64_t a, std::int64_t b) {
  std::int64_t sum = 0;
  if (__builtin_add_overflow(a, b, &sum))
    return b < 0 ? std::numeric_limits<std::int64_t>::min() : std::numeric_limits<std::int64_t>::max();
  return sum;
}

TenThousandths toTenThousandths(Cents amount) {
  TenThousandths out = 0;
  if (__builtin_mul_overflow(amount, 100, &out))
    return amount < 0 ? std::numeric_limits<TenThousandths>::min() : std::numeric_limits<TenThousandths>::max();
  return out;
}

double number(std::string_view displayText) { return store::parseDisplayNumber(displayText); }
double money(Cents amount) { return store::centsToDouble(amount); }

// Codes are looked up as held in the tables: right-aligned to 8.
std::string lookupCode(std::string_view code) { return store::rightAlign(store::trim(code), 8); }

Record analysisLine(std::initializer_list<std::string_view> fields) {
  store::RecordBuilder builder(line::kFieldCount);
  for (std::string_view field : fields) builder.add(field);
  return builder.finish();
}

void sortLines(std::vector<Record>& lines) {
  std::stable_sort(lines.begin(), lines.end(), [](const Record& a, const Record& b) {
    return lookupCode(a.field(line::kCode)) < lookupCode(b.field(line::kCode));
  });
}

void reportMissingInsumo(const PricingContext& context, const GuideContext& guide, const Record& partida,
                         std::string_view code, std::string_view kindWord) {
  store::Message message;
  message.caption = "Baltu";
  message.text = std::string("EL INSUMO UTILIZADO POR UNA PARTIDA NO EXISTE EN LA BASE DE DATOS\r\n\r\n") +
                 "Codigo Partida: " + std::string(partida.field(f::kCovenin)) + "\r\n" +
                 "Partida: " + std::string(partida.field(f::kDescription)) + "\r\n" +
                 "Codigo Insumo: " + std::string(code) + "\r\n" +
                 "Tipo de insumo: " + std::string(kindWord) + "\r\n" +
                 store::cp("Guía: ") + missingInsumoGuideText(guide.id);
  context.ui.showMessage(message);
}

// The row of an insumo table for a code, or nothing.
const Record* findInsumo(const CodeIndex& index, const store::Table& table, std::string_view code) {
  const std::optional<std::size_t> row = index.find(code);
  if (!row || *row >= table.size()) return nullptr;
  return &table[*row];
}

// The transport percentage a line's description carries, 0 when none.
int transportMarker(std::string_view description) {
  static constexpr std::pair<std::string_view, int> kMarkers[] = {{"( 1%)", 1}, {"( 5%)", 5}, {"(10%)", 10}};
  for (const auto& [marker, percent] : kMarkers)
    if (description.find(marker) != std::string_view::npos) return percent;
  return 0;
}

Cents perUnit(Cents amount, double rendimiento) {
  return rendimiento > 0 ? store::round2Cents(money(amount) / rendimiento) : amount;
}

void analyseMaterials(const PricingContext& context, const GuideContext& guide, const Record& partida,
                      PartidaAnalysis& analysis) {
  const store::Table& components = guide.tables.materials;
  const store::Table& materials = context.insumos.materials;
  Cents sum = 0;
  bool percentItem = false;
  for (std::size_t row : guide.index.materials.rowsOf(partida.field(f::kCode))) {
    if (row >= components.size()) break;
    const Record& use = components[row];
    const std::string code = lookupCode(substituteMaterial(context.rules, use.field(f::kComponentInsumo)));
    const Record* material = findInsumo(context.insumoIndex.materials, materials, code);
    if (material == nullptr) {
      reportMissingInsumo(context, guide, partida, code, "MATERIAL");
      break;
    }
    const double quantity = number(use.field(f::kComponentQuantity));
    double cost = number(material->field(f::kMaterialCost));
    if (store::trim(material->field(f::kUnit)) == "%") {
      percentItem = true;
      cost = 0;
    }
    const Cents total = store::round2Cents(quantity * cost);
    sum = addMoney(sum, total);
    analysis.materials.push_back(analysisLine(
        {material->field(f::kCode), material->field(f::kDescription), use.field(f::kComponentQuantity),
         material->field(f::kMaterialCost), store::moneyDisplay(total), use.field(f::kComponentExtra),
         material->field(f::kMaterialDate), material->field(f::kMaterialType), material->field(f::kUnit)}));
  }
  sortLines(analysis.materials);

  // Transport: a percentage of the materials, priced on the first line (in code
  // order) that names it; that line shows the base and the amount.
  Cents transport = 0;
  if (percentItem) {
    sum = 0;
    for (const Record& l : analysis.materials)
      sum = addMoney(sum, store::round2Cents(number(l.field(line::kTotal))));
    for (Record& l : analysis.materials) {
      const int percent = transportMarker(l.field(line::kDescription));
      if (percent == 0) continue;
      transport = store::round2Cents(money(sum) * percent / 100);
      l.setField(line::kCost, store::moneyDisplay(sum));
      l.setField(line::kTotal, store::moneyDisplay(transport));
      break;
    }
  }
  analysis.totals.materialsTotal = addMoney(sum, transport);
  analysis.totals.materialsUnit = analysis.totals.materialsTotal;
}

void analyseEquipment(const PricingContext& context, const GuideContext& guide, const Record& partida,
                      PartidaAnalysis& analysis) {
  const store::Table& components = guide.tables.equipment;
  const store::Table& equipment = context.insumos.equipment;
  Cents sum = 0;
  for (std::size_t row : guide.index.equipment.rowsOf(partida.field(f::kCode))) {
    if (row >= components.size()) break;
    const Record& use = components[row];
    if (isWinchExcluded(context.rules, InsumoKind::Equipment, use.field(f::kComponentInsumo))) continue;
    const std::string code = lookupCode(use.field(f::kComponentInsumo));
    const Record* item = findInsumo(context.insumoIndex.equipment, equipment, code);
    if (item == nullptr) {
      reportMissingInsumo(context, guide, partida, code, "EQUIPO");
      break;
    }
    const double quantity = number(use.field(f::kComponentQuantity));
    const double cost = number(item->field(f::kEquipmentCost));
    const double coefficient = number(use.field(f::kComponentExtra));
    const Cents total = store::round2Cents(quantity * cost * coefficient);
    sum = addMoney(sum, total);
    analysis.equipment.push_back(analysisLine(
        {item->field(f::kCode), item->field(f::kDescription), use.field(f::kComponentQuantity),
         item->field(f::kEquipmentCost), store::moneyDisplay(total), use.field(f::kComponentExtra),
         item->field(f::kEquipmentDate), item->field(f::kEquipmentType), item->field(f::kUnit)}));
  }
  sortLines(analysis.equipment);
  analysis.totals.equipmentTotal = sum;
  analysis.totals.equipmentUnit = perUnit(sum, analysis.totals.rendimiento);
}

void analyseLabour(const PricingContext& context, const GuideContext& guide, const Record& partida,
                   PartidaAnalysis& analysis) {
  const store::Table& components = guide.tables.labour;
  const store::Table& labour = context.insumos.labour;
  Cents sum = 0;
  float workers = 0;
  for (std::size_t row : guide.index.labour.rowsOf(partida.field(f::kCode))) {
    if (row >= components.size()) break;
    const Record& use = components[row];
    if (isWinchExcluded(context.rules, InsumoKind::Labour, use.field(f::kComponentInsumo))) continue;
    const std::string code = lookupCode(use.field(f::kComponentInsumo));
    const Record* item = findInsumo(context.insumoIndex.labour, labour, code);
    if (item == nullptr) {
      reportMissingInsumo(context, guide, partida, code, "MANO DE OBRA");
      break;
    }
    const double quantity = number(use.field(f::kComponentQuantity));
    const double wage = number(item->field(f::kLabourWage));
    // The count is single precision; each addition is made in double.
    workers = static_cast<float>(static_cast<double>(workers) + quantity);
    const Cents total = store::round2Cents(quantity * wage);
    sum = addMoney(sum, total);
    analysis.labour.push_back(analysisLine({item->field(f::kCode), item->field(f::kDescription),
                                            use.field(f::kComponentQuantity), item->field(f::kLabourWage),
                                            store::moneyDisplay(total), item->field(f::kLabourDate),
                                            item->field(f::kLabourType), "", item->field(f::kUnit)}));
  }
  sortLines(analysis.labour);
  analysis.totals.workers = workers;
  analysis.totals.labourTotal = sum;
  analysis.totals.labourUnit = perUnit(sum, analysis.totals.rendimiento);
}

}  // namespace

std::string missingInsumoGuideText(store::Guide guide) {
  if (store::is9000Guide(guide) || guide == store::Guide::Merged9000) return "Partidas como insumos (9000)";
  return std::string(store::guideId(guide).messageText);
}

PartidaAnalysis analysePartida(const PricingContext& context, const GuideContext& guide, const Record& partida) {
  PartidaAnalysis analysis;
  analysis.totals.rendimiento = store::round3(number(partida.field(f::kRendimiento)));
  analyseMaterials(context, guide, partida, analysis);
  analyseEquipment(context, guide, partida, analysis);
  analyseLabour(context, guide, partida, analysis);
  return analysis;
}

double fcasPercentFor(const Record& partida, const WorkingValues& values) {
  if (values.fcasSource == FcasSource::Table) return values.fcas;
  // FCAS1 already holds the predetermined allowances; FCAS2 goes with the user's.
  return number(partida.field(values.cestaticketMode == ValueMode::Predetermined ? f::kFcas1 : f::kFcas2));
}

PriceBuildUp buildUpPrice(const AnalysisCounts& counts, const AnalysisTotals& totals, const WorkingValues& values,
                          double fcasPercent) {
  PriceBuildUp b;
  b.totals = totals;
  b.fcasPercent = fcasPercent;
  AnalysisTotals& t = b.totals;
  if (counts.materials == 0) t.materialsTotal = t.materialsUnit = 0;
  if (counts.equipment == 0) t.equipmentTotal = t.equipmentUnit = 0;
  if (counts.labour > 0) {
    b.fcasAmount = toTenThousandths(store::round2Cents(money(t.labourTotal) * fcasPercent / 100));
    const bool allowancesInFcas =
        values.bonoMode == ValueMode::Predetermined && values.fcasSource == FcasSource::EachPartida;
    if (!allowancesInFcas) {
      b.cestaticketAmount = store::round2Cents(static_cast<double>(t.workers) * money(values.cestaticket));
      b.bonoAmount = store::round2Cents(static_cast<double>(t.workers) * money(values.bono));
    }
    TenThousandths loaded = toTenThousandths(t.labourTotal);
    loaded = addMoney(loaded, b.fcasAmount);
    loaded = addMoney(loaded, toTenThousandths(b.cestaticketAmount));
    loaded = addMoney(loaded, toTenThousandths(b.bonoAmount));
    const double loadedValue = static_cast<double>(loaded) / 10000.0;
    // Every term is a whole number of hundredths, so the undivided sum converts exactly.
    t.labourUnit = t.rendimiento > 0 ? store::round2Cents(loadedValue / t.rendimiento) : loaded / 100;
  } else {
    t.labourTotal = t.labourUnit = 0;
  }
  b.directCost = addMoney(addMoney(t.equipmentUnit, t.materialsUnit), t.labourUnit);
  b.administracion = store::round2Cents(money(b.directCost) * values.administracion / 100);
  b.subtotal1 = addMoney(b.directCost, b.administracion);
  b.utilidad = store::round2Cents(money(b.subtotal1) * values.utilidad / 100);
  b.subtotal2 = addMoney(b.subtotal1, b.utilidad);
  b.iva = store::round2Cents(money(b.subtotal2) * values.iva / 100);
  b.unitPrice = addMoney(b.subtotal2, b.iva);
  return b;
}

std::string unitPriceFromTotals(const AnalysisCounts& counts, const AnalysisTotals& totals,
                                const WorkingValues& values, double fcasPercent) {
  std::string text = store::moneyDisplay(buildUpPrice(counts, totals, values, fcasPercent).unitPrice);
  if (text == "0,00") text = "0,01";
  return store::rightAlign(text, 20);
}

std::string directCostFromTotals(const AnalysisCounts& counts, const AnalysisTotals& totals,
                                 const WorkingValues& values, double fcasPercent) {
  return store::moneyDisplay(buildUpPrice(counts, totals, values, fcasPercent).directCost, 20);
}

}  // namespace baltu::pricing
