#include "browser/list_title.h"

#include <algorithm>

#include "store/text.h"

namespace baltu::browser {

std::string guideFullName(store::Guide guide) {
  static constexpr std::array<const char*, 7> kNames = {
      "Guía 1 - Edificaciones",
      "Guía 2 - Reparaciones, Reformas y Mantenimiento de Edificaciones Existentes",
      "Guía 3 - Urbanismo",
      "Guía 4 - Electromecánica",
      "Guía 5 - Vialidad",
      "Guía 6 - Eléctrica (Redes aéreas)",
      "Guía 7 - Saneamiento Ambiental"};
  if (!store::isCostGuide(guide)) return {};
  return store::cp(kNames[static_cast<std::size_t>(guide)]);
}

std::string listWindowTitle(store::Guide guide, const pricing::ProgramSettings& settings,
                            const std::array<bool, 7>& available) {
  std::string title;
  if (guide == store::Guide::Guia0) {
    title = store::cp("Guías Disponibles");
    for (std::size_t i = 0; i < store::kCostGuides.size(); ++i)
      if (available[i] && settings.guideZeroSelected(store::kCostGuides[i]))
        title += store::cp(" - Guía ") + std::to_string(i + 1);
  } else {
    title = guideFullName(guide);
  }
  std::replace(title.begin(), title.end(), ' ', '\xA0');
  return title;
}

}  // namespace baltu::browser
