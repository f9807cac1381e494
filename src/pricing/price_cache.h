// The base-price cache files of the cost guides: GUIAn.APU (GUIAnI.APU with the
// /I switch, whose table order differs) beside the data files, one line per
// partida in table order, each the partida's F6 text, CR LF line ends.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pricing/pricing_context.h"
#include "store/atomic_file.h"
#include "store/tables.h"

namespace baltu::pricing {

// "GUIA1.APU", or "GUIA1I.APU" when the tables are sorted by code.
std::string basePriceCacheName(store::Guide guide, const store::LoadOptions& options);

// The lines of a cache holding `partidaCount` prices, or nothing when the cache
// must be treated as absent: another number of lines, or a line that is not a
// display number. A last line without CR LF still counts.
std::optional<std::vector<std::string>> parseBasePriceCache(std::string_view bytes, std::size_t partidaCount);

// Reads the cache and puts line i into F6 of partida i; false (tables untouched)
// when the file is missing, unreadable or not valid for this table.
bool readBasePriceCache(const std::filesystem::path& path, store::Table& partidas);

// The file's bytes: each price right-aligned to 20, then CR LF.
std::string basePriceCacheText(const std::vector<std::string>& prices);
// Written whole and atomically; a failure leaves the previous file as it was.
store::WriteResult writeBasePriceCache(const std::filesystem::path& path, const std::vector<std::string>& prices);

enum class BasePriceSource {
  CacheRead,          // F6 from the cache file
  Computed,           // computed, and the cache file written
  ComputedNotSaved,   // computed; the cache file could not be written (errorNumber)
};

struct BasePriceOutcome {
  BasePriceSource source = BasePriceSource::Computed;
  int errorNumber = 0;  // errno of the failed write
};

// The base prices of a cost guide at load: from its cache file when that is
// valid, else computed and the cache rewritten. `folder` holds the data files.
BasePriceOutcome obtainBasePrices(const PricingContext& context, const GuideContext& guide,
                                  const std::filesystem::path& folder, const store::LoadOptions& options);

}  // namespace baltu::pricing
