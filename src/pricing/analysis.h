// The unit-price analysis of one partida: its materials, equipment and labour
// priced from the insumo tables, the section totals, and the build-up from the
// direct cost to the unit price. The only place where prices are computed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pricing/pricing_context.h"
#include "pricing/working_values.h"
#include "store/money.h"
#include "store/record.h"

namespace baltu::pricing {

// Money held with 4 decimals (ten-thousandths of a bolívar).
using TenThousandths = std::int64_t;

struct AnalysisTotals {
  store::Cents materialsTotal = 0;  // per unit of the partida, transport included
  store::Cents materialsUnit = 0;   // equal to materialsTotal
  store::Cents equipmentTotal = 0;  // per day
  store::Cents equipmentUnit = 0;   // per unit of the partida
  store::Cents labourTotal = 0;     // per day, without FCAS and allowances
  store::Cents labourUnit = 0;      // per unit; the analysis leaves it without FCAS and allowances
  double rendimiento = 0;           // daily output, round3 of F5
  float workers = 0;                // single precision, as the labour section accumulates it
};

struct AnalysisCounts {
  std::size_t materials = 0;
  std::size_t equipment = 0;
  std::size_t labour = 0;
};

// Fields of an analysis line (a record of 9 fields, numbers in display form).
namespace line {
inline constexpr std::size_t kCode = 1;
inline constexpr std::size_t kDescription = 2;
inline constexpr std::size_t kQuantity = 3;
inline constexpr std::size_t kCost = 4;   // cost, equipment cost or daily wage
inline constexpr std::size_t kTotal = 5;  // "#,###.00"
inline constexpr std::size_t kExtra = 6;  // desperdicio, depreciation coefficient, labour date
inline constexpr std::size_t kField7 = 7; // material/equipment date, labour type
inline constexpr std::size_t kType = 8;   // material/equipment type; empty for labour
inline constexpr std::size_t kUnit = 9;
inline constexpr std::size_t kFieldCount = 9;
}  // namespace line

struct PartidaAnalysis {
  std::vector<store::Record> materials;  // sorted by the code right-aligned to 8
  std::vector<store::Record> equipment;
  std::vector<store::Record> labour;
  AnalysisTotals totals;

  AnalysisCounts counts() const { return {materials.size(), equipment.size(), labour.size()}; }
};

// "Guía: " text of the missing-insumo message: "Partidas como insumos (9000)" for
// the partidas-as-insumos guides, else the guide's message text ("GUIA 1").
std::string missingInsumoGuideText(store::Guide guide);

// Analyses one partida of `guide`. A component whose insumo is not in its table is
// reported through the context's user interface and ends its section; the lines
// built before it stay.
PartidaAnalysis analysePartida(const PricingContext& context, const GuideContext& guide,
                               const store::Record& partida);

// The same analysis without laying out its lines: the counts and totals the
// prices are built from, with the same messages. What the pricing passes use.
struct AnalysisSummary {
  AnalysisCounts counts;
  AnalysisTotals totals;
};
AnalysisSummary analysePartidaTotals(const PricingContext& context, const GuideContext& guide,
                                     const store::Record& partida);

// The FCAS % a partida is priced with: its FCAS1 (F8) or FCAS2 (F9) by the
// cestaticket mode when the source is each partida, else the FCAS working value.
// A figure that is not a number prices at 0 %.
double fcasPercentFor(const store::Record& partida, const WorkingValues& values);

// From the analysis totals to the unit price. Sections without lines count 0.
struct PriceBuildUp {
  AnalysisTotals totals;  // as priced: empty sections at 0, labourUnit with FCAS and allowances
  double fcasPercent = 0;
  TenThousandths fcasAmount = 0;  // round2, held with 4 decimals
  store::Cents cestaticketAmount = 0;
  store::Cents bonoAmount = 0;
  store::Cents directCost = 0;  // CD, per unit
  store::Cents administracion = 0;
  store::Cents subtotal1 = 0;  // CD + administración
  store::Cents utilidad = 0;
  store::Cents subtotal2 = 0;  // unit price without I.V.A.
  store::Cents iva = 0;
  store::Cents unitPrice = 0;
};

PriceBuildUp buildUpPrice(const AnalysisCounts& counts, const AnalysisTotals& totals, const WorkingValues& values,
                          double fcasPercent);

// Unit price of a guide partida as stored in F6/F7: "#,###.00" display form,
// "0,00" shown as "0,01", right-aligned to 20.
std::string unitPriceFromTotals(const AnalysisCounts& counts, const AnalysisTotals& totals,
                                const WorkingValues& values, double fcasPercent);

// Direct cost of a 9000 partida: CD in display form right-aligned to 20, with no
// administración, utilidad or I.V.A. and no "0,01".
std::string directCostFromTotals(const AnalysisCounts& counts, const AnalysisTotals& totals,
                                 const WorkingValues& values, double fcasPercent);

}  // namespace baltu::pricing
