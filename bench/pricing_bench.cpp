// Start-up with and without base-price caches, the recalculation of guide 1 and
// its CSV listing, on a full-scale sample edition.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <numeric>
#include <sstream>

#include "bench_edition.h"
#include "pricing/price_cache.h"
#include "reports/listing_options.h"
#include "reports/partida_listing.h"
#include "store/startup.h"

namespace {

using namespace baltu;

store::StartupOptions startupOptions() {
  store::StartupOptions options;
  options.startFolder = bench::editionFolder();
  options.commonDocumentsFolder = bench::editionFolder() / "documentos";
  return options;
}

void removeCaches() {
  for (store::Guide guide : store::kCostGuides)
    std::filesystem::remove(bench::editionFolder() / pricing::basePriceCacheName(guide, {}));
}

void startupWithoutCaches(benchmark::State& state) {
  store::SilentUserInterface ui;
  for (auto _ : state) {
    state.PauseTiming();
    removeCaches();
    state.ResumeTiming();
    auto program = store::runStartup(startupOptions(), ui);
    if (!program) state.SkipWithError("start-up failed");
    benchmark::DoNotOptimize(program);
  }
}
BENCHMARK(startupWithoutCaches)->Unit(benchmark::kMillisecond);

void startupWithCaches(benchmark::State& state) {
  store::SilentUserInterface ui;
  store::runStartup(startupOptions(), ui);  // writes the caches
  for (auto _ : state) {
    auto program = store::runStartup(startupOptions(), ui);
    if (!program) state.SkipWithError("start-up failed");
    benchmark::DoNotOptimize(program);
  }
}
BENCHMARK(startupWithCaches)->Unit(benchmark::kMillisecond);

void recalculateGuide1(benchmark::State& state) {
  store::SilentUserInterface ui;
  auto program = store::runStartup(startupOptions(), ui);
  const pricing::PricingContext context = program->pricing->context(ui);
  const pricing::GuideContext& guide1 = program->pricing->guide(store::Guide::Guia1);
  for (auto _ : state) benchmark::DoNotOptimize(pricing::recalculateAll(context, &guide1));
}
BENCHMARK(recalculateGuide1)->Unit(benchmark::kMillisecond);

void csvListingGuide1(benchmark::State& state) {
  store::SilentUserInterface ui;
  auto program = store::runStartup(startupOptions(), ui);
  const pricing::PricingContext context = program->pricing->context(ui);
  const pricing::GuideContext& guide1 = program->pricing->guide(store::Guide::Guia1);
  reports::ListingContext listing;
  listing.guide = store::Guide::Guia1;
  listing.editionName = program->editionName;
  listing.options = reports::readListingOptions(program->pricing->settings().block1);
  listing.refreshRecalculatedPrice = [&](store::Record& row) { pricing::recalculatePartida(context, guide1, row); };
  std::vector<std::size_t> rows(guide1.tables.partidas.size());
  std::iota(rows.begin(), rows.end(), std::size_t{0});
  for (auto _ : state) {
    std::ostringstream out;
    reports::writePartidaListingCsv(out, guide1.tables.partidas, rows, listing);
    benchmark::DoNotOptimize(out.str().size());
  }
}
BENCHMARK(csvListingGuide1)->Unit(benchmark::kMillisecond);

}  // namespace
