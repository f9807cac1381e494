// The built-in table of editions: allowances and FCAS percentages by sector.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "store/failure.h"
#include "store/guide_file.h"
#include "store/guide_id.h"
#include "store/money.h"
#include "store/user_interface.h"

namespace baltu::pricing {

inline constexpr std::size_t kSectorCount = 16;

struct EditionEntry {
  std::vector<std::string_view> names;
  std::string_view cestaticket;  // Bs. per worker per day, "0.00" form
  std::string_view bono;
  std::array<std::string_view, kSectorCount> fcas1;  // "###.00" form with "."
  std::array<std::string_view, kSectorCount> fcas2;
};

const std::vector<EditionEntry>& editionTable();

// The current edition's values, as applyEdition makes them.
struct Edition {
  std::string name;
  const EditionEntry* entry = nullptr;
  store::Cents cestaticket = 0;
  store::Cents bono = 0;
};

// Finds the entry whose names hold the edition name; fails with a message naming it.
store::Expected<Edition> applyEdition(std::string_view editionName);

// Sector codes by slot: ESTU, ANTE, ... AMBI.
std::string_view sectorCode(std::size_t slot);
// The slots a guide accepts, in the order they are tested.
std::vector<std::size_t> acceptedSectors(store::Guide guide);

// F8 and F9 of a partida being read: by sector code, else by an FCAS1 figure
// found in the table, else after asking the user (OK keeps the raw text, Cancel
// stops: nothing is returned).
std::optional<store::PartidaFcas> resolvePartidaFcas(const Edition& edition, store::Guide guide,
                                                     const store::PartidaBeingRead& partida,
                                                     store::UserInterface& ui);

// The stored form of an FCAS text: display form right-aligned to 8 ("  501,20").
std::string storedFcas(std::string_view text);

}  // namespace baltu::pricing
