#include "mkedition/sample_edition.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <unordered_set>

#include "mkedition/edition_writer.h"
#include "mkedition/gif_writer.h"
#include "mkedition/sample_catalogue.h"
#include "pricing/edition_table.h"
#include "pricing/working_values.h"
#include "reports/banner_file.h"
#include "store/atomic_file.h"
#include "store/edition_files.h"
#include "store/money.h"
#include "store/number_text.h"
#include "store/text.h"

namespace baltu::mkedition {
namespace {

using store::Cents;
using store::cp;
using store::Guide;
namespace cat = catalogue;

// splitmix64: fully defined, so the same seed gives the same edition with any
// compiler and library (the std distributions are not).
class Random {
 public:
  Random(std::uint64_t seed, std::uint64_t stream) : state_(seed ^ (stream * 0xD1B54A32D192ED03ull)) { next(); }

  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // 0 <= result < n; n > 0.
  std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }
  int between(int low, int high) { return low + static_cast<int>(below(static_cast<std::size_t>(high - low + 1))); }
  double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
  bool chance(double p) { return unit() < p; }
  // Skewed towards `low`, with plain arithmetic only.
  double skewed(double low, double high) {
    const double u = unit();
    return low + (high - low) * u * u;
  }
  template <class T>
  const T& pick(const std::vector<T>& items) {
    return items[below(items.size())];
  }
  template <class T>
  void shuffle(std::vector<T>& items) {
    for (std::size_t i = items.size(); i > 1; --i) std::swap(items[i - 1], items[below(i)]);
  }

 private:
  std::uint64_t state_;
};

// Random streams, one per purpose, so that choosing fewer guides leaves the other files alike.
enum Stream : std::uint64_t { kMaterials = 1, kEquipment, kLabour, kCompounds, kGuideStreams = 16 };

struct Sizes {
  std::size_t materials, equipment, labour;
  std::size_t compoundMaterials, compoundEquipment, compoundLabour;
  std::size_t ed9000, rm9000;
  std::array<std::size_t, 7> guides;
};
constexpr Sizes kFullSizes{5350, 900, 170, 300, 150, 30, 400, 250, {5000, 3000, 2500, 1500, 1500, 800, 1200}};
constexpr Sizes kSmallSizes{120, 18, 16, 6, 3, 2, 20, 20, {100, 60, 50, 30, 30, 20, 24}};

// Regional price factors: CENTRAL, OCCIDENTAL, ORIENTAL, SUR.
constexpr std::array<double, 4> kRegionFactors = {1.00, 1.06, 1.04, 1.12};

constexpr std::array<std::string_view, 6> kWinchCodes = {"5", "373", "25", "273", "513", "514"};
constexpr std::string_view kWinchOperatorCode = "30";

// ---- text of raw numbers ----

// value / 10^decimals as plain decimal text, without trailing zeros ("0.0125", "12.5", "3").
std::string scaledText(std::int64_t value, int decimals) {
  std::int64_t scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  std::string text = (value < 0 ? "-" : "") + std::to_string(std::llabs(value) / scale);
  std::int64_t fraction = std::llabs(value) % scale;
  if (fraction == 0) return text;
  std::string digits = std::to_string(fraction);
  digits.insert(0, static_cast<std::size_t>(decimals) - digits.size(), '0');
  while (digits.back() == '0') digits.pop_back();
  return text + "." + digits;
}

std::string centsText(Cents cents) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%lld.%02lld", static_cast<long long>(cents / 100),
                static_cast<long long>(cents % 100));
  return buffer;
}

std::string depreciationText(int hundredThousandths) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d.%05d", hundredThousandths / 100000, hundredThousandths % 100000);
  return buffer;
}

Cents toCents(double amount) { return std::max<Cents>(1, std::llround(amount * 100)); }

// ---- the edition's month ----

struct Month {
  int month = 12;
  int year = 2018;
};

Month editionMonth(std::string_view name) {
  static constexpr std::array<std::string_view, 12> months = {"ENERO",      "FEBRERO", "MARZO",     "ABRIL",
                                                              "MAYO",       "JUNIO",   "JULIO",     "AGOSTO",
                                                              "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};
  Month result;
  const std::size_t blank = name.find(' ');
  if (blank == std::string_view::npos) return result;
  for (std::size_t m = 0; m < months.size(); ++m)
    if (name.substr(0, blank) == months[m]) result.month = static_cast<int>(m) + 1;
  int year = 0;
  for (std::size_t i = blank + 1; i < name.size() && name[i] >= '0' && name[i] <= '9' && year < 100000; ++i)
    year = year * 10 + (name[i] - '0');
  if (year > 0) result.year = year;
  return result;
}

// ---- insumos ----

struct Insumo {
  std::string code;
  std::string description;  // Windows-1252
  std::string unit;
  double baseCost = 0;  // DICIEMBRE 2018 in the CENTRAL region
  Cents cost = 0;       // as written, in the edition's prices
  int depreciation = 0;
  std::string supplier;
  std::string date;
  char type = 'S';
  std::string tag;     // family tag, or the trade of a labour category
  bool pooled = true;  // may be drawn for partidas and compound groups
};

// One item of a family, before it gets a code.
struct CatalogueItem {
  std::string description;
  std::string unit;
  double baseCost = 0;
  std::string tag;
  int depreciation = 0;
};

std::string fillPattern(std::string_view pattern, const std::vector<std::string_view>& values) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '{' && i + 2 < pattern.size() && pattern[i + 2] == '}' && pattern[i + 1] >= '0' &&
        pattern[i + 1] <= '9') {
      const std::size_t k = static_cast<std::size_t>(pattern[i + 1] - '0');
      if (k < values.size()) out += values[k];
      i += 2;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

std::size_t combinationCount(const std::vector<cat::Axis>& axes) {
  std::size_t count = 1;
  for (const auto& axis : axes) count *= std::max<std::size_t>(axis.size(), 1);
  return count;
}

// The axis values of combination `index` (axis 0 varies fastest).
std::vector<std::string_view> combination(const std::vector<cat::Axis>& axes, std::size_t index,
                                          std::size_t* firstAxisIndex = nullptr) {
  std::vector<std::string_view> values;
  for (std::size_t a = 0; a < axes.size(); ++a) {
    const std::size_t n = std::max<std::size_t>(axes[a].size(), 1);
    const std::size_t i = index % n;
    index /= n;
    if (a == 0 && firstAxisIndex) *firstAxisIndex = i;
    values.push_back(axes[a].empty() ? std::string_view() : axes[a][i]);
  }
  return values;
}

std::vector<CatalogueItem> expandFamilies(const std::vector<cat::Family>& families) {
  std::vector<CatalogueItem> items;
  for (const cat::Family& family : families) {
    const std::size_t count = combinationCount(family.axes);
    const std::size_t steps = family.axes.empty() ? 1 : family.axes[0].size();
    for (std::size_t c = 0; c < count; ++c) {
      std::size_t first = 0;
      const auto values = combination(family.axes, c, &first);
      const double t = steps > 1 ? static_cast<double>(first) / static_cast<double>(steps - 1) : 0.5;
      items.push_back({cp(fillPattern(family.pattern, values)), std::string(family.unit),
                       family.minCost + (family.maxCost - family.minCost) * t * t, std::string(family.tag),
                       family.depreciation});
    }
  }
  return items;
}

// Item `i` of a shuffled catalogue; past its end the items come again with a qualifier.
CatalogueItem catalogueItem(const std::vector<CatalogueItem>& items, const std::vector<std::string_view>& qualifiers,
                            std::size_t i) {
  CatalogueItem item = items[i % items.size()];
  if (i >= items.size()) item.description += cp(qualifiers[(i / items.size() - 1) % qualifiers.size()]);
  return item;
}

struct CompoundRecipe {
  std::string description;
  std::string unit;
  std::vector<std::string> groupTags;
  int minGroups = 2;
  int maxGroups = 6;
  int depreciation = 0;
};

std::vector<CompoundRecipe> expandCompounds(const std::vector<cat::CompoundFamily>& families) {
  std::vector<CompoundRecipe> recipes;
  for (const auto& family : families) {
    for (std::size_t c = 0; c < combinationCount(family.axes); ++c) {
      CompoundRecipe recipe{cp(fillPattern(family.pattern, combination(family.axes, c))),
                            std::string(family.unit),
                            {},
                            family.minGroups,
                            family.maxGroups,
                            family.depreciation};
      for (auto tag : family.groupTags) recipe.groupTags.emplace_back(tag);
      recipes.push_back(std::move(recipe));
    }
  }
  return recipes;
}

enum class Kind { Material, Equipment, Labour };

// One component group of a compound insumo.
struct Group {
  std::size_t insumo;     // index in its table
  std::int64_t quantity;  // ten-thousandths
};

struct Compound {
  std::size_t insumo;  // the type "C" row of the simple table
  std::vector<Group> groups;
};

// ---- partidas ----

struct Component {
  std::string code;
  std::string quantity;
  std::string extra;  // desperdicio or depreciation coefficient
};

struct Partida {
  std::string code;
  std::string description;
  std::string covenin;
  std::string unit;
  std::string rendimiento;
  std::string price;
  std::string basis;
  std::string sector;
  std::string chapter;
  int number9000 = 0;
  double fcas1 = 0;
  double rendimientoValue = 0;
  std::vector<Component> materials, equipment, labour;
};

struct GuideData {
  Guide guide = Guide::Guia1;
  std::vector<Partida> partidas;
};

// Guide numbers of the templates: 1..7 the cost guides, 8 and 9 the 9000 guides.
int templateGuide(Guide guide) {
  if (guide == Guide::Ed9000) return 8;
  if (guide == Guide::Rm9000) return 9;
  return store::guideId(guide).number;
}

char guideLetter(Guide guide) {
  switch (guide) {
    case Guide::Guia1:
    case Guide::Ed9000: return 'E';
    case Guide::Guia2:
    case Guide::Rm9000: return 'R';
    case Guide::Guia3: return 'U';
    case Guide::Guia4: return 'M';
    case Guide::Guia5: return 'V';
    case Guide::Guia6: return 'L';
    default: return 'S';
  }
}

bool isBuildingGuide(Guide guide) {
  return guide == Guide::Guia1 || guide == Guide::Guia2 || guide == Guide::Ed9000 || guide == Guide::Rm9000;
}

std::string partida9000Code(Guide guide, int number) {
  return (guide == Guide::Rm9000 ? "REM-" : "EDF-") + std::to_string(number);
}

std::optional<std::size_t> sectorSlot(std::string_view code) {
  for (std::size_t slot = 0; slot < pricing::kSectorCount; ++slot)
    if (pricing::sectorCode(slot) == code) return slot;
  return std::nullopt;
}

// Typical quantity of a material per unit of partida, by the material's unit.
double materialQuantity(Random& random, std::string_view unit) {
  if (unit == "SACO") return random.skewed(0.2, 9);
  if (unit == "m3") return random.skewed(0.01, 1.2);
  if (unit == "kgf") return random.skewed(0.5, 120);
  if (unit == "m2") return random.skewed(0.1, 1.2);
  if (unit == "ml") return random.skewed(0.1, 3);
  if (unit == "LT" || unit == "GAL") return random.skewed(0.01, 2);
  if (unit == "TON") return random.skewed(0.05, 0.25);
  if (unit == "UND" || unit == "PZA") return random.skewed(0.05, 12);
  return random.skewed(0.01, 5);
}

std::int64_t tenThousandths(double value) { return std::max<std::int64_t>(1, std::llround(value * 10000)); }

// Quantity of a costly material or a 9000 partida used by another partida.
std::string partidaQuantity(Random& random) { return scaledText(tenThousandths(random.skewed(0.02, 1.2)), 4); }

// Desperdicio (waste %) of a material component.
const std::vector<std::string_view> kWaste = {"0", "3", "5", "5", "5", "10", "15"};

// ---- the distributor's banner ----

// An animated GIF for the partida list window, of the control's size: the title
// with a highlight passing over its words, then the web address sliding up into view.
enum BannerColour : std::uint8_t { kNavy, kWhite, kAmber, kSlate, kDeepNavy };
const std::vector<Rgb> kBannerPalette = {
    {0x1B, 0x2A, 0x41}, {0xFF, 0xFF, 0xFF}, {0xF2, 0xA5, 0x41}, {0x8A, 0x9B, 0xB4}, {0x12, 0x1D, 0x2E}};
constexpr std::string_view kBannerTitle = "DISTRIBUIDOR AUTORIZADO";
constexpr std::string_view kBannerAddress = "WWW.BALTU.EXAMPLE";
constexpr int kBannerScale = 2;
constexpr int kBannerSpacing = 1;

std::string bannerGif(int width, int height) {
  const int textHeight = kGlyphHeight * kBannerScale;
  const int emblem = height - 10;
  const int emblemTop = (height - emblem) / 2;
  const int separator = 3 + emblem + 2;
  const PixelRect textArea{separator + 2, 1, width - (separator + 2) - 2, height - 2};
  const int textTop = (height - textHeight) / 2;
  auto widthOf = [](std::string_view text) { return textWidth(text, kBannerScale, kBannerSpacing); };
  auto centred = [&](std::string_view text) { return textArea.x + (textArea.width - widthOf(text)) / 2; };

  auto background = [&] {
    IndexedImage image(width, height, kNavy);
    image.fill({0, 0, width, 1}, kDeepNavy);
    image.fill({0, height - 1, width, 1}, kDeepNavy);
    image.fill({3, emblemTop, emblem, emblem}, kAmber);
    drawText(image, 3 + (emblem - widthOf("B")) / 2, emblemTop + (emblem - textHeight) / 2, "B", kBannerScale, 0,
             kNavy, image.bounds());
    image.fill({separator, emblemTop + 2, 1, emblem - 4}, kSlate);
    return image;
  };
  auto write = [&](IndexedImage& image, std::string_view text, int dy, std::uint8_t colour, PixelRect clip) {
    drawText(image, centred(text), textTop + dy, text, kBannerScale, kBannerSpacing, colour, clip);
  };

  GifAnimation animation{width, height, kBannerPalette, {}};
  auto add = [&](IndexedImage image, int delay) { animation.frames.push_back({std::move(image), delay}); };

  IndexedImage title = background();
  write(title, kBannerTitle, 0, kWhite, textArea);
  add(title, 150);

  // The highlight passes over the title a word at a time.
  const std::size_t blank = kBannerTitle.find(' ');
  const int firstWord = widthOf(kBannerTitle.substr(0, blank));
  const int left = centred(kBannerTitle);
  for (const PixelRect word : {PixelRect{left, textArea.y, firstWord, textArea.height},
                               PixelRect{left + firstWord + 1, textArea.y, width, textArea.height}}) {
    IndexedImage image = title;
    write(image, kBannerTitle, 0, kAmber, word);
    add(std::move(image), 40);
  }

  // The address pushes the title up and out.
  for (int step = 1; step <= 2; ++step) {
    IndexedImage image = background();
    const int shift = textArea.height * step / 3;
    write(image, kBannerTitle, -shift, kWhite, textArea);
    write(image, kBannerAddress, textArea.height - shift, kWhite, textArea);
    add(std::move(image), 8);
  }

  IndexedImage address = background();
  write(address, kBannerAddress, 0, kWhite, textArea);
  add(address, 150);

  IndexedImage underlined = address;
  underlined.fill({centred(kBannerAddress), textTop + textHeight + 2, widthOf(kBannerAddress), 2}, kAmber);
  add(std::move(underlined), 40);
  return gifBytes(animation);
}

// The banner for screens of `screenWidth` pixels, named with its folder.
SampleFile bannerFile(int screenWidth) {
  const reports::BannerChoice choice = reports::bannerFileName(screenWidth);
  return {std::string(reports::kBannerFolder) + "/" + choice.fileName,
          bannerGif(choice.controlWidth, choice.controlHeight)};
}

class EditionBuilder {
 public:
  EditionBuilder(const SampleEditionOptions& options, const pricing::EditionEntry& entry)
      : options_(options),
        entry_(entry),
        sizes_(options.scale == SampleScale::Full ? kFullSizes : kSmallSizes),
        month_(editionMonth(options.editionName)) {
    const double cestaticket = store::parseRawNumber(entry.cestaticket);
    priceLevel_ =
        (cestaticket > 0 ? cestaticket / 180.0 : 1.0) * kRegionFactors[static_cast<std::size_t>(options.region - 1)];
  }

  SampleEdition build() {
    makeMaterials();
    makeEquipment();
    makeLabour();
    makeCompounds();
    buildPools();

    GuideData ed = makeGuide(Guide::Ed9000, sizes_.ed9000);
    GuideData rm = makeGuide(Guide::Rm9000, sizes_.rm9000);
    addPartidaMaterials(ed);
    addPartidaMaterials(rm);
    price9000(ed);
    price9000(rm);

    std::vector<GuideData> guides;
    for (Guide guide : store::kCostGuides) {
      if (std::find(options_.guides.begin(), options_.guides.end(), guide) == options_.guides.end()) continue;
      GuideData data = makeGuide(guide, sizes_.guides[static_cast<std::size_t>(store::guideId(guide).number - 1)]);
      for (Partida& p : data.partidas) p.price = centsText(toCents(estimate(p)));
      guides.push_back(std::move(data));
    }

    SampleEdition edition;
    edition.files.push_back({insumoFileName(options_.region), insumoBytes(edition.counts)});
    for (const GuideData* data : {&ed, &rm}) edition.files.push_back(guideFile(*data, edition.counts));
    for (const GuideData& data : guides) edition.files.push_back(guideFile(data, edition.counts));
    edition.files.push_back(bannerFile(800));
    edition.files.push_back(bannerFile(1024));
    return edition;
  }

 private:
  // ---- dates, costs, suppliers ----

  std::string date(Random& random) {
    static const std::vector<int> monthsBack = {0, 0, 0, 1, 1, 2};
    int month = month_.month - random.pick(monthsBack);
    int year = month_.year;
    if (month < 1) {
      month += 12;
      --year;
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", random.between(1, 28), month, year);
    return buffer;
  }

  Cents editionCost(double baseCost) const { return toCents(baseCost * priceLevel_); }

  Insumo insumoFrom(Random& random, std::string code, const CatalogueItem& item, bool equipment) {
    Insumo insumo;
    insumo.code = std::move(code);
    insumo.description = item.description;
    insumo.unit = item.unit;
    insumo.baseCost = item.baseCost * (0.9 + 0.2 * random.unit());
    insumo.cost = editionCost(insumo.baseCost);
    insumo.depreciation = item.depreciation;
    insumo.tag = item.tag;
    insumo.supplier = cp(random.pick(equipment ? cat::equipmentSuppliers() : cat::materialSuppliers()));
    insumo.date = date(random);
    return insumo;
  }

  static CatalogueItem fixedItem(const cat::FixedItem& item) {
    return {cp(item.description), std::string(item.unit), item.cost, std::string(item.tag), item.depreciation};
  }

  // ---- simple insumos ----

  void makeMaterials() {
    Random random(options_.seed, kMaterials);
    const auto& pairs = pricing::substitutionPairs();
    std::vector<int> codes;
    for (std::size_t c = 1; c <= sizes_.materials; ++c) codes.push_back(static_cast<int>(c));
    std::unordered_set<int> substitutes;
    for (const auto& pair : pairs) {
      codes.push_back(std::stoi(std::string(pair.from)));
      codes.push_back(std::stoi(std::string(pair.to)));
      substitutes.insert(std::stoi(std::string(pair.to)));
      pairCodes_.insert(std::stoi(std::string(pair.from)));
      pairCodes_.insert(std::stoi(std::string(pair.to)));
    }
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());

    std::vector<CatalogueItem> catalogue = expandFamilies(cat::materialFamilies());
    random.shuffle(catalogue);
    const auto& core = cat::coreMaterials();
    std::size_t next = 0;
    for (int code : codes) {
      Insumo insumo;
      if (substitutes.contains(code)) {
        insumo.code = std::to_string(code);  // described below, from the material it stands for
      } else if (code <= static_cast<int>(core.size())) {
        insumo = insumoFrom(random, std::to_string(code), fixedItem(core[static_cast<std::size_t>(code - 1)]), false);
        if (insumo.tag == "TRANSPORTE") {
          insumo.pooled = false;
          insumo.cost = toCents(core[static_cast<std::size_t>(code - 1)].cost);  // the percentage, as published
        }
      } else {
        insumo = insumoFrom(random, std::to_string(code), catalogueItem(catalogue, cat::materialQualifiers(), next++),
                            false);
      }
      materialIndex_[insumo.code] = materials_.size();
      materials_.push_back(std::move(insumo));
    }
    // A substitute is the same material of another origin, at another price.
    std::unordered_map<std::string_view, std::size_t> timesSubstituted;
    for (const auto& pair : pairs) {
      const Insumo& from = materials_[materialIndex_.at(std::string(pair.from))];
      const std::size_t k = timesSubstituted[pair.from]++;
      CatalogueItem item{from.description + cp(cat::substituteQualifiers()[k % cat::substituteQualifiers().size()]),
                         from.unit, from.baseCost * (0.92 + 0.23 * random.unit()), from.tag, 0};
      Insumo substitute = insumoFrom(random, std::string(pair.to), item, false);
      substitute.pooled = false;
      materials_[materialIndex_.at(substitute.code)] = std::move(substitute);
    }
  }

  void makeEquipment() {
    Random random(options_.seed, kEquipment);
    std::vector<int> codes;
    for (std::size_t c = 1; c <= sizes_.equipment; ++c) codes.push_back(static_cast<int>(c));
    for (std::string_view winch : kWinchCodes) codes.push_back(std::stoi(std::string(winch)));
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());

    std::vector<CatalogueItem> catalogue = expandFamilies(cat::equipmentFamilies());
    random.shuffle(catalogue);
    const auto& core = cat::coreEquipment();
    std::size_t next = 0;
    for (int code : codes) {
      const std::string text = std::to_string(code);
      const auto winch = std::find(kWinchCodes.begin(), kWinchCodes.end(), text);
      Insumo insumo;
      if (winch != kWinchCodes.end()) {
        const auto k = static_cast<std::size_t>(winch - kWinchCodes.begin());
        const double price = 2600000 + 1100000 * static_cast<double>(k);
        insumo = insumoFrom(random, text, {cp(cat::winchDescriptions()[k]), "UND", price, "ELEVACION", 125}, true);
        insumo.pooled = false;
      } else if (code <= static_cast<int>(core.size())) {
        insumo = insumoFrom(random, text, fixedItem(core[static_cast<std::size_t>(code - 1)]), true);
      } else {
        insumo = insumoFrom(random, text, catalogueItem(catalogue, cat::equipmentQualifiers(), next++), true);
      }
      equipmentIndex_[insumo.code] = equipment_.size();
      equipment_.push_back(std::move(insumo));
    }
  }

  void makeLabour() {
    Random random(options_.seed, kLabour);
    const auto& core = cat::coreLabour();
    std::unordered_set<std::string> taken;
    for (const auto& item : core) taken.insert(std::string(item.description));
    taken.insert(std::string(cat::winchOperator().description));
    // Every trade in its grades, but the fixed categories.
    struct Category {
      std::string description;  // UTF-8
      std::string_view trade;
      double wage;
    };
    static constexpr std::array<std::pair<std::string_view, double>, 3> grades = {
        {{" DE PRIMERA", 1.0}, {" DE SEGUNDA", 0.86}, {" DE TERCERA", 0.74}}};
    std::vector<Category> generated;
    for (const cat::Trade& trade : cat::trades()) {
      if (!trade.graded) {
        if (!taken.contains(std::string(trade.name)))
          generated.push_back({std::string(trade.name), trade.name, trade.wage});
        continue;
      }
      for (const auto& [grade, factor] : grades) {
        std::string name = std::string(trade.name) + std::string(grade);
        if (!taken.contains(name)) generated.push_back({std::move(name), trade.name, trade.wage * factor});
      }
    }
    std::vector<std::size_t> order(generated.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    random.shuffle(order);

    std::vector<int> codes;
    for (std::size_t c = 1; c <= sizes_.labour; ++c) codes.push_back(static_cast<int>(c));
    codes.push_back(std::stoi(std::string(kWinchOperatorCode)));
    std::sort(codes.begin(), codes.end());
    codes.erase(std::unique(codes.begin(), codes.end()), codes.end());
    std::size_t next = 0;
    for (int code : codes) {
      Insumo insumo;
      insumo.code = std::to_string(code);
      insumo.unit = "DIA";
      double wage = 0;
      if (insumo.code == kWinchOperatorCode) {
        insumo.description = cp(cat::winchOperator().description);
        insumo.tag = cat::winchOperator().trade;
        wage = cat::winchOperator().wage;
        insumo.pooled = false;
      } else if (code <= static_cast<int>(core.size())) {
        const auto& item = core[static_cast<std::size_t>(code - 1)];
        insumo.description = cp(item.description);
        insumo.tag = item.trade;
        wage = item.wage;
      } else {
        const Category& category = generated[order[next % order.size()]];
        insumo.description = cp(category.description);
        if (next >= order.size()) insumo.description += cp(" - TURNO NOCTURNO");
        insumo.tag = category.trade;
        wage = category.wage;
        ++next;
      }
      insumo.baseCost = wage * (0.95 + 0.1 * random.unit());
      insumo.cost = editionCost(insumo.baseCost);
      insumo.date = date(random);
      labourIndex_[insumo.code] = labour_.size();
      labour_.push_back(std::move(insumo));
    }
  }

  // ---- compound insumos: type "C" rows of the simple tables, with their groups ----

  // Codes of a simple table that may become compound: past the fixed items, pooled,
  // and not on either side of a material substitution.
  std::vector<std::size_t> compoundCandidates(const std::vector<Insumo>& table, std::size_t fixedCount) const {
    std::vector<std::size_t> candidates;
    for (std::size_t i = 0; i < table.size(); ++i) {
      const int code = std::stoi(table[i].code);
      if (code > static_cast<int>(fixedCount) && table[i].pooled && !pairCodes_.contains(code)) candidates.push_back(i);
    }
    return candidates;
  }

  std::vector<Compound> makeCompoundsOf(Random& random, std::vector<Insumo>& table, std::size_t fixedCount,
                                        std::size_t count, std::vector<CompoundRecipe> recipes, Kind kind) {
    std::vector<std::size_t> candidates = compoundCandidates(table, fixedCount);
    random.shuffle(candidates);
    candidates.resize(std::min(count, candidates.size()));
    std::sort(candidates.begin(), candidates.end());
    random.shuffle(recipes);
    for (std::size_t k = 0; k < candidates.size(); ++k) {
      Insumo& insumo = table[candidates[k]];
      const CompoundRecipe& recipe = recipes[k % recipes.size()];
      insumo.type = 'C';
      insumo.description = recipe.description;
      if (k >= recipes.size()) insumo.description += cp(" - TIPO ") + std::to_string(k / recipes.size() + 1);
      insumo.unit = recipe.unit;
      insumo.depreciation = recipe.depreciation;
      insumo.tag = "COMPUESTO";
    }
    // Groups are drawn once every compound is marked, so they hold simple insumos only.
    std::vector<std::size_t> simple;
    std::map<std::string, std::vector<std::size_t>> byTag;
    for (std::size_t i = 0; i < table.size(); ++i) {
      if (table[i].type != 'S' || !table[i].pooled) continue;
      simple.push_back(i);
      byTag[table[i].tag].push_back(i);
    }
    std::vector<Compound> compounds;
    for (std::size_t k = 0; k < candidates.size(); ++k) {
      const CompoundRecipe& recipe = recipes[k % recipes.size()];
      std::vector<std::size_t> pool;
      for (const auto& tag : recipe.groupTags)
        if (auto found = byTag.find(tag); found != byTag.end())
          pool.insert(pool.end(), found->second.begin(), found->second.end());
      if (pool.size() < static_cast<std::size_t>(recipe.minGroups)) pool = simple;
      Compound compound{candidates[k], {}};
      const int wanted = std::min<int>(random.between(recipe.minGroups, recipe.maxGroups), 15);
      for (int attempt = 0;
           !pool.empty() && attempt < wanted * 4 && compound.groups.size() < static_cast<std::size_t>(wanted);
           ++attempt) {
        const std::size_t insumo = random.pick(pool);
        if (std::any_of(compound.groups.begin(), compound.groups.end(),
                        [&](const Group& g) { return g.insumo == insumo; }))
          continue;
        const double quantity = kind == Kind::Labour      ? static_cast<double>(random.between(1, 4))
                                : kind == Kind::Equipment ? static_cast<double>(random.between(1, 2))
                                                          : materialQuantity(random, table[insumo].unit);
        compound.groups.push_back({insumo, tenThousandths(quantity)});
      }
      // The compound costs what its groups cost, counted as the program counts them.
      Cents total = 0;
      for (const Group& g : compound.groups)
        total += store::round2Cents(static_cast<double>(g.quantity) / 10000.0 *
                                    (static_cast<double>(table[g.insumo].cost) / 100.0));
      Insumo& insumo = table[compound.insumo];
      insumo.cost = std::max<Cents>(total, 1);
      insumo.baseCost = static_cast<double>(insumo.cost) / 100.0 / priceLevel_;
      compounds.push_back(std::move(compound));
    }
    return compounds;
  }

  void makeCompounds() {
    Random random(options_.seed, kCompounds);
    compoundMaterials_ = makeCompoundsOf(random, materials_, cat::coreMaterials().size(), sizes_.compoundMaterials,
                                         expandCompounds(cat::compoundMaterialFamilies()), Kind::Material);
    compoundEquipment_ = makeCompoundsOf(random, equipment_, cat::coreEquipment().size(), sizes_.compoundEquipment,
                                         expandCompounds(cat::compoundEquipmentFamilies()), Kind::Equipment);
    compoundLabour_ = makeCompoundsOf(random, labour_, cat::coreLabour().size(), sizes_.compoundLabour,
                                      expandCompounds(cat::compoundLabourFamilies()), Kind::Labour);
  }

  void buildPools() {
    for (std::size_t i = 0; i < materials_.size(); ++i) {
      if (!materials_[i].pooled) continue;
      materialPool_.push_back(i);
      materialsByTag_[materials_[i].tag].push_back(i);
    }
    for (std::size_t i = 0; i < equipment_.size(); ++i) {
      if (!equipment_[i].pooled) continue;
      equipmentPool_.push_back(i);
      equipmentByTag_[equipment_[i].tag].push_back(i);
    }
    for (std::size_t i = 0; i < labour_.size(); ++i) {
      if (!labour_[i].pooled || labour_[i].type != 'S') continue;
      labourPool_.push_back(i);
      labourByTrade_[labour_[i].tag].push_back(i);
    }
  }

  // ---- partidas ----

  // Draws from the pools of the tags (all of the table when they hold nothing).
  static std::vector<std::size_t> poolOf(const std::map<std::string, std::vector<std::size_t>>& byTag,
                                         const std::vector<std::string_view>& tags,
                                         const std::vector<std::size_t>& all) {
    std::vector<std::size_t> pool;
    for (auto tag : tags)
      if (auto found = byTag.find(std::string(tag)); found != byTag.end())
        pool.insert(pool.end(), found->second.begin(), found->second.end());
    return pool.empty() ? all : pool;
  }

  static bool hasCode(const std::vector<Component>& list, std::string_view code) {
    return std::any_of(list.begin(), list.end(), [&](const Component& c) { return c.code == code; });
  }

  std::string materialComponentQuantity(Random& random, const Insumo& material) {
    if (material.unit == "%") return "1";
    if (material.type == 'P' || material.baseCost > 50000) return partidaQuantity(random);
    return scaledText(tenThousandths(materialQuantity(random, material.unit)), 4);
  }

  void addMaterial(Random& random, Partida& p, const Insumo& material) {
    p.materials.push_back({material.code, materialComponentQuantity(random, material),
                           material.unit == "%" ? "0" : std::string(random.pick(kWaste))});
  }

  void addComponents(Random& random, Guide guide, const cat::PartidaTemplate& t, Partida& p,
                     const std::vector<std::string>& partidas9000) {
    // Materials: the ones the work cannot go without, transport, a 9000 partida, then more of its kinds.
    const int wanted = t.maxMaterials > 0 ? random.between(t.minMaterials, t.maxMaterials) : 0;
    for (auto code : t.coreMaterials)
      if (auto found = materialIndex_.find(std::string(code)); found != materialIndex_.end())
        addMaterial(random, p, materials_[found->second]);
    if (t.transported && wanted > 0 && random.chance(0.7)) {
      const double r = random.unit();
      addMaterial(random, p, materials_[materialIndex_.at(r < 0.6 ? "3" : r < 0.8 ? "2" : "4")]);
      if (random.chance(0.02)) addMaterial(random, p, materials_[materialIndex_.at(r < 0.6 ? "4" : "3")]);
    }
    if (wanted > 0 && store::is9000Guide(guide)) {
      const std::string mortar = partida9000Code(guide, 9044);
      // The 9000 partidas become materials only once their guide is made, so the row is written here.
      if (p.code != mortar && random.chance(0.3))
        p.materials.push_back({mortar, partidaQuantity(random), std::string(random.pick(kWaste))});
    } else if (wanted > 0 && !partidas9000.empty() && random.chance(0.12)) {
      addMaterial(random, p, materials_[materialIndex_.at(random.pick(partidas9000))]);
    }
    const auto materialPool = poolOf(materialsByTag_, t.materialTags, materialPool_);
    for (int attempt = 0; attempt < wanted * 4 && p.materials.size() < static_cast<std::size_t>(wanted); ++attempt) {
      const Insumo& material = materials_[random.pick(materialPool)];
      if (!hasCode(p.materials, material.code)) addMaterial(random, p, material);
    }

    // Equipment, with the winch on building work that is lifted to upper floors.
    static const std::vector<std::string_view> machineCounts = {"1", "1", "1", "1", "2", "0.5", "3"};
    const bool winch = t.lifted && isBuildingGuide(guide) && random.chance(0.35);
    if (winch) {
      const Insumo& machine =
          equipment_[equipmentIndex_.at(std::string(kWinchCodes[random.below(kWinchCodes.size())]))];
      p.equipment.push_back({machine.code, "1", depreciationText(machine.depreciation)});
    }
    const int machines = random.between(t.minEquipment, t.maxEquipment);
    const auto equipmentPool = poolOf(equipmentByTag_, t.equipmentTags, equipmentPool_);
    for (int attempt = 0; attempt < machines * 4 && p.equipment.size() < static_cast<std::size_t>(machines);
         ++attempt) {
      const Insumo& machine = equipment_[random.pick(equipmentPool)];
      if (hasCode(p.equipment, machine.code)) continue;
      p.equipment.push_back(
          {machine.code, std::string(random.pick(machineCounts)), depreciationText(std::max(machine.depreciation, 1))});
    }

    // Labour: the crew of the work, one category per trade.
    static const std::vector<std::string_view> helpers = {"2", "3", "4", "6"};
    static const std::vector<std::string_view> tradesmen = {"1", "1", "2", "3", "0.5"};
    static const std::vector<std::string_view> professionals = {"0.25", "0.5", "1"};
    for (std::size_t k = 0; k < t.trades.size(); ++k) {
      if (k > 0 && !random.chance(0.8)) continue;
      auto found = labourByTrade_.find(std::string(t.trades[k]));
      const Insumo& worker =
          labour_[found != labourByTrade_.end() ? random.pick(found->second) : random.pick(labourPool_)];
      if (hasCode(p.labour, worker.code)) continue;
      std::string quantity;
      if (worker.tag == "MAESTRO DE OBRA")
        quantity = "1";
      else if (worker.tag == "AYUDANTE" || worker.tag == "OBRERO")
        quantity = random.pick(helpers);
      else if (worker.tag.starts_with("INGENIERO") || worker.tag.starts_with("ARQUITECTO"))
        quantity = random.pick(professionals);
      else
        quantity = random.pick(tradesmen);
      p.labour.push_back({worker.code, quantity, ""});
    }
    if (p.labour.empty()) p.labour.push_back({labour_[random.pick(labourPool_)].code, "1", ""});
    if (winch) p.labour.push_back({std::string(kWinchOperatorCode), "1", ""});
  }

  std::string sectorOf(Guide guide, const cat::PartidaTemplate& t, const std::vector<std::string_view>& values) const {
    const std::vector<std::size_t> accepted = pricing::acceptedSectors(guide);
    const std::string wanted = fillPattern(t.sector, values);
    for (std::size_t slot : accepted)
      if (pricing::sectorCode(slot) == wanted) return wanted;
    return std::string(pricing::sectorCode(accepted.front()));
  }

  GuideData makeGuide(Guide guide, std::size_t count) {
    Random random(options_.seed, kGuideStreams + static_cast<std::uint64_t>(guide));
    const auto& templates = cat::partidaTemplates(templateGuide(guide));
    const cat::Axis& contexts = cat::partidaContexts(templateGuide(guide));
    // Each template's axes and pattern, with the guide's contexts at the end when it takes them.
    struct Shape {
      std::vector<cat::Axis> axes;
      std::string pattern;
    };
    std::vector<Shape> shapes;
    std::vector<std::size_t> cumulative;
    std::size_t total = 0;
    for (const auto& t : templates) {
      Shape shape{t.axes, std::string(t.pattern)};
      if (t.contextual && !contexts.empty()) {
        shape.pattern += ", {" + std::to_string(shape.axes.size()) + "}";
        shape.axes.push_back(contexts);
      }
      cumulative.push_back(total += combinationCount(shape.axes));
      shapes.push_back(std::move(shape));
    }

    std::vector<std::string> partidas9000;
    if (!store::is9000Guide(guide)) partidas9000 = guide == Guide::Guia2 ? remCodes_ : edfCodes_;

    GuideData data{guide, {}};
    std::unordered_set<std::string> descriptions;
    std::map<std::string, int> perChapter;
    const bool is9000 = store::is9000Guide(guide);
    std::vector<int> numbers9000;
    if (is9000) {
      for (std::size_t k = 1; k <= count; ++k) numbers9000.push_back(9000 + static_cast<int>(k));
      if (std::find(numbers9000.begin(), numbers9000.end(), 9044) == numbers9000.end()) numbers9000.back() = 9044;
    }
    for (std::size_t i = 0; i < count; ++i) {
      Partida p;
      const cat::PartidaTemplate* t = nullptr;
      std::vector<std::string_view> values;
      if (is9000 && numbers9000[i] == 9044) {
        t = &cat::partida9044(guide == Guide::Rm9000);
        p.description = cp(t->pattern);
      } else {
        const auto k = static_cast<std::size_t>(
            std::upper_bound(cumulative.begin(), cumulative.end(), random.below(total)) - cumulative.begin());
        t = &templates[k];
        const Shape& shape = shapes[k];
        for (int attempt = 0; attempt < 12; ++attempt) {
          values = combination(shape.axes, random.below(combinationCount(shape.axes)));
          p.description = cp(fillPattern(shape.pattern, values));
          if (!descriptions.contains(p.description)) break;
        }
        for (int n = 2; descriptions.contains(p.description); ++n)
          p.description = cp(fillPattern(shape.pattern, values)) + " - ALTERNATIVA " + std::to_string(n);
      }
      descriptions.insert(p.description);

      if (is9000) {
        p.number9000 = numbers9000[i];
        p.code = partida9000Code(guide, p.number9000);
        p.chapter = t->chapter;
      } else {
        int chapter = std::stoi(std::string(t->chapter));
        int n = ++perChapter[std::string(t->chapter)];
        chapter += (n - 1) / 8999;  // a chapter holds 8999 partidas
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%c%03d%04d", guideLetter(guide), chapter % 1000,
                      1000 + (n - 1) % 8999 + 1);
        p.code = buffer;
        p.chapter = std::to_string(chapter % 1000);
      }

      p.unit = t->unit;
      if (p.unit == "UND" && random.chance(0.15)) p.unit = "UNIDA";
      std::int64_t rendimiento = 0;
      if (!random.chance(0.01))
        rendimiento =
            std::max<std::int64_t>(1, std::llround(random.skewed(t->minRendimiento, t->maxRendimiento) * 1000));
      p.rendimientoValue = static_cast<double>(rendimiento) / 1000.0;
      p.rendimiento = scaledText(rendimiento, 3);
      const double basis = random.unit();
      p.basis = rendimiento == 0 || basis < 0.15 ? "U" : basis < 0.25 ? "C" : "R";

      p.sector = sectorOf(guide, *t, values);
      const std::size_t slot = *sectorSlot(p.sector);
      p.fcas1 = store::parseRawNumber(entry_.fcas1[slot]);
      if (random.chance(0.03)) p.sector = std::string(entry_.fcas1[slot]);  // the figure the sector stands for

      addComponents(random, guide, *t, p, partidas9000);
      data.partidas.push_back(std::move(p));
    }

    // File order is code order; COVENIN codes follow it within each chapter.
    std::sort(data.partidas.begin(), data.partidas.end(),
              [](const Partida& a, const Partida& b) { return a.code < b.code; });
    std::map<std::string, int> coveninCount;
    for (Partida& p : data.partidas) {
      char buffer[24];
      const int n = is9000 ? p.number9000 - 9000 : ++coveninCount[p.chapter];
      std::snprintf(buffer, sizeof buffer, "%c%03d%06d", guideLetter(guide), std::stoi(p.chapter) % 1000,
                    (n * 10) % 1000000);
      p.covenin = buffer;
    }
    if (guide == Guide::Ed9000)
      for (const Partida& p : data.partidas) edfCodes_.push_back(p.code);
    if (guide == Guide::Rm9000)
      for (const Partida& p : data.partidas) remCodes_.push_back(p.code);
    return data;
  }

  // The 9000 partidas stand in the materials table as type "P" materials.
  void addPartidaMaterials(const GuideData& data) {
    Random random(options_.seed, kGuideStreams + 32 + static_cast<std::uint64_t>(data.guide));
    for (const Partida& p : data.partidas) {
      Insumo insumo;
      insumo.code = p.code;
      insumo.description = p.description;
      insumo.unit = p.unit;
      insumo.type = 'P';
      insumo.pooled = false;
      insumo.date = date(random);
      materialIndex_[insumo.code] = materials_.size();
      materials_.push_back(std::move(insumo));
    }
  }

  // A direct cost close to what the program will compute, for the partida's base
  // price and the cost of its material; the program recomputes both.
  double estimate(const Partida& p) const {
    double materials = 0;
    double transport = 0;
    for (const Component& c : p.materials) {
      const Insumo& m = materials_[materialIndex_.at(c.code)];
      if (m.unit == "%") {
        if (transport == 0) transport = static_cast<double>(m.cost) / 100.0;
        continue;
      }
      materials += store::parseRawNumber(c.quantity) * static_cast<double>(m.cost) / 100.0;
    }
    materials *= 1 + transport / 100.0;
    double equipment = 0;
    for (const Component& c : p.equipment) {
      const Insumo& e = equipment_[equipmentIndex_.at(c.code)];
      equipment +=
          store::parseRawNumber(c.quantity) * static_cast<double>(e.cost) / 100.0 * store::parseRawNumber(c.extra);
    }
    double labour = 0;
    for (const Component& c : p.labour)
      labour += store::parseRawNumber(c.quantity) * static_cast<double>(labour_[labourIndex_.at(c.code)].cost) / 100.0;
    labour *= 1 + p.fcas1 / 100.0;
    const double r = p.rendimientoValue > 0 ? p.rendimientoValue : 1;
    return materials + (equipment + labour) / r;
  }

  // "9044" first, as the program prices it, so the partidas using it see its cost.
  void price9000(GuideData& data) {
    auto priceOne = [&](Partida& p) {
      const Cents cost = toCents(estimate(p));
      p.price = centsText(cost);
      materials_[materialIndex_.at(p.code)].cost = cost;
    };
    for (Partida& p : data.partidas)
      if (p.number9000 == 9044) priceOne(p);
    for (Partida& p : data.partidas)
      if (p.number9000 != 9044) priceOne(p);
  }

  // ---- bytes ----

  std::string insumoBytes(SampleCounts& counts) const {
    std::array<RawSection, 6> sections;
    for (const Insumo& m : materials_)
      sections[0].push_back(
          {m.description, m.unit, centsText(m.cost), m.supplier, m.date, m.code, std::string(1, m.type)});
    for (const Insumo& e : equipment_)
      sections[1].push_back({e.description, e.unit, depreciationText(e.depreciation), centsText(e.cost), e.supplier,
                             e.date, e.code, std::string(1, e.type)});
    for (const Insumo& l : labour_)
      sections[2].push_back({l.description, l.unit, centsText(l.cost), l.date, l.code, std::string(1, l.type)});

    auto lineTotal = [](const Group& g, const Insumo& insumo) {
      return store::round2Cents(static_cast<double>(g.quantity) / 10000.0 * (static_cast<double>(insumo.cost) / 100.0));
    };
    for (const Compound& c : compoundMaterials_) {
      const Insumo& owner = materials_[c.insumo];
      RawRecord record = {owner.code, owner.description, owner.unit};
      Cents total = 0;
      for (std::size_t g = 0; g < 15; ++g) {
        if (g < c.groups.size()) {
          const Insumo& m = materials_[c.groups[g].insumo];
          record.insert(record.end(),
                        {m.code, m.description, m.unit, scaledText(c.groups[g].quantity, 4), centsText(m.cost)});
          total += lineTotal(c.groups[g], m);
        } else {
          record.insert(record.end(), {"0", "", "", "0", "0"});
        }
      }
      record.push_back(centsText(total));
      sections[3].push_back(std::move(record));
    }
    for (const Compound& c : compoundEquipment_) {
      const Insumo& owner = equipment_[c.insumo];
      RawRecord record = {owner.code, owner.description, owner.unit, depreciationText(owner.depreciation)};
      Cents total = 0;
      for (std::size_t g = 0; g < 15; ++g) {
        if (g < c.groups.size()) {
          const Insumo& e = equipment_[c.groups[g].insumo];
          record.insert(record.end(), {e.code, e.description, e.unit, scaledText(c.groups[g].quantity, 4),
                                       centsText(e.cost), depreciationText(e.depreciation)});
          total += lineTotal(c.groups[g], e);
        } else {
          record.insert(record.end(), {"0", "", "", "0", "0", "0"});
        }
      }
      record.push_back(centsText(total));
      sections[4].push_back(std::move(record));
    }
    for (const Compound& c : compoundLabour_) {
      const Insumo& owner = labour_[c.insumo];
      RawRecord record = {owner.code, owner.description, owner.unit};
      Cents total = 0;
      for (std::size_t g = 0; g < 15; ++g) {
        if (g < c.groups.size()) {
          const Insumo& l = labour_[c.groups[g].insumo];
          const Cents amount = lineTotal(c.groups[g], l);
          record.insert(record.end(), {l.code, l.description, scaledText(c.groups[g].quantity, 4), centsText(l.cost),
                                       centsText(amount)});
          total += amount;
        } else {
          record.insert(record.end(), {"0", "", "0", "0", "0"});
        }
      }
      record.push_back(centsText(total));
      record.push_back(centsText(total));
      sections[5].push_back(std::move(record));
    }
    for (std::size_t k = 0; k < 6; ++k) counts.insumos[k] = sections[k].size();
    return insumoFileBytes(options_.editionName, sections);
  }

  static SampleFile guideFile(const GuideData& data, SampleCounts& counts) {
    std::array<RawSection, 4> sections;
    for (const Partida& p : data.partidas) {
      sections[0].push_back({p.code, p.description, p.covenin, p.unit, p.rendimiento, p.price, p.basis, p.sector});
      for (const Component& c : p.materials) sections[1].push_back({p.code, c.code, c.quantity, c.extra});
      for (const Component& c : p.equipment) sections[2].push_back({p.code, c.code, c.quantity, c.extra});
      for (const Component& c : p.labour) sections[3].push_back({p.code, c.code, c.quantity});
    }
    counts.guides.push_back(
        {data.guide, sections[0].size(), sections[1].size(), sections[2].size(), sections[3].size()});
    return {store::dataFileName(data.guide), guideFileBytes(sections)};
  }

  const SampleEditionOptions& options_;
  const pricing::EditionEntry& entry_;
  Sizes sizes_;
  Month month_;
  double priceLevel_ = 1;

  std::vector<Insumo> materials_, equipment_, labour_;
  std::unordered_map<std::string, std::size_t> materialIndex_, equipmentIndex_, labourIndex_;
  std::unordered_set<int> pairCodes_;
  std::vector<Compound> compoundMaterials_, compoundEquipment_, compoundLabour_;
  std::vector<std::size_t> materialPool_, equipmentPool_, labourPool_;
  std::map<std::string, std::vector<std::size_t>> materialsByTag_, equipmentByTag_, labourByTrade_;
  std::vector<std::string> edfCodes_, remCodes_;
};

const pricing::EditionEntry* findEdition(std::string_view name) {
  for (const pricing::EditionEntry& entry : pricing::editionTable())
    for (std::string_view n : entry.names)
      if (n == name) return &entry;
  return nullptr;
}

}  // namespace

std::string insumoFileName(int region) {
  return region <= 1 ? "INSUMOS.DAT" : "INSUMOS" + std::to_string(region) + ".DAT";
}

store::Expected<SampleEdition> buildSampleEdition(const SampleEditionOptions& options) {
  const pricing::EditionEntry* entry = findEdition(options.editionName);
  if (!entry)
    return store::Failure{cp("La edición \"") + options.editionName +
                          cp("\" no está en la tabla de ediciones de Baltu. Use una edición de la tabla, "
                             "por ejemplo \"DICIEMBRE 2018\".")};
  if (options.region < 1 || options.region > 4)
    return store::Failure{cp("La región debe ser un número del 1 al 4 (") + std::to_string(options.region) + ")."};
  for (Guide guide : options.guides)
    if (!store::isCostGuide(guide))
      return store::Failure{cp("Solo se pueden elegir las guías 1 a 7; \"") +
                            std::string(store::guideId(guide).messageText) + cp("\" se escribe siempre o no existe.")};
  return EditionBuilder(options, *entry).build();
}

store::Expected<SampleEditionSummary> writeSampleEdition(const std::filesystem::path& folder,
                                                         const SampleEditionOptions& options) {
  store::Expected<SampleEdition> built = buildSampleEdition(options);
  if (!built) return built.failure();
  auto createFolder = [](const std::filesystem::path& path) -> std::optional<store::Failure> {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    if (!error) return std::nullopt;
    return store::Failure{cp("No se pudo crear la carpeta \"") + path.string() + "\" (error " +
                          std::to_string(error.value()) + ")."};
  };
  if (auto failure = createFolder(folder)) return *failure;

  SampleEditionSummary summary;
  summary.counts = built.value().counts;
  for (const SampleFile& file : built.value().files) {
    const std::filesystem::path path = folder / file.name;
    // Files below the edition folder (the banners) get their folders first.
    if (path.parent_path() != folder) {
      if (auto failure = createFolder(path.parent_path())) return *failure;
    }
    const store::WriteResult written = store::writeFileAtomically(path, file.bytes);
    if (!written.ok)
      return store::Failure{cp("No se pudo escribir el archivo \"") + file.name + "\" (error " +
                            std::to_string(written.errorNumber) + ")."};
    summary.files.push_back(path);
  }
  // A cache whose line count still matches would be trusted with the old prices.
  for (Guide guide : store::kCostGuides) {
    if (std::find(options.guides.begin(), options.guides.end(), guide) == options.guides.end()) continue;
    const std::string base(store::guideId(guide).baseName);
    for (const std::string& cache : {base + ".APU", base + "I.APU"}) {
      std::error_code removeError;
      if (std::filesystem::remove(folder / cache, removeError))
        summary.notes.push_back(cp("Se borró \"") + cache +
                                cp("\", con los precios base de la guía anterior; Baltu los calculará de nuevo."));
      else if (removeError)
        summary.notes.push_back(cp("No se pudo borrar \"") + cache +
                                cp("\"; sus precios base son de la guía anterior. Bórrelo antes de usar la edición."));
    }
  }
  const std::string chosen = store::chooseInsumoFile(folder).fileName;
  if (chosen != insumoFileName(options.region))
    summary.notes.push_back(cp("En la carpeta ya hay \"") + chosen + cp("\": Baltu usará ese archivo y no \"") +
                            insumoFileName(options.region) + "\".");
  return summary;
}

}  // namespace baltu::mkedition
