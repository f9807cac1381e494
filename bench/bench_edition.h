// The full-scale sample edition the benchmarks run on, written once into the
// temporary folder.
#pragma once

#include <cstdlib>
#include <filesystem>

#include <memory>

#include "mkedition/sample_edition.h"
#include "store/startup.h"
#include "store/user_interface.h"

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

// The edition started up once, its settings in a folder of its own.
inline store::Program& startedEdition() {
  static const std::unique_ptr<store::Program> loaded = [] {
    store::StartupOptions options;
    options.startFolder = editionFolder();
    options.commonDocumentsFolder = editionFolder() / "documentos";
    store::SilentUserInterface ui;
    auto result = store::runStartup(options, ui);
    if (!result) std::abort();
    return result;
  }();
  return *loaded;
}

}  // namespace baltu::bench
