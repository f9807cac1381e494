#include "pricing/price_index.h"

#include "store/text.h"

namespace baltu::pricing {

std::string_view leftEight(const store::Record& row) { return std::string_view(row.text()).substr(0, 8); }

CodeIndex CodeIndex::byLeftEight(const store::Table& table) {
  CodeIndex index;
  index.rows_.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) index.rows_.emplace(std::string(leftEight(table[i])), i);
  return index;
}

CodeIndex CodeIndex::byTrimmedCode(const store::Table& table) {
  CodeIndex index;
  index.rows_.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i)
    index.rows_.emplace(std::string(store::trim(table[i].field(store::field::kCode))), i);
  return index;
}

std::optional<std::size_t> CodeIndex::find(std::string_view key) const {
  auto it = rows_.find(std::string(key));
  if (it == rows_.end()) return std::nullopt;
  return it->second;
}

InsumoIndex::InsumoIndex(const store::InsumoTables& tables)
    : materials(CodeIndex::byLeftEight(tables.materials)),
      equipment(CodeIndex::byLeftEight(tables.equipment)),
      labour(CodeIndex::byLeftEight(tables.labour)),
      materialsByTrimmedCode(CodeIndex::byTrimmedCode(tables.materials)) {}

ComponentIndex::ComponentIndex(const store::Table& components) {
  for (std::size_t i = 0; i < components.size(); ++i) blocks_[std::string(leftEight(components[i]))].push_back(i);
}

std::span<const std::size_t> ComponentIndex::rowsOf(std::string_view partidaCode) const {
  auto it = blocks_.find(std::string(partidaCode));
  if (it == blocks_.end()) return {};
  return it->second;
}

GuideIndex::GuideIndex(const store::GuideTables& tables)
    : materials(tables.materials), equipment(tables.equipment), labour(tables.labour) {}

}  // namespace baltu::pricing
