// The two settings files of the common data folder: "VAdmin.cfg" keeps the
// administrative values, "Baltu.cfg" the user's preferences and the rules on
// insumo codes. Both are fixed binary layouts, little-endian, read and written
// field by field.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "pricing/admin_values.h"
#include "pricing/edition_table.h"
#include "pricing/working_values.h"
#include "store/guide_id.h"

namespace baltu::pricing {

inline constexpr std::string_view kAdminFileName = "VAdmin.cfg";
inline constexpr std::string_view kProgramFileName = "Baltu.cfg";
inline constexpr std::size_t kAdminFileSize = 124;
inline constexpr std::size_t kBlock1Size = 1268;
inline constexpr std::size_t kBlock2Size = 284;
inline constexpr std::size_t kSettingsTextSize = 260;

// Byte offsets of the fields of block 1 of "Baltu.cfg"; int32 unless said.
namespace block1 {
inline constexpr std::size_t kNoMarkingConfirmation = 0;
inline constexpr std::size_t kBudgetTotalsPreference = 4;
inline constexpr std::size_t kBudgetWindowPreference = 8;
inline constexpr std::size_t kPartidaListPreference = 12;
inline constexpr std::size_t kPartidasAsInsumosPreference = 16;
inline constexpr std::size_t kInsumoWindowPreference = 20;
inline constexpr std::size_t kBudgetFilePreference = 24;
inline constexpr std::size_t kWinchExcluded = 28;
inline constexpr std::size_t kSharedFolder = 36;  // text
// Where-used options: partida fields code, COVENIN, description, unit,
// rendimiento, base price, recalculated price, FCAS 1, FCAS 2 (9 flags).
inline constexpr std::size_t kWhereUsedPartidaFields = 296;
inline constexpr std::size_t kWhereUsedOpenWhenSaved = 332;
inline constexpr std::size_t kWhereUsedText = 336;  // text
// Where-used options: insumo fields code, description, cost, depreciation,
// unit, last update, type, supplier (8 flags).
inline constexpr std::size_t kWhereUsedInsumoFields = 596;
inline constexpr std::size_t kWhereUsedPrintDestination = 628;  // 1 screen, 0 printer
inline constexpr std::size_t kWhereUsedFileType = 632;          // 1 text, 0 CSV
inline constexpr std::size_t kWhereUsedFolder = 640;            // text
inline constexpr std::size_t kListingOutput = 900;              // 1 text, 2 CSV, 3 screen, 4 printer
// Listing switches edition date, partida code, description, COVENIN, unit,
// rendimiento, base price, recalculated price, FCAS 1, FCAS 2, borders (11 flags).
inline constexpr std::size_t kListingSwitches = 904;
inline constexpr std::size_t kListingOpenWhenSaved = 948;
inline constexpr std::size_t kBudgetWindowOption = 1212;
inline constexpr std::size_t kGuideZeroSelection = 1216;  // 7 flags, GUIA1..GUIA7
inline constexpr std::size_t kListWindowOption = 1244;
inline constexpr std::size_t kInsumoWindowOption = 1248;
inline constexpr std::size_t kBudgetWindowOption2 = 1252;
inline constexpr std::size_t kFirstRun = 1256;
inline constexpr std::size_t kPartidaListOption = 1260;
inline constexpr std::size_t kPartidaListOption2 = 1264;
}  // namespace block1

// The contents of "Baltu.cfg": its two blocks as raw bytes (always kBlock1Size
// and kBlock2Size long; fields are read and set by offset, never by copying a
// struct). A new object holds the defaults.
struct ProgramSettings {
  std::string block1;
  std::string block2;

  ProgramSettings();

  // Block 1 fields by offset (see namespace block1).
  std::int32_t intField(std::size_t offset) const;
  void setIntField(std::size_t offset, std::int32_t value);
  // A text field: its bytes up to the first zero byte, trailing blanks removed.
  std::string textField(std::size_t offset) const;
  // Cut to the field's size, the rest filled with blanks.
  void setTextField(std::size_t offset, std::string_view text);

  bool winchExcluded() const;
  void setWinchExcluded(bool excluded);
  bool firstRun() const;
  void setFirstRun(bool pending);
  // The "GUIA 0" selection of a cost guide; false for any other guide.
  bool guideZeroSelected(store::Guide guide) const;
  void setGuideZeroSelected(store::Guide guide, bool selected);
};

// Winch exclusion and the substitution flags, for the analysis.
CodeRules codeRules(const ProgramSettings& settings);

// Byte images of the files and their readers. Readers take what the bytes hold
// and keep the defaults for the rest; they never fail.
std::string adminFileBytes(const AdminValues& values);
AdminValues parseAdminFile(std::string_view bytes);
std::string programFileBytes(const ProgramSettings& settings);
ProgramSettings parseProgramFile(std::string_view bytes);

// True when either settings file is missing from the folder (start-up then
// writes both with their defaults).
bool settingsFilesMissing(const std::filesystem::path& folder);

struct DefaultSettingsResult {
  bool adminFileWritten = false;
  bool programFileWritten = false;
};
// Writes both files with their defaults (the first-run flag set).
DefaultSettingsResult createDefaultSettings(const std::filesystem::path& folder);

// The start-up's message texts when a file could not be created (the program
// goes on with the values in memory).
std::string adminFileCreationFailureText();
std::string programFileCreationFailureText();

struct SettingsReadResult {
  bool adminFileFound = false;
  bool programFileFound = false;
};
// Reads both files into the values (a missing file leaves defaults). The
// predetermined cestaticket and bono are always the edition's.
SettingsReadResult readSettings(const std::filesystem::path& folder, const Edition& edition, AdminValues& values,
                                ProgramSettings& settings);

struct SettingsSaveResult {
  bool ok = true;
  std::string message;  // Windows-1252, ready to show, when not ok
};
// Rewrites both files whole, the predetermined cestaticket and bono taken from
// the edition. Each file is replaced atomically: one that cannot be written is
// left as it was.
SettingsSaveResult saveSettings(const std::filesystem::path& folder, const Edition& edition,
                                const AdminValues& values, const ProgramSettings& settings);

}  // namespace baltu::pricing
