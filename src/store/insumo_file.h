// Loading the insumo file (INSUMOS.DAT and its regional variants).
#pragma once

#include <filesystem>

#include "store/failure.h"
#include "store/tables.h"
#include "store/user_interface.h"

namespace baltu::store {

// The edition name stored in the file, trimmed.
Expected<std::string> readEditionName(const std::filesystem::path& path);

// Reads the six insumo sections into sorted tables, reporting each section's
// progress text; compound-material totals are computed from the simple materials.
Expected<InsumoTables> loadInsumoFile(const std::filesystem::path& path, const LoadOptions& options,
                                      UserInterface& ui);

// The same over the file's bytes; `fileName` names it in messages.
Expected<InsumoTables> loadInsumoBytes(std::string_view bytes, const std::string& fileName, const LoadOptions& options,
                                       UserInterface& ui);

// The message shown when the insumo file cannot be read at all.
std::string insumoReadErrorMessage(int errorNumber);

}  // namespace baltu::store
