// The pricing state of a running program: the edition's values, the
// administrative values and preferences read from the settings files, the
// look-up indexes over the loaded tables, and the contexts the passes take.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>

#include "pricing/admin_values.h"
#include "pricing/edition_table.h"
#include "pricing/price_passes.h"
#include "pricing/pricing_context.h"
#include "pricing/settings_files.h"
#include "store/guide_id.h"
#include "store/tables.h"

namespace baltu::pricing {

// Loaded guides by store::Guide (empty where the guide's file is missing).
using GuideSlots = std::array<std::optional<store::GuideTables>, 11>;

class PricingSession {
 public:
  PricingSession(Edition edition, store::InsumoTables& insumos, GuideSlots& guides,
                 std::filesystem::path settingsFolder);
  PricingSession(const PricingSession&) = delete;
  PricingSession& operator=(const PricingSession&) = delete;

  const Edition& edition() const { return edition_; }
  const std::filesystem::path& settingsFolder() const { return settingsFolder_; }
  AdminValues& admin() { return admin_; }
  ProgramSettings& settings() { return settings_; }
  const AdminValues& admin() const { return admin_; }
  const ProgramSettings& settings() const { return settings_; }

  // Reads both settings files into the values; refreshes the working values.
  SettingsReadResult readSettings();
  // Writes both settings files from the values in memory.
  SettingsSaveResult saveSettings() const;
  // Saves the values in memory, then recalculates (the end of both value dialogs).
  // A failed save is reported to the user and the recalculation still runs.
  RecalculationResult saveAndRecalculate(store::UserInterface& ui, std::optional<store::Guide> openGuide);

  // Working values and code rules again from admin() and settings().
  void refreshValues();

  // The index of a guide's component lists; built when the guide's tables are set.
  void indexGuide(store::Guide guide);
  // The insumo index, built again after the insumo tables are replaced.
  void indexInsumos();

  PricingContext context(store::UserInterface& ui) const;
  // The guide's context; the guide must be loaded and indexed.
  const GuideContext& guide(store::Guide guide) const;
  bool hasGuide(store::Guide guide) const;

 private:
  Edition edition_;
  store::InsumoTables& insumos_;
  GuideSlots& guides_;
  std::filesystem::path settingsFolder_;
  AdminValues admin_;
  ProgramSettings settings_;
  WorkingValues user_;
  WorkingValues predetermined_;
  CodeRules rules_;
  InsumoIndex insumoIndex_;
  std::array<std::unique_ptr<GuideIndex>, 11> indexes_;
  std::array<std::unique_ptr<GuideContext>, 11> contexts_;
};

}  // namespace baltu::pricing
