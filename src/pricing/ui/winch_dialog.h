// The "Excluír / Sustituír Equipo" window: the winch option, saved and
// followed by a recalculation.
#pragma once

#include <optional>

#include "pricing/pricing_session.h"
#include "store/guide_id.h"
#include "store/user_interface.h"

class QWidget;

namespace baltu::pricing::ui {

// Shows the window modally; true when the option was saved.
bool runWinchDialog(pricing::PricingSession& session, store::UserInterface& ui,
                    std::optional<store::Guide> openGuide, QWidget* parent);

}  // namespace baltu::pricing::ui
