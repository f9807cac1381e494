// Sample editions: realistic data files written in the program's formats, since no
// real data ships with it. The same options always give the same bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "store/failure.h"
#include "store/guide_id.h"

namespace baltu::mkedition {

// Full is about the size of a published edition; small is about 1/50 of it (at
// least 20 partidas per guide), for tests.
enum class SampleScale { Small, Full };

struct SampleEditionOptions {
  SampleScale scale = SampleScale::Small;
  std::string editionName = "DICIEMBRE 2018";  // must be an edition of pricing::editionTable()
  int region = 1;                              // 1..4: INSUMOS.DAT, INSUMOS2.DAT .. INSUMOS4.DAT
  std::uint64_t seed = 1;
  // The cost guides written besides 9000ED and 9000RM, which are always written.
  std::vector<store::Guide> guides{store::kCostGuides.begin(), store::kCostGuides.end()};
};

struct SampleFile {
  std::string name;  // "INSUMOS.DAT", "9000ED.DAT", "GUIA1.DAT" ..., relative to the edition folder
  std::string bytes;
};

struct SampleGuideCounts {
  store::Guide guide = store::Guide::Guia1;
  std::size_t partidas = 0;
  std::size_t materials = 0;  // component rows
  std::size_t equipment = 0;
  std::size_t labour = 0;
};

struct SampleCounts {
  // Records of the insumo sections: materials, equipment, labour, compound materials,
  // compound equipment, compound labour.
  std::array<std::size_t, 6> insumos{};
  std::vector<SampleGuideCounts> guides;  // 9000ED, 9000RM, then the chosen guides in order
};

struct SampleEdition {
  // The insumo file, 9000ED, 9000RM, the chosen guides, then the distributor's banners
  // for narrow and wide screens (their names hold their folder, "DOCUMENTOS/PUB/K9R/").
  std::vector<SampleFile> files;
  SampleCounts counts;
};

struct SampleEditionSummary {
  std::vector<std::filesystem::path> files;  // as written
  SampleCounts counts;
  std::vector<std::string> notes;  // Windows-1252 remarks for the user (stale files)
};

// "INSUMOS.DAT" for region 1, "INSUMOS2.DAT" .. "INSUMOS4.DAT" for the others.
std::string insumoFileName(int region);

// Builds every file in memory. Options the program could not use (an edition that
// is not in the edition table, a region outside 1..4, a guide that is not a cost
// guide) fail with a Spanish message.
store::Expected<SampleEdition> buildSampleEdition(const SampleEditionOptions& options);

// Builds the edition and writes its files into the folder (created when missing),
// each atomically. The base-price caches (.APU) of the guides written are removed,
// because their prices belong to the files replaced.
store::Expected<SampleEditionSummary> writeSampleEdition(const std::filesystem::path& folder,
                                                         const SampleEditionOptions& options);

}  // namespace baltu::mkedition
