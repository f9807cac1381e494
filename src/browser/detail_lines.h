// The detail panel under a partida list: the materials, equipment and labour of
// the selected partida, each line priced from the insumo tables as plain
// products of the stored values (no FCAS, allowances or administrative
// percentages), and the texts of the insumo detail window opened from a line.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "insumos/selected_insumo.h"
#include "pricing/pricing_context.h"
#include "pricing/working_values.h"
#include "store/record.h"
#include "store/tables.h"

namespace baltu::browser {

using pricing::InsumoKind;

// Fields of a detail line (1-based); column k of a list (with the code column)
// shows field k + 1.
namespace detail_field {
inline constexpr std::size_t kCode = 1;
inline constexpr std::size_t kDescription = 2;
inline constexpr std::size_t kUnit = 3;
inline constexpr std::size_t kQuantity = 4;   // component F3
inline constexpr std::size_t kUnitPrice = 5;  // cost, or the daily wage
inline constexpr std::size_t kLineCost = 6;   // "#,###.00", display form
// materials
inline constexpr std::size_t kWaste = 7;  // component F4
inline constexpr std::size_t kMaterialDate = 8;
inline constexpr std::size_t kMaterialType = 9;
inline constexpr std::size_t kMaterialSupplier = 10;
// equipment
inline constexpr std::size_t kCoefficient = 7;  // depreciation coefficient, component F4
inline constexpr std::size_t kEquipmentDate = 8;
inline constexpr std::size_t kEquipmentType = 9;
inline constexpr std::size_t kEquipmentSupplier = 10;
// labour
inline constexpr std::size_t kLabourDate = 7;
inline constexpr std::size_t kLabourType = 8;
}  // namespace detail_field

// Number of fields of a line of the kind: 10, 10 or 8.
std::size_t detailFieldCount(InsumoKind kind);
// The type field of a line of the kind.
std::size_t detailTypeField(InsumoKind kind);

// What the panel reads: the window's component lists with an index built over
// them, the insumo tables with theirs, and the code rules.
struct DetailSources {
  const store::GuideTables& components;
  const pricing::GuideIndex& componentIndex;
  const store::InsumoTables& insumos;
  const pricing::InsumoIndex& insumoIndex;
  const pricing::CodeRules& rules;
};

// The sources of a guide's own lists, as the pricing engine holds them.
DetailSources detailSources(const pricing::PricingContext& context, const pricing::GuideContext& guide);

struct DetailLines {
  std::vector<store::Record> materials;  // each sorted by its first eight characters (the code)
  std::vector<store::Record> equipment;
  std::vector<store::Record> labour;

  const std::vector<store::Record>& of(InsumoKind kind) const;
};

// The three line tables of the partida with code `partidaCode` (its F1).
// Materials go through the substitution rule and equipment and labour through
// the winch exclusion, as the analysis does; a component whose insumo is not in
// its table gives no line. When a material line has the unit "%", every line
// whose description names a transport percentage ("( 5%)" or "(5%)", likewise
// 1 and 10) gets as unit price the sum of all material line costs and as cost
// that percentage of it.
DetailLines buildDetailLines(const DetailSources& sources, std::string_view partidaCode);

// "Materiales (n)", "Equipos (n)", "Mano de Obra (n)".
std::string detailListTitle(InsumoKind kind, std::size_t count);

// Columns of the three detail lists.
enum class ColumnAlignment { Left, Centre, Right };

struct DetailColumn {
  std::string title;  // Windows-1252
  int width = 0;      // pixels
  ColumnAlignment alignment = ColumnAlignment::Left;
  std::size_t field = 0;    // the line field it shows
  bool codeColumn = false;  // shown only with the /I switch
};

// Every column of the kind's list, the code column first.
const std::vector<DetailColumn>& detailColumns(InsumoKind kind);
// The columns a list shows: without the /I switch (`withCodes` false) the code
// column is left out.
std::vector<DetailColumn> shownDetailColumns(InsumoKind kind, bool withCodes);

// The insumo detail window opened by a double click on a line.
inline constexpr std::string_view kListUsesButton = "&Listar partidas en las que se utiliza este insumo";
inline constexpr std::string_view kDetailHelpButton = "Ayu&da";
inline constexpr std::string_view kDetailCloseButton = "&Cerrar";
inline constexpr int kDetailHelpContext = 10114;
// Longest text taken from a line.
inline constexpr std::size_t kDetailTextLimit = 60;

// "Detalle del Material utilizado en la partida", ... (Windows-1252).
std::string detailWindowCaption(InsumoKind kind);
// The captions column: "Código:" (only with /I), "Descripción:", ...
std::vector<std::string> detailCaptions(InsumoKind kind, bool withCodes);
// The words shown for a type letter ("S" of a material: "Material Simple");
// any other text is returned as it is.
std::string typeText(InsumoKind kind, std::string_view type);

struct InsumoDetailTexts {
  std::string caption;
  std::vector<std::string> captions;
  std::vector<std::string> values;  // one per caption, each preceded by a blank
  std::string description;          // the description as shown (cut), for the where-used look-up

  // The values one per line, as the window's value label holds them.
  std::string valueColumn() const;
};

// The window's texts for a line of the kind, each text cut to kDetailTextLimit
// and the type letter replaced by its words. Nothing when the line's first shown
// text (the code with /I, else the description) is empty.
std::optional<InsumoDetailTexts> insumoDetailTexts(InsumoKind kind, const store::Record& line, bool withCodes);

// "&Listar partidas...": the first insumo of the kind's simple table whose
// trimmed description equals the shown description trimmed, as a selection
// with its texts trimmed and no results yet; nothing when no insumo matches.
std::optional<insumos::SelectedInsumo> findInsumoByDescription(const store::InsumoTables& tables, InsumoKind kind,
                                                               std::string_view shownDescription);

}  // namespace baltu::browser
