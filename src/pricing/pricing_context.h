// What the pricing engine works on. Nothing here owns data: the edition's tables
// belong to the start-up object, the values to the administrative values; the
// context only gathers references for one analysis or one pass.
#pragma once

#include "pricing/price_index.h"
#include "pricing/working_values.h"
#include "store/guide_id.h"
#include "store/tables.h"
#include "store/user_interface.h"

namespace baltu::pricing {

// One guide: its tables (the passes write F6 and F7 of its partidas) and the
// index of its component lists.
struct GuideContext {
  store::Guide id;
  store::GuideTables& tables;
  const GuideIndex& index;
};

struct PricingContext {
  // The 9000 passes write F4 of the simple materials that carry a 9000 partida's code.
  store::InsumoTables& insumos;
  const InsumoIndex& insumoIndex;
  // The user's working values (recalculated prices) and the predetermined ones
  // (base prices; their modes are forced to predetermined by the base passes).
  const WorkingValues& user;
  const WorkingValues& predetermined;
  const CodeRules& rules;
  store::UserInterface& ui;
  // The partidas-as-insumos guides, when their files exist; recalculateAll prices them first.
  const GuideContext* ed9000 = nullptr;
  const GuideContext* rm9000 = nullptr;
};

}  // namespace baltu::pricing
