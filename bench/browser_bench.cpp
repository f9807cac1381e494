// The partida list of guide 1 on a full-scale sample edition: opening it, a
// description search with many matches, a sort by description and mark all.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench_edition.h"
#include "browser/partida_list.h"
#include "store/startup.h"

namespace {

using namespace baltu;

const store::Program& program() { return bench::startedEdition(); }

const store::Table& guide1() { return program().guide(store::Guide::Guia1)->partidas; }

void openGuide1(benchmark::State& state) {
  guide1();  // start-up outside the timing
  for (auto _ : state) {
    browser::PartidaList list(store::Guide::Guia1, guide1(), false);
    benchmark::DoNotOptimize(list.rowCount());
  }
  state.counters["rows"] = static_cast<double>(guide1().size());
}
BENCHMARK(openGuide1)->Unit(benchmark::kMillisecond);

void searchDescription(benchmark::State& state) {
  int matches = 0;
  for (auto _ : state) {
    state.PauseTiming();
    browser::PartidaList list(store::Guide::Guia1, guide1(), false);
    state.ResumeTiming();
    matches = list.search("de", {.kind = browser::SearchKind::Description}).result + 1;
    benchmark::DoNotOptimize(matches);
  }
  state.counters["matches"] = matches;
}
BENCHMARK(searchDescription)->Unit(benchmark::kMillisecond);

void sortByDescription(benchmark::State& state) {
  browser::PartidaList list(store::Guide::Guia1, guide1(), false);
  browser::BrowsingState browsing;
  // Each click reverses the direction, so every run really reorders the rows.
  for (auto _ : state) benchmark::DoNotOptimize(list.sortByColumn(2, browsing));
}
BENCHMARK(sortByDescription)->Unit(benchmark::kMillisecond);

void markAll(benchmark::State& state) {
  browser::PartidaList list(store::Guide::Guia1, guide1(), false);
  for (auto _ : state) {
    list.markAll();
    state.PauseTiming();
    list.unmarkAll();
    state.ResumeTiming();
    benchmark::DoNotOptimize(list.markedCount());
  }
}
BENCHMARK(markAll)->Unit(benchmark::kMillisecond);

}  // namespace
