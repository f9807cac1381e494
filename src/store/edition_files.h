// Which data files of an edition are present in the program folder.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace baltu::store {

struct InsumoFileChoice {
  std::string fileName;  // empty when none exists
  int region = 0;        // 1..4, 0 when none exists
};

// The first of INSUMOS.DAT, INSUMOS2.DAT, INSUMOS3.DAT, INSUMOS4.DAT present in the folder.
InsumoFileChoice chooseInsumoFile(const std::filesystem::path& folder);

// "REGION (AUSENTE)", "REGION CENTRAL", ... for region 0..4.
std::string_view regionName(int region);

}  // namespace baltu::store
