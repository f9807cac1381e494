// The "Leer todas las guías" window: which cost guides make up GUIA 0.
#pragma once

#include "store/startup.h"
#include "store/user_interface.h"

class QWidget;

namespace baltu::store::ui {

// Shows the window modally; true when GUIA 0 was built into
// program.guides[Guide::Guia0] and indexed.
bool runGuideSelectionDialog(store::Program& program, store::UserInterface& ui, QWidget* parent);

}  // namespace baltu::store::ui
