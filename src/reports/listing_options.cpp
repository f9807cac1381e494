#include "reports/listing_options.h"

#include <array>
#include <cstdint>

#include "store/binary_fields.h"

namespace baltu::reports {
namespace {

struct SwitchField {
  std::size_t offset;
  bool ListingOptions::*member;
};

constexpr std::array<SwitchField, 12> kSwitches = {{
    {listing_offset::kEditionDate, &ListingOptions::editionDate},
    {listing_offset::kPartidaCode, &ListingOptions::partidaCode},
    {listing_offset::kDescription, &ListingOptions::description},
    {listing_offset::kCovenin, &ListingOptions::covenin},
    {listing_offset::kUnit, &ListingOptions::unit},
    {listing_offset::kRendimiento, &ListingOptions::rendimiento},
    {listing_offset::kBasePrice, &ListingOptions::basePrice},
    {listing_offset::kRecalculatedPrice, &ListingOptions::recalculatedPrice},
    {listing_offset::kFcas1, &ListingOptions::fcas1},
    {listing_offset::kFcas2, &ListingOptions::fcas2},
    {listing_offset::kBorders, &ListingOptions::borders},
    {listing_offset::kOpenWhenSaved, &ListingOptions::openWhenSaved},
}};

}  // namespace

ListingOptions readListingOptions(std::string_view block1) {
  ListingOptions options;
  const std::int32_t output =
      store::int32At(block1, listing_offset::kOutput, static_cast<std::int32_t>(options.output));
  if (output >= 1 && output <= 4) options.output = static_cast<ListingOutput>(output);
  for (const auto& s : kSwitches) {
    const bool fallback = options.*s.member;
    options.*s.member = store::int32At(block1, s.offset, fallback ? 1 : 0) != 0;
  }
  return options;
}

void writeListingOptions(const ListingOptions& options, std::string& block1) {
  store::setInt32At(block1, listing_offset::kOutput, static_cast<std::int32_t>(options.output));
  for (const auto& s : kSwitches) store::setInt32At(block1, s.offset, options.*s.member ? 1 : 0);
}

}  // namespace baltu::reports
