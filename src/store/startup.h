// The start-up sequence shared by the desktop program and the command-line
// tool: folders, the edition's files, the insumo tables, the settings, the two
// partidas-as-insumos guides priced at once, the merged 9000 guide and the
// seven cost guides with their base prices.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "pricing/price_cache.h"
#include "pricing/pricing_session.h"
#include "store/tables.h"
#include "store/user_interface.h"

namespace baltu::store {

struct Switches {
  bool sortByCode = false;  // /I
  bool extraMenus = false;  // /M
  bool budget = false;      // /P
};

// The command line upper-cased; "/I", "/M", "/P" anywhere in it set the switches.
Switches parseSwitches(const std::vector<std::string>& arguments);

// Everything start-up loads, alive until the program ends.
struct Program {
  std::filesystem::path startFolder;
  std::filesystem::path commonDocumentsFolder;
  std::filesystem::path commonDataFolder;  // settings files
  std::filesystem::path editionFolder;
  std::string editionName;
  std::string windowTitle;
  std::string insumoFileName;
  int region = 0;
  Switches switches;
  InsumoTables insumos;
  pricing::GuideSlots guides;  // by Guide; the merged 9000 guide when both 9000 files exist
  std::array<bool, 7> available{};  // GUIA1..GUIA7 files present
  std::array<std::optional<pricing::BasePriceOutcome>, 7> basePrices;
  std::unique_ptr<pricing::PricingSession> pricing;

  LoadOptions loadOptions() const { return LoadOptions{switches.sortByCode}; }
  const GuideTables* guide(Guide which) const;
  bool hasMerged9000() const;
};

struct StartupOptions {
  std::filesystem::path startFolder = ".";
  std::filesystem::path commonDocumentsFolder;  // empty: the system's (see store/folders.h)
  std::vector<std::string> arguments;
  // What this system needs before the splash (a display, for the desktop); false stops.
  std::function<bool()> platformChecks;
  // Shows the splash window; the progress texts go to the user interface.
  std::function<void()> openSplash;
  // Available memory in MB; the system's when empty.
  std::function<long long()> availableMemoryMb;
};

// Runs every step; nothing (after showing the reason, or silently when the user
// stopped) when the program must end.
std::unique_ptr<Program> runStartup(const StartupOptions& options, UserInterface& ui);

// Texts of the start-up's own messages.
std::string folderCreationMessage(bool orvFolder, int errorNumber, const std::string& systemText,
                                  const std::filesystem::path& folder);
std::string titleOf(const std::string& editionName);

}  // namespace baltu::store
