#include "pricing/analysis.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
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

// store::trim, here where each line trims several short fields.
std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// A code as the tables hold it: trimmed and right-aligned to 8 (a longer code is
// kept whole). Held inline, so looking a code up allocates nothing.
class HeldCode {
 public:
  HeldCode() { buffer_.fill(' '); }
  explicit HeldCode(std::string_view code) {
    code = trimmed(code);
    if (code.size() >= kWidth) {
      long_ = code;
      return;
    }
    buffer_.fill(' ');
    code.copy(buffer_.data() + (kWidth - code.size()), code.size());
  }
  std::string_view view() const { return long_.empty() ? std::string_view(buffer_.data(), kWidth) : long_; }

  // Byte order; two codes of 8 compare as words.
  friend bool operator<(const HeldCode& a, const HeldCode& b) {
    if (a.long_.empty() && b.long_.empty()) return a.word() < b.word();
    return a.view() < b.view();
  }

 private:
  static constexpr std::size_t kWidth = 8;
  // The 8 bytes big-endian, so that integer order is byte order.
  std::uint64_t word() const {
    std::uint64_t w = 0;
    std::memcpy(&w, buffer_.data(), sizeof w);
    if constexpr (std::endian::native == std::endian::little) w = __builtin_bswap64(w);
    return w;
  }

  std::array<char, kWidth> buffer_;
  std::string_view long_;
};

// One priced analysis line before it is laid out as text. It points at its
// insumo row and its component row, which nothing writes while an analysis runs.
struct PricedLine {
  const Record* insumo = nullptr;
  const Record* use = nullptr;
  Cents total = 0;
  HeldCode code;  // the insumo's F1 as held, the order of the lines; set by sortLines
};

using PricedLines = std::vector<PricedLine>;

// Lines sort by code as held, equal codes in analysis order. An analysis has
// few lines: those are sorted in place without a buffer.
void sortLines(PricedLines& lines) {
  for (PricedLine& l : lines) l.code = HeldCode(l.insumo->field(f::kCode));
  constexpr std::size_t kFewLines = 16;
  if (lines.size() > kFewLines) {
    std::stable_sort(lines.begin(), lines.end(), [](const PricedLine& a, const PricedLine& b) { return a.code < b.code; });
    return;
  }
  for (std::size_t i = 1; i < lines.size(); ++i) {
    PricedLine line = lines[i];
    std::size_t j = i;
    for (; j > 0 && line.code < lines[j - 1].code; --j) lines[j] = lines[j - 1];
    lines[j] = line;
  }
}

// The transport of materials, priced on one line that then shows its base and amount.
struct Transport {
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::size_t line = kNone;  // in sorted order
  Cents base = 0;
  Cents amount = 0;
};

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

// The transport percentage a line's description carries, 0 when none. The
// markers are looked for in the order "( 1%)", "( 5%)", "(10%)"; one pass over
// the "%" signs finds them all (most descriptions have none).
int transportMarker(std::string_view description) {
  bool one = false;
  bool five = false;
  bool ten = false;
  for (std::size_t at = description.find('%'); at != std::string_view::npos; at = description.find('%', at + 1)) {
    if (at < 3 || at + 1 >= description.size() || description[at + 1] != ')') continue;
    const std::string_view before = description.substr(at - 3, 3);
    one = one || before == "( 1";
    five = five || before == "( 5";
    ten = ten || before == "(10";
  }
  return one ? 1 : five ? 5 : ten ? 10 : 0;
}

// A line total as read back from its "#,###.00" text. Below 2^51 hundredths the
// text's double brings back the same count; beyond, it is read as the text says.
Cents shownTotal(Cents total) {
  constexpr Cents kExact = Cents{1} << 51;
  if (total > -kExact && total < kExact) return total;
  return store::round2Cents(number(store::moneyDisplay(total)));
}

// A price as F6 and F7 hold it: store::moneyDisplay(amount, 20), written in one
// buffer since every pass writes one for each partida.
std::string priceText(Cents amount) {
  constexpr std::size_t kWidth = 20;
  char buffer[32];  // "-", 17 digits, 5 points, ",00"
  char* const end = buffer + sizeof buffer;
  char* p = end;
  std::uint64_t magnitude = amount < 0 ? 0 - static_cast<std::uint64_t>(amount) : static_cast<std::uint64_t>(amount);
  for (int i = 0; i < 2; ++i, magnitude /= 10) *--p = static_cast<char>('0' + magnitude % 10);
  *--p = ',';
  for (int digits = 0; digits == 0 || magnitude != 0; ++digits, magnitude /= 10) {
    if (digits > 0 && digits % 3 == 0) *--p = '.';
    *--p = static_cast<char>('0' + magnitude % 10);
  }
  if (amount < 0) *--p = '-';
  const auto length = static_cast<std::size_t>(end - p);
  std::string text(std::max(length, kWidth), ' ');
  std::copy(p, end, text.end() - static_cast<std::ptrdiff_t>(length));
  return text;
}

Cents perUnit(Cents amount, double rendimiento) {
  return rendimiento > 0 ? store::round2Cents(money(amount) / rendimiento) : amount;
}

// Materials: every line is kept, since a percentage item makes the transport
// depend on all of them in code order. `sorted` asks for code order regardless.
Transport analyseMaterials(const PricingContext& context, const GuideContext& guide, const Record& partida,
                           PricedLines& lines, bool sorted, AnalysisTotals& totals) {
  const store::Table& components = guide.tables.materials;
  const store::Table& materials = context.insumos.materials;
  Cents sum = 0;
  bool percentItem = false;
  const std::span<const ComponentEntry> entries = guide.index.materials.entriesOf(partida.field(f::kCode), components);
  lines.reserve(entries.size());
  const bool substituting = context.rules.substitutionEnabled != decltype(context.rules.substitutionEnabled){};
  for (const ComponentEntry& entry : entries) {
    if (entry.row >= components.size()) break;
    const std::string_view insumoCode = entry.insumoCode(components);
    const HeldCode code(substituting ? substituteMaterial(context.rules, insumoCode) : insumoCode);
    const Record* material = findInsumo(context.insumoIndex.materials, materials, code.view());
    if (material == nullptr) {
      reportMissingInsumo(context, guide, partida, code.view(), "MATERIAL");
      break;
    }
    const double quantity = entry.quantity;
    double cost = number(material->field(f::kMaterialCost));
    if (trimmed(material->field(f::kUnit)) == "%") {
      percentItem = true;
      cost = 0;
    }
    const Cents total = store::round2Cents(quantity * cost);
    sum = addMoney(sum, total);
    lines.push_back(PricedLine{material, &components[entry.row], total, {}});
  }
  if (sorted || percentItem) sortLines(lines);

  // Transport: a percentage of the materials, priced on the first line (in code
  // order) that names it; that line shows the base and the amount.
  Transport transport;
  if (percentItem) {
    sum = 0;
    for (const PricedLine& l : lines) sum = addMoney(sum, shownTotal(l.total));
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const int percent = transportMarker(lines[i].insumo->field(f::kDescription));
      if (percent == 0) continue;
      transport = Transport{i, sum, store::round2Cents(money(sum) * percent / 100)};
      break;
    }
  }
  totals.materialsTotal = addMoney(sum, transport.amount);
  totals.materialsUnit = totals.materialsTotal;
  return transport;
}

// Equipment and labour sum in analysis order; their lines are kept only when
// they are to be laid out (`lines` not null).
std::size_t analyseEquipment(const PricingContext& context, const GuideContext& guide, const Record& partida,
                             PricedLines* lines, AnalysisTotals& totals) {
  const store::Table& components = guide.tables.equipment;
  const store::Table& equipment = context.insumos.equipment;
  Cents sum = 0;
  std::size_t count = 0;
  for (const ComponentEntry& entry : guide.index.equipment.entriesOf(partida.field(f::kCode), components)) {
    if (entry.row >= components.size()) break;
    const std::string_view insumoCode = entry.insumoCode(components);
    if (isWinchExcluded(context.rules, InsumoKind::Equipment, insumoCode)) continue;
    const HeldCode code(insumoCode);
    const Record* item = findInsumo(context.insumoIndex.equipment, equipment, code.view());
    if (item == nullptr) {
      reportMissingInsumo(context, guide, partida, code.view(), "EQUIPO");
      break;
    }
    const double quantity = entry.quantity;
    const double cost = number(item->field(f::kEquipmentCost));
    const double coefficient = entry.extra;
    const Cents total = store::round2Cents(quantity * cost * coefficient);
    sum = addMoney(sum, total);
    ++count;
    if (lines != nullptr) lines->push_back(PricedLine{item, &components[entry.row], total, {}});
  }
  totals.equipmentTotal = sum;
  totals.equipmentUnit = perUnit(sum, totals.rendimiento);
  return count;
}

std::size_t analyseLabour(const PricingContext& context, const GuideContext& guide, const Record& partida,
                          PricedLines* lines, AnalysisTotals& totals) {
  const store::Table& components = guide.tables.labour;
  const store::Table& labour = context.insumos.labour;
  Cents sum = 0;
  float workers = 0;
  std::size_t count = 0;
  for (const ComponentEntry& entry : guide.index.labour.entriesOf(partida.field(f::kCode), components)) {
    if (entry.row >= components.size()) break;
    const std::string_view insumoCode = entry.insumoCode(components);
    if (isWinchExcluded(context.rules, InsumoKind::Labour, insumoCode)) continue;
    const HeldCode code(insumoCode);
    const Record* item = findInsumo(context.insumoIndex.labour, labour, code.view());
    if (item == nullptr) {
      reportMissingInsumo(context, guide, partida, code.view(), "MANO DE OBRA");
      break;
    }
    const double quantity = entry.quantity;
    const double wage = number(item->field(f::kLabourWage));
    // The count is single precision; each addition is made in double.
    workers = static_cast<float>(static_cast<double>(workers) + quantity);
    const Cents total = store::round2Cents(quantity * wage);
    sum = addMoney(sum, total);
    ++count;
    if (lines != nullptr) lines->push_back(PricedLine{item, &components[entry.row], total, {}});
  }
  totals.workers = workers;
  totals.labourTotal = sum;
  totals.labourUnit = perUnit(sum, totals.rendimiento);
  return count;
}

// The display lines (records of line::kFieldCount fields, numbers in display form).
Record analysisLine(std::initializer_list<std::string_view> fields) {
  store::RecordBuilder builder(line::kFieldCount);
  for (std::string_view field : fields) builder.add(field);
  return builder.finish();
}

std::vector<Record> materialLines(const PricedLines& lines, const Transport& transport) {
  std::vector<Record> out;
  out.reserve(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const Record& m = *lines[i].insumo;
    const Record& use = *lines[i].use;
    const bool carriesTransport = i == transport.line;
    const std::string cost(carriesTransport ? store::moneyDisplay(transport.base) : m.field(f::kMaterialCost));
    const std::string total = store::moneyDisplay(carriesTransport ? transport.amount : lines[i].total);
    out.push_back(analysisLine({m.field(f::kCode), m.field(f::kDescription), use.field(f::kComponentQuantity), cost,
                                total, use.field(f::kComponentExtra), m.field(f::kMaterialDate),
                                m.field(f::kMaterialType), m.field(f::kUnit)}));
  }
  return out;
}

std::vector<Record> equipmentLines(const PricedLines& lines) {
  std::vector<Record> out;
  out.reserve(lines.size());
  for (const PricedLine& l : lines) {
    const Record& e = *l.insumo;
    out.push_back(analysisLine({e.field(f::kCode), e.field(f::kDescription), l.use->field(f::kComponentQuantity),
                                e.field(f::kEquipmentCost), store::moneyDisplay(l.total),
                                l.use->field(f::kComponentExtra), e.field(f::kEquipmentDate),
                                e.field(f::kEquipmentType), e.field(f::kUnit)}));
  }
  return out;
}

std::vector<Record> labourLines(const PricedLines& lines) {
  std::vector<Record> out;
  out.reserve(lines.size());
  for (const PricedLine& l : lines) {
    const Record& w = *l.insumo;
    out.push_back(analysisLine({w.field(f::kCode), w.field(f::kDescription), l.use->field(f::kComponentQuantity),
                                w.field(f::kLabourWage), store::moneyDisplay(l.total), w.field(f::kLabourDate),
                                w.field(f::kLabourType), "", w.field(f::kUnit)}));
  }
  return out;
}

}  // namespace

std::string missingInsumoGuideText(store::Guide guide) {
  if (store::is9000Guide(guide) || guide == store::Guide::Merged9000) return "Partidas como insumos (9000)";
  return std::string(store::guideId(guide).messageText);
}

PartidaAnalysis analysePartida(const PricingContext& context, const GuideContext& guide, const Record& partida) {
  PartidaAnalysis analysis;
  AnalysisTotals& totals = analysis.totals;
  totals.rendimiento = store::round3(number(partida.field(f::kRendimiento)));
  PricedLines materials;
  PricedLines equipment;
  PricedLines labour;
  const Transport transport = analyseMaterials(context, guide, partida, materials, true, totals);
  analyseEquipment(context, guide, partida, &equipment, totals);
  analyseLabour(context, guide, partida, &labour, totals);
  sortLines(equipment);
  sortLines(labour);
  analysis.materials = materialLines(materials, transport);
  analysis.equipment = equipmentLines(equipment);
  analysis.labour = labourLines(labour);
  return analysis;
}

AnalysisSummary analysePartidaTotals(const PricingContext& context, const GuideContext& guide,
                                     const Record& partida) {
  AnalysisSummary summary;
  AnalysisTotals& totals = summary.totals;
  totals.rendimiento = store::round3(number(partida.field(f::kRendimiento)));
  PricedLines materials;
  analyseMaterials(context, guide, partida, materials, false, totals);
  summary.counts.materials = materials.size();
  summary.counts.equipment = analyseEquipment(context, guide, partida, nullptr, totals);
  summary.counts.labour = analyseLabour(context, guide, partida, nullptr, totals);
  return summary;
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
  const Cents price = buildUpPrice(counts, totals, values, fcasPercent).unitPrice;
  return priceText(price == 0 ? 1 : price);  // "0,00" is shown as "0,01"
}

std::string directCostFromTotals(const AnalysisCounts& counts, const AnalysisTotals& totals,
                                 const WorkingValues& values, double fcasPercent) {
  return priceText(buildUpPrice(counts, totals, values, fcasPercent).directCost);
}

}  // namespace baltu::pricing
