// The insumo chosen for a where-used listing, as the detail windows hand it
// over: its texts (trimmed) and, once the where-used search has run, the
// partidas found. One program-wide value; each filling overwrites the last.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "pricing/working_values.h"
#include "store/record.h"

namespace baltu::insumos {

// The supplier shown for labour, which has none.
inline constexpr std::string_view kNoSupplier = "---------------";

// "Material", "Equipo" or "Mano de Obra".
inline std::string_view classWord(pricing::InsumoKind kind) {
  switch (kind) {
    case pricing::InsumoKind::Material: return "Material";
    case pricing::InsumoKind::Equipment: return "Equipo";
    case pricing::InsumoKind::Labour: return "Mano de Obra";
  }
  return "Material";
}

// Guides of the all-guides search, in this order: GUIA1..GUIA7, 9000ED, 9000RM.
inline constexpr std::size_t kWhereUsedGuideCount = 9;

struct SelectedInsumo {
  pricing::InsumoKind kind = pricing::InsumoKind::Material;
  std::string code;
  std::string description;
  std::string unit;
  std::string cost;          // display form
  std::string date;
  std::string supplier;      // kNoSupplier for labour
  std::string depreciation;  // equipment only, else empty
  std::string classWord;     // classWord(kind)
  std::string type;          // "S", "C" or "P"

  // The where-used results: copies of the partida records found.
  std::vector<store::Record> results;  // the guide-context search
  std::array<std::vector<store::Record>, kWhereUsedGuideCount> resultsByGuide;  // the all-guides search
  std::size_t totalCount = 0;

  // The count as the dialogs show it: decimal, no leading blank.
  std::string totalCountText() const { return std::to_string(totalCount); }
};

}  // namespace baltu::insumos
