#include "pricing/price_cache.h"

#include <cerrno>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "pricing_fixture.h"
#include "store/text.h"
#include "support/temp_folder.h"

namespace baltu::pricing {
namespace {

namespace f = store::field;

// The base prices of this guide: 60 + 120 (FCAS1 200 %), nothing ("0,01"), 2 x 12,50.
constexpr std::string_view kComputedCache =
    "              180,00\r\n"
    "                0,01\r\n"
    "               25,00\r\n";

void fillGuide(test::PricingFixture& fx) {
  fx.guide.partidas = {test::partida("PAR-0001", "Mano de obra", "1,000"),
                       test::partida("PAR-0002", "Sin insumos", "1,000"),
                       test::partida("PAR-0003", "Cemento", "1,000")};
  fx.guide.materials = {test::materialUse("PAR-0003", "101", "2,0000")};
  fx.guide.labour = {test::labourUse("PAR-0001", "1", "1,00")};
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::string> basePrices(const store::Table& partidas) {
  std::vector<std::string> out;
  for (const auto& p : partidas) out.emplace_back(p.field(f::kBasePrice));
  return out;
}

const std::vector<std::string> kComputedPrices = {store::rightAlign("180,00", 20), store::rightAlign("0,01", 20),
                                                  store::rightAlign("25,00", 20)};

TEST(BasePriceCache, WrittenWhenMissingThenReadBack) {
  test::PricingFixture fx;
  fillGuide(fx);
  test::TempFolder folder;
  const PricingContext context = fx.context();
  const GuideContext guide = fx.guideContext();

  EXPECT_EQ(obtainBasePrices(context, guide, folder.path(), {}).source, BasePriceSource::Computed);
  EXPECT_EQ(readFile(folder / "GUIA1.APU"), kComputedCache);

  for (auto& p : fx.guide.partidas) p.setField(f::kBasePrice, "");
  fx.ui.progress.clear();
  EXPECT_EQ(obtainBasePrices(context, guide, folder.path(), {}).source, BasePriceSource::CacheRead);
  EXPECT_EQ(basePrices(fx.guide.partidas), kComputedPrices);
  EXPECT_EQ(fx.ui.progress, std::vector<std::string>{
                                store::cp(" Leyendo el Precio Unitario Base para las Partidas de la Guía 1 ...")});
}

// A cache with the right number of lines is trusted as it is.
TEST(BasePriceCache, ValidCacheIsTrustedAsWritten) {
  test::PricingFixture fx;
  fillGuide(fx);
  test::TempFolder folder;
  folder.write("GUIA1.APU", "1,00\r\n   2.000,00\r\n3,00");

  EXPECT_EQ(obtainBasePrices(fx.context(), fx.guideContext(), folder.path(), {}).source, BasePriceSource::CacheRead);
  EXPECT_EQ(basePrices(fx.guide.partidas), (std::vector<std::string>{"1,00", "   2.000,00", "3,00"}));
  EXPECT_EQ(readFile(folder / "GUIA1.APU"), "1,00\r\n   2.000,00\r\n3,00");
}

TEST(BasePriceCache, WrongLineCountOrNonNumberIsRebuilt) {
  const std::pair<std::string_view, std::string_view> cases[] = {
      {"TooFewLines", "1,00\r\n2,00\r\n"},
      {"TooManyLines", "1,00\r\n2,00\r\n3,00\r\n4,00\r\n"},
      {"NotANumber", "1,00\r\nREPL\r\n3,00\r\n"},
      {"EmptyLine", "1,00\r\n\r\n3,00\r\n"},
      {"EmptyFile", ""},
  };
  for (const auto& [name, bytes] : cases) {
    SCOPED_TRACE(name);
    test::PricingFixture fx;
    fillGuide(fx);
    test::TempFolder folder;
    folder.write("GUIA1.APU", bytes);
    EXPECT_EQ(obtainBasePrices(fx.context(), fx.guideContext(), folder.path(), {}).source, BasePriceSource::Computed);
    EXPECT_EQ(basePrices(fx.guide.partidas), kComputedPrices);
    EXPECT_EQ(readFile(folder / "GUIA1.APU"), kComputedCache);
  }
}

TEST(BasePriceCache, ParseAcceptsDisplayNumbersOnly) {
  struct Case {
    std::string_view bytes;
    std::size_t count;
    bool valid;
  };
  const Case cases[] = {
      {"1,00\r\n2,00\r\n", 2, true},        {"1,00\r\n2,00", 2, true},          {"  1.234,50\r\n-3,00\r\n", 2, true},
      {"", 0, true},                        {"1,00\r\n", 0, false},             {"1,00\r\n2,00 Bs\r\n", 2, false},
      {"1,00\r\n,\r\n", 2, false},          {"1,00\r\n1,0,0\r\n", 2, false},    {"1,00\n2,00\n", 2, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(parseBasePriceCache(c.bytes, c.count).has_value(), c.valid) << '"' << c.bytes << "\" " << c.count;
}

// With /I the table order differs, so the cache has a name of its own.
TEST(BasePriceCache, SortByCodeUsesItsOwnFile) {
  const store::LoadOptions byCode{.sortByCode = true};
  EXPECT_EQ(basePriceCacheName(store::Guide::Guia3, {}), "GUIA3.APU");
  EXPECT_EQ(basePriceCacheName(store::Guide::Guia3, byCode), "GUIA3I.APU");

  test::PricingFixture fx;
  fillGuide(fx);
  test::TempFolder folder;
  folder.write("GUIA1.APU", "1,00\r\n2,00\r\n3,00\r\n");
  EXPECT_EQ(obtainBasePrices(fx.context(), fx.guideContext(), folder.path(), byCode).source,
            BasePriceSource::Computed);
  EXPECT_EQ(readFile(folder / "GUIA1I.APU"), kComputedCache);
  EXPECT_EQ(readFile(folder / "GUIA1.APU"), "1,00\r\n2,00\r\n3,00\r\n");
}

TEST(BasePriceCache, UnwritableCacheStillGivesPrices) {
  test::PricingFixture fx;
  fillGuide(fx);
  test::TempFolder folder;
  const BasePriceOutcome outcome = obtainBasePrices(fx.context(), fx.guideContext(), folder / "missing", {});
  EXPECT_EQ(outcome.source, BasePriceSource::ComputedNotSaved);
  EXPECT_EQ(outcome.errorNumber, ENOENT);
  EXPECT_EQ(basePrices(fx.guide.partidas), kComputedPrices);
}

}  // namespace
}  // namespace baltu::pricing
