#include "pricing/price_index.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <functional>
#include <numeric>

#include "store/number_text.h"
#include "store/text.h"

namespace baltu::pricing {
namespace {

std::uint64_t headOf(std::string_view key) {
  std::uint64_t head = 0;
  if (key.size() >= sizeof head) {
    std::memcpy(&head, key.data(), sizeof head);
  } else {
    for (std::size_t i = 0; i < key.size(); ++i)
      head |= std::uint64_t{static_cast<unsigned char>(key[i])} << (8 * i);
  }
  return head;
}

// Short keys hash by their word (a 64-bit mix); longer ones by all their bytes.
std::uint64_t hashOf(std::string_view key, std::uint64_t head) {
  std::uint64_t x = key.size() <= sizeof head ? head + key.size() : std::hash<std::string_view>{}(key);
  x ^= x >> 30;
  x *= 0xbf58476d1ce4e5b9;
  x ^= x >> 27;
  x *= 0x94d049bb133111eb;
  x ^= x >> 31;
  return x;
}

}  // namespace

std::string_view leftEight(const store::Record& row) { return std::string_view(row.text()).substr(0, 8); }

bool KeyTable::holds(std::size_t at, std::string_view key, std::uint64_t head) const {
  const Slot& slot = slots_[at];
  if (slot.head != head || slot.keyLength != key.size()) return false;
  return key.size() <= sizeof head || keyAt(at) == key;
}

void KeyTable::reserve(std::size_t keys) {
  const std::size_t wanted = std::bit_ceil(std::max<std::size_t>(keys * 2, 16));
  if (wanted <= slots_.size()) return;
  std::vector<Slot> oldSlots = std::move(slots_);
  std::vector<std::size_t> oldStarts = std::move(keyStarts_);
  slots_.assign(wanted, Slot{});
  keyStarts_.assign(wanted, 0);
  for (std::size_t i = 0; i < oldSlots.size(); ++i) {
    if (oldSlots[i].value == kEmpty) continue;
    const std::string_view key = std::string_view(keys_).substr(oldStarts[i], oldSlots[i].keyLength);
    std::size_t at = slotFor(hashOf(key, oldSlots[i].head));
    while (slots_[at].value != kEmpty) at = (at + 1) & (slots_.size() - 1);
    slots_[at] = oldSlots[i];
    keyStarts_[at] = oldStarts[i];
  }
}

void KeyTable::insertFirst(std::string_view key, std::size_t value) {
  if (value > kMaxValue || key.size() > kMaxValue) return;
  if ((count_ + 1) * 2 > slots_.size()) reserve(std::max<std::size_t>(count_ + 1, slots_.size()));
  const std::uint64_t head = headOf(key);
  std::size_t at = slotFor(hashOf(key, head));
  for (; slots_[at].value != kEmpty; at = (at + 1) & (slots_.size() - 1))
    if (holds(at, key, head)) return;
  slots_[at] = Slot{head, static_cast<std::uint32_t>(key.size()), static_cast<std::uint32_t>(value)};
  keyStarts_[at] = keys_.size();
  keys_ += key;
  ++count_;
}

std::optional<std::size_t> KeyTable::find(std::string_view key) const {
  if (count_ == 0) return std::nullopt;
  const std::uint64_t head = headOf(key);
  for (std::size_t at = slotFor(hashOf(key, head)); slots_[at].value != kEmpty; at = (at + 1) & (slots_.size() - 1))
    if (holds(at, key, head)) return slots_[at].value;
  return std::nullopt;
}

CodeIndex CodeIndex::byLeftEight(const store::Table& table) {
  CodeIndex index;
  index.rows_.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i) index.rows_.insertFirst(leftEight(table[i]), i);
  return index;
}

CodeIndex CodeIndex::byTrimmedCode(const store::Table& table) {
  CodeIndex index;
  index.rows_.reserve(table.size());
  for (std::size_t i = 0; i < table.size(); ++i)
    index.rows_.insertFirst(store::trim(table[i].field(store::field::kCode)), i);
  return index;
}

InsumoIndex::InsumoIndex(const store::InsumoTables& tables)
    : materials(CodeIndex::byLeftEight(tables.materials)),
      equipment(CodeIndex::byLeftEight(tables.equipment)),
      labour(CodeIndex::byLeftEight(tables.labour)),
      materialsByTrimmedCode(CodeIndex::byTrimmedCode(tables.materials)) {}

namespace {

// A row's left 8 as a word whose integer order is the text's byte order: the
// bytes big-endian, zero-filled, then the length (a shorter text sorts first).
struct OrderKey {
  std::uint64_t word = 0;
  std::size_t length = 0;

  explicit OrderKey(std::string_view text) : length(text.size()) {
    for (std::size_t i = 0; i < 8; ++i)
      word = (word << 8) | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
  }
  friend bool operator==(const OrderKey&, const OrderKey&) = default;
  friend bool operator<(const OrderKey& a, const OrderKey& b) {
    return a.word != b.word ? a.word < b.word : a.length < b.length;
  }
};

}  // namespace

ComponentIndex::ComponentIndex(const store::Table& components, Extra extra) : extra_(extra) {
  std::vector<OrderKey> keys;
  keys.reserve(components.size());
  for (const store::Record& row : components) keys.emplace_back(leftEight(row));
  rows_.resize(components.size());
  std::iota(rows_.begin(), rows_.end(), std::size_t{0});
  // A list out of order still gives each code's rows in list order.
  if (!std::is_sorted(keys.begin(), keys.end()))
    std::stable_sort(rows_.begin(), rows_.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  for (std::size_t begin = 0; begin < rows_.size();) {
    std::size_t end = begin + 1;
    while (end < rows_.size() && keys[rows_[end]] == keys[rows_[begin]]) ++end;
    blocks_.push_back(Block{begin, end});
    begin = end;
  }
  blockOf_.reserve(blocks_.size());
  for (std::size_t b = 0; b < blocks_.size(); ++b) blockOf_.insertFirst(leftEight(components[rows_[blocks_[b].begin]]), b);
}

std::optional<std::size_t> ComponentIndex::blockOf(std::string_view partidaCode) const {
  const std::optional<std::size_t> block = blockOf_.find(partidaCode);
  if (!block || *block >= blocks_.size()) return std::nullopt;
  return block;
}

std::span<const std::size_t> ComponentIndex::rowsOf(std::string_view partidaCode) const {
  const std::optional<std::size_t> block = blockOf(partidaCode);
  if (!block) return {};
  const Block& range = blocks_[*block];
  return std::span<const std::size_t>(rows_).subspan(range.begin, range.end - range.begin);
}

std::span<const ComponentEntry> ComponentIndex::entriesOf(std::string_view partidaCode,
                                                          const store::Table& components) const {
  const std::optional<std::size_t> block = blockOf(partidaCode);
  if (!block) return {};
  const Block& range = blocks_[*block];
  if (entries_.empty()) {
    entries_.resize(rows_.size());
    blockRead_.assign(blocks_.size(), false);
  }
  if (!blockRead_[*block]) {
    for (std::size_t i = range.begin; i < range.end; ++i) {
      ComponentEntry& entry = entries_[i];
      entry.row = rows_[i];
      if (entry.row >= components.size()) continue;
      const store::Record& use = components[entry.row];
      entry.quantity = store::parseDisplayNumber(use.field(store::field::kComponentQuantity));
      if (extra_ == Extra::Read) entry.extra = store::parseDisplayNumber(use.field(store::field::kComponentExtra));
      const std::string_view code = store::trim(use.field(store::field::kComponentInsumo));
      entry.longCode = code.size() > entry.code.size();
      if (!entry.longCode) {
        code.copy(entry.code.data(), code.size());
        entry.codeLength = static_cast<std::uint8_t>(code.size());
      }
    }
    blockRead_[*block] = true;
  }
  return std::span<const ComponentEntry>(entries_).subspan(range.begin, range.end - range.begin);
}

std::string_view ComponentEntry::insumoCode(const store::Table& components) const {
  if (!longCode) return std::string_view(code.data(), codeLength);
  if (row >= components.size()) return {};
  return store::trim(components[row].field(store::field::kComponentInsumo));
}

GuideIndex::GuideIndex(const store::GuideTables& tables)
    : materials(tables.materials),
      equipment(tables.equipment, ComponentIndex::Extra::Read),
      labour(tables.labour) {}

}  // namespace baltu::pricing
