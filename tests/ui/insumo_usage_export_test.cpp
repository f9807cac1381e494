#include "insumos/ui/insumo_usage_export.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "insumos/insumo_usage_export.h"
#include "store/text.h"
#include "ui_test_support.h"

namespace baltu::insumos::ui {
namespace {

using store::Answer;
using store::cp;

std::string fileBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class InsumoUsageExportUiTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_NE(started.program, nullptr); }

  std::filesystem::path folder() { return started.program->editionFolder / "EXPORTAR INSUMOS"; }

  test::StartedEdition started{test::TinyEdition{}, {"/I", "/M"}};
  test::ScriptedUi ui;
};

TEST_F(InsumoUsageExportUiTest, NoWritesNothing) {
  ui.answers = {Answer::No};
  runInsumoUsageExport(*started.program, ui, store::Guide::Guia1, nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  const store::Message& asked = ui.messages[0];
  EXPECT_EQ(asked.icon, store::MessageIcon::Information);
  EXPECT_EQ(asked.buttons, store::MessageButtons::YesNo);
  EXPECT_EQ(asked.text.substr(0, 40), cp("ANTES DE EXPORTAR LOS INSUMOS USADOS EN "));
  EXPECT_EQ(asked.text.substr(asked.text.rfind("\r\n") + 2), cp("(Serán Guardados en ") + folder().string() + ")");
  EXPECT_FALSE(std::filesystem::exists(folder()));
}

TEST_F(InsumoUsageExportUiTest, YesWritesTheTwelveFilesOverTheCurrentGuide) {
  ui.answers = {Answer::Yes, Answer::No};
  runInsumoUsageExport(*started.program, ui, store::Guide::Guia1, nullptr);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text,
            cp("Los archivos de los Insumos usados en las partidas y los insumos no usados por ellas han sido "
               "guardados en diferentes archivos\r\n\r\n¿Desea abrir en elexplorador de Windows la carpeta ") +
                folder().string() + "?");

  const store::GuideTables* guide1 = started.program->guide(store::Guide::Guia1);
  ASSERT_NE(guide1, nullptr);
  const auto expected = buildInsumoUsageExport(started.program->insumos, guide1);
  ASSERT_EQ(expected.size(), 12u);
  for (const UsageExportFile& file : expected) EXPECT_EQ(fileBytes(folder() / file.name), file.bytes) << file.name;
  // Guide 1 uses CEMENTO (code 1) and ARENA (code 2), each on one line.
  EXPECT_EQ(fileBytes(folder() / "MATERIALES SIMPLES USADOS EN GUIAS.CSV"),
            usageHeader(pricing::InsumoKind::Material) +
                "\r\n1,CEMENTO,saco,\"10.00\",1/9/2011,DISTRIBUIDORA,Material,S,1\r\n"
                "2,ARENA,m3,\"5.50\",1/9/2011,ARENERA,Material,S,1\r\n");
}

}  // namespace
}  // namespace baltu::insumos::ui
