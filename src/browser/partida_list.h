// The partida list window's working state: its own copy of a guide's partida
// rows with the marks, the selection by row position, the counters, the search,
// filter, reset and column sorts. The window only shows what this holds; the
// loaded tables are never reordered or marked.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "pricing/pricing_context.h"
#include "store/guide_id.h"
#include "store/tables.h"
#include "store/user_interface.h"

namespace baltu::browser {

// Browsing state shared by every list window, owned by the application.
struct BrowsingState {
  // The guide (or GUIA 0) whose partida list was opened last; kept after the
  // window closes, for the commands that work on "the current guide".
  std::optional<store::Guide> currentGuide;
  // One direction for every column header of every list window; each header
  // click reverses it before sorting. Starts ascending.
  bool sortAscending = true;
};

// The stored search kind of the settings: 0 code (F1), 1 description (F2), 2 COVENIN (F3).
enum class SearchKind { Code = 0, Description = 1, Covenin = 2 };

struct SearchOptions {
  SearchKind kind = SearchKind::Description;
  bool oneStep = false;   // "Buscar -> Seleccionar -> Nueva búsqueda"
  bool keepText = false;  // "No borrar texto a buscar"; counts only with oneStep
};

// How the list was last filled: shown in the counter row's label.
enum class ListMode { Initial, Filtered, Reset };

enum class SearchStatus { EmptyText, NoMatch, Found };

struct SearchOutcome {
  SearchStatus status = SearchStatus::EmptyText;
  std::string searchText;      // upper-cased, as the no-match message shows it
  int result = -1;              // index of the last match (0: exactly one), -1 when none
  bool markedByOneStep = false;  // the one-step option marked the single match
  // The one-step option pressed "&Nueva Búsqueda": clear the search box when
  // clearSearchText, focus it, nothing selected.
  bool newSearchPressed = false;
  bool clearSearchText = false;
};

// Column numbers of the main list; column k of 1..10 shows field Fk.
inline constexpr int kMarkColumn = 0;
inline constexpr int kRecalculatedColumn = 7;
inline constexpr int kLastColumn = 10;

class PartidaList {
 public:
  // Copies the guide's partida rows; every row starts unmarked (F11 "0").
  // `sortByCode` is the /I switch (the mark column's sort of the unmarked rows).
  PartidaList(store::Guide guide, const store::Table& partidas, bool sortByCode);

  store::Guide guide() const { return guide_; }

  // Rows the list shows: the whole working copy, or the filtered rows.
  std::size_t rowCount() const { return inUse_; }
  std::size_t fullRowCount() const { return rows_.size(); }
  const store::Record& row(std::size_t index) const { return rows_.at(index); }
  ListMode mode() const { return mode_; }
  bool filterActive() const { return mode_ == ListMode::Filtered; }

  // Marks.
  bool isMarked(std::size_t index) const;
  std::size_t markedCount() const { return markedCount_; }
  // Trimmed F3 texts in the order the rows were marked.
  const std::vector<std::string>& markOrder() const { return markOrder_; }
  // A click on the mark column: toggles the row's mark.
  void toggleMark(std::size_t index);
  // Space: toggles the mark of every selected row.
  void toggleSelectedMarks();
  // "&Marcar todas" / "&Desmarcar todas" over the rows the list shows.
  void markAll();
  void unmarkAll();

  // Selection by row position, as the list control holds it. The window passes
  // the user's changes only (search, filter and sorts set their own); every
  // change disables "&Filtrar Búsqueda". Indexes outside the shown rows are ignored.
  bool isSelected(std::size_t index) const;
  std::size_t selectedCount() const { return selectedCount_; }
  void setSelected(std::size_t index, bool selected);
  void clearSelection();
  // The first selected row, or rowCount() when none.
  std::size_t firstSelected() const;

  // Whether "&Filtrar Búsqueda" is enabled: only right after a search that
  // found something. Any other button or option of the window disables it.
  bool filterEnabled() const { return filterEnabled_; }
  void disableFilter() { filterEnabled_ = false; }

  // A click on a column header. Reverses the shared direction, then sorts the
  // shown rows; column 7 does nothing at all. False when nothing was done.
  bool sortByColumn(int column, BrowsingState& state);

  // "&Buscar" with the box's text (Windows-1252, as typed).
  SearchOutcome search(std::string_view text, const SearchOptions& options);
  int lastSearchResult() const { return lastResult_; }
  // "&Nueva Búsqueda": true when the search box must be cleared.
  bool newSearch(const SearchOptions& options);
  // "&Filtrar Búsqueda": false (and nothing changed) when no row is selected.
  bool filter();
  // "Reinici&ar Listado": the whole guide again, sorted ascending by description.
  void reset(BrowsingState& state);

  // F7 of a row about to be drawn: priced now when it still reads "0,00".
  std::string_view recalculatedPrice(std::size_t index, const pricing::PricingContext& context,
                                     const pricing::GuideContext& guide);
  // After the values change (excluded equipment, administrative values): every
  // row's F7 back to "0,00", so drawn rows are priced again.
  void invalidateRecalculatedPrices();

 private:
  void setMark(store::Record& row, bool marked);
  void sortRows(std::size_t count, int column, bool ascending);
  void newSearchPressed();

  store::Guide guide_;
  bool sortByCode_;
  std::vector<store::Record> rows_;
  std::size_t inUse_ = 0;
  ListMode mode_ = ListMode::Initial;
  std::vector<char> selected_;  // by position
  std::size_t selectedCount_ = 0;
  std::size_t markedCount_ = 0;
  std::vector<std::string> markOrder_;
  bool filterEnabled_ = false;
  int lastResult_ = -1;
};

// Texts of the list's messages and labels, Windows-1252.
std::string searchPrefix(SearchKind kind, store::Guide guide);
std::string noMatchText(SearchKind kind, store::Guide guide, std::string_view searchText);
store::Message noMatchMessage(SearchKind kind, store::Guide guide, std::string_view searchText);
store::Message filterFailedMessage();
// The counter row's label: "Partidas", "Partidas Filtradas", "Partidas (Reiniciado)".
std::string counterLabel(ListMode mode);

}  // namespace baltu::browser
