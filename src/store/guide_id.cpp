#include "store/guide_id.h"

#include "store/text.h"

namespace baltu::store {
namespace {

constexpr std::array<GuideId, 11> kGuides = {{
    {Guide::Guia1, "GUIA1", 7, 1, "GUIA 1"},
    {Guide::Guia2, "GUIA2", 8, 2, "GUIA 2"},
    {Guide::Guia3, "GUIA3", 9, 3, "GUIA 3"},
    {Guide::Guia4, "GUIA4", 40, 4, "GUIA 4"},
    {Guide::Guia5, "GUIA5", 46, 5, "GUIA 5"},
    {Guide::Guia6, "GUIA6", 47, 6, "GUIA 6"},
    {Guide::Guia7, "GUIA7", 58, 7, "GUIA 7"},
    {Guide::Ed9000, "9000ED", 28, 0, "ED-9000"},
    {Guide::Rm9000, "9000RM", 29, 0, "ED-9000"},
    {Guide::Merged9000, "", 54, 0, "ED-9000"},
    {Guide::Guia0, "", 12, 0, "GUIA 0"},
}};

}  // namespace

const GuideId& guideId(Guide guide) { return kGuides[static_cast<std::size_t>(guide)]; }

std::optional<Guide> guideFromBaseName(std::string_view baseName) {
  const std::string upper = toUpperCp(baseName);
  for (const auto& id : kGuides)
    if (!id.baseName.empty() && id.baseName == upper) return id.guide;
  return std::nullopt;
}

bool isCostGuide(Guide guide) { return guideId(guide).number >= 1; }

bool is9000Guide(Guide guide) { return guide == Guide::Ed9000 || guide == Guide::Rm9000; }

std::string dataFileName(Guide guide) { return std::string(guideId(guide).baseName) + ".DAT"; }

}  // namespace baltu::store
