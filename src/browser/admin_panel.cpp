#include "browser/admin_panel.h"

namespace baltu::browser {

using pricing::AdminConcept;
using pricing::ValueMode;

namespace {

AdminPanelLine lineOf(const pricing::AdminValues& values, AdminConcept which) {
  return {values.workingText(which), values[which].mode == ValueMode::Predetermined ? "(P)" : "(U)", true};
}

}  // namespace

std::array<AdminPanelLine, 5> adminPanelLines(const pricing::AdminValues& values) {
  std::array<AdminPanelLine, 5> lines = {lineOf(values, AdminConcept::Administracion),
                                         lineOf(values, AdminConcept::Utilidad), lineOf(values, AdminConcept::Iva),
                                         lineOf(values, AdminConcept::Fcas), lineOf(values, AdminConcept::Cestaticket)};
  if (values.fcasSource == pricing::FcasSource::EachPartida) {
    lines[3].value = "por partida";
    lines[3].markerEnabled = false;
    if (values[AdminConcept::Fcas].mode == ValueMode::Predetermined &&
        values[AdminConcept::Cestaticket].mode == ValueMode::Predetermined)
      lines[4].value = "en FCAS1";
  }
  return lines;
}

}  // namespace baltu::browser
