#include "support/tiny_edition.h"

#include <fstream>

#include "mkedition/edition_writer.h"

namespace baltu::test {
namespace {

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

std::array<mkedition::RawSection, 4> guide(const std::string& prefix, const std::string& sector) {
  return {{
      {{prefix + "011005", "EXCAVACION A MANO", prefix + "311", "m3", "10", "1", "R", sector},
       {prefix + "011001", "BOTE DE TIERRA", prefix + "312", "UND", "20", "1", "R", "TRAN"}},
      {{prefix + "011005", "1", "2", "5"}, {prefix + "011001", "2", "1.5", "0"}},
      {{prefix + "011005", "5", "1", "0.01"}},
      {{prefix + "011005", "30", "1"}, {prefix + "011001", "31", "2"}},
  }};
}

}  // namespace

void writeTinyEdition(const std::filesystem::path& folder, const TinyEdition& edition) {
  std::array<mkedition::RawSection, 6> insumos;
  insumos[0] = {{"CEMENTO", "SACO", "10", "DISTRIBUIDORA", "1/9/2011", "1", "S"},
                {"ARENA", "M3", "5.5", "ARENERA", "1/9/2011", "2", "S"},
                {"PARTIDA 9044 EDIFICACIONES", "M3", "0", "", "1/9/2011", "EDF-9044", "P"},
                {"PARTIDA 9044 REPARACIONES", "M3", "0", "", "1/9/2011", "REM-9044", "P"}};
  insumos[1] = {{"WINCHE CABRESTANTE", "DIA", "0.00125", "1000", "EQUIPOS", "1/9/2011", "5", "S"}};
  insumos[2] = {{"ALBANIL", "DIA", "100", "1/9/2011", "30", "S"}, {"AYUDANTE", "DIA", "80", "1/9/2011", "31", "S"}};
  writeBytes(folder / edition.insumoFile, mkedition::insumoFileBytes(edition.editionName, insumos));
  if (edition.ed9000) {
    auto ed = guide("EDF-9", "EDIF");
    ed[0] = {{"EDF-9044", "CONCRETO 9044", "E9044", "m3", "10", "1", "R", "EDIF"}};
    ed[1] = {{"EDF-9044", "1", "2", "0"}};
    ed[2] = {};
    ed[3] = {{"EDF-9044", "30", "1"}};
    writeBytes(folder / "9000ED.DAT", mkedition::guideFileBytes(ed));
  }
  if (edition.rm9000) {
    auto rm = guide("REM-9", "REPA");
    rm[0] = {{"REM-9044", "REPARACION 9044", "R9044", "m2", "10", "1", "R", "REPA"}};
    rm[1] = {{"REM-9044", "EDF-9044", "1", "0"}};
    rm[2] = {};
    rm[3] = {};
    writeBytes(folder / "9000RM.DAT", mkedition::guideFileBytes(rm));
  }
  static const char* sectors[] = {"EDIF", "REPA", "URBA", "ELEM", "VIAL", "ELEC", "AMBI"};
  for (int n : edition.costGuides)
    writeBytes(folder / ("GUIA" + std::to_string(n) + ".DAT"),
               mkedition::guideFileBytes(guide("G" + std::to_string(n), sectors[n - 1])));
}

}  // namespace baltu::test
