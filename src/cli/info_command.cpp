#include "cli/cli.h"
#include "cli/cli_user_interface.h"
#include "cli/program_loader.h"
#include "pricing/price_cache.h"
#include "store/edition_files.h"
#include "store/text.h"

namespace baltu::cli {
namespace {

std::string basePriceState(const store::Program& program, store::Guide guide) {
  if (store::is9000Guide(guide)) return "calculados";
  const auto& outcome = program.basePrices[static_cast<std::size_t>(store::guideId(guide).number - 1)];
  const std::string cache = pricing::basePriceCacheName(guide, program.loadOptions());
  if (!outcome) return "calculados";
  switch (outcome->source) {
    case pricing::BasePriceSource::CacheRead: return "leídos de " + cache;
    case pricing::BasePriceSource::Computed: return "calculados y guardados en " + cache;
    case pricing::BasePriceSource::ComputedNotSaved:
      return "calculados; no se pudo guardar " + cache + " (error " + std::to_string(outcome->errorNumber) + ")";
  }
  return "calculados";
}

}  // namespace

int infoCommand(const Invocation& invocation, std::ostream& out, std::ostream& err) {
  CliUserInterface ui(err);
  const auto program = loadProgram(invocation, ui);
  if (!program) return kFailure;
  const store::InsumoTables& tables = program->insumos;
  out << "Edición: " << store::toUtf8(program->editionName) << "\n";
  out << "Región: " << program->region << " - " << store::regionName(program->region) << "\n";
  out << "Archivo de insumos: " << program->insumoFileName << "\n";
  out << program->insumoFileName << ": materiales " << tables.materials.size() << ", equipos "
      << tables.equipment.size() << ", mano de obra " << tables.labour.size() << ", materiales compuestos "
      << tables.compoundMaterials.size() << ", equipos compuestos " << tables.compoundEquipment.size()
      << ", mano de obra compuesta " << tables.compoundLabour.size() << "\n";

  static constexpr store::Guide order[] = {store::Guide::Ed9000, store::Guide::Rm9000, store::Guide::Guia1,
                                           store::Guide::Guia2,  store::Guide::Guia3,  store::Guide::Guia4,
                                           store::Guide::Guia5,  store::Guide::Guia6,  store::Guide::Guia7};
  for (store::Guide guide : order) {
    const std::string fileName = store::dataFileName(guide);
    const store::GuideTables* g = program->guide(guide);
    if (g == nullptr) {
      out << fileName << ": no existe\n";
      continue;
    }
    out << fileName << ": partidas " << g->partidas.size() << ", materiales " << g->materials.size() << ", equipos "
        << g->equipment.size() << ", mano de obra " << g->labour.size() << "; precios base "
        << basePriceState(*program, guide) << "\n";
  }
  return kOk;
}

}  // namespace baltu::cli
