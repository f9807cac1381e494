// The administrative values window: the edition's or the user's values for
// each factor, the user's own figures, the FCAS source; saving recalculates.
#pragma once

#include <optional>

#include "pricing/pricing_session.h"
#include "store/guide_id.h"
#include "store/user_interface.h"

class QWidget;

namespace baltu::pricing::ui {

// Shows the window modally; true when the values were saved.
bool runAdminValuesDialog(pricing::PricingSession& session, store::UserInterface& ui,
                          std::optional<store::Guide> openGuide, QWidget* parent);

}  // namespace baltu::pricing::ui
