#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "store/edition_files.h"
#include "store/folders.h"
#include "store/startup.h"
#include "store/text.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"
#include "support/tiny_edition.h"

namespace baltu::store {
namespace {

class StartupTest : public ::testing::Test {
 protected:
  std::unique_ptr<Program> start(std::vector<std::string> arguments = {}) {
    StartupOptions options;
    options.startFolder = program.path();
    options.commonDocumentsFolder = documents.path() / "Documentos";
    options.arguments = std::move(arguments);
    options.availableMemoryMb = [this] { return memoryMb; };
    return runStartup(options, ui);
  }
  std::vector<std::string> messageTexts() const {
    std::vector<std::string> texts;
    for (const auto& m : ui.messages) texts.push_back(toUtf8(m.text));
    return texts;
  }

  test::TempFolder program;
  test::TempFolder documents;
  test::ScriptedUi ui;
  long long memoryMb = 4096;
};

TEST_F(StartupTest, LoadsEveryGuidePricesThemAndCreatesTheSettings) {
  test::writeTinyEdition(program.path());
  auto loaded = start({"/i"});
  ASSERT_NE(loaded, nullptr) << (ui.messages.empty() ? "" : toUtf8(ui.messages[0].text));
  EXPECT_TRUE(ui.messages.empty());
  EXPECT_EQ(loaded->editionName, "SEPTIEMBRE 2011");
  EXPECT_EQ(loaded->windowTitle, cp("SEPTIEMBRE 2011 - Guía Referencial de Costos de Construcción"));
  EXPECT_EQ(loaded->region, 1);
  EXPECT_TRUE(loaded->switches.sortByCode);
  EXPECT_EQ(loaded->editionFolder, documents.path() / "Documentos" / "ORV" / "2011-09");
  EXPECT_TRUE(std::filesystem::exists(documents.path() / "Documentos" / "ORV" / "VAdmin.cfg"));
  EXPECT_TRUE(std::filesystem::exists(documents.path() / "Documentos" / "ORV" / "Baltu.cfg"));
  EXPECT_EQ(loaded->available, (std::array<bool, 7>{true, false, true, false, false, false, false}));
  ASSERT_TRUE(loaded->hasMerged9000());
  EXPECT_EQ(loaded->guide(Guide::Merged9000)->partidas.size(), 2u);
  EXPECT_TRUE(std::filesystem::exists(program / "GUIA1I.APU"));
  // The 9000 partida's direct cost became the cost of its material.
  EXPECT_NE(trim(loaded->guide(Guide::Ed9000)->partidas[0].field(6)), "0,00");
  EXPECT_EQ(ui.progress.front(), " Leyendo los Insumos (Materiales)...");
  EXPECT_EQ(ui.progress.back(), cp(" Inicializando módulos de funcionamiento ..."));
  EXPECT_NE(std::find(ui.progress.begin(), ui.progress.end(),
                      cp(" Leyendo las Partidas de la Guía 3 - Urbanismo ...")),
            ui.progress.end());
}

TEST_F(StartupTest, CostGuideWithoutA9000FileStops) {
  test::writeTinyEdition(program.path(), {.rm9000 = false});
  EXPECT_EQ(start(), nullptr);
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{
                                "Falta uno o más archvios de datos necesarios para ejecutar el programa Baltu.\r\n\r\n"
                                "Instale los archivos de datos y vuelva a intentarlo."}));
}

TEST_F(StartupTest, OnlyTheNineThousandGuidesLeaveEveryCostGuideDisabled) {
  test::writeTinyEdition(program.path(), {.insumoFile = "INSUMOS3.DAT", .costGuides = {}});
  auto loaded = start();
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->region, 3);
  EXPECT_EQ(regionName(loaded->region), "REGION ORIENTAL");
  EXPECT_EQ(loaded->available, (std::array<bool, 7>{}));
  EXPECT_TRUE(loaded->hasMerged9000());
}

TEST_F(StartupTest, MissingNineThousandFileAsksAbortRetryIgnore) {
  test::writeTinyEdition(program.path(), {.ed9000 = false, .costGuides = {}});
  ui.answers = {Answer::Retry, Answer::Ignore};
  auto loaded = start();
  ASSERT_NE(loaded, nullptr);
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[0].text, "El archivo de Partidas como insumos (Edificaciones) no se encuentra!");
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::AbortRetryIgnore);
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Exclamation);
  EXPECT_EQ(loaded->guide(Guide::Ed9000), nullptr);
  EXPECT_FALSE(loaded->hasMerged9000());

  ui.messages.clear();
  ui.answers = {Answer::Abort};
  EXPECT_EQ(start(), nullptr);
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(StartupTest, StopsWithTheirMessages) {
  EXPECT_EQ(start(), nullptr);  // no insumo file at all
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"No se encontró ninguna edición válida de Baltu"}));

  test::writeTinyEdition(program.path(), {.editionName = "ENERO 2031"});
  ui.messages.clear();
  EXPECT_EQ(start(), nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_NE(messageTexts()[0].find("\"ENERO 2031\""), std::string::npos);

  test::writeTinyEdition(program.path());
  memoryMb = 21;
  ui.messages.clear();
  EXPECT_EQ(start(), nullptr);
  EXPECT_EQ(messageTexts(), (std::vector<std::string>{"No hay suficiente memoria para ejecutar Baltu.\r\n\r\n"
                                                      "Se necesitan 22MB disponibles como mínimo"}));
}

TEST_F(StartupTest, FolderThatCannotBeMadeAsksAndAbortStops) {
  test::writeTinyEdition(program.path());
  std::ofstream(documents / "Documentos") << "un archivo, no una carpeta";
  ui.answers = {Answer::Abort};
  EXPECT_EQ(start(), nullptr);
  ASSERT_EQ(ui.messages.size(), 1u);
  const std::string text = messageTexts()[0];
  const std::string heading = "HA OCURRIDO UN ERROR AL INTENTAR CREAR UNA CARPETA\r\n\r\nERROR N°: ";
  EXPECT_EQ(text.substr(0, heading.size()), heading);
  EXPECT_NE(text.find("Nombre de la carpeta a crear: \"Documents\""), std::string::npos);
  EXPECT_EQ(ui.messages[0].buttons, MessageButtons::AbortRetryIgnore);
}

TEST(EditionFolderTest, MonthFolderOrTheStartFolderWithDocumentos) {
  test::TempFolder start;
  EXPECT_EQ(editionFolder(start.path(), "/docs", "SEPTIEMBRE 2011"), std::filesystem::path("/docs/ORV/2011-09"));
  EXPECT_EQ(editionFolder(start.path(), "/docs", "ABRIL 2018 - II"), std::filesystem::path("/docs/ORV/2018-04"));
  std::filesystem::create_directory(start / "DOCUMENTOS");
  EXPECT_EQ(editionFolder(start.path(), "/docs", "SEPTIEMBRE 2011"), start.path());
}

TEST(SwitchesTest, AnywhereInTheCommandLineAnyCase) {
  const Switches s = parseSwitches({"-x/m", "/p"});
  EXPECT_FALSE(s.sortByCode);
  EXPECT_TRUE(s.extraMenus);
  EXPECT_TRUE(s.budget);
}

}  // namespace
}  // namespace baltu::store
