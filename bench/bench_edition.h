// The full-scale sample edition the benchmarks run on, written once into the
// temporary folder.
#pragma once

#include <cstdlib>
#include <filesystem>

#include "mkedition/sample_edition.h"

namespace baltu::bench {

inline const std::filesystem::path& editionFolder() {
  static const std::filesystem::path folder = [] {
    auto path = std::filesystem::temp_directory_path() / "baltu-bench-edition";
    if (!std::filesystem::exists(path / "GUIA7.DAT")) {
      std::filesystem::create_directories(path);
      mkedition::SampleEditionOptions options;
      options.scale = mkedition::SampleScale::Full;
      if (!mkedition::writeSampleEdition(path, options).ok()) std::abort();
    }
    return path;
  }();
  return folder;
}

}  // namespace baltu::bench
