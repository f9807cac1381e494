#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "cli/cli.h"
#include "support/temp_folder.h"
#include "support/tiny_edition.h"

namespace baltu::cli {
namespace {

class ListingAnalysisCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("BALTU_COMMON_DOCUMENTS", (settings.path() / "docs").c_str(), 1);
    test::writeTinyEdition(folder.path());
  }
  int run(std::vector<std::string> args) {
    out.str("");
    err.str("");
    args.insert(args.begin(), {"-C", folder.path().string()});
    return runCli(args, out, err);
  }
  test::TempFolder folder;
  test::TempFolder settings;
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(ListingAnalysisCommandTest, ListingGoesToStdoutOrAFileWithTheSameBytes) {
  ASSERT_EQ(run({"listing", "GUIA3", "/I"}), kOk) << err.str();
  const std::string csv = out.str();
  EXPECT_EQ(csv.substr(0, 21), "Listado de Partidas\r\n");
  // Both partidas, with the code field of /I, recalculated prices brought up to date.
  EXPECT_NE(csv.find("\r\n1;G3011001;G3312;"), std::string::npos) << csv;
  EXPECT_NE(csv.find("\r\n2;G3011005;G3311;"), std::string::npos) << csv;

  ASSERT_EQ(run({"listing", "guia3", "--out", (folder / "listado.csv").string(), "/i"}), kOk) << err.str();
  std::ifstream file(folder / "listado.csv", std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(file), {}), csv);

  ASSERT_EQ(run({"listing", "GUIA3", "--text"}), kOk);
  EXPECT_EQ(out.str().substr(0, 30), "REPORTE: Listado de Partidas\r\n");
}

TEST_F(ListingAnalysisCommandTest, AnalysisShowsSectionsAndThePrice) {
  ASSERT_EQ(run({"analysis", "GUIA1", "G1011005"}), kOk) << err.str();
  const std::string text = out.str();
  for (const char* part : {"MATERIALES (1)", "EQUIPOS (1)", "MANO DE OBRA (1)", "Costo directo por unidad: ",
                           "Precio unitario: "})
    EXPECT_NE(text.find(part), std::string::npos) << part << "\n" << text;
}

TEST_F(ListingAnalysisCommandTest, UnknownGuidesAndPartidasFail) {
  EXPECT_EQ(run({"listing", "GUIA9"}), kFailure);
  EXPECT_NE(err.str().find("Guía desconocida: GUIA9"), std::string::npos);
  EXPECT_EQ(run({"listing", "GUIA5"}), kFailure);  // not in this edition
  EXPECT_EQ(run({"analysis", "GUIA1", "X"}), kFailure);
  EXPECT_EQ(run({"analysis", "GUIA1"}), kUsage);
}

}  // namespace
}  // namespace baltu::cli
