// Little-endian numbers at fixed offsets of a byte block (settings and other
// binary files are read and written field by field, never as a struct).
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace baltu::store {

// Reads return `fallback` when the field does not fit in the block.
inline std::int32_t int32At(std::string_view block, std::size_t offset, std::int32_t fallback = 0) {
  if (offset + 4 > block.size()) return fallback;
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(block[offset + static_cast<std::size_t>(i)]);
  return static_cast<std::int32_t>(v);
}

inline double doubleAt(std::string_view block, std::size_t offset, double fallback = 0) {
  if (offset + 8 > block.size()) return fallback;
  std::uint64_t bits = 0;
  for (int i = 7; i >= 0; --i) bits = (bits << 8) | static_cast<unsigned char>(block[offset + static_cast<std::size_t>(i)]);
  double v = 0;
  std::memcpy(&v, &bits, sizeof v);
  return v;
}

// Writes grow nothing: a field that does not fit is not written.
inline void setInt32At(std::string& block, std::size_t offset, std::int32_t value) {
  if (offset + 4 > block.size()) return;
  auto v = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) block[offset + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline void setDoubleAt(std::string& block, std::size_t offset, double value) {
  if (offset + 8 > block.size()) return;
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  for (std::size_t i = 0; i < 8; ++i) block[offset + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

}  // namespace baltu::store
