// The pricing passes over whole guides: base prices (F6) with the predetermined
// values, recalculated prices (F7) with the user's, and the partidas-as-insumos
// guides whose direct costs become the costs of the matching materials.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "pricing/analysis.h"
#include "pricing/pricing_context.h"

namespace baltu::pricing {

enum class PricePass { Base, Recalculated };

// Texts of the recalculation progress window, which the shell builds; the
// passes report its label and percentage through UserInterface::showProgress.
inline constexpr std::string_view kRecalculationTitle = "Recalculando Precios Unitarios";
inline constexpr std::string_view kRecalculationLabel = "Recalculando P.U.";

// The predetermined values in their base-price form: each partida's FCAS1 and
// no separate allowances, whatever modes `predetermined` carries.
WorkingValues basePassValues(const WorkingValues& predetermined);

// The price text of a partida of `guide`: the direct cost for the
// partidas-as-insumos guides, the unit price for every other guide.
std::string partidaPriceText(store::Guide guide, const PartidaAnalysis& analysis, const WorkingValues& values,
                             double fcasPercent);

// Base prices of a cost guide (GUIA1..GUIA7): every partida's F6, in table
// order; returns the F6 texts, which are the lines of its cache file.
std::vector<std::string> computeBasePrices(const PricingContext& context, const GuideContext& guide);

// One pass over a 9000 guide, as at load: "EDF-9044"/"REM-9044" first (so the
// partidas that use it see its new cost), then every partida in table order.
// Each direct cost goes into F6 (base pass) or F7 (recalculated pass) and into
// F4 of the first simple material whose trimmed code equals the partida's.
// Start-up runs the base pass, then the recalculated pass.
void price9000Guide(const PricingContext& context, const GuideContext& guide, PricePass pass);

// F7 of one partida with the user's values; returns the text stored.
std::string recalculatePartida(const PricingContext& context, const GuideContext& guide, store::Record& partida);

struct RecalculationResult {
  std::size_t priced = 0;  // partidas of the open guide given a new F7
  bool stopped = false;    // the user stopped before the last one
};

// After the administrative values change: the 9000ED pass, the 9000RM pass, then
// every partida of the open guide (none when `openGuide` is null). A stop
// request is honoured after each partida of the open guide; the partidas after
// it keep their F7.
RecalculationResult recalculateAll(const PricingContext& context, const GuideContext* openGuide);

// A ratio with the mask "#%": 0.4 gives "40%", and a ratio under 0.005 gives "0%".
std::string percentMaskText(double ratio);

}  // namespace baltu::pricing
