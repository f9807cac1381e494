#include "store/tables.h"

#include <algorithm>

namespace baltu::store {

void sortTable(Table& table, std::size_t fieldNumber) {
  std::stable_sort(table.begin(), table.end(), [fieldNumber](const Record& a, const Record& b) {
    return a.field(fieldNumber) < b.field(fieldNumber);
  });
}

}  // namespace baltu::store
