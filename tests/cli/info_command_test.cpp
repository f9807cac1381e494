#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "cli/cli.h"
#include "mkedition/edition_writer.h"
#include "support/temp_folder.h"

namespace baltu::cli {
namespace {

class InfoCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("BALTU_COMMON_DOCUMENTS", (settings.path() / "docs").c_str(), 1);
    std::array<mkedition::RawSection, 6> insumos;
    insumos[0] = {{"CEMENTO", "SACO", "10", "X", "1/1/2018", "1", "S"}, {"ARENA", "M3", "5", "X", "1/1/2018", "2", "S"}};
    insumos[2] = {{"ALBANIL", "DIA", "120", "1/1/2018", "30", "S"}};
    folder.write("INSUMOS2.DAT", mkedition::insumoFileBytes("DICIEMBRE 2018", insumos));
    const std::array<mkedition::RawSection, 4> guide = {{
        {{"U1011005", "ACERA", "U311", "m2", "10", "1", "U", "URBA"},
         {"U1011006", "BROCAL", "U312", "ml", "10", "1", "U", "TRAN"}},
        {{"U1011005", "1", "1", "0"}},
        {},
        {{"U1011005", "30", "1"}},
    }};
    folder.write("GUIA3.DAT", mkedition::guideFileBytes(guide));
    folder.write("9000ED.DAT", mkedition::guideFileBytes({}));
    folder.write("9000RM.DAT", mkedition::guideFileBytes({}));
  }

  int run(std::vector<std::string> args) {
    args.insert(args.begin(), {"-C", folder.path().string()});
    return runCli(args, out, err);
  }

  test::TempFolder folder;
  test::TempFolder settings;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(InfoCommandTest, PrintsEditionRegionAndCounts) {
  ASSERT_EQ(run({"info", "/i"}), kOk) << err.str();
  EXPECT_EQ(out.str(),
            "Edición: DICIEMBRE 2018\n"
            "Región: 2 - REGION OCCIDENTAL\n"
            "Archivo de insumos: INSUMOS2.DAT\n"
            "INSUMOS2.DAT: materiales 2, equipos 0, mano de obra 1, materiales compuestos 0, equipos compuestos 0, "
            "mano de obra compuesta 0\n"
            "9000ED.DAT: partidas 0, materiales 0, equipos 0, mano de obra 0; precios base calculados\n"
            "9000RM.DAT: partidas 0, materiales 0, equipos 0, mano de obra 0; precios base calculados\n"
            "GUIA1.DAT: no existe\n"
            "GUIA2.DAT: no existe\n"
            "GUIA3.DAT: partidas 2, materiales 1, equipos 0, mano de obra 1; precios base calculados y guardados en "
            "GUIA3I.APU\n"
            "GUIA4.DAT: no existe\n"
            "GUIA5.DAT: no existe\n"
            "GUIA6.DAT: no existe\n"
            "GUIA7.DAT: no existe\n");
  EXPECT_EQ(err.str(), "");
  EXPECT_TRUE(std::filesystem::exists(settings.path() / "docs" / "ORV" / "VAdmin.cfg"));

  out.str("");
  ASSERT_EQ(run({"info", "/i"}), kOk) << err.str();
  EXPECT_NE(out.str().find("GUIA3.DAT: partidas 2, materiales 1, equipos 0, mano de obra 1; precios base leídos de "
                           "GUIA3I.APU\n"),
            std::string::npos)
      << out.str();
}

TEST_F(InfoCommandTest, DamagedGuideFailsWithItsMessageOnStderr) {
  folder.write("GUIA3.DAT", "       1       2       3");
  EXPECT_EQ(run({"info"}), kFailure);
  EXPECT_NE(err.str().find("El archivo de datos \"GUIA3.DAT\""), std::string::npos) << err.str();
}

TEST_F(InfoCommandTest, UsageErrors) {
  EXPECT_EQ(run({}), kUsage);
  EXPECT_EQ(run({"nada"}), kUsage);
  EXPECT_NE(err.str().find("Orden desconocida: nada"), std::string::npos);
}

}  // namespace
}  // namespace baltu::cli
