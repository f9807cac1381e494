#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "pricing/admin_values.h"
#include "store/text.h"

namespace baltu::pricing {
namespace {

using store::cp;
constexpr ValueMode P = ValueMode::Predetermined;
constexpr ValueMode U = ValueMode::User;

// Predetermined and user values that differ in every row.
AdminValues sampleValues() {
  AdminValues v;
  v[AdminConcept::Administracion] = {1.5, 10, P};
  v[AdminConcept::Utilidad] = {2.5, 15, P};
  v[AdminConcept::Iva] = {3.5, 12, P};
  v[AdminConcept::Fcas] = {0, 1234.5, P};
  v[AdminConcept::Cestaticket] = {150000, 200000, P};
  v[AdminConcept::Bono] = {80000, 90000.55, P};
  return v;
}

TEST(AdminValuesTest, WorkingValuesFollowEachMode) {
  AdminValues v = sampleValues();
  WorkingValues w = v.working();
  EXPECT_EQ(w.administracion, 1.5);
  EXPECT_EQ(w.utilidad, 2.5);
  EXPECT_EQ(w.iva, 3.5);
  EXPECT_EQ(w.fcas, 0);
  EXPECT_EQ(w.cestaticket, 15000000);
  EXPECT_EQ(w.bono, 8000000);
  EXPECT_EQ(w.fcasSource, FcasSource::EachPartida);

  // Mixed modes are taken as they are, the two allowances included.
  v[AdminConcept::Utilidad].mode = U;
  v[AdminConcept::Fcas].mode = U;
  v[AdminConcept::Bono].mode = U;
  v.fcasSource = FcasSource::Table;
  w = v.working();
  EXPECT_EQ(w.administracion, 1.5);
  EXPECT_EQ(w.utilidad, 15);
  EXPECT_EQ(w.fcas, 1234.5);
  EXPECT_EQ(w.cestaticket, 15000000);
  EXPECT_EQ(w.bono, 9000055);
  EXPECT_EQ(w.cestaticketMode, P);
  EXPECT_EQ(w.bonoMode, U);
  EXPECT_EQ(w.fcasSource, FcasSource::Table);

  EXPECT_EQ(v.workingText(AdminConcept::Fcas), "1.234,50");
  EXPECT_EQ(v.workingText(AdminConcept::Cestaticket), "150.000,00");
  EXPECT_EQ(v.userText(AdminConcept::Cestaticket), "200.000,00");
  EXPECT_EQ(v.userText(AdminConcept::Administracion), "10,00");
}

TEST(AdminValuesTest, ForcePredeterminedThenRestoreGivesTheUserModesBack) {
  AdminValues v = sampleValues();
  for (AdminValue& value : v.values) value.mode = U;
  v.fcasSource = FcasSource::Table;
  const AdminModes before = v.modes();

  v.forcePredetermined();
  v.forcePredetermined();  // a second force must not save the forced modes
  const WorkingValues forced = v.working();
  EXPECT_EQ(forced.administracion, 1.5);
  EXPECT_EQ(forced.utilidad, 2.5);
  EXPECT_EQ(forced.iva, 3.5);
  EXPECT_EQ(forced.cestaticket, 15000000);
  EXPECT_EQ(forced.bono, 8000000);
  EXPECT_EQ(forced.cestaticketMode, P);
  EXPECT_EQ(forced.bonoMode, P);
  EXPECT_EQ(forced.fcasSource, FcasSource::EachPartida);

  v.restoreUserModes();
  EXPECT_EQ(v.modes().modes, before.modes);
  EXPECT_EQ(v.fcasSource, FcasSource::Table);
  EXPECT_FALSE(v.savedModes.has_value());
  v.restoreUserModes();  // nothing saved: nothing changes
  EXPECT_EQ(v.modes().modes, before.modes);
}

TEST(AdminValuesTest, ApplyingTheDialogParsesCommaDecimalsAndRoundsUserValues) {
  AdminValues v = sampleValues();
  AdminChoice choice;
  choice.administracion = {U, filterUserEntry("12.5")};
  choice.utilidad = {U, "abc"};
  choice.iva = {P, "99,99"};
  choice.fcas = {U, "1.234,567"};  // as the field is filled: "." groups thousands
  choice.allowanceMode = U;
  choice.cestaticketText = "180,125";
  choice.bonoText = ",8";
  choice.fcasSource = FcasSource::Table;
  EXPECT_EQ(choice.administracion.userText, "12,5");
  v.applyChoice(choice);

  EXPECT_EQ(v[AdminConcept::Administracion].user, 12.5);
  EXPECT_EQ(v.workingText(AdminConcept::Administracion), "12,50");
  EXPECT_EQ(v[AdminConcept::Utilidad].user, 0);
  EXPECT_EQ(v[AdminConcept::Utilidad].mode, U);
  // A P row keeps the stored user value whatever its field says.
  EXPECT_EQ(v[AdminConcept::Iva].mode, P);
  EXPECT_EQ(v[AdminConcept::Iva].user, 12);
  EXPECT_EQ(v[AdminConcept::Fcas].user, 1234.57);
  EXPECT_EQ(v[AdminConcept::Cestaticket].mode, U);
  EXPECT_EQ(v[AdminConcept::Bono].mode, U);
  EXPECT_EQ(v.working().cestaticket, 18012);  // ties go to even
  EXPECT_EQ(v.working().bono, 80);
  EXPECT_EQ(v.fcasSource, FcasSource::Table);
}

struct FilterCase {
  const char* typed;  // UTF-8
  const char* kept;
};

TEST(AdminValuesTest, EntryFilterKeepsDigitsAndOneComma) {
  const std::vector<FilterCase> cases = {
      {"12.5", "12,5"},     {"1,2,3", "1,23"},         {"1.2.3", "1,23"},    {"1 234 abc,5", "1234,5"},
      {"ñÑéZ9", "9"},       {"º\\~€¬_-?'¡¿ª!·$%7", "7"}, {"&/()=`^*+][¨Ç8", "8"}, {"}{:;<>|#@\"6", "6"},
      {"0123456789", "0123456789"},
  };
  for (const FilterCase& c : cases) EXPECT_EQ(filterUserEntry(cp(c.typed)), cp(c.kept)) << c.typed;
  EXPECT_EQ(acceptTypedCharacter("12", '.'), ',');
  EXPECT_EQ(acceptTypedCharacter("1,2", '.'), std::nullopt);
  EXPECT_EQ(acceptTypedCharacter("1,2", '3'), '3');
}

struct ConfirmationCase {
  const char* name;
  FcasSource source;
  ValueMode allowances;
  std::vector<const char*> lines;  // UTF-8, joined with CR LF
};

void PrintTo(const ConfirmationCase& c, std::ostream* os) { *os << c.name; }

class ConfirmationTest : public ::testing::TestWithParam<ConfirmationCase> {};

TEST_P(ConfirmationTest, SpellsTheVariantExactly) {
  const ConfirmationCase& c = GetParam();
  AdminValues v = sampleValues();
  v[AdminConcept::Administracion].mode = U;
  v[AdminConcept::Iva].mode = U;
  v[AdminConcept::Fcas].mode = U;
  v[AdminConcept::Cestaticket].mode = c.allowances;
  v[AdminConcept::Bono].mode = c.allowances;
  v.fcasSource = c.source;

  std::string expected;
  for (const char* line : c.lines) expected += (expected.empty() ? "" : "\r\n") + cp(line);
  EXPECT_EQ(savingConfirmationText(v), expected);
}

const std::string kRule(70, '-');
const char* const kHead1 = "Los siguientes valores serán guardados. ¿Esta Ud. seguro?";
const char* const kHead2 = "(Los valores previos serán borrados)";
const char* const kPrecio =
    "Estos son los valores que utilizará Baltu para todos los cálculos de análisis de precio unitario:";
const char* const kPrtecio =
    "Estos son los valores que utilizará Baltu para todos los cálculos de análisis de prtecio unitario:";

INSTANTIATE_TEST_SUITE_P(
    Variants, ConfirmationTest,
    ::testing::Values(
        ConfirmationCase{"EachPartidaPredetermined",
                         FcasSource::EachPartida,
                         P,
                         {kHead1, kHead2, "", kPrecio, kRule.c_str(), "Administración ( Usuario ) : 10,00 %",
                          "Utilidad ( Predeterminado ) : 2,50 %", "I.V.A. ( Usuario ) : 12,00 %",
                          "F.C.A.S. : Se usará el valor asignado a cada partida por el O.R.V.",
                          "Cestaticket diario ( Predeterminado): Bs. 150.000,00",
                          "Bono de Transporte diario ( Predeterminado): Bs. 80.000,00", kRule.c_str(), "",
                          "SE UTILIZARÁ EL F.C.A.S.1, EL CUAL INCLUYE EL CESTATICKET POR BS. 150.000,00 Y EL BONO "
                          "DE TRANSPORTE POR BS. 80.000,00."}},
        ConfirmationCase{"EachPartidaUser",
                         FcasSource::EachPartida,
                         U,
                         {kHead1, kHead2, "", kPrecio, kRule.c_str(), "Administración ( Usuario ) : 10,00 %",
                          "Utilidad ( Predeterminado ) : 2,50 %", "I.V.A. ( Usuario ) : 12,00 %",
                          "F.C.A.S. : Se usará el valor asignado a cada partida por el O.R.V.",
                          "Cestaticket diario ( Usuario): Bs. 200.000,00",
                          "Bono de Transporte diario ( Usuario): Bs. 90.000,55", kRule.c_str(), "",
                          "SE UTILIZARÁ EL F.C.A.S.2, EL CUAL NO INCLUYE EL CESTATICKET NI EL BONO DE TRANSPORTE."}},
        ConfirmationCase{"TablePredetermined",
                         FcasSource::Table,
                         P,
                         {kHead1, kHead2, "", kPrtecio, kRule.c_str(), "Administración ( Usuario ) : 10,00 %",
                          "Utilidad ( Predeterminado ) : 2,50 %", "I.V.A. ( Usuario ) : 12,00 %",
                          "F.C.A.S. ( Usuario ) : 1.234,50 %", "Cestaticket diario ( Predeterminado ): Bs. 150.000,00",
                          "Bono de Transporte diario ( Predeterminado ): Bs. 80.000,00", kRule.c_str(), "",
                          "EL VALOR DEL F.C.A.S. HA SIDO DEFINIDO POR EL USUARIO Y EL VALOR DEL CESTATICKET Y DEL "
                          "BONO DE TRANSPORTE SON LOS PREDETERMINADOS (BS. 150.000,00 Y BS. 80.000,00) "
                          "RESPECTIVAMENTE."}},
        ConfirmationCase{"TableUser",
                         FcasSource::Table,
                         U,
                         {kHead1, kHead2, "", kPrtecio, kRule.c_str(), "Administración ( Usuario ) : 10,00 %",
                          "Utilidad ( Predeterminado ) : 2,50 %", "I.V.A. ( Usuario ) : 12,00 %",
                          "F.C.A.S. ( Usuario ) : 1.234,50 %", "Cestaticket diario ( Usuario ): Bs. 200.000,00",
                          "Bono de Transporte diario ( Usuario ): Bs. 90.000,55", kRule.c_str(), "",
                          "SE UTILIZARÁN LOS VALORES DEL F.C.A.S., CESTATICKET Y BONO DE TRANSPORTE SELECCIONADOS "
                          "POR EL USUARIO."}}),
    [](const ::testing::TestParamInfo<ConfirmationCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace baltu::pricing
