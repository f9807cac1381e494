// The where-used search: which partidas of a guide use an insumo directly.
// A component line matches when its insumo code (trimmed) equals the insumo's;
// its partida is the first row of the same guide whose trimmed code equals the
// line's. Compound insumos are not opened.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "pricing/pricing_session.h"
#include "pricing/working_values.h"
#include "store/guide_id.h"
#include "store/tables.h"

namespace baltu::insumos {

// The component list of a guide searched for an insumo of the kind.
const store::Table& componentsOf(const store::GuideTables& guide, pricing::InsumoKind kind);

// Copies of the partida rows found, in component-list order; a partida using the
// insumo on two lines is listed twice, a line whose partida is missing is skipped.
std::vector<store::Record> searchWhereUsed(const store::GuideTables& guide, pricing::InsumoKind kind,
                                           std::string_view insumoCode);

// The guide searched in guide-context mode: the current guide when it is loaded;
// none before any guide list was opened.
const store::GuideTables* guideContext(const pricing::GuideSlots& guides, std::optional<store::Guide> current);

// The guide-context search; empty without a guide.
std::vector<store::Record> collectWhereUsed(const store::GuideTables* context, pricing::InsumoKind kind,
                                            std::string_view insumoCode);

// The where-used count of every insumo of one kind at once, for the export: the
// count of a code equals the size of searchWhereUsed for it, at one pass over
// the component list instead of one per insumo.
class UsageCounts {
 public:
  UsageCounts() = default;  // no guide: every count is 0
  UsageCounts(const store::GuideTables& guide, pricing::InsumoKind kind);

  int count(std::string_view insumoCode) const;

 private:
  std::unordered_map<std::string, int> counts_;  // by trimmed code
};

}  // namespace baltu::insumos
