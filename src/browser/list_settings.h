// The list windows' options kept in "Baltu.cfg": the search kind, the two
// one-step search boxes and "Ocultar líneas guía", shared by every list window.
#pragma once

#include "browser/partida_list.h"
#include "pricing/settings_files.h"

namespace baltu::browser {

// A stored kind outside 0..2 reads as a search by description, the default.
SearchOptions storedSearchOptions(const pricing::ProgramSettings& settings);
void storeSearchOptions(pricing::ProgramSettings& settings, const SearchOptions& options);

bool shadingHidden(const pricing::ProgramSettings& settings);
void setShadingHidden(pricing::ProgramSettings& settings, bool hidden);

}  // namespace baltu::browser
