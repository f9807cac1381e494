#include "insumos/insumo_usage_export.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "store/text.h"

namespace baltu::insumos {
namespace {

using store::cp;
using store::Record;
using store::rightAlign;

const std::string kDate = rightAlign("01/09/2011", 11);

Record material(std::string_view code, std::string_view description, std::string_view cost,
                std::string_view supplier, std::string_view type) {
  return Record::fromFields({rightAlign(code, 8), std::string(description), "saco ", rightAlign(cost, 20), kDate,
                             std::string(supplier), std::string(type)});
}

Record equipment(std::string_view code, std::string_view description, std::string_view depreciation,
                 std::string_view cost, std::string_view type) {
  return Record::fromFields({rightAlign(code, 8), std::string(description), "dia", rightAlign(depreciation, 8),
                             rightAlign(cost, 20), kDate, "EQUIPOS, C.A.", std::string(type)});
}

Record labour(std::string_view code, std::string_view description, std::string_view wage, std::string_view type) {
  return Record::fromFields(
      {rightAlign(code, 8), std::string(description), "dia", rightAlign(wage, 20), kDate, std::string(type)});
}

Record use(std::string_view partidaCode, std::string_view insumoCode) {
  return Record::fromFields({std::string(partidaCode), rightAlign(insumoCode, 8), "1,00", "0"});
}

store::InsumoTables insumos() {
  store::InsumoTables t;
  t.materials = {material("101", "Cemento gris, tipo I", "1.234,56", "Distribuidora, C.A.", "S "),
                 material("102", "Mortero premezclado", "12,50", "", "C"),
                 material("103", " Arena lavada ", "30,00", "Arenera", "S"),
                 material("EDF-9044", "Concreto 9044", "0,00", "", "P")};
  t.equipment = {equipment("5", "Winche cabrestante", "0,00125", "1.000,00", "S"),
                 equipment("40", "Mezcladora", "0,00100", "80,00", "C")};
  t.labour = {labour("30", cp("Albañil"), "100,00", "S"), labour("31", "Cuadrilla", "180,00", "C")};
  return t;
}

store::GuideTables context() {
  store::GuideTables g;
  g.partidas = {Record::fromFields({"G1011001", "BOTE"}), Record::fromFields({"G1011005", "EXCAVACION"})};
  g.materials = {use("G1011001", "101"), use("G1011005", "101"), use("G1011005", "102")};
  g.equipment = {use("G1011005", "40")};
  g.labour = {use("G1011001", "30")};
  return g;
}

std::map<std::string, std::string> byName(const std::vector<UsageExportFile>& files) {
  std::map<std::string, std::string> result;
  for (const UsageExportFile& file : files) result[file.name] = file.bytes;
  return result;
}

const std::string kMaterialHeader = cp("CODIGO, DESCRIPCION, UNIDAD, COSTO, FECHA, PROVEEDOR, CLASE, TIPO, N° PARTIDAS\r\n");
const std::string kEquipmentHeader =
    cp("CODIGO, DESCRIPCION, UNIDAD, COP, COSTO, FECHA, PROVEEDOR, CLASE, TIPO, N° PARTIDAS\r\n");
const std::string kLabourHeader = cp("CODIGO, DESCRIPCION, UNIDAD, COSTO, FECHA, CLASE, TIPO, N° PARTIDAS\r\n");

TEST(InsumoUsageExportTest, SplitsEveryKindIntoUsedAndUnusedSimpleAndCompound) {
  const store::GuideTables guide = context();
  const std::vector<UsageExportFile> files = buildInsumoUsageExport(insumos(), &guide);
  ASSERT_EQ(files.size(), 12u);
  EXPECT_EQ(files[0].name, "MATERIALES SIMPLES USADOS EN GUIAS.CSV");
  EXPECT_EQ(files[11].name, "MANO DE OBRA COMPUESTA NO USADA EN GUIAS.CSV");

  const std::map<std::string, std::string> expected = {
      {"MATERIALES SIMPLES USADOS EN GUIAS.CSV",
       kMaterialHeader +
           "101,Cemento gris  tipo I,saco,\"1234.56\",01/09/2011,Distribuidora  C.A.,Material,S,2\r\n"},
      {"MATERIALES COMPUESTOS USADOS EN GUIAS.CSV",
       kMaterialHeader + "102,Mortero premezclado,saco,\"12.50\",01/09/2011,,Material,C,1\r\n"},
      {"MATERIALES SIMPLES NO USADOS EN GUIAS.CSV",
       kMaterialHeader + "103,Arena lavada,saco,\"30.00\",01/09/2011,Arenera,Material,S,0\r\n"},
      {"MATERIALES COMPUESTOS NO USADOS EN GUIAS.CSV",
       kMaterialHeader + "EDF-9044,Concreto 9044,saco,\"0.00\",01/09/2011,,Material,P,0\r\n"},
      {"EQUIPOS SIMPLES USADOS EN GUIAS.CSV", kEquipmentHeader},
      {"EQUIPOS COMPUESTOS USADOS EN GUIAS.CSV",
       kEquipmentHeader + "40,Mezcladora,dia,\"0.00100\",\"80.00\",01/09/2011,EQUIPOS  C.A.,Equipo,C,1\r\n"},
      {"EQUIPOS SIMPLES NO USADOS EN GUIAS.CSV",
       kEquipmentHeader +
           "5,Winche cabrestante,dia,\"0.00125\",\"1000.00\",01/09/2011,EQUIPOS  C.A.,Equipo,S,0\r\n"},
      {"EQUIPOS COMPUESTOS NO USADOS EN GUIAS.CSV", kEquipmentHeader},
      {"MANO DE OBRA SIMPLE USADA EN GUIAS.CSV",
       kLabourHeader + cp("30,Albañil,dia,\"100.00\",01/09/2011,Mano de Obra,S,1\r\n")},
      {"MANO DE OBRA COMPUESTA USADA EN GUIAS.CSV", kLabourHeader},
      {"MANO DE OBRA SIMPLE NO USADA EN GUIAS.CSV", kLabourHeader},
      {"MANO DE OBRA COMPUESTA NO USADA EN GUIAS.CSV",
       kLabourHeader + "31,Cuadrilla,dia,\"180.00\",01/09/2011,Mano de Obra,C,0\r\n"},
  };
  EXPECT_EQ(byName(files), expected);
}

TEST(InsumoUsageExportTest, WithoutAGuideContextEveryInsumoIsUnused) {
  const std::map<std::string, std::string> files = byName(buildInsumoUsageExport(insumos(), nullptr));
  for (const auto& [name, bytes] : files) {
    const bool unused = name.find(" NO US") != std::string::npos;
    const auto lines = std::count(bytes.begin(), bytes.end(), '\n');
    if (!unused) {
      EXPECT_EQ(lines, 1) << name;  // the heading alone
    }
  }
  EXPECT_EQ(files.at("MATERIALES SIMPLES NO USADOS EN GUIAS.CSV"),
            kMaterialHeader +
                "101,Cemento gris  tipo I,saco,\"1234.56\",01/09/2011,Distribuidora  C.A.,Material,S,0\r\n"
                "103,Arena lavada,saco,\"30.00\",01/09/2011,Arenera,Material,S,0\r\n");
  EXPECT_EQ(files.at("MANO DE OBRA COMPUESTA NO USADA EN GUIAS.CSV"),
            kLabourHeader + "31,Cuadrilla,dia,\"180.00\",01/09/2011,Mano de Obra,C,0\r\n");
}

}  // namespace
}  // namespace baltu::insumos
