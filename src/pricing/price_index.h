// Look-ups of the analysis without scanning: insumos by code and the component
// rows of a partida. Every look-up gives exactly what the scan over the table
// gives (first row in table order, rows in list order). An index keeps copies of
// its keys, row numbers and the numbers of the component rows (which nothing
// writes after loading), so it stays valid while prices are written into the
// rows; it must be rebuilt when rows are added, removed, reordered or edited.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "store/tables.h"

namespace baltu::pricing {

// The key of a row: its first 8 characters (the right-aligned code), or the
// whole row when it is shorter, as a comparison of the row's left 8 gives.
std::string_view leftEight(const store::Record& row);

// Texts to numbers (row or block numbers) in one flat open-addressing table.
// The key bytes are copied into one buffer, so building allocates a few blocks,
// not one per key; a look-up of a key of up to 8 characters (every code) reads
// one 16-byte slot. Numbers and key lengths are 32-bit: a table with more rows
// than that could not be held in memory, and such entries are left out.
class KeyTable {
 public:
  static constexpr std::size_t kMaxValue = 0xFFFFFFFE;

  void reserve(std::size_t keys);
  // Keeps the number already held for an equal key.
  void insertFirst(std::string_view key, std::size_t value);
  std::optional<std::size_t> find(std::string_view key) const;

 private:
  static constexpr std::uint32_t kEmpty = 0xFFFFFFFF;
  struct Slot {
    std::uint64_t head = 0;  // the key's first 8 characters, zero-filled
    std::uint32_t keyLength = 0;
    std::uint32_t value = kEmpty;
  };

  bool holds(std::size_t at, std::string_view key, std::uint64_t head) const;
  std::string_view keyAt(std::size_t at) const {
    return std::string_view(keys_).substr(keyStarts_[at], slots_[at].keyLength);
  }
  std::size_t slotFor(std::uint64_t hash) const { return static_cast<std::size_t>(hash) & (slots_.size() - 1); }

  std::string keys_;
  std::vector<Slot> slots_;  // a power of two in size, at most half full
  std::vector<std::size_t> keyStarts_;  // by slot: where its key starts in keys_
  std::size_t count_ = 0;
};

// First row of a table by a key taken from each row.
class CodeIndex {
 public:
  CodeIndex() = default;
  // Key = first 8 characters of the row: insumo look-up by 8-character code.
  static CodeIndex byLeftEight(const store::Table& table);
  // Key = trimmed F1: the material that carries a 9000 partida's code.
  static CodeIndex byTrimmedCode(const store::Table& table);

  std::optional<std::size_t> find(std::string_view key) const { return rows_.find(key); }

 private:
  KeyTable rows_;
};

struct InsumoIndex {
  InsumoIndex() = default;
  explicit InsumoIndex(const store::InsumoTables& tables);

  CodeIndex materials;  // simple materials by 8-character code
  CodeIndex equipment;
  CodeIndex labour;
  CodeIndex materialsByTrimmedCode;
};

// One component row as the analysis prices it, its numbers read once: component
// rows are never written after loading.
struct ComponentEntry {
  std::size_t row = 0;  // in the component list
  double quantity = 0;  // F3
  double extra = 0;     // F4 where the list prices with it (the depreciation coefficient), else 0
  std::array<char, 8> code{};  // F2 trimmed, when it fits
  std::uint8_t codeLength = 0;
  bool longCode = false;  // F2 trimmed is longer: read it from the row

  // F2 trimmed.
  std::string_view insumoCode(const store::Table& components) const;
};

// The rows of a component list that belong to each partida code.
class ComponentIndex {
 public:
  // Whether entries read F4: only equipment prices with it.
  enum class Extra { Skip, Read };

  ComponentIndex() = default;
  explicit ComponentIndex(const store::Table& components, Extra extra = Extra::Skip);

  // Rows whose first 8 characters equal the partida code, in list order.
  std::span<const std::size_t> rowsOf(std::string_view partidaCode) const;
  // The same rows as entries, read from `components` (the list the index was
  // built over) the first time the partida's rows are asked for, so an index
  // costs nothing to build beyond its row numbers. Entries of rows past the end
  // of the list keep only their row.
  std::span<const ComponentEntry> entriesOf(std::string_view partidaCode, const store::Table& components) const;

 private:
  struct Block {
    std::size_t begin = 0;
    std::size_t end = 0;
  };
  std::optional<std::size_t> blockOf(std::string_view partidaCode) const;

  // The list's row numbers grouped by key, list order within a group: the rows
  // themselves when the list is sorted by key, as the data files keep it.
  std::vector<std::size_t> rows_;
  std::vector<Block> blocks_;  // ranges of rows_
  KeyTable blockOf_;           // key to its block
  Extra extra_ = Extra::Skip;
  // Entries by position in rows_, filled block by block on first use. The
  // program has one thread; these are a cache of what the rows hold.
  mutable std::vector<ComponentEntry> entries_;
  mutable std::vector<bool> blockRead_;
};

struct GuideIndex {
  GuideIndex() = default;
  explicit GuideIndex(const store::GuideTables& tables);

  ComponentIndex materials;
  ComponentIndex equipment;
  ComponentIndex labour;
};

}  // namespace baltu::pricing
