#include "pricing/settings_files.h"

#include <array>
#include <cmath>
#include <fstream>
#include <initializer_list>
#include <system_error>
#include <utility>

#include "store/atomic_file.h"
#include "store/binary_fields.h"
#include "store/money.h"
#include "store/text.h"

namespace baltu::pricing {
namespace {

using store::cp;

// VAdmin.cfg: six predetermined doubles, six user doubles, then the int32 modes
// with the FCAS source between the FCAS and cestaticket modes.
constexpr std::size_t kPredeterminedOffset = 0;
constexpr std::size_t kUserOffset = 48;
constexpr std::array<std::size_t, kAdminConceptCount> kModeOffsets = {96, 100, 104, 108, 116, 120};
constexpr std::size_t kFcasSourceOffset = 112;

// Settings files are a few hundred bytes; a bigger one is damaged and only its
// start is looked at.
constexpr std::size_t kReadLimit = 1 << 20;

constexpr std::string_view kLineEnd = "\r\n";

// The text fields of block 1 as [start, end).
constexpr std::array<std::pair<std::size_t, std::size_t>, 4> kBlock1Texts = {{
    {block1::kSharedFolder, block1::kSharedFolder + kSettingsTextSize},
    {block1::kWhereUsedText, block1::kWhereUsedText + kSettingsTextSize},
    {block1::kWhereUsedFolder, block1::kWhereUsedFolder + kSettingsTextSize},
    {952, 952 + kSettingsTextSize},
}};

void setInts(std::string& block, std::size_t offset, std::size_t count, std::int32_t value) {
  for (std::size_t i = 0; i < count; ++i) store::setInt32At(block, offset + 4 * i, value);
}

const std::string& defaultBlock1() {
  static const std::string block = [] {
    std::string b(kBlock1Size, '\0');
    for (const auto& [start, end] : kBlock1Texts) b.replace(start, end - start, end - start, ' ');
    store::setInt32At(b, block1::kPartidaListPreference, 1);
    store::setInt32At(b, block1::kPartidasAsInsumosPreference, 1);
    setInts(b, block1::kWhereUsedPartidaFields, 9, 1);
    setInts(b, block1::kWhereUsedInsumoFields, 10, 1);
    store::setInt32At(b, block1::kListingOutput, 3);
    setInts(b, block1::kListingSwitches, 11, 1);
    setInts(b, block1::kGuideZeroSelection, 7, 1);
    store::setInt32At(b, block1::kBudgetWindowOption2, 1);
    store::setInt32At(b, block1::kFirstRun, 1);
    return b;
  }();
  return block;
}

const std::string& defaultBlock2() {
  static const std::string block = [] {
    std::string b(kBlock2Size, '\0');
    store::setInt32At(b, 0, 1);
    return b;
  }();
  return block;
}

// Start of the field that holds byte `position` of a block: a text field as a
// whole, else the int32 around it.
std::size_t block1FieldStart(std::size_t position) {
  for (const auto& [start, end] : kBlock1Texts)
    if (position >= start && position < end) return start;
  return position - position % 4;
}

std::size_t block2FieldStart(std::size_t position) { return position - position % 4; }

// A block from its line in the file. A line shorter than the block (a short
// file, or a block whose own bytes held CR LF) gives the fields it holds whole;
// the field it ends inside and every field after it keep their defaults, so no
// number is made of half file bytes and half default bytes.
std::string blockFromLine(std::string_view line, const std::string& defaults,
                          std::size_t (*fieldStart)(std::size_t)) {
  if (line.size() >= defaults.size()) return std::string(line.substr(0, defaults.size()));
  const std::size_t kept = fieldStart(line.size());
  return std::string(line.substr(0, kept)) + defaults.substr(kept);
}

// The next line of `bytes` (up to CR LF or the end), advancing past it.
std::string_view nextLine(std::string_view& bytes) {
  const std::size_t end = bytes.find(kLineEnd);
  std::string_view line = bytes.substr(0, end);
  bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + kLineEnd.size());
  return line;
}

double finiteDoubleAt(std::string_view bytes, std::size_t offset) {
  const double value = store::doubleAt(bytes, offset, 0);
  return std::isfinite(value) ? value : 0;
}

bool readFile(const std::filesystem::path& path, std::string& bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes.assign(kReadLimit, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(kReadLimit));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  return true;
}

std::string writeFailureText(const std::filesystem::path& path, int errorNumber) {
  return cp("No se pudo guardar el archivo de configuración ") + cp(path.string()) + "\r\n" + cp("Error N°: ") +
         std::to_string(errorNumber);
}

std::string creationFailureText(std::string_view fileName, std::initializer_list<std::string_view> consequence) {
  std::string text = cp("ERROR DE CREACION DE ARCHIVO\r\n\r\nNo se pudo crear el archivo de configuración ");
  text += fileName;
  text += "\r\n";
  for (std::string_view line : consequence) text += "\r\n" + cp(line);
  return text;
}

AdminValues withEditionAllowances(AdminValues values, const Edition& edition) {
  values[AdminConcept::Cestaticket].predetermined = store::centsToDouble(edition.cestaticket);
  values[AdminConcept::Bono].predetermined = store::centsToDouble(edition.bono);
  return values;
}

}  // namespace

ProgramSettings::ProgramSettings() : block1(defaultBlock1()), block2(defaultBlock2()) {}

std::int32_t ProgramSettings::intField(std::size_t offset) const { return store::int32At(block1, offset); }

void ProgramSettings::setIntField(std::size_t offset, std::int32_t value) { store::setInt32At(block1, offset, value); }

std::string ProgramSettings::textField(std::size_t offset) const {
  if (offset >= block1.size()) return {};
  std::string_view field = std::string_view(block1).substr(offset, kSettingsTextSize);
  field = field.substr(0, field.find('\0'));
  return std::string(store::trimRight(field));
}

void ProgramSettings::setTextField(std::size_t offset, std::string_view text) {
  if (offset + kSettingsTextSize > block1.size()) return;
  block1.replace(offset, kSettingsTextSize, store::padRight(text.substr(0, kSettingsTextSize), kSettingsTextSize));
}

bool ProgramSettings::winchExcluded() const { return intField(block1::kWinchExcluded) == 1; }

void ProgramSettings::setWinchExcluded(bool excluded) { setIntField(block1::kWinchExcluded, excluded ? 1 : 0); }

bool ProgramSettings::firstRun() const { return intField(block1::kFirstRun) == 1; }

void ProgramSettings::setFirstRun(bool pending) { setIntField(block1::kFirstRun, pending ? 1 : 0); }

bool ProgramSettings::guideZeroSelected(store::Guide guide) const {
  const int number = store::guideId(guide).number;
  if (!store::isCostGuide(guide) || number < 1) return false;
  return intField(block1::kGuideZeroSelection + 4 * static_cast<std::size_t>(number - 1)) == 1;
}

void ProgramSettings::setGuideZeroSelected(store::Guide guide, bool selected) {
  const int number = store::guideId(guide).number;
  if (!store::isCostGuide(guide) || number < 1) return;
  setIntField(block1::kGuideZeroSelection + 4 * static_cast<std::size_t>(number - 1), selected ? 1 : 0);
}

CodeRules codeRules(const ProgramSettings& settings) {
  CodeRules rules;
  rules.winchExcluded = settings.winchExcluded();
  const auto& pairs = substitutionPairs();
  for (std::size_t i = 0; i < pairs.size(); ++i)
    rules.substitutionEnabled[i] = store::int32At(settings.block2, pairs[i].flagOffset) == 1;
  return rules;
}

std::string adminFileBytes(const AdminValues& values) {
  // While base prices are computed the user's modes wait in the saved copy.
  const AdminModes modes = values.savedModes.value_or(values.modes());
  std::string bytes(kAdminFileSize, '\0');
  for (std::size_t i = 0; i < kAdminConceptCount; ++i) {
    store::setDoubleAt(bytes, kPredeterminedOffset + 8 * i, values.values[i].predetermined);
    store::setDoubleAt(bytes, kUserOffset + 8 * i, values.values[i].user);
    store::setInt32At(bytes, kModeOffsets[i], modes.modes[i] == ValueMode::User ? 1 : 0);
  }
  store::setInt32At(bytes, kFcasSourceOffset, modes.fcasSource == FcasSource::EachPartida ? 1 : 0);
  return bytes;
}

AdminValues parseAdminFile(std::string_view bytes) {
  bytes = bytes.substr(0, kAdminFileSize);
  AdminValues values;
  for (std::size_t i = 0; i < kAdminConceptCount; ++i) {
    values.values[i].predetermined = finiteDoubleAt(bytes, kPredeterminedOffset + 8 * i);
    values.values[i].user = finiteDoubleAt(bytes, kUserOffset + 8 * i);
    values.values[i].mode = store::int32At(bytes, kModeOffsets[i], 0) == 0 ? ValueMode::Predetermined : ValueMode::User;
  }
  // 0 is the table; any other value reads as the default, each partida.
  values.fcasSource = store::int32At(bytes, kFcasSourceOffset, 1) == 0 ? FcasSource::Table : FcasSource::EachPartida;
  return values;
}

std::string programFileBytes(const ProgramSettings& settings) {
  const std::string block1 = blockFromLine(settings.block1, defaultBlock1(), block1FieldStart);
  const std::string block2 = blockFromLine(settings.block2, defaultBlock2(), block2FieldStart);
  return block1 + std::string(kLineEnd) + block2 + std::string(kLineEnd);
}

ProgramSettings parseProgramFile(std::string_view bytes) {
  ProgramSettings settings;
  const std::string_view line1 = nextLine(bytes);
  settings.block1 = blockFromLine(line1, defaultBlock1(), block1FieldStart);
  if (!bytes.empty()) settings.block2 = blockFromLine(nextLine(bytes), defaultBlock2(), block2FieldStart);
  return settings;
}

bool settingsFilesMissing(const std::filesystem::path& folder) {
  std::error_code ignored;
  return !std::filesystem::exists(folder / kAdminFileName, ignored) ||
         !std::filesystem::exists(folder / kProgramFileName, ignored);
}

DefaultSettingsResult createDefaultSettings(const std::filesystem::path& folder) {
  DefaultSettingsResult result;
  result.adminFileWritten = store::writeFileAtomically(folder / kAdminFileName, adminFileBytes(AdminValues{})).ok;
  result.programFileWritten =
      store::writeFileAtomically(folder / kProgramFileName, programFileBytes(ProgramSettings{})).ok;
  return result;
}

std::string adminFileCreationFailureText() {
  return creationFailureText(kAdminFileName, {"Esto significa que Baltu funcionará correctamente pero no",
                                              "podrá   guardar  la   preferencias   del  usuario  y  cualquier",
                                              "modificación de los Valores Administrativos."});
}

std::string programFileCreationFailureText() {
  return creationFailureText(kProgramFileName, {"Esto significa que Baltu funcionará correctamente pero no",
                                                "podrá guardar la preferencias del usuario."});
}

SettingsReadResult readSettings(const std::filesystem::path& folder, const Edition& edition, AdminValues& values,
                                ProgramSettings& settings) {
  SettingsReadResult result;
  std::string bytes;
  result.adminFileFound = readFile(folder / kAdminFileName, bytes);
  values = withEditionAllowances(result.adminFileFound ? parseAdminFile(bytes) : AdminValues{}, edition);
  bytes.clear();
  result.programFileFound = readFile(folder / kProgramFileName, bytes);
  settings = result.programFileFound ? parseProgramFile(bytes) : ProgramSettings{};
  return result;
}

SettingsSaveResult saveSettings(const std::filesystem::path& folder, const Edition& edition,
                                const AdminValues& values, const ProgramSettings& settings) {
  SettingsSaveResult result;
  const std::pair<std::filesystem::path, std::string> files[] = {
      {folder / kAdminFileName, adminFileBytes(withEditionAllowances(values, edition))},
      {folder / kProgramFileName, programFileBytes(settings)},
  };
  for (const auto& [path, bytes] : files) {
    const store::WriteResult written = store::writeFileAtomically(path, bytes);
    if (written.ok) continue;
    if (!result.ok) result.message += "\r\n\r\n";
    result.ok = false;
    result.message += writeFailureText(path, written.errorNumber);
  }
  return result;
}

}  // namespace baltu::pricing
