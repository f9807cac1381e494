#include "store/edition_files.h"

#include <array>
#include <system_error>

namespace baltu::store {

InsumoFileChoice chooseInsumoFile(const std::filesystem::path& folder) {
  static constexpr std::array<std::string_view, 4> names = {"INSUMOS.DAT", "INSUMOS2.DAT", "INSUMOS3.DAT",
                                                            "INSUMOS4.DAT"};
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::error_code error;
    if (std::filesystem::is_regular_file(folder / names[i], error))
      return {std::string(names[i]), static_cast<int>(i + 1)};
  }
  return {};
}

std::string_view regionName(int region) {
  static constexpr std::array<std::string_view, 5> names = {"REGION (AUSENTE)", "REGION CENTRAL", "REGION OCCIDENTAL",
                                                            "REGION ORIENTAL", "REGION SUR"};
  return region >= 0 && region <= 4 ? names[static_cast<std::size_t>(region)] : names[0];
}

}  // namespace baltu::store
