// The in-memory tables of one edition: arrays of record strings.
#pragma once

#include <string>
#include <vector>

#include "store/record.h"

namespace baltu::store {

using Table = std::vector<Record>;

struct LoadOptions {
  bool sortByCode = false;  // the /I switch: tables sorted by code instead of description
};

struct InsumoTables {
  std::string editionName;  // trimmed
  Table materials;
  Table equipment;
  Table labour;
  Table compoundMaterials;
  Table compoundEquipment;
  Table compoundLabour;
};

struct GuideTables {
  Table partidas;
  Table materials;  // components, sorted by partida code
  Table equipment;
  Table labour;
};

// Field numbers of the table rows.
namespace field {
inline constexpr std::size_t kCode = 1;
inline constexpr std::size_t kDescription = 2;
inline constexpr std::size_t kUnit = 3;
// simple materials
inline constexpr std::size_t kMaterialCost = 4;
inline constexpr std::size_t kMaterialDate = 5;
inline constexpr std::size_t kMaterialSupplier = 6;
inline constexpr std::size_t kMaterialType = 7;
// simple equipment
inline constexpr std::size_t kEquipmentDepreciation = 4;
inline constexpr std::size_t kEquipmentCost = 5;
inline constexpr std::size_t kEquipmentDate = 6;
inline constexpr std::size_t kEquipmentSupplier = 7;
inline constexpr std::size_t kEquipmentType = 8;
// simple labour
inline constexpr std::size_t kLabourWage = 4;
inline constexpr std::size_t kLabourDate = 5;
inline constexpr std::size_t kLabourType = 6;
// partidas
inline constexpr std::size_t kCovenin = 3;
inline constexpr std::size_t kPartidaUnit = 4;
inline constexpr std::size_t kRendimiento = 5;
inline constexpr std::size_t kBasePrice = 6;
inline constexpr std::size_t kRecalculatedPrice = 7;
inline constexpr std::size_t kFcas1 = 8;
inline constexpr std::size_t kFcas2 = 9;
inline constexpr std::size_t kCalculationBasis = 10;
inline constexpr std::size_t kMark = 11;
// components
inline constexpr std::size_t kComponentPartida = 1;
inline constexpr std::size_t kComponentInsumo = 2;
inline constexpr std::size_t kComponentQuantity = 3;
inline constexpr std::size_t kComponentExtra = 4;  // desperdicio or depreciation coefficient
}  // namespace field

// Stable ascending byte-order sort on one field.
void sortTable(Table& table, std::size_t fieldNumber);

}  // namespace baltu::store
