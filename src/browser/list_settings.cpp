#include "browser/list_settings.h"

namespace baltu::browser {

namespace b1 = pricing::block1;

SearchOptions storedSearchOptions(const pricing::ProgramSettings& settings) {
  SearchOptions options;
  const std::int32_t kind = settings.intField(b1::kPartidaListPreference);
  if (kind >= 0 && kind <= 2) options.kind = static_cast<SearchKind>(kind);
  options.oneStep = settings.intField(b1::kPartidaListOption) == 1;
  options.keepText = settings.intField(b1::kPartidaListOption2) == 1;
  return options;
}

void storeSearchOptions(pricing::ProgramSettings& settings, const SearchOptions& options) {
  settings.setIntField(b1::kPartidaListPreference, static_cast<std::int32_t>(options.kind));
  settings.setIntField(b1::kPartidaListOption, options.oneStep ? 1 : 0);
  settings.setIntField(b1::kPartidaListOption2, options.keepText ? 1 : 0);
}

bool shadingHidden(const pricing::ProgramSettings& settings) {
  return settings.intField(b1::kListWindowOption) == 1;
}

void setShadingHidden(pricing::ProgramSettings& settings, bool hidden) {
  settings.setIntField(b1::kListWindowOption, hidden ? 1 : 0);
}

}  // namespace baltu::browser
