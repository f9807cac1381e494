// The "Tabla de Valores Administrativos" panel of the list windows: each value
// in force with its "(P)" or "(U)" marker.
#pragma once

#include <array>
#include <string>

#include "pricing/admin_values.h"

namespace baltu::browser {

struct AdminPanelLine {
  std::string value;   // Windows-1252
  std::string marker;  // "(P)" or "(U)"
  bool markerEnabled = true;
};

// Administración, utilidad, I.V.A., F.C.A.S. and bono alimenticio, in that order.
// With the FCAS taken from each partida the FCAS reads "por partida" (its marker
// greyed); when besides the FCAS and the bono are predetermined, the bono is
// already in FCAS1 and reads "en FCAS1".
std::array<AdminPanelLine, 5> adminPanelLines(const pricing::AdminValues& values);

}  // namespace baltu::browser
