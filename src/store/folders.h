// The program's places on this system: where settings, budgets and temporary
// files go, and the edition folder named after the edition's month.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace baltu::store {

// $BALTU_COMMON_DOCUMENTS, else $XDG_DATA_HOME, else ~/.local/share.
std::filesystem::path commonDocumentsFolder();
// The common documents folder followed by "ORV": holds the settings files.
std::filesystem::path commonDataFolder(const std::filesystem::path& commonDocuments);
// $BALTU_USER_DOCUMENTS, else $XDG_DOCUMENTS_DIR, else ~/Documents (the desktop shell may know better).
std::filesystem::path userDocumentsFolder();
// $TMPDIR, else /tmp.
std::filesystem::path temporaryFolder();

// "01".."12" for ENERO..DICIEMBRE (any case, blanks around), nothing otherwise.
std::optional<std::string> monthNumber(std::string_view monthName);

// ORV/YYYY-MM (year and month of the edition name) under the common documents folder, or the start folder when a
// folder DOCUMENTOS stands beside the program.
std::filesystem::path editionFolder(const std::filesystem::path& startFolder,
                                    const std::filesystem::path& commonDocuments, std::string_view editionName);

}  // namespace baltu::store
