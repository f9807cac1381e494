// Look-ups of the analysis without scanning: insumos by code and the component
// rows of a partida. Every look-up gives exactly what the scan over the table
// gives (first row in table order, rows in list order). An index keeps codes and
// row numbers only, so it stays valid while prices are written into the rows; it
// must be rebuilt when rows are added, removed or reordered.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "store/tables.h"

namespace baltu::pricing {

// The key of a row: its first 8 characters (the right-aligned code), or the
// whole row when it is shorter, as a comparison of the row's left 8 gives.
std::string_view leftEight(const store::Record& row);

// First row of a table by a key taken from each row.
class CodeIndex {
 public:
  CodeIndex() = default;
  // Key = first 8 characters of the row: insumo look-up by 8-character code.
  static CodeIndex byLeftEight(const store::Table& table);
  // Key = trimmed F1: the material that carries a 9000 partida's code.
  static CodeIndex byTrimmedCode(const store::Table& table);

  std::optional<std::size_t> find(std::string_view key) const;

 private:
  std::unordered_map<std::string, std::size_t> rows_;
};

struct InsumoIndex {
  InsumoIndex() = default;
  explicit InsumoIndex(const store::InsumoTables& tables);

  CodeIndex materials;  // simple materials by 8-character code
  CodeIndex equipment;
  CodeIndex labour;
  CodeIndex materialsByTrimmedCode;
};

// The rows of a component list that belong to each partida code.
class ComponentIndex {
 public:
  ComponentIndex() = default;
  explicit ComponentIndex(const store::Table& components);

  // Rows whose first 8 characters equal the partida code, in list order.
  std::span<const std::size_t> rowsOf(std::string_view partidaCode) const;

 private:
  std::unordered_map<std::string, std::vector<std::size_t>> blocks_;
};

struct GuideIndex {
  GuideIndex() = default;
  explicit GuideIndex(const store::GuideTables& tables);

  ComponentIndex materials;
  ComponentIndex equipment;
  ComponentIndex labour;
};

}  // namespace baltu::pricing
