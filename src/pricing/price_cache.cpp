#include "pricing/price_cache.h"

#include <algorithm>

#include "pricing/price_passes.h"
#include "store/data_file.h"
#include "store/text.h"

namespace baltu::pricing {
namespace {

bool isDigit(char ch) { return ch >= '0' && ch <= '9'; }

// A number in display form: optional "-", digits with "." grouping, optional "," and decimals.
bool isDisplayNumber(std::string_view text) {
  text = store::trim(text);
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  bool digits = false;
  for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) digits = digits || isDigit(text[i]);
  if (i < text.size() && text[i] == ',') {
    for (++i; i < text.size() && isDigit(text[i]); ++i) digits = true;
  }
  return digits && i == text.size();
}

}  // namespace

std::string basePriceCacheName(store::Guide guide, const store::LoadOptions& options) {
  return std::string(store::guideId(guide).baseName) + (options.sortByCode ? "I" : "") + ".APU";
}

namespace {

// The cache's lines as views into its bytes, or nothing when it must be treated as absent.
std::optional<std::vector<std::string_view>> cacheLines(std::string_view bytes, std::size_t partidaCount) {
  std::vector<std::string_view> lines;
  lines.reserve(std::min(partidaCount, bytes.size()));  // a line holds at least one digit
  std::size_t start = 0;
  while (start < bytes.size()) {
    if (lines.size() == partidaCount) return std::nullopt;  // more lines than partidas
    std::size_t end = bytes.find('\n', start);
    const std::size_t next = end == std::string_view::npos ? bytes.size() : end + 1;
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view text = bytes.substr(start, end - start);
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    if (!isDisplayNumber(text)) return std::nullopt;
    lines.push_back(text);
    start = next;
  }
  if (lines.size() != partidaCount) return std::nullopt;
  return lines;
}

}  // namespace

std::optional<std::vector<std::string>> parseBasePriceCache(std::string_view bytes, std::size_t partidaCount) {
  const std::optional<std::vector<std::string_view>> lines = cacheLines(bytes, partidaCount);
  if (!lines) return std::nullopt;
  return std::vector<std::string>(lines->begin(), lines->end());
}

bool readBasePriceCache(const std::filesystem::path& path, store::Table& partidas) {
  const store::FileBytes file = store::readWholeFile(path);
  if (file.errorNumber != 0) return false;
  const std::optional<std::vector<std::string_view>> lines = cacheLines(file.bytes, partidas.size());
  if (!lines) return false;
  for (std::size_t i = 0; i < partidas.size(); ++i) partidas[i].setField(store::field::kBasePrice, (*lines)[i]);
  return true;
}

std::string basePriceCacheText(const std::vector<std::string>& prices) {
  std::string text;
  text.reserve(prices.size() * 22);
  for (const std::string& price : prices) text += store::rightAlign(price, 20) + "\r\n";
  return text;
}

store::WriteResult writeBasePriceCache(const std::filesystem::path& path, const std::vector<std::string>& prices) {
  return store::writeFileAtomically(path, basePriceCacheText(prices));
}

BasePriceOutcome obtainBasePrices(const PricingContext& context, const GuideContext& guide,
                                  const std::filesystem::path& folder, const store::LoadOptions& options) {
  const std::filesystem::path path = folder / basePriceCacheName(guide.id, options);
  std::error_code error;
  if (std::filesystem::exists(path, error)) {
    context.ui.showProgress(store::cp(" Leyendo el Precio Unitario Base para las Partidas de la Guía ") +
                            std::to_string(store::guideId(guide.id).number) + " ...");
    context.ui.processEvents();
    if (readBasePriceCache(path, guide.tables.partidas)) return {BasePriceSource::CacheRead, 0};
  }
  const std::vector<std::string> prices = computeBasePrices(context, guide);
  const store::WriteResult written = writeBasePriceCache(path, prices);
  if (!written.ok) return {BasePriceSource::ComputedNotSaved, written.errorNumber};
  return {BasePriceSource::Computed, 0};
}

}  // namespace baltu::pricing
