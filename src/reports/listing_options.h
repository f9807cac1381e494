// The choices of the partida listing ("Imprimir Listado"): where it goes and which
// fields it carries. Kept in block 1 of Baltu.cfg as 32-bit integers at 900..948.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "pricing/settings_files.h"

namespace baltu::reports {

enum class ListingOutput { TextFile = 1, CsvFile = 2, Screen = 3, Printer = 4 };

struct ListingOptions {
  ListingOutput output = ListingOutput::Screen;
  // The ten field switches, in the order of the options dialog.
  bool editionDate = true;  // printed listing only
  bool partidaCode = true;  // offered and written only with the sort-by-code switch
  bool description = true;
  bool covenin = true;
  bool unit = true;
  bool rendimiento = true;
  bool basePrice = true;
  bool recalculatedPrice = true;
  bool fcas1 = true;
  bool fcas2 = true;
  bool borders = true;        // printed listing only
  bool openWhenSaved = false;  // file outputs only

  bool operator==(const ListingOptions&) const = default;
};

// Byte offsets in block 1 of Baltu.cfg: the output, then the eleven switches in a
// row, then the open-when-saved switch.
namespace listing_offset {
inline constexpr std::size_t kOutput = pricing::block1::kListingOutput;
inline constexpr std::size_t kEditionDate = pricing::block1::kListingSwitches;
inline constexpr std::size_t kPartidaCode = kEditionDate + 4;
inline constexpr std::size_t kDescription = kEditionDate + 8;
inline constexpr std::size_t kCovenin = kEditionDate + 12;
inline constexpr std::size_t kUnit = kEditionDate + 16;
inline constexpr std::size_t kRendimiento = kEditionDate + 20;
inline constexpr std::size_t kBasePrice = kEditionDate + 24;
inline constexpr std::size_t kRecalculatedPrice = kEditionDate + 28;
inline constexpr std::size_t kFcas1 = kEditionDate + 32;
inline constexpr std::size_t kFcas2 = kEditionDate + 36;
inline constexpr std::size_t kBorders = kEditionDate + 40;
inline constexpr std::size_t kOpenWhenSaved = pricing::block1::kListingOpenWhenSaved;
}  // namespace listing_offset

// Reads the options from block 1. A field that lies beyond a short block keeps its
// default; an output outside 1..4 reads as the default (screen); a switch is on
// when its integer is not 0.
ListingOptions readListingOptions(std::string_view block1);

// Writes the options into block 1 (1 on, 0 off); fields that do not fit are not written.
void writeListingOptions(const ListingOptions& options, std::string& block1);

}  // namespace baltu::reports
