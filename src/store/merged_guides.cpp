#include "store/merged_guides.h"

#include <string>

namespace baltu::store {
namespace {

struct TablePlan {
  Table GuideTables::*table;
  const char* what;
};

constexpr TablePlan kTables[] = {
    {&GuideTables::partidas, "Partidas"},
    {&GuideTables::materials, "Materiales"},
    {&GuideTables::equipment, "Equipos"},
    {&GuideTables::labour, "Mano de Obra"},
};

void reportCountMismatch(MergedGuide which, const char* what, std::size_t copied, std::size_t total,
                         UserInterface& ui) {
  const bool nine = which == MergedGuide::Nine000;
  Message message;
  message.text = std::string("Error en el conteo de ") + what + (nine ? " en Guia 9000" : " en Guia 0") +
                 "\r\nn (valor real) = " + std::to_string(copied) + "\r\n" +
                 (nine ? "TotalpartidasP9000 - 1 = " : "TotalpartidasGuia0 - 1 = ") +
                 std::to_string(static_cast<long long>(total) - 1);
  ui.showMessage(message);
}

}  // namespace

GuideTables mergeGuides(const std::vector<const GuideTables*>& sources, MergedGuide which, const LoadOptions& options,
                        UserInterface& ui) {
  GuideTables merged;
  for (const TablePlan& plan : kTables) {
    std::size_t total = 0;
    for (const GuideTables* source : sources) total += (source->*plan.table).size();
    Table& table = merged.*plan.table;
    table.reserve(total);
    for (const GuideTables* source : sources)
      table.insert(table.end(), (source->*plan.table).begin(), (source->*plan.table).end());
    if (table.size() != total) reportCountMismatch(which, plan.what, table.size(), total, ui);
  }
  sortTable(merged.partidas, options.sortByCode ? field::kCode : field::kDescription);
  sortTable(merged.materials, field::kComponentPartida);
  sortTable(merged.equipment, field::kComponentPartida);
  sortTable(merged.labour, field::kComponentPartida);
  return merged;
}

GuideTables buildMerged9000Guide(const GuideTables& ed9000, const GuideTables& rm9000, const LoadOptions& options,
                                 UserInterface& ui) {
  return mergeGuides({&ed9000, &rm9000}, MergedGuide::Nine000, options, ui);
}

GuideTables buildGuide0(const std::array<const GuideTables*, 7>& availableGuides, const std::array<bool, 7>& selected,
                        const LoadOptions& options, UserInterface& ui) {
  std::vector<const GuideTables*> sources;
  for (std::size_t i = 0; i < availableGuides.size(); ++i)
    if (availableGuides[i] != nullptr && selected[i]) sources.push_back(availableGuides[i]);
  return mergeGuides(sources, MergedGuide::Guia0, options, ui);
}

}  // namespace baltu::store
