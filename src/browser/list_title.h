// Titles of the partida list window.
#pragma once

#include <array>
#include <string>

#include "pricing/settings_files.h"
#include "store/guide_id.h"

namespace baltu::browser {

// "Guía 1 - Edificaciones" ... "Guía 7 - Saneamiento Ambiental"; empty for a
// guide that is not a cost guide.
std::string guideFullName(store::Guide guide);

// The window title: the guide's full name, or for GUIA 0 "Guías Disponibles"
// followed by " - Guía n" for each selected guide whose file is there. Every
// blank is a non-breaking space, so the title is never broken at a blank.
std::string listWindowTitle(store::Guide guide, const pricing::ProgramSettings& settings,
                            const std::array<bool, 7>& available);

}  // namespace baltu::browser
