#include "pricing/pricing_session.h"

#include <utility>

namespace baltu::pricing {
namespace {

std::size_t slot(store::Guide guide) { return static_cast<std::size_t>(guide); }

}  // namespace

PricingSession::PricingSession(Edition edition, store::InsumoTables& insumos, GuideSlots& guides,
                               std::filesystem::path settingsFolder)
    : edition_(std::move(edition)), insumos_(insumos), guides_(guides), settingsFolder_(std::move(settingsFolder)) {
  admin_[AdminConcept::Cestaticket].predetermined = store::centsToDouble(edition_.cestaticket);
  admin_[AdminConcept::Bono].predetermined = store::centsToDouble(edition_.bono);
  indexInsumos();
  refreshValues();
}

SettingsReadResult PricingSession::readSettings() {
  const SettingsReadResult result = pricing::readSettings(settingsFolder_, edition_, admin_, settings_);
  refreshValues();
  return result;
}

SettingsSaveResult PricingSession::saveSettings() const {
  return pricing::saveSettings(settingsFolder_, edition_, admin_, settings_);
}

RecalculationResult PricingSession::saveAndRecalculate(store::UserInterface& ui,
                                                       std::optional<store::Guide> openGuide) {
  const SettingsSaveResult saved = saveSettings();
  if (!saved.ok) ui.showMessage(store::Message{"Baltu", saved.message, store::MessageIcon::Error});
  refreshValues();
  const GuideContext* open = openGuide && hasGuide(*openGuide) ? &guide(*openGuide) : nullptr;
  return recalculateAll(context(ui), open);
}

void PricingSession::refreshValues() {
  user_ = admin_.working();
  AdminValues forced = admin_;
  forced.forcePredetermined();
  predetermined_ = forced.working();
  rules_ = codeRules(settings_);
}

void PricingSession::indexGuide(store::Guide guide) {
  const std::size_t k = slot(guide);
  contexts_[k].reset();
  indexes_[k].reset();
  if (!guides_[k]) return;
  indexes_[k] = std::make_unique<GuideIndex>(*guides_[k]);
  contexts_[k] = std::make_unique<GuideContext>(GuideContext{guide, *guides_[k], *indexes_[k]});
}

void PricingSession::indexInsumos() { insumoIndex_ = InsumoIndex(insumos_); }

PricingContext PricingSession::context(store::UserInterface& ui) const {
  PricingContext context{insumos_, insumoIndex_, user_, predetermined_, rules_, ui};
  context.ed9000 = contexts_[slot(store::Guide::Ed9000)].get();
  context.rm9000 = contexts_[slot(store::Guide::Rm9000)].get();
  return context;
}

const GuideContext& PricingSession::guide(store::Guide guide) const { return *contexts_[slot(guide)]; }

bool PricingSession::hasGuide(store::Guide guide) const { return contexts_[slot(guide)] != nullptr; }

}  // namespace baltu::pricing
