#include "store/startup.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "pricing/edition_table.h"
#include "pricing/settings_files.h"
#include "store/edition_files.h"
#include "store/folders.h"
#include "store/guide_file.h"
#include "store/insumo_file.h"
#include "store/merged_guides.h"
#include "store/text.h"

namespace baltu::store {
namespace {

std::size_t slot(Guide guide) { return static_cast<std::size_t>(guide); }

Message messageOf(std::string text, MessageIcon icon = MessageIcon::None,
                  MessageButtons buttons = MessageButtons::Ok) {
  Message message;
  message.text = std::move(text);
  message.icon = icon;
  message.buttons = buttons;
  return message;
}

// The system's reason for a failed folder creation, in the user's language.
std::string systemErrorText(int error) {
  switch (error) {
    case EACCES:
    case EPERM: return cp("Acceso denegado.");
    case ENOSPC: return cp("No hay espacio suficiente en el disco.");
    case EROFS: return cp("El disco es de sólo lectura.");
    case ENOTDIR: return cp("Una parte de la ruta no es una carpeta.");
    case ENOENT: return cp("El sistema no puede encontrar la ruta especificada.");
    case ENAMETOOLONG: return cp("El nombre de la carpeta es demasiado largo.");
    default: return cp("Error del sistema.");
  }
}

// Creates a folder, asking Abort/Retry/Ignore on failure. False: stop.
bool ensureFolder(const std::filesystem::path& folder, bool orvFolder, UserInterface& ui) {
  for (;;) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (std::filesystem::is_directory(folder)) return true;
    const int number = error ? error.value() : ENOTDIR;
    const Answer answer = ui.showMessage(
        messageOf(folderCreationMessage(orvFolder, number, systemErrorText(number), folder), MessageIcon::Error,
                  MessageButtons::AbortRetryIgnore));
    if (answer == Answer::Abort) return false;
    if (answer == Answer::Ignore) return true;
  }
}

bool fileExists(const std::filesystem::path& path) {
  std::error_code error;
  return std::filesystem::exists(path, error);
}

long long systemAvailableMemoryMb() {
  std::ifstream meminfo("/proc/meminfo");
  std::string key;
  long long value = 0;
  std::string unit;
  long long availableKb = 0;
  long long swapKb = 0;
  bool known = false;
  while (meminfo >> key >> value >> unit) {
    if (key == "MemAvailable:") availableKb = value, known = true;
    if (key == "SwapFree:") swapKb = value;
  }
  if (!known) return 1 << 20;  // nothing to tell: assume enough
  return availableKb / 1024 + swapKb / 1024;
}

// Loads one guide file with the edition's FCAS resolution; shows the failure.
std::optional<GuideTables> loadGuide(Program& program, const pricing::Edition& edition, Guide guide, UserInterface& ui) {
  auto resolver = [&](const PartidaBeingRead& partida) {
    return pricing::resolvePartidaFcas(edition, guide, partida, ui);
  };
  auto loaded =
      loadGuideFile(program.startFolder / dataFileName(guide), guide, program.loadOptions(), resolver, ui);
  if (!loaded.ok()) {
    if (!loaded.failure().cancelled) ui.showMessage(messageOf(loaded.failure().message, MessageIcon::Error));
    return std::nullopt;
  }
  return std::move(loaded.value());
}

// Steps for one partidas-as-insumos guide: read it (Abort/Retry/Ignore when the
// file is missing), then price it at once so its costs reach the materials.
bool load9000Guide(Program& program, const pricing::Edition& edition, Guide guide, UserInterface& ui) {
  const bool building = guide == Guide::Ed9000;
  for (;;) {
    ui.showProgress(cp(building ? " Leyendo las Partidas utilizadas como insumos en Edificaciones ..."
                                : " Leyendo las Partidas utilizadas como insumos en Reparaciones ..."));
    ui.processEvents();
    if (fileExists(program.startFolder / dataFileName(guide))) break;
    const Answer answer = ui.showMessage(messageOf(
        building ? "El archivo de Partidas como insumos (Edificaciones) no se encuentra!"
                 : "El archivo de Partidas como insumos (Reparaciones) no se encuentra!",
        MessageIcon::Exclamation, MessageButtons::AbortRetryIgnore));
    if (answer == Answer::Abort) return false;
    if (answer == Answer::Ignore) return true;
  }
  auto tables = loadGuide(program, edition, guide, ui);
  if (!tables) return false;
  program.guides[slot(guide)] = std::move(*tables);
  pricing::PricingSession& pricing = *program.pricing;
  pricing.indexGuide(guide);
  ui.showProgress(std::string(" Calculando el Precio Unitario Base para las Partidas ") +
                  std::string(guideId(guide).baseName) + " ...");
  ui.processEvents();
  const pricing::PricingContext context = pricing.context(ui);
  pricing::price9000Guide(context, pricing.guide(guide), pricing::PricePass::Base);
  ui.showProgress(std::string(" Calculando el Precio Unitario Recalculado para las Partidas ") +
                  std::string(guideId(guide).baseName) + " ...");
  ui.processEvents();
  pricing::price9000Guide(context, pricing.guide(guide), pricing::PricePass::Recalculated);
  return true;
}

std::string costGuideProgress(int number) {
  static const char* texts[] = {
      " Leyendo las Partidas de la Guía 1 - Edificaciones ...",
      " Leyendo las Partidas de la Guía 2 - Reparación, Reforma y Mantenimiento ...",
      " Leyendo las Partidas de la Guía 3 - Urbanismo ...",
      " Leyendo las Partidas de la Guía 4 - Electromecánica ...",
      " Leyendo las Partidas de la Guía 5 - Vialidad ...",
      " Leyendo las Partidas de la Guía 6 - Eléctrica (Redes aéreas)...",
      " Leyendo las Partidas de la Guía 7 - Saneamiento Ambiental ...",
  };
  return cp(texts[number - 1]);
}

// Settings: both files with defaults when one is missing, then read.
void prepareSettings(Program& program, UserInterface& ui) {
  pricing::PricingSession& pricing = *program.pricing;
  if (pricing::settingsFilesMissing(program.commonDataFolder)) {
    const pricing::DefaultSettingsResult created = pricing::createDefaultSettings(program.commonDataFolder);
    if (!created.adminFileWritten)
      ui.showMessage(messageOf(pricing::adminFileCreationFailureText(), MessageIcon::Exclamation));
    if (!created.programFileWritten)
      ui.showMessage(messageOf(pricing::programFileCreationFailureText(), MessageIcon::Exclamation));
  }
  pricing.readSettings();
}

}  // namespace

Switches parseSwitches(const std::vector<std::string>& arguments) {
  std::string line;
  for (const auto& argument : arguments) line += " " + toUpperCp(argument);
  return Switches{line.find("/I") != std::string::npos, line.find("/M") != std::string::npos,
                  line.find("/P") != std::string::npos};
}

const GuideTables* Program::guide(Guide which) const {
  const auto& tables = guides[slot(which)];
  return tables ? &*tables : nullptr;
}

bool Program::hasMerged9000() const { return guides[slot(Guide::Merged9000)].has_value(); }

std::string titleOf(const std::string& editionName) {
  return editionName + cp(" - Guía Referencial de Costos de Construcción");
}

std::string folderCreationMessage(bool orvFolder, int errorNumber, const std::string& systemText,
                                  const std::filesystem::path& folder) {
  const std::string heading = toUpperCp(cp("HA OCURRIDO UN ERROR AL INTENTAR CREAR UNA CARPETA\r\n\r\nError N°: ") +
                                        std::to_string(errorNumber) + " - " + systemText);
  const char* why =
      orvFolder ? "Para poder guardar los datos de configuración, los cuales incluyen los Valores Administrativos, es "
                  "necesario tener acceso a la carpeta \"ORV\" bajo  la carpeta \"Documentos públicos\" del usuario "
                  "\"Acceso público\" de Windows."
                : "Para poder guardar los datos de configuración, los cuales incluyen los Valores Administrativos, es "
                  "necesario tener acceso a la carpeta \"Documentos\" bajo el usuario \"Acceso público\" de Windows.";
  const char* name = orvFolder ? "ORV" : "Documents";
  const char* retry = orvFolder ? "Se intentará volver crear la carpeta \"ORV\""
                                : "Se intentará volver a crear la carpeta \"Documents\"";
  return heading + "\r\n\r\n\r\n" + cp(why) +
         cp("\r\n\r\nBaltu no ha podido crear esta carpeta. Por favor, haga este procedimiento manualmente si desea "
            "que los Valores Administrativos y todos los datos de configuración utilizados por Baltu, sean "
            "recordados entre sesiones.\r\n\r\nNombre de la carpeta a crear: \"") +
         name + cp("\"\r\nUbicación en el disco duro: \"") + folder.string() +
         cp("\"\r\n\r\nPulsando:\r\n\r\nANULAR (Abort)\r\nSe detiene la ejecución del programa y se cierra\r\n\r\n"
            "REINTENTAR (Retry)\r\n") +
         cp(retry) +
         cp("\r\n\r\nIGNORAR (Ignore)\r\nSe continúa la ejecución del programa sin haber resuelto este error. Baltu "
            "funcionará pero es posible que se produzcan mensajes de error constantemente");
}

std::unique_ptr<Program> runStartup(const StartupOptions& options, UserInterface& ui) {
  auto program = std::make_unique<Program>();
  program->startFolder = options.startFolder;
  program->commonDocumentsFolder =
      options.commonDocumentsFolder.empty() ? commonDocumentsFolder() : options.commonDocumentsFolder;
  program->commonDataFolder = commonDataFolder(program->commonDocumentsFolder);

  if (!ensureFolder(program->commonDocumentsFolder, false, ui)) return nullptr;
  if (!ensureFolder(program->commonDataFolder, true, ui)) return nullptr;

  bool anyCostGuide = false;
  for (Guide guide : kCostGuides) anyCostGuide = anyCostGuide || fileExists(program->startFolder / dataFileName(guide));
  if (anyCostGuide && (!fileExists(program->startFolder / "9000ED.DAT") || !fileExists(program->startFolder / "9000RM.DAT"))) {
    ui.showMessage(messageOf(cp("Falta uno o más archvios de datos necesarios para ejecutar el programa Baltu.\r\n\r\n"
                                "Instale los archivos de datos y vuelva a intentarlo.")));
    return nullptr;
  }

  const InsumoFileChoice insumoFile = chooseInsumoFile(program->startFolder);
  program->insumoFileName = insumoFile.fileName;
  program->region = insumoFile.region;
  program->switches = parseSwitches(options.arguments);
  if (options.platformChecks && !options.platformChecks()) return nullptr;

  if (insumoFile.region == 0) {
    ui.showMessage(messageOf(cp("No se encontró ninguna edición válida de Baltu")));
    return nullptr;
  }
  auto editionName = readEditionName(program->startFolder / insumoFile.fileName);
  if (!editionName.ok()) {
    ui.showMessage(messageOf(editionName.failure().message, MessageIcon::Error));
    return nullptr;
  }
  program->editionName = editionName.value();
  program->windowTitle = titleOf(program->editionName);
  program->editionFolder =
      store::editionFolder(program->startFolder, program->commonDocumentsFolder, program->editionName);
  auto edition = pricing::applyEdition(program->editionName);
  if (!edition.ok()) {
    ui.showMessage(messageOf(edition.failure().message, MessageIcon::Error));
    return nullptr;
  }

  if (options.openSplash) options.openSplash();
  const long long memory = options.availableMemoryMb ? options.availableMemoryMb() : systemAvailableMemoryMb();
  if (memory < 22) {
    ui.showMessage(messageOf(cp("No hay suficiente memoria para ejecutar Baltu.\r\n\r\nSe necesitan 22MB disponibles "
                                "como mínimo")));
    return nullptr;
  }

  if (!fileExists(program->startFolder / insumoFile.fileName)) {
    ui.showMessage(messageOf("El archivo de insumos no se encuentra"));
    return nullptr;
  }
  auto insumos = loadInsumoFile(program->startFolder / insumoFile.fileName, program->loadOptions(), ui);
  if (!insumos.ok()) {
    ui.showMessage(messageOf(insumos.failure().message, MessageIcon::Error));
    return nullptr;
  }
  program->insumos = std::move(insumos.value());
  program->pricing = std::make_unique<pricing::PricingSession>(edition.value(), program->insumos, program->guides,
                                                               program->commonDataFolder);
  prepareSettings(*program, ui);

  if (!load9000Guide(*program, edition.value(), Guide::Ed9000, ui)) return nullptr;
  if (!load9000Guide(*program, edition.value(), Guide::Rm9000, ui)) return nullptr;
  if (program->guide(Guide::Ed9000) != nullptr && program->guide(Guide::Rm9000) != nullptr) {
    program->guides[slot(Guide::Merged9000)] = buildMerged9000Guide(
        *program->guide(Guide::Ed9000), *program->guide(Guide::Rm9000), program->loadOptions(), ui);
    program->pricing->indexGuide(Guide::Merged9000);
  }

  for (Guide guide : kCostGuides) {
    const int number = guideId(guide).number;
    if (!fileExists(program->startFolder / dataFileName(guide))) continue;
    ui.showProgress(costGuideProgress(number));
    ui.processEvents();
    auto tables = loadGuide(*program, edition.value(), guide, ui);
    if (!tables) return nullptr;
    program->guides[slot(guide)] = std::move(*tables);
    program->pricing->indexGuide(guide);
    program->basePrices[static_cast<std::size_t>(number - 1)] = pricing::obtainBasePrices(
        program->pricing->context(ui), program->pricing->guide(guide), program->startFolder, program->loadOptions());
    program->available[static_cast<std::size_t>(number - 1)] = true;
  }

  ui.showProgress(cp(" Inicializando módulos de funcionamiento ..."));
  ui.processEvents();
  program->pricing->readSettings();
  return program;
}

}  // namespace baltu::store
