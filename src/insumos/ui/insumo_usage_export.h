// The "EXPORTAR INSUMOS USADOS EN PARTIDAS" command: asks first, writes the
// twelve CSV files into "EXPORTAR INSUMOS" of the edition folder and offers to
// show that folder.
#pragma once

#include <optional>

#include "store/guide_id.h"
#include "store/startup.h"
#include "store/user_interface.h"

class QWidget;

namespace baltu::insumos::ui {

// Usage is counted over `currentGuide`: the guide (or GUIA 0) whose partida
// list was opened last in this run; none before any list was opened, and then
// every insumo is written as unused.
void runInsumoUsageExport(const store::Program& program, store::UserInterface& ui,
                          std::optional<store::Guide> currentGuide, QWidget* parent);

}  // namespace baltu::insumos::ui
