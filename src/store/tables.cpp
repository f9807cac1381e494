#include "store/tables.h"

#include <algorithm>

namespace baltu::store {

void sortTable(Table& table, std::size_t fieldNumber) {
  const auto byField = [fieldNumber](const Record& a, const Record& b) {
    return a.field(fieldNumber) < b.field(fieldNumber);
  };
  // Component lists usually come in partida order already.
  if (std::is_sorted(table.begin(), table.end(), byField)) return;
  std::stable_sort(table.begin(), table.end(), byField);
}

}  // namespace baltu::store
