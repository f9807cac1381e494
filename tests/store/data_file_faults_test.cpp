#include <gtest/gtest.h>

#include "mkedition/edition_writer.h"
#include "store/guide_file.h"
#include "store/insumo_file.h"
#include "store/text.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"

namespace baltu::store {
namespace {

std::string sampleGuide() {
  return mkedition::guideFileBytes({{{{"E1011005", "PICO", "E3", "UND", "1", "1", "U", "EDIF"}},
                                     {{"E1011005", "1", "1", "0"}},
                                     {{"E1011005", "5", "1", "1"}},
                                     {{"E1011005", "30", "1"}}}});
}

std::string sampleInsumos() {
  std::array<mkedition::RawSection, 6> s;
  s[0] = {{"CEMENTO", "SACO", "10", "X", "1/1/2018", "1", "S"}};
  return mkedition::insumoFileBytes("DICIEMBRE 2018", s);
}

std::string withHeaderNumber(std::string bytes, std::size_t index, const char* number) {
  bytes.replace(index * 8, 8, number);
  return bytes;
}

struct Defect {
  const char* name;
  const char* file;  // "GUIA1.DAT" or "INSUMOS.DAT"
  std::string bytes;
  const char* reason;
};

std::vector<Defect> defects() {
  const std::string guide = sampleGuide();
  const std::string insumos = sampleInsumos();
  return {
      {"GuideShorterThanHeader", "GUIA1.DAT", guide.substr(0, 10), "es más corto que su cabecera"},
      {"GuideTruncated", "GUIA1.DAT", guide.substr(0, guide.size() / 2), "más allá del final del archivo"},
      {"GuideHeaderNotNumbers", "GUIA1.DAT", withHeaderNumber(guide, 1, "12ab    "), "no contiene posiciones válidas"},
      {"GuideHeaderBlank", "GUIA1.DAT", withHeaderNumber(guide, 0, "        "), "no contiene posiciones válidas"},
      {"GuideSectionsOutOfOrder", "GUIA1.DAT", withHeaderNumber(guide, 1, "       3"), "no están en orden"},
      {"GuideNegativeOffset", "GUIA1.DAT", withHeaderNumber(guide, 0, "     -30"), "no están en orden"},
      {"InsumosShorterThanName", "INSUMOS.DAT", insumos.substr(0, 60), "es más corto que su cabecera"},
      {"InsumosTruncated", "INSUMOS.DAT", insumos.substr(0, insumos.size() - 5), "más allá del final del archivo"},
      {"InsumosHeaderNotNumbers", "INSUMOS.DAT", withHeaderNumber(insumos, 6, "x       "),
       "no contiene posiciones válidas"},
      {"InsumosSectionInsideName", "INSUMOS.DAT", withHeaderNumber(insumos, 0, "       2"), "no están en orden"},
  };
}

class DataFileDefectTest : public ::testing::TestWithParam<Defect> {};

TEST_P(DataFileDefectTest, GivesAMessageNamingTheFileAndNoTables) {
  const Defect& defect = GetParam();
  test::TempFolder folder;
  test::ScriptedUi ui;
  folder.write(defect.file, defect.bytes);
  std::string message;
  if (std::string_view(defect.file) == "GUIA1.DAT") {
    auto loaded = loadGuideFile(folder / defect.file, Guide::Guia1, {},
                                [](const PartidaBeingRead&) { return std::optional<PartidaFcas>(PartidaFcas{}); }, ui);
    ASSERT_FALSE(loaded.ok());
    message = loaded.failure().message;
  } else {
    auto loaded = loadInsumoFile(folder / defect.file, {}, ui);
    ASSERT_FALSE(loaded.ok());
    message = loaded.failure().message;
  }
  EXPECT_NE(message.find(std::string("El archivo de datos \"") + defect.file + "\""), std::string::npos) << message;
  EXPECT_NE(message.find(cp(defect.reason)), std::string::npos) << toUtf8(message);
}

INSTANTIATE_TEST_SUITE_P(Defects, DataFileDefectTest, ::testing::ValuesIn(defects()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DataFileReadErrorTest, MissingInsumoFileGivesTheReadingLoopMessage) {
  test::TempFolder folder;
  test::ScriptedUi ui;
  auto loaded = loadInsumoFile(folder / "INSUMOS.DAT", {}, ui);
  ASSERT_FALSE(loaded.ok());
  EXPECT_EQ(loaded.failure().message.substr(0, 42), "ERR:53 Bucle de  lectura  de Insumos A\r\n\r\n");
  EXPECT_TRUE(ui.progress.empty());
}

}  // namespace
}  // namespace baltu::store
