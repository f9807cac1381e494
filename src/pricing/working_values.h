// The values an analysis prices with, and the rules it applies to insumo codes.
#pragma once

#include <array>
#include <string_view>

#include "store/money.h"

namespace baltu::pricing {

enum class FcasSource { EachPartida, Table };
enum class ValueMode { Predetermined = 0, User = 1 };

// The working values of the administrative values (predetermined or user's, by mode).
struct WorkingValues {
  double administracion = 0;  // percentages
  double utilidad = 0;
  double iva = 0;
  double fcas = 0;  // used only when the FCAS source is the table
  store::Cents cestaticket = 0;  // Bs. per worker per day
  store::Cents bono = 0;
  FcasSource fcasSource = FcasSource::EachPartida;
  ValueMode cestaticketMode = ValueMode::Predetermined;
  ValueMode bonoMode = ValueMode::Predetermined;
};

enum class InsumoKind { Material, Equipment, Labour };

struct SubstitutionPair {
  std::string_view from;
  std::string_view to;
  std::size_t flagOffset;  // offset of the pair's flag in block 2 of Baltu.cfg
};
inline constexpr std::size_t kSubstitutionPairCount = 51;
const std::array<SubstitutionPair, kSubstitutionPairCount>& substitutionPairs();

// Rules on insumo codes: the winch left out, materials priced as their substitutes.
struct CodeRules {
  bool winchExcluded = false;
  std::array<bool, kSubstitutionPairCount> substitutionEnabled{};  // by pair index
};

// True when the winch is left out and the code (trimmed) is one of its codes.
bool isWinchExcluded(const CodeRules& rules, InsumoKind kind, std::string_view code);
// The trimmed code a material is priced as: the first enabled pair's substitute, else itself.
std::string_view substituteMaterial(const CodeRules& rules, std::string_view code);

}  // namespace baltu::pricing
