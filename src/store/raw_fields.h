// The fields of one deciphered data-file record, as views into it (raw field 0
// is the record's index and is never read).
#pragma once

#include <string_view>
#include <vector>

namespace baltu::store {

using RawFields = std::vector<std::string_view>;

// Raw field n, empty when the record has fewer fields.
inline std::string_view raw(const RawFields& fields, std::size_t n) {
  return n < fields.size() ? fields[n] : std::string_view();
}

// Bytes to reserve for a table row built from these fields (formatting widens numbers).
inline std::size_t rowBytes(const RawFields& fields) {
  std::size_t size = 64;
  for (std::string_view f : fields) size += f.size() + 3;
  return size;
}

}  // namespace baltu::store
