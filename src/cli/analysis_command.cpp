#include <iomanip>

#include "cli/cli.h"
#include "cli/cli_user_interface.h"
#include "cli/program_loader.h"
#include "pricing/analysis.h"
#include "pricing/price_passes.h"
#include "store/money.h"
#include "store/number_text.h"
#include "store/text.h"

namespace baltu::cli {
namespace {

std::string utf8(std::string_view text) { return store::toUtf8(store::trim(text)); }

void printSection(std::ostream& out, const char* title, const std::vector<store::Record>& lines) {
  out << "\n" << title << " (" << lines.size() << ")\n";
  for (const store::Record& line : lines) {
    out << "  " << std::setw(8) << utf8(line.field(pricing::line::kCode)) << "  "
        << utf8(line.field(pricing::line::kDescription)) << " | " << utf8(line.field(pricing::line::kUnit))
        << " | cantidad " << utf8(line.field(pricing::line::kQuantity)) << " | costo "
        << utf8(line.field(pricing::line::kCost)) << " | total " << utf8(line.field(pricing::line::kTotal)) << "\n";
  }
}

std::string money(store::Cents amount) { return store::toUtf8(store::moneyDisplay(amount)); }

}  // namespace

int analysisCommand(const Invocation& invocation, std::ostream& out, std::ostream& err) {
  const auto& args = invocation.arguments;
  if (args.size() != 3) {
    err << "Uso: baltu-cli analysis GUIA CODIGO\n";
    return kUsage;
  }
  CliUserInterface ui(err);
  const auto program = loadProgram(invocation, ui);
  if (!program) return kFailure;
  const auto guide = loadedGuide(*program, args[1], err);
  if (!guide) return kFailure;

  const pricing::PricingSession& pricing = *program->pricing;
  const pricing::GuideContext& guideContext = pricing.guide(*guide);
  const store::Record* partida = nullptr;
  for (const store::Record& row : guideContext.tables.partidas)
    if (store::trim(row.field(store::field::kCode)) == store::trim(args[2])) {
      partida = &row;
      break;
    }
  if (partida == nullptr) {
    err << "La partida " << args[2] << " no está en " << args[1] << ".\n";
    return kFailure;
  }

  const pricing::PricingContext context = pricing.context(ui);
  const pricing::PartidaAnalysis analysis = pricing::analysePartida(context, guideContext, *partida);
  const pricing::WorkingValues values = pricing.admin().working();
  const double fcas = pricing::fcasPercentFor(*partida, values);
  const pricing::PriceBuildUp price = pricing::buildUpPrice(analysis.counts(), analysis.totals, values, fcas);
  const bool nine = store::is9000Guide(*guide);

  out << "Partida: " << utf8(partida->field(store::field::kCode)) << "  COVENIN: "
      << utf8(partida->field(store::field::kCovenin)) << "\n";
  out << "Descripción: " << utf8(partida->field(store::field::kDescription)) << "\n";
  out << "Unidad: " << utf8(partida->field(store::field::kPartidaUnit))
      << "  Rendimiento: " << utf8(partida->field(store::field::kRendimiento))
      << "  F.C.A.S.1: " << utf8(partida->field(store::field::kFcas1))
      << "  F.C.A.S.2: " << utf8(partida->field(store::field::kFcas2)) << "\n";
  printSection(out, "MATERIALES", analysis.materials);
  out << "  Total materiales por unidad: " << money(price.totals.materialsUnit) << "\n";
  printSection(out, "EQUIPOS", analysis.equipment);
  out << "  Total equipos por día: " << money(price.totals.equipmentTotal)
      << "  por unidad: " << money(price.totals.equipmentUnit) << "\n";
  printSection(out, "MANO DE OBRA", analysis.labour);
  out << "  Total mano de obra por día: " << money(price.totals.labourTotal) << "  trabajadores: "
      << analysis.totals.workers << "\n";
  out << "  F.C.A.S. " << store::toUtf8(store::displayNumber(fcas, store::Mask::Percent, 0))
      << " %: " << store::toUtf8(store::moneyDisplay(price.fcasAmount / 100))
      << "  Cestaticket: " << money(price.cestaticketAmount) << "  Bono: " << money(price.bonoAmount) << "\n";
  out << "  Total mano de obra por unidad: " << money(price.totals.labourUnit) << "\n";
  out << "\nCosto directo por unidad: " << money(price.directCost) << "\n";
  if (nine) return kOk;
  out << "Administración " << store::toUtf8(store::displayNumber(values.administracion, store::Mask::Money, 0))
      << " %: " << money(price.administracion) << "\n";
  out << "Subtotal: " << money(price.subtotal1) << "\n";
  out << "Utilidad " << store::toUtf8(store::displayNumber(values.utilidad, store::Mask::Money, 0))
      << " %: " << money(price.utilidad) << "\n";
  out << "Subtotal: " << money(price.subtotal2) << "\n";
  out << "I.V.A. " << store::toUtf8(store::displayNumber(values.iva, store::Mask::Money, 0))
      << " %: " << money(price.iva) << "\n";
  out << "Precio unitario: "
      << utf8(pricing::unitPriceFromTotals(analysis.counts(), analysis.totals, values, fcas)) << "\n";
  return kOk;
}

}  // namespace baltu::cli
