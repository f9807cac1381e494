// The partida listing as files: the CSV file for spreadsheets and the fixed-layout
// text file, over the rows of the list on screen (selected, marked or all).
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "reports/listing_options.h"
#include "store/guide_id.h"
#include "store/tables.h"
#include "store/user_interface.h"

namespace baltu::reports {

// Brings the recalculated unit price (F7) of one partida up to date in the record it
// is given. The listing hands it a copy of the row and writes the F7 left there.
using RecalculatedPriceRefresher = std::function<void(store::Record& partida)>;

struct ListingContext {
  store::Guide guide = store::Guide::Guia1;
  std::string editionName;  // trimmed, as read from the insumo file
  bool sortByCode = false;  // the /I switch: only then does the partida code field exist
  ListingOptions options;
  // Called for every row whose trimmed code does not begin with "EDF" or "REM" when
  // the recalculated price is written; empty writes F7 as stored.
  RecalculatedPriceRefresher refreshRecalculatedPrice;
  // With more than 15 rows: progress texts before each row and Cancel between rows.
  store::UserInterface* progress = nullptr;
};

enum class ListingEnd { Completed, Stopped };

enum class ListingForm { Csv, Text, Printed };

// The guide name line of a listing ("Guía 1 - Edificaciones"; printed in capitals).
std::string listingGuideName(store::Guide guide, ListingForm form);
// edition name + " - Guía Referencial de Costos de Construcción".
std::string listingTitleLine(std::string_view editionName);

// A description laid out in lines of `width` characters (no indent): every line but
// the last justified to the width, a word longer than the width cut with "-".
std::vector<std::string> layOutDescription(std::string_view description, std::size_t width = 74);

// `rows` are indexes into `partidas` in list order; indexes past the table are left out.
// Both return Stopped when Cancel ended the listing; the rows before it are written.
ListingEnd writePartidaListingCsv(std::ostream& out, const store::Table& partidas,
                                  const std::vector<std::size_t>& rows, const ListingContext& context);
ListingEnd writePartidaListingText(std::ostream& out, const store::Table& partidas,
                                   const std::vector<std::size_t>& rows, const ListingContext& context);

}  // namespace baltu::reports
