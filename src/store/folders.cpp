#include "store/folders.h"

#include <array>
#include <cstdlib>
#include <system_error>

#include "store/text.h"

namespace baltu::store {
namespace {

std::optional<std::filesystem::path> fromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::filesystem::path(value);
}

std::filesystem::path homeFolder() { return fromEnvironment("HOME").value_or(std::filesystem::path("/tmp")); }

}  // namespace

std::filesystem::path commonDocumentsFolder() {
  if (auto path = fromEnvironment("BALTU_COMMON_DOCUMENTS")) return *path;
  if (auto path = fromEnvironment("XDG_DATA_HOME")) return *path;
  return homeFolder() / ".local" / "share";
}

std::filesystem::path commonDataFolder(const std::filesystem::path& commonDocuments) { return commonDocuments / "ORV"; }

std::filesystem::path userDocumentsFolder() {
  if (auto path = fromEnvironment("BALTU_USER_DOCUMENTS")) return *path;
  if (auto path = fromEnvironment("XDG_DOCUMENTS_DIR")) return *path;
  return homeFolder() / "Documents";
}

std::filesystem::path temporaryFolder() { return fromEnvironment("TMPDIR").value_or(std::filesystem::path("/tmp")); }

std::optional<std::string> monthNumber(std::string_view monthName) {
  static constexpr std::array<std::string_view, 12> months = {"ENERO", "FEBRERO", "MARZO", "ABRIL",
                                                              "MAYO", "JUNIO", "JULIO", "AGOSTO",
                                                              "SEPTIEMBRE", "OCTUBRE", "NOVIEMBRE", "DICIEMBRE"};
  const std::string upper = toUpperCp(trim(monthName));
  for (std::size_t i = 0; i < months.size(); ++i) {
    if (upper != months[i]) continue;
    std::string number = std::to_string(i + 1);
    return number.size() == 1 ? "0" + number : number;
  }
  return std::nullopt;
}

std::filesystem::path editionFolder(const std::filesystem::path& startFolder,
                                    const std::filesystem::path& commonDocuments, std::string_view editionName) {
  std::error_code error;
  if (std::filesystem::is_directory(startFolder / "DOCUMENTOS", error)) return startFolder;
  // "MES AÑO", and "ABRIL 2018 - II" for a second edition of a month: the month is
  // the first word and the year the four digits after it.
  const std::string_view name = trim(editionName);
  const std::size_t space = name.find(' ');
  const std::string_view month = name.substr(0, space);
  std::string_view year;
  for (std::size_t at = space; at != std::string_view::npos && at + 4 <= name.size(); ++at) {
    const std::string_view candidate = name.substr(at, 4);
    if (candidate.find_first_not_of("0123456789") == std::string_view::npos) {
      year = candidate;
      break;
    }
  }
  return commonDataFolder(commonDocuments) / (std::string(year) + "-" + monthNumber(month).value_or("00"));
}

}  // namespace baltu::store
