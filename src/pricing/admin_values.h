// The administrative values: for each concept a predetermined value, the user's
// own value and the mode that chooses between them, plus the FCAS source.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "pricing/working_values.h"

namespace baltu::pricing {

enum class AdminConcept { Administracion, Utilidad, Iva, Fcas, Cestaticket, Bono };
inline constexpr std::size_t kAdminConceptCount = 6;

struct AdminValue {
  double predetermined = 0;  // percentages; Bs. per worker per day for the allowances
  double user = 0;
  ValueMode mode = ValueMode::Predetermined;

  double working() const { return mode == ValueMode::Predetermined ? predetermined : user; }
};

// Every mode at once, as saved around the base-price computation.
struct AdminModes {
  std::array<ValueMode, kAdminConceptCount> modes{};
  FcasSource fcasSource = FcasSource::EachPartida;
};

// One row of the administrative-values dialog as the user left it.
struct AdminRowChoice {
  ValueMode mode = ValueMode::Predetermined;
  std::string userText;  // the "Usuario" field as typed, Windows-1252
};

// The whole dialog: the cestaticket and bono rows share one option pair.
struct AdminChoice {
  AdminRowChoice administracion;
  AdminRowChoice utilidad;
  AdminRowChoice iva;
  AdminRowChoice fcas;
  ValueMode allowanceMode = ValueMode::Predetermined;
  std::string cestaticketText;
  std::string bonoText;
  FcasSource fcasSource = FcasSource::EachPartida;
};

struct AdminValues {
  std::array<AdminValue, kAdminConceptCount> values{};
  FcasSource fcasSource = FcasSource::EachPartida;
  // The modes saved by forcePredetermined, until restoreUserModes.
  std::optional<AdminModes> savedModes;

  AdminValue& operator[](AdminConcept which) { return values[static_cast<std::size_t>(which)]; }
  const AdminValue& operator[](AdminConcept which) const { return values[static_cast<std::size_t>(which)]; }

  AdminModes modes() const;
  void setModes(const AdminModes& modes);

  // What an analysis prices with; the allowances as exact hundredths.
  WorkingValues working() const;
  // "#,###.00" in display form ("1.234,50"), not aligned.
  std::string workingText(AdminConcept which) const;
  std::string userText(AdminConcept which) const;

  // Base prices are computed with every value predetermined and each partida's
  // FCAS; the user's modes come back afterwards. A second force before the
  // restore keeps the first saved copy.
  void forcePredetermined();
  void restoreUserModes();

  // The dialog's "&Guardar" once confirmed: P rows take mode 0, U rows mode 1
  // with the typed value rounded to 2 decimals as the user value.
  void applyChoice(const AdminChoice& choice);
};

// The value of a "Usuario" field: "," is the decimal point, "." groups
// thousands ("1.234,5" is 1234.5, as the fields are filled); text that is not
// a number gives 0.
double parseUserEntry(std::string_view text);

// The numeric-entry rule of the "Usuario" fields for one typed character given
// the field's current text: the character to insert ("." becomes ","), or
// nothing when it is dropped (a second comma, letters, spaces, symbols).
std::optional<char> acceptTypedCharacter(std::string_view current, char typed);
// The rule applied to a whole text, character by character (pasted text).
std::string filterUserEntry(std::string_view text);

// The question "&Guardar" asks before saving `chosen` (the values as they will
// be once the choice is applied): Windows-1252 with "\r\n" line breaks. The
// predetermined cestaticket and bono are the edition's.
std::string savingConfirmationText(const AdminValues& chosen);

}  // namespace baltu::pricing
