// The guides the program knows, with the codes and texts used across the program.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace baltu::store {

enum class Guide { Guia1, Guia2, Guia3, Guia4, Guia5, Guia6, Guia7, Ed9000, Rm9000, Merged9000, Guia0 };

// The nine guides stored as data files, in loading order of the cost guides.
inline constexpr std::array<Guide, 7> kCostGuides = {Guide::Guia1, Guide::Guia2, Guide::Guia3, Guide::Guia4,
                                                     Guide::Guia5, Guide::Guia6, Guide::Guia7};

struct GuideId {
  Guide guide;
  std::string_view baseName;     // "GUIA1", "9000ED", ... (empty for built guides)
  int code;                      // numeric guide code
  int number;                    // 1..7 for the cost guides, 0 otherwise
  std::string_view messageText;  // "GUIA 1", "ED-9000", "GUIA 0"
};

const GuideId& guideId(Guide guide);
std::optional<Guide> guideFromBaseName(std::string_view baseName);  // case-insensitive
bool isCostGuide(Guide guide);
bool is9000Guide(Guide guide);
std::string dataFileName(Guide guide);  // "GUIA1.DAT"

}  // namespace baltu::store
