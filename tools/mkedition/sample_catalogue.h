// The vocabulary of the sample editions: materials, equipment, labour trades,
// compound insumos and partida templates of every guide, with prices of
// DICIEMBRE 2018 in the CENTRAL region. Texts are UTF-8 here; the generator
// converts them to Windows-1252 once.
#pragma once

#include <string_view>
#include <vector>

namespace baltu::mkedition::catalogue {

using Axis = std::vector<std::string_view>;

// A family of insumos: the pattern's "{0}", "{1}", "{2}" take every combination
// of the axes' values. The price runs from minCost (first value of axis 0) to
// maxCost (last value), so larger sizes cost more.
struct Family {
  std::string_view tag;  // which partidas use it
  std::string_view pattern;
  std::vector<Axis> axes = {};
  std::string_view unit;
  double minCost = 0;
  double maxCost = 0;
  int depreciation = 0;  // equipment: daily depreciation in hundred-thousandths (125 = 0.00125)
};

// One insumo at a fixed code.
struct FixedItem {
  std::string_view tag;
  std::string_view description;
  std::string_view unit;
  double cost = 0;
  int depreciation = 0;
};

// A labour trade; graded trades come as "DE PRIMERA", "DE SEGUNDA" and "DE TERCERA".
struct Trade {
  std::string_view name;
  double wage = 0;  // daily wage of the first grade
  bool graded = true;
};

struct LabourItem {
  std::string_view trade;
  std::string_view description;
  double wage = 0;
};

// A compound insumo family: its groups are drawn from the simple insumos of the
// tags (labour: of the trades).
struct CompoundFamily {
  std::string_view pattern;
  std::vector<Axis> axes = {};
  std::string_view unit;
  std::vector<std::string_view> groupTags;
  int minGroups = 2;
  int maxGroups = 6;
  int depreciation = 0;  // equipment only
};

// A partida template of one guide.
struct PartidaTemplate {
  std::string_view chapter;  // three digits of the partida code and the COVENIN code
  std::string_view pattern;
  std::vector<Axis> axes = {};
  std::string_view unit;                             // "m3", "m2", "ml", "kgf", "UND"
  std::string_view sector = "";                      // empty: the guide's own; "{n}" takes axis n's value
  std::vector<std::string_view> coreMaterials = {};  // material codes always used
  std::vector<std::string_view> materialTags = {};
  int minMaterials = 5;
  int maxMaterials = 13;
  std::vector<std::string_view> equipmentTags = {};
  std::vector<std::string_view> trades = {};
  int minEquipment = 1;
  int maxEquipment = 5;
  double minRendimiento = 5;
  double maxRendimiento = 50;
  bool lifted = false;      // may be lifted with the winch
  bool transported = true;  // usually carries a transport of materials
  bool contextual = true;   // its descriptions end with one of the guide's contexts
};

// Materials at codes 1, 2, 3, ...: the transport items are codes 2, 3 and 4.
const std::vector<FixedItem>& coreMaterials();
const std::vector<Family>& materialFamilies();
// Equipment at codes 1, 2, 3, ... (code 5 is a winch).
const std::vector<FixedItem>& coreEquipment();
const std::vector<Family>& equipmentFamilies();
// The winch descriptions, one per winch code in the order 5, 373, 25, 273, 513, 514.
const std::vector<std::string_view>& winchDescriptions();
// Labour at codes 1, 2, 3, ...; code 30 is the winch operator.
const std::vector<LabourItem>& coreLabour();
const LabourItem& winchOperator();
const std::vector<Trade>& trades();
const std::vector<CompoundFamily>& compoundMaterialFamilies();
const std::vector<CompoundFamily>& compoundEquipmentFamilies();
const std::vector<CompoundFamily>& compoundLabourFamilies();
// Suffixes that tell apart the further items of a family once its combinations run out.
const std::vector<std::string_view>& materialQualifiers();
const std::vector<std::string_view>& equipmentQualifiers();
// What a substitute material adds to the description of the material it replaces.
const std::vector<std::string_view>& substituteQualifiers();
const std::vector<std::string_view>& materialSuppliers();
const std::vector<std::string_view>& equipmentSuppliers();

// Partida templates by guide: 1..7 the cost guides, 8 for 9000ED, 9 for 9000RM.
const std::vector<PartidaTemplate>& partidaTemplates(int guide);
// Where the work of a guide is done: the last part of most partida descriptions.
const Axis& partidaContexts(int guide);
// The "9044" partida of 9000ED (or 9000RM), which other 9000 partidas use.
const PartidaTemplate& partida9044(bool reparaciones);

}  // namespace baltu::mkedition::catalogue
