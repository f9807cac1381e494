// A hand-sized edition written with the data-file writer, for start-up tests.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace baltu::test {

struct TinyEdition {
  std::string insumoFile = "INSUMOS.DAT";
  std::string editionName = "SEPTIEMBRE 2011";
  bool ed9000 = true;
  bool rm9000 = true;
  std::vector<int> costGuides = {1, 3};
};

// Materials 1 CEMENTO, 2 ARENA, EDF-9044 and REM-9044 as "P" materials; equipment 5
// (winch); labour 30 and 31. Each guide holds two partidas using them.
void writeTinyEdition(const std::filesystem::path& folder, const TinyEdition& edition = {});

}  // namespace baltu::test
