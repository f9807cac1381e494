#include <gtest/gtest.h>

#include "mkedition/edition_writer.h"
#include "store/insumo_file.h"
#include "store/text.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace baltu::store {
namespace {

using mkedition::RawSection;

// material raw: description, unit, cost, supplier, date, code, type
RawSection materials() {
  return {
      {cp("CEMENTO GRIS TIPO I"), " SACO ", "1234.5", "DISTRIBUIDORA LARA", "15/09/2011", "123", "S"},
      {"ARENA LAVADA", "M3", "0.5", "AREneras", "1/9/2011", "7", "S "},
      {cp("CEMENTO GRIS TIPO I"), "SACO", "99", "OTRO", "15/09/2011", "45", "S"},
      {"AGUA", "LTS", "0", "", "", "9000", "S"},
  };
}

std::array<RawSection, 6> sections() {
  std::array<RawSection, 6> s;
  s[0] = materials();
  // equipment raw: description, unit, depreciation, cost, supplier, date, code, type
  s[1] = {{"MEZCLADORA", "DIA", "0.00125", "15000", "EQUIPOS SA", "10/09/2011", "5", "S"}};
  // labour raw: description, unit, wage, date, code, type
  s[2] = {{cp("ALBAÑIL"), "DIA", "120.75", "01/09/2011", "30", "S"}};
  // compound material: code, description, unit, then groups of code, description, unit, quantity, cost
  mkedition::RawRecord compound = {"501", "MORTERO", "M3"};
  compound.insert(compound.end(), {"123", "CEMENTO", "SACO", "2.5", "10.01"});
  compound.insert(compound.end(), {"7", "ARENA", "M3", "1.005", "0.5"});
  compound.insert(compound.end(), {"999", "NO EXISTE", "M3", "1", "100"});
  while (compound.size() < 78) compound.push_back("0");
  compound.push_back("0");
  s[3] = {compound};
  return s;  // compound equipment and labour sections are empty
}

class InsumoFileTest : public ::testing::Test {
 protected:
  Expected<InsumoTables> load(bool sortByCode) {
    folder.write("INSUMOS.DAT", mkedition::insumoFileBytes("SEPTIEMBRE 2011", sections(), "relleno"));
    return loadInsumoFile(folder / "INSUMOS.DAT", LoadOptions{sortByCode}, ui);
  }
  test::TempFolder folder;
  test::ScriptedUi ui;
};

TEST_F(InsumoFileTest, BuildsTableRowsFromRawFields) {
  auto loaded = load(false);
  ASSERT_TRUE(loaded.ok()) << loaded.failure().message;
  const InsumoTables& t = loaded.value();
  EXPECT_EQ(t.editionName, "SEPTIEMBRE 2011");
  ASSERT_EQ(t.materials.size(), 4u);
  const Record& arena = t.materials[1];  // sorted by description: AGUA, ARENA, CEMENTO, CEMENTO
  EXPECT_EQ(arena.text(), joinRecord({"       7", "ARENA LAVADA", "m3", "                0,50", "   1/9/2011",
                                      "AREneras", "S "}));
  EXPECT_EQ(t.materials[2].field(4), "            1.234,50");
  EXPECT_EQ(t.materials[2].field(3), "saco");
  EXPECT_EQ(t.materials[0].field(4), "                0,00");
  ASSERT_EQ(t.equipment.size(), 1u);
  EXPECT_EQ(t.equipment[0].text(), joinRecord({"       5", "MEZCLADORA", "dia", " 0,00125", "           15.000,00",
                                               " 10/09/2011", "EQUIPOS SA", "S"}));
  ASSERT_EQ(t.labour.size(), 1u);
  EXPECT_EQ(t.labour[0].text(), joinRecord({"      30", cp("ALBAÑIL"), "dia", "              120,75",
                                            " 01/09/2011", "S"}));
  EXPECT_TRUE(t.compoundEquipment.empty());
  EXPECT_TRUE(t.compoundLabour.empty());
}

TEST_F(InsumoFileTest, DuplicateDescriptionsStayInFileOrderAndCodeSortWithSwitch) {
  auto byDescription = load(false);
  ASSERT_TRUE(byDescription.ok());
  const Table& m = byDescription.value().materials;
  EXPECT_EQ(m[2].field(1), "     123");  // "123" is held as five blanks and the code
  EXPECT_EQ(m[3].field(1), "      45");

  auto byCode = load(true);
  ASSERT_TRUE(byCode.ok());
  std::vector<std::string> codes;
  for (const Record& r : byCode.value().materials) codes.emplace_back(r.field(1));
  // right-aligned codes sort shorter ones first
  EXPECT_EQ(codes, (std::vector<std::string>{"       7", "      45", "     123", "    9000"}));
}

TEST_F(InsumoFileTest, CompoundMaterialTotalCountsKnownComponentsOnly) {
  auto loaded = load(false);
  ASSERT_TRUE(loaded.ok());
  const Record& mortero = loaded.value().compoundMaterials.at(0);
  EXPECT_EQ(mortero.fieldCount(), 79u);
  EXPECT_EQ(mortero.field(1), "     501");
  EXPECT_EQ(mortero.field(7), "          2,5000");  // quantity, width 16
  EXPECT_EQ(mortero.field(8), "               10,01");
  // round2(2.5 x 10.01) + round2(1.005 x 0.5) = 25.02 + 0.50 ("999" is not a material)
  EXPECT_EQ(mortero.field(79), "               25,52");
}

TEST_F(InsumoFileTest, ReportsEachSectionInOrder) {
  ASSERT_TRUE(load(false).ok());
  EXPECT_EQ(ui.progress, (std::vector<std::string>{
                             " Leyendo los Insumos (Materiales)...", " Leyendo los Insumos (Equipos)...",
                             " Leyendo los Insumos (Mano de Obra)...", " Leyendo los Insumos (Materiales Compuestos)...",
                             " Leyendo los Insumos (Equipos Compuestos)...",
                             " Leyendo los Insumos (Mano de Obra Compuesta)..."}));
}

TEST_F(InsumoFileTest, EditionNameIsReadAlone) {
  folder.write("INSUMOS3.DAT", mkedition::insumoFileBytes("ABRIL 2018 - II", {}));
  auto name = readEditionName(folder / "INSUMOS3.DAT");
  ASSERT_TRUE(name.ok());
  EXPECT_EQ(name.value(), "ABRIL 2018 - II");
}

}  // namespace
}  // namespace baltu::store
