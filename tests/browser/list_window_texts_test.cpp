#include <gtest/gtest.h>

#include <string>

#include "browser/admin_panel.h"
#include "browser/list_settings.h"
#include "browser/list_title.h"
#include "pricing/settings_files.h"
#include "store/text.h"

namespace baltu::browser {
namespace {

using pricing::AdminConcept;
using pricing::FcasSource;
using pricing::ValueMode;
using store::Guide;

std::string nbsp(std::string text) {
  for (char& c : text)
    if (c == ' ') c = '\xA0';
  return text;
}

TEST(ListTitle, GuideNamesAndGuideZeroWithNonBreakingSpaces) {
  pricing::ProgramSettings settings;
  std::array<bool, 7> available{true, true, true, false, true, true, true};
  EXPECT_EQ(listWindowTitle(Guide::Guia2, settings, available),
            nbsp(store::cp("Guía 2 - Reparaciones, Reformas y Mantenimiento de Edificaciones Existentes")));
  EXPECT_EQ(listWindowTitle(Guide::Guia6, settings, available), nbsp(store::cp("Guía 6 - Eléctrica (Redes aéreas)")));

  // GUIA 0 names the selected guides whose files are there.
  settings.setGuideZeroSelected(Guide::Guia2, false);
  EXPECT_EQ(listWindowTitle(Guide::Guia0, settings, available),
            nbsp(store::cp("Guías Disponibles - Guía 1 - Guía 3 - Guía 5 - Guía 6 - Guía 7")));
  EXPECT_EQ(listWindowTitle(Guide::Guia0, settings, available).find(' '), std::string::npos);
}

struct PanelCase {
  const char* name;
  FcasSource source;
  ValueMode fcasMode;
  ValueMode allowanceMode;
  const char* fcas;
  bool fcasMarkerEnabled;
  const char* bono;
  const char* bonoMarker;
};

class AdminPanel : public ::testing::TestWithParam<PanelCase> {};

TEST_P(AdminPanel, FcasAndBonoReadAsTheModesSay) {
  const PanelCase& c = GetParam();
  pricing::AdminValues values;
  values[AdminConcept::Administracion] = {10, 12.5, ValueMode::User};
  values[AdminConcept::Utilidad] = {10, 0, ValueMode::Predetermined};
  values[AdminConcept::Iva] = {16, 0, ValueMode::Predetermined};
  values[AdminConcept::Fcas] = {300, 1234.5, c.fcasMode};
  values[AdminConcept::Cestaticket] = {15, 20, c.allowanceMode};
  values[AdminConcept::Bono] = {5, 6, c.allowanceMode};
  values.fcasSource = c.source;

  const auto lines = adminPanelLines(values);
  EXPECT_EQ(lines[0].value, "12,50");
  EXPECT_EQ(lines[0].marker, "(U)");
  EXPECT_EQ(lines[1].value, "10,00");
  EXPECT_EQ(lines[1].marker, "(P)");
  EXPECT_EQ(lines[2].value, "16,00");
  EXPECT_EQ(lines[3].value, c.fcas);
  EXPECT_EQ(lines[3].markerEnabled, c.fcasMarkerEnabled);
  EXPECT_EQ(lines[4].value, c.bono);
  EXPECT_EQ(lines[4].marker, c.bonoMarker);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, AdminPanel,
    ::testing::Values(
        PanelCase{"PerPartidaAllPreset", FcasSource::EachPartida, ValueMode::Predetermined, ValueMode::Predetermined,
                  "por partida", false, "en FCAS1", "(P)"},
        PanelCase{"PerPartidaUserBono", FcasSource::EachPartida, ValueMode::Predetermined, ValueMode::User,
                  "por partida", false, "20,00", "(U)"},
        PanelCase{"PerPartidaUserFcas", FcasSource::EachPartida, ValueMode::User, ValueMode::Predetermined,
                  "por partida", false, "15,00", "(P)"},
        PanelCase{"Table", FcasSource::Table, ValueMode::User, ValueMode::Predetermined, "1.234,50", true, "15,00",
                  "(P)"}),
    [](const ::testing::TestParamInfo<PanelCase>& info) { return std::string(info.param.name); });

TEST(ListSettings, OptionsRoundTripAndAnUnknownKindReadsAsDescription) {
  pricing::ProgramSettings settings;
  EXPECT_EQ(storedSearchOptions(settings).kind, SearchKind::Description);
  EXPECT_FALSE(storedSearchOptions(settings).oneStep);
  EXPECT_FALSE(shadingHidden(settings));

  storeSearchOptions(settings, SearchOptions{SearchKind::Covenin, true, true});
  setShadingHidden(settings, true);
  const pricing::ProgramSettings reread = pricing::parseProgramFile(pricing::programFileBytes(settings));
  const SearchOptions options = storedSearchOptions(reread);
  EXPECT_EQ(options.kind, SearchKind::Covenin);
  EXPECT_TRUE(options.oneStep);
  EXPECT_TRUE(options.keepText);
  EXPECT_TRUE(shadingHidden(reread));

  settings.setIntField(pricing::block1::kPartidaListPreference, 7);
  EXPECT_EQ(storedSearchOptions(settings).kind, SearchKind::Description);
}

}  // namespace
}  // namespace baltu::browser
