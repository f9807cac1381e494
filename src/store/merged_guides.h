// Guides built by joining stored ones: the merged 9000 guide (both
// partidas-as-insumos guides) and "GUIA 0" (the cost guides the user selects).
#pragma once

#include <array>
#include <vector>

#include "store/tables.h"
#include "store/user_interface.h"

namespace baltu::store {

enum class MergedGuide { Nine000, Guia0 };

// Copies the rows of every source in order, checks each table's count against
// the sum of the sources' counts (showing the count message when they differ),
// then sorts like a stored guide.
GuideTables mergeGuides(const std::vector<const GuideTables*>& sources, MergedGuide which, const LoadOptions& options,
                        UserInterface& ui);

GuideTables buildMerged9000Guide(const GuideTables& ed9000, const GuideTables& rm9000, const LoadOptions& options,
                                 UserInterface& ui);

// The cost guides (GUIA1..GUIA7 in order) that are selected and available.
GuideTables buildGuide0(const std::array<const GuideTables*, 7>& availableGuides, const std::array<bool, 7>& selected,
                        const LoadOptions& options, UserInterface& ui);

}  // namespace baltu::store
