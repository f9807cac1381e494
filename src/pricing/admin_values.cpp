#include "pricing/admin_values.h"

#include <vector>

#include "store/money.h"
#include "store/number_text.h"
#include "store/text.h"

namespace baltu::pricing {
namespace {

using store::cp;

constexpr std::array<AdminConcept, 3> kPercentRows = {AdminConcept::Administracion, AdminConcept::Utilidad,
                                                      AdminConcept::Iva};

std::string moneyText(double value) { return store::displayNumber(value, store::Mask::Money, 0); }

std::string modeWord(ValueMode mode) { return mode == ValueMode::Predetermined ? "Predeterminado" : "Usuario"; }

void applyRow(AdminValue& value, ValueMode mode, std::string_view userText) {
  value.mode = mode;
  if (mode == ValueMode::User) value.user = store::round2(parseUserEntry(userText));
}

bool isBlank(unsigned char ch) { return ch == ' ' || ch == '\t' || ch == 0xA0; }

bool isLetter(unsigned char ch) {
  const std::string one(1, static_cast<char>(ch));
  // Letters with a case partner, plus the two without one (sharp s, florin).
  return store::toUpperCp(one) != one || store::toLowerCp(one) != one || ch == 0xDF || ch == 0x83;
}

bool isRefusedSymbol(char ch) {
  static const std::string symbols = cp("º\\~€¬_-?'¡¿ª!·$%&/()=`^*+][¨Ç}{:;<>|#@\"");
  return symbols.find(ch) != std::string::npos;
}

}  // namespace

AdminModes AdminValues::modes() const {
  AdminModes result;
  for (std::size_t i = 0; i < kAdminConceptCount; ++i) result.modes[i] = values[i].mode;
  result.fcasSource = fcasSource;
  return result;
}

void AdminValues::setModes(const AdminModes& modes) {
  for (std::size_t i = 0; i < kAdminConceptCount; ++i) values[i].mode = modes.modes[i];
  fcasSource = modes.fcasSource;
}

WorkingValues AdminValues::working() const {
  WorkingValues w;
  w.administracion = (*this)[AdminConcept::Administracion].working();
  w.utilidad = (*this)[AdminConcept::Utilidad].working();
  w.iva = (*this)[AdminConcept::Iva].working();
  w.fcas = (*this)[AdminConcept::Fcas].working();
  w.cestaticket = store::round2Cents((*this)[AdminConcept::Cestaticket].working());
  w.bono = store::round2Cents((*this)[AdminConcept::Bono].working());
  w.fcasSource = fcasSource;
  w.cestaticketMode = (*this)[AdminConcept::Cestaticket].mode;
  w.bonoMode = (*this)[AdminConcept::Bono].mode;
  return w;
}

std::string AdminValues::workingText(AdminConcept which) const { return moneyText((*this)[which].working()); }

std::string AdminValues::userText(AdminConcept which) const { return moneyText((*this)[which].user); }

void AdminValues::forcePredetermined() {
  if (!savedModes) savedModes = modes();
  for (AdminConcept row : kPercentRows) (*this)[row].mode = ValueMode::Predetermined;
  (*this)[AdminConcept::Cestaticket].mode = ValueMode::Predetermined;
  (*this)[AdminConcept::Bono].mode = ValueMode::Predetermined;
  fcasSource = FcasSource::EachPartida;
}

void AdminValues::restoreUserModes() {
  if (!savedModes) return;
  setModes(*savedModes);
  savedModes.reset();
}

void AdminValues::applyChoice(const AdminChoice& choice) {
  applyRow((*this)[AdminConcept::Administracion], choice.administracion.mode, choice.administracion.userText);
  applyRow((*this)[AdminConcept::Utilidad], choice.utilidad.mode, choice.utilidad.userText);
  applyRow((*this)[AdminConcept::Iva], choice.iva.mode, choice.iva.userText);
  applyRow((*this)[AdminConcept::Fcas], choice.fcas.mode, choice.fcas.userText);
  applyRow((*this)[AdminConcept::Cestaticket], choice.allowanceMode, choice.cestaticketText);
  applyRow((*this)[AdminConcept::Bono], choice.allowanceMode, choice.bonoText);
  fcasSource = choice.fcasSource;
}

double parseUserEntry(std::string_view text) { return store::parseDisplayNumber(text); }

std::optional<char> acceptTypedCharacter(std::string_view current, char typed) {
  const auto ch = static_cast<unsigned char>(typed);
  if (typed == '.' || typed == ',') {
    if (current.find(',') != std::string_view::npos) return std::nullopt;
    return ',';
  }
  if (isBlank(ch) || isLetter(ch) || isRefusedSymbol(typed)) return std::nullopt;
  return typed;
}

std::string filterUserEntry(std::string_view text) {
  std::string kept;
  for (char ch : text)
    if (const auto accepted = acceptTypedCharacter(kept, ch)) kept += *accepted;
  return kept;
}

std::string savingConfirmationText(const AdminValues& chosen) {
  const bool table = chosen.fcasSource == FcasSource::Table;
  const std::string rule(70, '-');
  auto row = [&](std::string_view label, AdminConcept which) {
    return std::string(label) + modeWord(chosen[which].mode) + " ) : " + chosen.workingText(which) + " %";
  };
  auto allowanceRow = [&](std::string_view label, AdminConcept which) {
    return std::string(label) + modeWord(chosen[which].mode) + (table ? " ): Bs. " : "): Bs. ") +
           chosen.workingText(which);
  };
  const std::string edCestaticket = moneyText(chosen[AdminConcept::Cestaticket].predetermined);
  const std::string edBono = moneyText(chosen[AdminConcept::Bono].predetermined);
  const bool cestaticketPredetermined = chosen[AdminConcept::Cestaticket].mode == ValueMode::Predetermined;

  std::string closing;
  if (!table && cestaticketPredetermined)
    closing = cp("Se utilizará el F.C.A.S.1, el cual incluye el Cestaticket por Bs. ") + edCestaticket +
              " y el Bono de Transporte por Bs. " + edBono + ".";
  else if (!table)
    closing = cp("Se utilizará el F.C.A.S.2, el cual NO incluye el Cestaticket ni el Bono de Transporte.");
  else if (cestaticketPredetermined)
    closing = "El valor del F.C.A.S. ha sido definido por el usuario y el valor del Cestaticket y del Bono de "
              "Transporte son los predeterminados (Bs. " +
              edCestaticket + " y Bs. " + edBono + ") respectivamente.";
  else
    closing = cp("Se utilizarán los valores del F.C.A.S., Cestaticket y Bono de Transporte seleccionados por el "
                 "usuario.");

  const std::vector<std::string> lines = {
      cp("Los siguientes valores serán guardados. ¿Esta Ud. seguro?"),
      cp("(Los valores previos serán borrados)"),
      "",
      cp(table ? "Estos son los valores que utilizará Baltu para todos los cálculos de análisis de prtecio unitario:"
               : "Estos son los valores que utilizará Baltu para todos los cálculos de análisis de precio unitario:"),
      rule,
      row(cp("Administración ( "), AdminConcept::Administracion),
      row("Utilidad ( ", AdminConcept::Utilidad),
      row("I.V.A. ( ", AdminConcept::Iva),
      table ? row("F.C.A.S. ( ", AdminConcept::Fcas)
            : cp("F.C.A.S. : Se usará el valor asignado a cada partida por el O.R.V."),
      allowanceRow("Cestaticket diario ( ", AdminConcept::Cestaticket),
      allowanceRow("Bono de Transporte diario ( ", AdminConcept::Bono),
      rule,
      "",
      store::toUpperCp(closing),
  };
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += lines[i];
  }
  return text;
}

}  // namespace baltu::pricing
