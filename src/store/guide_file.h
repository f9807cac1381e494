// Loading one guide file (GUIA1..GUIA7, 9000ED, 9000RM): partidas and their
// material, equipment and labour component lists.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "store/failure.h"
#include "store/guide_id.h"
#include "store/tables.h"
#include "store/user_interface.h"

namespace baltu::store {

// The two FCAS texts of a partida (F8, F9), already in their stored form.
struct PartidaFcas {
  std::string fcas1;
  std::string fcas2;
};

// What the FCAS resolver sees of the partida being read.
struct PartidaBeingRead {
  const Record& partida;      // F1..F7 and F10 filled
  std::string_view sector;    // raw field 8, trimmed
  std::string_view rawField9; // raw field 9 as read (usually empty)
};

// Gives F8 and F9 of a partida, or nothing when the user stops the loading.
using FcasResolver = std::function<std::optional<PartidaFcas>(const PartidaBeingRead&)>;

// Reads the file into sorted tables. Failure.cancelled is set when the resolver stopped.
Expected<GuideTables> loadGuideFile(const std::filesystem::path& path, Guide guide, const LoadOptions& options,
                                    const FcasResolver& resolveFcas, UserInterface& ui);

// The same over the file's bytes; `fileName` names it in messages.
Expected<GuideTables> loadGuideBytes(std::string_view bytes, const std::string& fileName, Guide guide,
                                     const LoadOptions& options, const FcasResolver& resolveFcas, UserInterface& ui);

// The stored form of a partida's unit: "UNIDA" and "UND" read "Unid.".
std::string partidaUnit(std::string_view raw);

}  // namespace baltu::store
