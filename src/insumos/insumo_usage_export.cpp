#include "insumos/insumo_usage_export.h"

#include <sstream>

#include "store/text.h"

namespace baltu::insumos {
namespace {

using pricing::InsumoKind;
using store::cp;
namespace field = store::field;

constexpr std::string_view kLineEnd = "\r\n";

// Commas would shift the columns: they become blanks before trimming.
std::string textField(std::string_view text) {
  std::string s(text);
  for (char& ch : s)
    if (ch == ',') ch = ' ';
  return std::string(store::trim(s));
}

// "1.234,56" written as "1234.56" between double quotes.
std::string costField(std::string_view text) {
  std::string cost = "\"";
  for (char ch : store::trim(text)) {
    if (ch == '.') continue;
    cost += ch == ',' ? '.' : ch;
  }
  return cost + "\"";
}

std::string_view typeOf(InsumoKind kind, const store::Record& insumo) {
  switch (kind) {
    case InsumoKind::Equipment:
      return store::trim(insumo.field(field::kEquipmentType));
    case InsumoKind::Labour:
      return store::trim(insumo.field(field::kLabourType));
    case InsumoKind::Material:
      break;
  }
  return store::trim(insumo.field(field::kMaterialType));
}

}  // namespace

std::array<std::string, 4> usageFileNames(InsumoKind kind) {
  switch (kind) {
    case InsumoKind::Equipment:
      return {"EQUIPOS SIMPLES USADOS EN GUIAS.CSV", "EQUIPOS COMPUESTOS USADOS EN GUIAS.CSV",
              "EQUIPOS SIMPLES NO USADOS EN GUIAS.CSV", "EQUIPOS COMPUESTOS NO USADOS EN GUIAS.CSV"};
    case InsumoKind::Labour:
      return {"MANO DE OBRA SIMPLE USADA EN GUIAS.CSV", "MANO DE OBRA COMPUESTA USADA EN GUIAS.CSV",
              "MANO DE OBRA SIMPLE NO USADA EN GUIAS.CSV", "MANO DE OBRA COMPUESTA NO USADA EN GUIAS.CSV"};
    case InsumoKind::Material:
      break;
  }
  return {"MATERIALES SIMPLES USADOS EN GUIAS.CSV", "MATERIALES COMPUESTOS USADOS EN GUIAS.CSV",
          "MATERIALES SIMPLES NO USADOS EN GUIAS.CSV", "MATERIALES COMPUESTOS NO USADOS EN GUIAS.CSV"};
}

std::string usageHeader(InsumoKind kind) {
  switch (kind) {
    case InsumoKind::Equipment:
      return cp("CODIGO, DESCRIPCION, UNIDAD, COP, COSTO, FECHA, PROVEEDOR, CLASE, TIPO, N° PARTIDAS");
    case InsumoKind::Labour:
      return cp("CODIGO, DESCRIPCION, UNIDAD, COSTO, FECHA, CLASE, TIPO, N° PARTIDAS");
    case InsumoKind::Material:
      break;
  }
  return cp("CODIGO, DESCRIPCION, UNIDAD, COSTO, FECHA, PROVEEDOR, CLASE, TIPO, N° PARTIDAS");
}

std::string usageLine(InsumoKind kind, const store::Record& insumo, int count) {
  std::vector<std::string> fields = {textField(insumo.field(field::kCode)),
                                     textField(insumo.field(field::kDescription)),
                                     textField(insumo.field(field::kUnit))};
  switch (kind) {
    case InsumoKind::Material:
      fields.push_back(costField(insumo.field(field::kMaterialCost)));
      fields.push_back(textField(insumo.field(field::kMaterialDate)));
      fields.push_back(textField(insumo.field(field::kMaterialSupplier)));
      fields.emplace_back("Material");
      break;
    case InsumoKind::Equipment:
      fields.push_back(costField(insumo.field(field::kEquipmentDepreciation)));
      fields.push_back(costField(insumo.field(field::kEquipmentCost)));
      fields.push_back(textField(insumo.field(field::kEquipmentDate)));
      fields.push_back(textField(insumo.field(field::kEquipmentSupplier)));
      fields.emplace_back("Equipo");
      break;
    case InsumoKind::Labour:
      fields.push_back(costField(insumo.field(field::kLabourWage)));
      fields.push_back(textField(insumo.field(field::kLabourDate)));
      fields.emplace_back("Mano de Obra");
      break;
  }
  fields.push_back(textField(typeOf(kind, insumo)));
  fields.push_back(std::to_string(count));

  std::string line;
  for (const std::string& f : fields) {
    if (!line.empty()) line += ',';
    line += f;
  }
  return line;
}

UsageFile usageFileOf(InsumoKind kind, const store::Record& insumo, int count) {
  const bool simple = typeOf(kind, insumo) == "S";
  if (count != 0) return simple ? UsageFile::SimpleUsed : UsageFile::CompoundUsed;
  return simple ? UsageFile::SimpleUnused : UsageFile::CompoundUnused;
}

void writeUsageFiles(InsumoKind kind, const store::Table& insumos, const UsageCounts& counts,
                     const std::array<std::ostream*, 4>& files) {
  const std::string header = usageHeader(kind);
  for (std::ostream* file : files) *file << header << kLineEnd;
  for (const store::Record& insumo : insumos) {
    const int count = counts.count(insumo.field(field::kCode));
    *files[static_cast<std::size_t>(usageFileOf(kind, insumo, count))] << usageLine(kind, insumo, count) << kLineEnd;
  }
}

std::vector<UsageExportFile> buildInsumoUsageExport(const store::InsumoTables& insumos,
                                                    const store::GuideTables* context) {
  const std::array<std::pair<InsumoKind, const store::Table*>, 3> kinds = {{
      {InsumoKind::Material, &insumos.materials},
      {InsumoKind::Equipment, &insumos.equipment},
      {InsumoKind::Labour, &insumos.labour},
  }};
  std::vector<UsageExportFile> result;
  for (const auto& [kind, table] : kinds) {
    const UsageCounts counts = context ? UsageCounts(*context, kind) : UsageCounts();
    std::array<std::ostringstream, 4> streams;
    writeUsageFiles(kind, *table, counts, {&streams[0], &streams[1], &streams[2], &streams[3]});
    const std::array<std::string, 4> names = usageFileNames(kind);
    for (std::size_t i = 0; i < names.size(); ++i) result.push_back({names[i], std::move(streams[i]).str()});
  }
  return result;
}

}  // namespace baltu::insumos
