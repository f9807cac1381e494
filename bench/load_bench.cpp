// Loading a full-scale sample edition, beside the floor of merely deciphering
// every record of the same files. Run: build-release/bench/baltu_bench
#include <benchmark/benchmark.h>

#include "bench_edition.h"
#include "pricing/edition_table.h"
#include "store/data_file.h"
#include "store/guide_file.h"
#include "store/insumo_file.h"
#include "store/record_cipher.h"

namespace {

using namespace baltu;

constexpr store::Guide kGuides[] = {store::Guide::Ed9000, store::Guide::Rm9000, store::Guide::Guia1,
                                    store::Guide::Guia2,  store::Guide::Guia3,  store::Guide::Guia4,
                                    store::Guide::Guia5,  store::Guide::Guia6,  store::Guide::Guia7};

void loadWholeEdition(benchmark::State& state) {
  const auto& folder = bench::editionFolder();
  store::SilentUserInterface ui;
  for (auto _ : state) {
    auto insumos = store::loadInsumoFile(folder / "INSUMOS.DAT", {}, ui);
    if (!insumos.ok()) state.SkipWithError("insumos");
    auto edition = pricing::applyEdition(insumos.value().editionName).value();
    std::size_t rows = insumos.value().materials.size();
    for (store::Guide guide : kGuides) {
      auto resolver = [&](const store::PartidaBeingRead& p) { return pricing::resolvePartidaFcas(edition, guide, p, ui); };
      auto tables = store::loadGuideFile(folder / store::dataFileName(guide), guide, {}, resolver, ui);
      if (!tables.ok()) state.SkipWithError("guide");
      rows += tables.value().partidas.size() + tables.value().materials.size();
    }
    benchmark::DoNotOptimize(rows);
  }
}
BENCHMARK(loadWholeEdition)->Unit(benchmark::kMillisecond);

// The floor: read every file and decipher each record, building nothing.
void decipherEveryRecord(benchmark::State& state) {
  const auto& folder = bench::editionFolder();
  std::vector<std::string> files;
  files.push_back(store::readWholeFile(folder / "INSUMOS.DAT").bytes);
  for (store::Guide guide : kGuides) files.push_back(store::readWholeFile(folder / store::dataFileName(guide)).bytes);
  for (auto _ : state) {
    std::size_t bytes = 0;
    std::string record;
    for (const std::string& file : files) {
      for (std::string_view text : store::sectionRecords(file, store::countDelimiters(file))) {
        record.assign(text);
        store::dataFileCipher().apply(record.data(), record.size());
        bytes += record.size();
      }
    }
    benchmark::DoNotOptimize(bytes);
  }
}
BENCHMARK(decipherEveryRecord)->Unit(benchmark::kMillisecond);

}  // namespace
