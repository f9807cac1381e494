#include <numeric>
#include <sstream>

#include "cli/cli.h"
#include "cli/cli_user_interface.h"
#include "cli/program_loader.h"
#include "reports/listing_options.h"
#include "reports/partida_listing.h"
#include "store/atomic_file.h"

namespace baltu::cli {

int listingCommand(const Invocation& invocation, std::ostream& out, std::ostream& err) {
  const auto& args = invocation.arguments;
  std::string guideName;
  std::string outFile;
  bool text = false;
  for (std::size_t i = 1; i < args.size(); ++i) {
    if (args[i] == "--text") {
      text = true;
    } else if (args[i] == "--out" && i + 1 < args.size()) {
      outFile = args[++i];
    } else if (guideName.empty()) {
      guideName = args[i];
    } else {
      err << "Argumento de más: " << args[i] << "\n";
      return kUsage;
    }
  }
  if (guideName.empty()) {
    err << "Uso: baltu-cli listing GUIA [--text] [--out ARCHIVO]\n";
    return kUsage;
  }

  CliUserInterface ui(err);
  const auto program = loadProgram(invocation, ui);
  if (!program) return kFailure;
  const auto guide = loadedGuide(*program, guideName, err);
  if (!guide) return kFailure;

  pricing::PricingSession& pricing = *program->pricing;
  const pricing::PricingContext context = pricing.context(ui);
  const pricing::GuideContext& guideContext = pricing.guide(*guide);
  reports::ListingContext listing;
  listing.guide = *guide;
  listing.editionName = program->editionName;
  listing.sortByCode = program->switches.sortByCode;
  listing.options = reports::readListingOptions(pricing.settings().block1);
  listing.refreshRecalculatedPrice = [&](store::Record& partida) {
    pricing::recalculatePartida(context, guideContext, partida);
  };

  const store::Table& partidas = guideContext.tables.partidas;
  std::vector<std::size_t> rows(partidas.size());
  std::iota(rows.begin(), rows.end(), std::size_t{0});
  std::ostringstream bytes;
  if (text)
    reports::writePartidaListingText(bytes, partidas, rows, listing);
  else
    reports::writePartidaListingCsv(bytes, partidas, rows, listing);

  if (outFile.empty()) {
    out << bytes.str();
    return kOk;
  }
  const store::WriteResult written = store::writeFileAtomically(outFile, bytes.str());
  if (!written.ok) {
    err << "Baltu: Ha ocurrido un error al intentar guardar el archivo. (" << outFile << ", error "
        << written.errorNumber << ")\n";
    return kFailure;
  }
  return kOk;
}

}  // namespace baltu::cli
