#include "insumos/where_used.h"

#include <unordered_set>

#include "store/text.h"

namespace baltu::insumos {
namespace {

using store::field::kCode;
using store::field::kComponentInsumo;
using store::field::kComponentPartida;

// Trimmed partida code to the first row holding it.
std::unordered_map<std::string_view, const store::Record*> partidaIndex(const store::Table& partidas) {
  std::unordered_map<std::string_view, const store::Record*> index;
  index.reserve(partidas.size());
  for (const store::Record& row : partidas) index.try_emplace(store::trim(row.field(kCode)), &row);
  return index;
}

}  // namespace

const store::Table& componentsOf(const store::GuideTables& guide, pricing::InsumoKind kind) {
  switch (kind) {
    case pricing::InsumoKind::Equipment:
      return guide.equipment;
    case pricing::InsumoKind::Labour:
      return guide.labour;
    case pricing::InsumoKind::Material:
      break;
  }
  return guide.materials;
}

std::vector<store::Record> searchWhereUsed(const store::GuideTables& guide, pricing::InsumoKind kind,
                                           std::string_view insumoCode) {
  const std::string_view code = store::trim(insumoCode);
  std::vector<store::Record> found;
  std::optional<std::unordered_map<std::string_view, const store::Record*>> index;
  for (const store::Record& line : componentsOf(guide, kind)) {
    if (store::trim(line.field(kComponentInsumo)) != code) continue;
    if (!index) index = partidaIndex(guide.partidas);
    const auto partida = index->find(store::trim(line.field(kComponentPartida)));
    if (partida != index->end()) found.push_back(*partida->second);
  }
  return found;
}

const store::GuideTables* guideContext(const pricing::GuideSlots& guides, std::optional<store::Guide> current) {
  if (!current) return nullptr;
  const auto& slot = guides[static_cast<std::size_t>(*current)];
  return slot ? &*slot : nullptr;
}

std::vector<store::Record> collectWhereUsed(const store::GuideTables* context, pricing::InsumoKind kind,
                                            std::string_view insumoCode) {
  if (!context) return {};
  return searchWhereUsed(*context, kind, insumoCode);
}

UsageCounts::UsageCounts(const store::GuideTables& guide, pricing::InsumoKind kind) {
  std::unordered_set<std::string_view> partidaCodes;
  partidaCodes.reserve(guide.partidas.size());
  for (const store::Record& row : guide.partidas) partidaCodes.insert(store::trim(row.field(kCode)));
  for (const store::Record& line : componentsOf(guide, kind)) {
    if (!partidaCodes.contains(store::trim(line.field(kComponentPartida)))) continue;
    ++counts_[std::string(store::trim(line.field(kComponentInsumo)))];
  }
}

int UsageCounts::count(std::string_view insumoCode) const {
  const auto found = counts_.find(std::string(store::trim(insumoCode)));
  return found == counts_.end() ? 0 : found->second;
}

}  // namespace baltu::insumos
