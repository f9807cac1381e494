#include "browser/detail_lines.h"

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <utility>

#include "pricing/price_index.h"
#include "store/money.h"
#include "store/number_text.h"
#include "store/text.h"

namespace baltu::browser {
namespace {

namespace f = store::field;
namespace d = detail_field;
using store::Cents;
using store::Record;

// Sums saturate instead of overflowing on absurd data.
Cents addMoney(Cents a, Cents b) {
  Cents sum = 0;
  if (__builtin_add_overflow(a, b, &sum))
    return b < 0 ? std::numeric_limits<Cents>::min() : std::numeric_limits<Cents>::max();
  return sum;
}

// A code as the insumo tables hold it: right-aligned to 8.
std::string heldCode(std::string_view code) { return store::rightAlign(store::trim(code), 8); }

const Record* findInsumo(const pricing::CodeIndex& index, const store::Table& table, std::string_view code) {
  const std::optional<std::size_t> row = index.find(code);
  if (!row || *row >= table.size()) return nullptr;
  return &table[*row];
}

Record line(std::initializer_list<std::string_view> fields) {
  store::RecordBuilder builder(fields.size());
  for (std::string_view field : fields) builder.add(field);
  return builder.finish();
}

// Lines in order of their first eight characters; equal codes keep component order.
void sortByCode(std::vector<Record>& lines) {
  std::stable_sort(lines.begin(), lines.end(),
                   [](const Record& a, const Record& b) { return pricing::leftEight(a) < pricing::leftEight(b); });
}

// The transport percentage a description names, 0 when none.
int transportPercent(std::string_view description) {
  const auto names = [&](std::string_view a, std::string_view b) {
    return description.find(a) != std::string_view::npos || description.find(b) != std::string_view::npos;
  };
  if (names("( 1%)", "(1%)")) return 1;
  if (names("( 5%)", "(5%)")) return 5;
  if (names("( 10%)", "(10%)")) return 10;
  return 0;
}

std::vector<Record> materialLines(const DetailSources& s, std::string_view partidaCode) {
  const store::Table& components = s.components.materials;
  std::vector<Record> lines;
  Cents sum = 0;  // of every line cost, the base of the transport percentages
  bool percentItem = false;
  for (const pricing::ComponentEntry& entry : s.componentIndex.materials.entriesOf(partidaCode, components)) {
    if (entry.row >= components.size()) continue;
    const std::string code = heldCode(pricing::substituteMaterial(s.rules, entry.insumoCode(components)));
    const Record* m = findInsumo(s.insumoIndex.materials, s.insumos.materials, code);
    if (m == nullptr) continue;
    const Record& use = components[entry.row];
    const Cents cost = store::round2Cents(entry.quantity * store::parseDisplayNumber(m->field(f::kMaterialCost)));
    sum = addMoney(sum, cost);
    percentItem = percentItem || store::trim(m->field(f::kUnit)) == "%";
    lines.push_back(line({m->field(f::kCode), m->field(f::kDescription), m->field(f::kUnit),
                          use.field(f::kComponentQuantity), m->field(f::kMaterialCost), store::moneyDisplay(cost),
                          use.field(f::kComponentExtra), m->field(f::kMaterialDate), m->field(f::kMaterialType),
                          m->field(f::kMaterialSupplier)}));
  }
  sortByCode(lines);
  if (!percentItem) return lines;

  // Transport: unlike the analysis, every line naming a percentage is priced.
  for (Record& l : lines) {
    const int percent = transportPercent(l.field(d::kDescription));
    if (percent == 0) continue;
    l.setField(d::kUnitPrice, store::moneyDisplay(sum));
    l.setField(d::kLineCost, store::moneyDisplay(store::round2Cents(store::centsToDouble(sum) * percent / 100)));
  }
  return lines;
}

std::vector<Record> equipmentLines(const DetailSources& s, std::string_view partidaCode) {
  const store::Table& components = s.components.equipment;
  std::vector<Record> lines;
  for (const pricing::ComponentEntry& entry : s.componentIndex.equipment.entriesOf(partidaCode, components)) {
    if (entry.row >= components.size()) continue;
    const std::string_view insumoCode = entry.insumoCode(components);
    if (pricing::isWinchExcluded(s.rules, InsumoKind::Equipment, insumoCode)) continue;
    const Record* e = findInsumo(s.insumoIndex.equipment, s.insumos.equipment, heldCode(insumoCode));
    if (e == nullptr) continue;
    const Record& use = components[entry.row];
    const double price = store::parseDisplayNumber(e->field(f::kEquipmentCost));
    const double coefficient = store::parseDisplayNumber(use.field(f::kComponentExtra));
    const Cents cost = store::round2Cents(entry.quantity * price * coefficient);
    lines.push_back(line({e->field(f::kCode), e->field(f::kDescription), e->field(f::kUnit),
                          use.field(f::kComponentQuantity), e->field(f::kEquipmentCost), store::moneyDisplay(cost),
                          use.field(f::kComponentExtra), e->field(f::kEquipmentDate), e->field(f::kEquipmentType),
                          e->field(f::kEquipmentSupplier)}));
  }
  sortByCode(lines);
  return lines;
}

std::vector<Record> labourLines(const DetailSources& s, std::string_view partidaCode) {
  const store::Table& components = s.components.labour;
  std::vector<Record> lines;
  for (const pricing::ComponentEntry& entry : s.componentIndex.labour.entriesOf(partidaCode, components)) {
    if (entry.row >= components.size()) continue;
    const std::string_view insumoCode = entry.insumoCode(components);
    if (pricing::isWinchExcluded(s.rules, InsumoKind::Labour, insumoCode)) continue;
    const Record* w = findInsumo(s.insumoIndex.labour, s.insumos.labour, heldCode(insumoCode));
    if (w == nullptr) continue;
    const Record& use = components[entry.row];
    const Cents cost = store::round2Cents(entry.quantity * store::parseDisplayNumber(w->field(f::kLabourWage)));
    lines.push_back(line({w->field(f::kCode), w->field(f::kDescription), w->field(f::kUnit),
                          use.field(f::kComponentQuantity), w->field(f::kLabourWage), store::moneyDisplay(cost),
                          w->field(f::kLabourDate), w->field(f::kLabourType)}));
  }
  sortByCode(lines);
  return lines;
}

std::vector<DetailColumn> makeColumns(std::initializer_list<std::pair<const char*, int>> columns) {
  static constexpr ColumnAlignment kAlignments[] = {
      ColumnAlignment::Right,  ColumnAlignment::Left,   ColumnAlignment::Centre, ColumnAlignment::Centre,
      ColumnAlignment::Right,  ColumnAlignment::Right,  ColumnAlignment::Centre, ColumnAlignment::Centre,
      ColumnAlignment::Centre, ColumnAlignment::Left};
  std::vector<DetailColumn> out;
  std::size_t k = 0;
  for (const auto& [title, width] : columns) {
    out.push_back(DetailColumn{store::cp(title), width, kAlignments[k], k + 1, k == 0});
    ++k;
  }
  return out;
}

}  // namespace

std::size_t detailFieldCount(InsumoKind kind) { return kind == InsumoKind::Labour ? 8 : 10; }

std::size_t detailTypeField(InsumoKind kind) {
  return kind == InsumoKind::Labour ? d::kLabourType : d::kMaterialType;
}

DetailSources detailSources(const pricing::PricingContext& context, const pricing::GuideContext& guide) {
  return DetailSources{guide.tables, guide.index, context.insumos, context.insumoIndex, context.rules};
}

const std::vector<Record>& DetailLines::of(InsumoKind kind) const {
  switch (kind) {
    case InsumoKind::Material: return materials;
    case InsumoKind::Equipment: return equipment;
    case InsumoKind::Labour: return labour;
  }
  return materials;
}

DetailLines buildDetailLines(const DetailSources& sources, std::string_view partidaCode) {
  DetailLines lines;
  lines.materials = materialLines(sources, partidaCode);
  lines.equipment = equipmentLines(sources, partidaCode);
  lines.labour = labourLines(sources, partidaCode);
  return lines;
}

std::string detailListTitle(InsumoKind kind, std::size_t count) {
  const char* word = kind == InsumoKind::Material    ? "Materiales ("
                     : kind == InsumoKind::Equipment ? "Equipos ("
                                                     : "Mano de Obra (";
  return word + std::to_string(count) + ")";
}

const std::vector<DetailColumn>& detailColumns(InsumoKind kind) {
  static const std::vector<DetailColumn> materials =
      makeColumns({{"Código ", 60}, {"Descripción", 160}, {"Unidad", 65}, {"Cantidad", 85}, {"Precio Unitario", 100},
                   {"Costo Total", 100}, {"Desperdicio", 70}, {"Fecha", 65}, {"Tipo", 35}, {"Proveedor", 300}});
  static const std::vector<DetailColumn> equipment =
      makeColumns({{"Código ", 55}, {"Descripción", 160}, {"Unidad", 65}, {"Cantidad", 85}, {"Precio Unitario", 100},
                   {"Costo Total", 100}, {"Depreciación", 85}, {"Fecha", 65}, {"Tipo", 35}, {"Proveedor", 300}});
  static const std::vector<DetailColumn> labour =
      makeColumns({{"Código ", 55}, {"Descripción", 160}, {"Unidad", 65}, {"Cantidad", 85}, {"Precio Unitario", 100},
                   {"Costo Total", 100}, {"Fecha", 65}, {"Tipo", 35}});
  switch (kind) {
    case InsumoKind::Material: return materials;
    case InsumoKind::Equipment: return equipment;
    case InsumoKind::Labour: return labour;
  }
  return materials;
}

std::vector<DetailColumn> shownDetailColumns(InsumoKind kind, bool withCodes) {
  std::vector<DetailColumn> out;
  for (const DetailColumn& column : detailColumns(kind))
    if (withCodes || !column.codeColumn) out.push_back(column);
  return out;
}

std::string detailWindowCaption(InsumoKind kind) {
  switch (kind) {
    case InsumoKind::Material: return "Detalle del Material utilizado en la partida";
    case InsumoKind::Equipment: return "Detalle del Equipo utilizado en la partida";
    case InsumoKind::Labour: return "Detalle de la Mano de Obra utilizada en la partida";
  }
  return {};
}

std::vector<std::string> detailCaptions(InsumoKind kind, bool withCodes) {
  std::vector<const char*> texts;
  if (withCodes) texts.push_back("Código:");
  for (const char* text : {"Descripción:", "Unidad:", "Cantidad:"}) texts.push_back(text);
  switch (kind) {
    case InsumoKind::Material:
      texts.insert(texts.end(), {"Precio Unitario:", "Costo Total:", "Desperdicio:", "Fecha:", "Tipo:", "Proveedor:"});
      break;
    case InsumoKind::Equipment:
      texts.insert(texts.end(), {"Precio Unitario:", "Costo Total:", "Depreciación:", "Fecha:", "Tipo:", "Proveedor:"});
      break;
    case InsumoKind::Labour:
      texts.insert(texts.end(), {"Jornal Diario:", "Costo Total:", "Fecha:", "Tipo:"});
      break;
  }
  std::vector<std::string> out;
  for (const char* text : texts) out.push_back(store::cp(text));
  return out;
}

std::string typeText(InsumoKind kind, std::string_view type) {
  const std::string_view letter = store::trim(type);
  switch (kind) {
    case InsumoKind::Material:
      if (letter == "S") return "Material Simple";
      if (letter == "C") return "Material Compuesto";
      if (letter == "P") return "Partida como Insumo";
      break;
    case InsumoKind::Equipment:
      if (letter == "S") return "Equipo Simple";
      if (letter == "C") return "Equipo Compuesto";
      break;
    case InsumoKind::Labour:
      if (letter == "S") return "Mano de Obra Simple";
      if (letter == "C") return "Mano de Obra Compuesta";
      break;
  }
  return std::string(type);
}

std::string InsumoDetailTexts::valueColumn() const {
  std::string out;
  for (std::size_t i = 0; i < values.size(); ++i) {
    if (i > 0) out += '\n';
    out += values[i];
  }
  return out;
}

std::optional<InsumoDetailTexts> insumoDetailTexts(InsumoKind kind, const Record& line, bool withCodes) {
  const auto shown = [&](std::size_t n) { return line.field(n).substr(0, kDetailTextLimit); };
  const std::size_t first = withCodes ? d::kCode : d::kDescription;
  if (shown(first).empty()) return std::nullopt;
  InsumoDetailTexts texts;
  texts.caption = detailWindowCaption(kind);
  texts.captions = detailCaptions(kind, withCodes);
  texts.description = std::string(shown(d::kDescription));
  for (std::size_t n = first; n <= detailFieldCount(kind); ++n) {
    const std::string_view text = shown(n);
    std::string value = " ";
    value += n == detailTypeField(kind) ? typeText(kind, text) : std::string(text);
    texts.values.push_back(std::move(value));
  }
  return texts;
}

std::optional<insumos::SelectedInsumo> findInsumoByDescription(const store::InsumoTables& tables, InsumoKind kind,
                                                               std::string_view shownDescription) {
  const store::Table& table = kind == InsumoKind::Material    ? tables.materials
                              : kind == InsumoKind::Equipment ? tables.equipment
                                                              : tables.labour;
  const std::string_view wanted = store::trim(shownDescription);
  const auto found = std::find_if(table.begin(), table.end(), [&](const Record& row) {
    return store::trim(row.field(f::kDescription)) == wanted;
  });
  if (found == table.end()) return std::nullopt;
  const Record& row = *found;
  const auto text = [&](std::size_t n) { return std::string(store::trim(row.field(n))); };
  insumos::SelectedInsumo selected;
  selected.kind = kind;
  selected.code = text(f::kCode);
  selected.description = text(f::kDescription);
  selected.unit = text(f::kUnit);
  selected.classWord = std::string(insumos::classWord(kind));
  switch (kind) {
    case InsumoKind::Material:
      selected.cost = text(f::kMaterialCost);
      selected.date = text(f::kMaterialDate);
      selected.supplier = text(f::kMaterialSupplier);
      selected.type = text(f::kMaterialType);
      break;
    case InsumoKind::Equipment:
      selected.cost = text(f::kEquipmentCost);
      selected.date = text(f::kEquipmentDate);
      selected.supplier = text(f::kEquipmentSupplier);
      selected.depreciation = text(f::kEquipmentDepreciation);
      selected.type = text(f::kEquipmentType);
      break;
    case InsumoKind::Labour:
      selected.cost = text(f::kLabourWage);
      selected.date = text(f::kLabourDate);
      selected.supplier = std::string(insumos::kNoSupplier);
      selected.type = text(f::kLabourType);
      break;
  }
  return selected;
}

}  // namespace baltu::browser
