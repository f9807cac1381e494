#include <system_error>

#include "cli/cli.h"
#include "cli/cli_user_interface.h"
#include "pricing/edition_table.h"
#include "store/edition_files.h"
#include "store/guide_file.h"
#include "store/insumo_file.h"
#include "store/text.h"

namespace baltu::cli {
namespace {

void reportFailure(const store::Failure& failure, std::ostream& err) {
  if (failure.cancelled) {
    err << "Carga detenida por el usuario.\n";
    return;
  }
  CliUserInterface(err).showMessage(store::Message{"Baltu", failure.message, store::MessageIcon::Error});
}

}  // namespace

int infoCommand(const Invocation& invocation, std::ostream& out, std::ostream& err) {
  CliUserInterface ui(err);
  const store::InsumoFileChoice choice = store::chooseInsumoFile(invocation.folder);
  if (choice.region == 0) {
    err << "Baltu: No se encontró ninguna edición válida de Baltu\n";
    return kFailure;
  }
  auto insumos = store::loadInsumoFile(invocation.folder / choice.fileName, invocation.load, ui);
  if (!insumos) {
    reportFailure(insumos.failure(), err);
    return kFailure;
  }
  const store::InsumoTables& tables = insumos.value();
  auto edition = pricing::applyEdition(tables.editionName);
  if (!edition) {
    reportFailure(edition.failure(), err);
    return kFailure;
  }

  out << "Edición: " << store::toUtf8(tables.editionName) << "\n";
  out << "Región: " << choice.region << " - " << store::regionName(choice.region) << "\n";
  out << "Archivo de insumos: " << choice.fileName << "\n";
  out << choice.fileName << ": materiales " << tables.materials.size() << ", equipos " << tables.equipment.size()
      << ", mano de obra " << tables.labour.size() << ", materiales compuestos " << tables.compoundMaterials.size()
      << ", equipos compuestos " << tables.compoundEquipment.size() << ", mano de obra compuesta "
      << tables.compoundLabour.size() << "\n";

  static constexpr store::Guide order[] = {store::Guide::Ed9000, store::Guide::Rm9000, store::Guide::Guia1,
                                           store::Guide::Guia2,  store::Guide::Guia3,  store::Guide::Guia4,
                                           store::Guide::Guia5,  store::Guide::Guia6,  store::Guide::Guia7};
  for (store::Guide guide : order) {
    const std::string fileName = store::dataFileName(guide);
    const std::filesystem::path path = invocation.folder / fileName;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
      out << fileName << ": no existe\n";
      continue;
    }
    auto resolver = [&](const store::PartidaBeingRead& partida) {
      return pricing::resolvePartidaFcas(edition.value(), guide, partida, ui);
    };
    auto loaded = store::loadGuideFile(path, guide, invocation.load, resolver, ui);
    if (!loaded) {
      reportFailure(loaded.failure(), err);
      return kFailure;
    }
    const store::GuideTables& g = loaded.value();
    out << fileName << ": partidas " << g.partidas.size() << ", materiales " << g.materials.size() << ", equipos "
        << g.equipment.size() << ", mano de obra " << g.labour.size() << "\n";
  }
  return kOk;
}

}  // namespace baltu::cli
