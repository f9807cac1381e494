#include "pricing/price_passes.h"

#include <cmath>
#include <optional>

#include "store/text.h"

namespace baltu::pricing {
namespace {

namespace f = store::field;

bool pricesAsDirectCost(store::Guide guide) {
  return store::is9000Guide(guide) || guide == store::Guide::Merged9000;
}

std::string priceText(store::Guide guide, const AnalysisSummary& analysis, const WorkingValues& values,
                      double fcasPercent) {
  if (pricesAsDirectCost(guide)) return directCostFromTotals(analysis.counts, analysis.totals, values, fcasPercent);
  return unitPriceFromTotals(analysis.counts, analysis.totals, values, fcasPercent);
}

// The order of a 9000 pass: the first "EDF-9044"/"REM-9044" in table order, then every partida.
std::vector<std::size_t> order9000(const store::Table& partidas) {
  std::vector<std::size_t> order;
  order.reserve(partidas.size() + 1);
  for (std::size_t i = 0; i < partidas.size(); ++i) {
    const std::string_view code = store::trim(partidas[i].field(f::kCode));
    if (code == "EDF-9044" || code == "REM-9044") {
      order.push_back(i);
      break;
    }
  }
  for (std::size_t i = 0; i < partidas.size(); ++i) order.push_back(i);
  return order;
}

void run9000Pass(const PricingContext& context, const GuideContext& guide, const WorkingValues& values,
                 std::size_t priceField, bool serviceEvents) {
  store::Table& partidas = guide.tables.partidas;
  store::Table& materials = context.insumos.materials;
  for (std::size_t i : order9000(partidas)) {
    store::Record& partida = partidas[i];
    const AnalysisSummary analysis = analysePartidaTotals(context, guide, partida);
    const std::string text =
        directCostFromTotals(analysis.counts, analysis.totals, values, fcasPercentFor(partida, values));
    partida.setField(priceField, text);
    const std::optional<std::size_t> material =
        context.insumoIndex.materialsByTrimmedCode.find(store::trim(partida.field(f::kCode)));
    if (material && *material < materials.size()) materials[*material].setField(f::kMaterialCost, text);
    if (serviceEvents) context.ui.processEvents();
  }
}

}  // namespace

WorkingValues basePassValues(const WorkingValues& predetermined) {
  WorkingValues values = predetermined;
  values.fcasSource = FcasSource::EachPartida;
  values.cestaticketMode = ValueMode::Predetermined;
  values.bonoMode = ValueMode::Predetermined;
  return values;
}

std::string partidaPriceText(store::Guide guide, const PartidaAnalysis& analysis, const WorkingValues& values,
                             double fcasPercent) {
  return priceText(guide, AnalysisSummary{analysis.counts(), analysis.totals}, values, fcasPercent);
}

std::vector<std::string> computeBasePrices(const PricingContext& context, const GuideContext& guide) {
  const WorkingValues values = basePassValues(context.predetermined);
  store::Table& partidas = guide.tables.partidas;
  const std::string count = std::to_string(partidas.size());
  const std::string progress =
      store::cp(" Calculando Precio Unitario Base Partidas Guía ") + std::to_string(store::guideId(guide.id).number);
  std::vector<std::string> prices;
  prices.reserve(partidas.size());
  for (std::size_t i = 0; i < partidas.size(); ++i) {
    if (i % 100 == 0) {
      context.ui.showProgress(progress + " ... (" + std::to_string(i + 1) + " de " + count + ")");
      context.ui.processEvents();
    }
    store::Record& partida = partidas[i];
    const AnalysisSummary analysis = analysePartidaTotals(context, guide, partida);
    std::string text = priceText(guide.id, analysis, values, fcasPercentFor(partida, values));
    partida.setField(f::kBasePrice, text);
    prices.push_back(std::move(text));
  }
  return prices;
}

void price9000Guide(const PricingContext& context, const GuideContext& guide, PricePass pass) {
  const std::string name(store::guideId(guide.id).baseName);
  if (pass == PricePass::Base) {
    context.ui.showProgress(" Calculando el Precio Unitario Base para las Partidas " + name + " ...");
    context.ui.processEvents();
    run9000Pass(context, guide, basePassValues(context.predetermined), f::kBasePrice, false);
  } else {
    context.ui.showProgress(" Calculando el Precio Unitario Recalculado para las Partidas " + name + " ...");
    context.ui.processEvents();
    run9000Pass(context, guide, context.user, f::kRecalculatedPrice, false);
  }
}

std::string recalculatePartida(const PricingContext& context, const GuideContext& guide, store::Record& partida) {
  const AnalysisSummary analysis = analysePartidaTotals(context, guide, partida);
  std::string text = priceText(guide.id, analysis, context.user, fcasPercentFor(partida, context.user));
  partida.setField(f::kRecalculatedPrice, text);
  return text;
}

RecalculationResult recalculateAll(const PricingContext& context, const GuideContext* openGuide) {
  store::UserInterface& ui = context.ui;
  if (context.ed9000 != nullptr) {
    ui.showProgress("Recalculando Partidas 9000 Edificaciones");
    run9000Pass(context, *context.ed9000, context.user, f::kRecalculatedPrice, true);
  }
  if (context.rm9000 != nullptr) {
    ui.showProgress("Recalculando Partidas 9000 Remodelaciones");
    run9000Pass(context, *context.rm9000, context.user, f::kRecalculatedPrice, true);
  }
  RecalculationResult result;
  if (openGuide == nullptr) return result;
  store::Table& partidas = openGuide->tables.partidas;
  const std::size_t count = partidas.size();
  const std::string countText = std::to_string(count);
  std::string label;
  for (std::size_t i = 0; i < count; ++i) {
    label.assign(kRecalculationLabel).append(std::to_string(i + 1)).append(" de").append(countText);
    ui.showProgress(label);
    recalculatePartida(context, *openGuide, partidas[i]);
    ++result.priced;
    ui.showProgress(percentMaskText(static_cast<double>(i + 1) / static_cast<double>(count)));
    ui.processEvents();
    if (i + 1 < count && ui.stopRequested()) {
      result.stopped = true;
      break;
    }
  }
  return result;
}

std::string percentMaskText(double ratio) {
  // Like every mask of the program, "#%" writes at least one digit: "0%", never "%".
  const double percent = std::nearbyint(ratio * 100.0);
  if (!std::isfinite(percent) || std::fabs(percent) > 1e15) return "0%";
  return std::to_string(static_cast<long long>(percent)) + "%";
}

}  // namespace baltu::pricing
