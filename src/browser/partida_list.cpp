#include "browser/partida_list.h"

#include <algorithm>
#include <iterator>

#include "pricing/price_passes.h"
#include "store/text.h"

namespace baltu::browser {

namespace f = store::field;
using store::Record;

namespace {

std::size_t searchedField(SearchKind kind) {
  switch (kind) {
    case SearchKind::Code:
      return f::kCode;
    case SearchKind::Covenin:
      return f::kCovenin;
    case SearchKind::Description:
      break;
  }
  return f::kDescription;
}

bool markedRow(const Record& row) { return store::trim(row.field(f::kMark)) == "1"; }

// The bytes of `text` from `start` over `length`, cut where the text ends.
std::string_view slice(const std::string& text, std::size_t start, std::size_t length) {
  if (start >= text.size()) return {};
  return std::string_view(text).substr(start, length);
}

}  // namespace

PartidaList::PartidaList(store::Guide guide, const store::Table& partidas, bool sortByCode)
    : guide_(guide), sortByCode_(sortByCode), rows_(partidas), inUse_(rows_.size()), selected_(rows_.size(), 0) {
  for (Record& row : rows_) row.setField(f::kMark, "0");
}

bool PartidaList::isMarked(std::size_t index) const { return index < inUse_ && markedRow(rows_[index]); }

void PartidaList::setMark(Record& row, bool marked) {
  if (markedRow(row) == marked) return;
  row.setField(f::kMark, marked ? "1" : "0");
  const std::string covenin(store::trim(row.field(f::kCovenin)));
  if (marked) {
    ++markedCount_;
    markOrder_.push_back(covenin);
  } else {
    --markedCount_;
    // Rows may share a COVENIN text; the first equal entry goes.
    auto found = std::find(markOrder_.begin(), markOrder_.end(), covenin);
    if (found != markOrder_.end()) markOrder_.erase(found);
  }
}

void PartidaList::toggleMark(std::size_t index) {
  if (index >= inUse_) return;
  setMark(rows_[index], !markedRow(rows_[index]));
  filterEnabled_ = false;
}

void PartidaList::toggleSelectedMarks() {
  for (std::size_t i = 0; i < inUse_; ++i)
    if (selected_[i] != 0) setMark(rows_[i], !markedRow(rows_[i]));
  filterEnabled_ = false;
}

void PartidaList::markAll() {
  for (std::size_t i = 0; i < inUse_; ++i) setMark(rows_[i], true);
  filterEnabled_ = false;
}

void PartidaList::unmarkAll() {
  if (inUse_ == rows_.size()) {
    for (Record& row : rows_) row.setField(f::kMark, "0");
    markedCount_ = 0;
    markOrder_.clear();
  } else {
    // Filtered: the rows outside the filter keep their marks and their places
    // in the mark order.
    for (std::size_t i = 0; i < inUse_; ++i) setMark(rows_[i], false);
  }
  filterEnabled_ = false;
}

bool PartidaList::isSelected(std::size_t index) const { return index < inUse_ && selected_[index] != 0; }

void PartidaList::setSelected(std::size_t index, bool selected) {
  if (index >= inUse_) return;
  const char value = selected ? 1 : 0;
  if (selected_[index] != value) {
    selected_[index] = value;
    if (selected)
      ++selectedCount_;
    else
      --selectedCount_;
  }
  filterEnabled_ = false;
}

void PartidaList::clearSelection() {
  std::fill(selected_.begin(), selected_.end(), 0);
  selectedCount_ = 0;
  filterEnabled_ = false;
}

std::size_t PartidaList::firstSelected() const {
  for (std::size_t i = 0; i < inUse_; ++i)
    if (selected_[i] != 0) return i;
  return inUse_;
}

void PartidaList::sortRows(std::size_t count, int column, bool ascending) {
  const auto first = rows_.begin();
  const auto last = first + static_cast<std::ptrdiff_t>(count);
  if (column == kMarkColumn) {
    // Marked rows first, in their present order; then the unmarked ones by
    // code (with /I) or description, ascending whatever the direction.
    const auto unmarked = std::stable_partition(first, last, markedRow);
    const std::size_t key = sortByCode_ ? f::kCode : f::kDescription;
    std::stable_sort(unmarked, last, [key](const Record& a, const Record& b) { return a.field(key) < b.field(key); });
    return;
  }
  const auto key = static_cast<std::size_t>(column);
  if (ascending)
    std::stable_sort(first, last, [key](const Record& a, const Record& b) { return a.field(key) < b.field(key); });
  else
    std::stable_sort(first, last, [key](const Record& a, const Record& b) { return b.field(key) < a.field(key); });
}

bool PartidaList::sortByColumn(int column, BrowsingState& state) {
  if (column < kMarkColumn || column > kLastColumn || column == kRecalculatedColumn) return false;
  state.sortAscending = !state.sortAscending;
  if (selectedCount_ > 1) clearSelection();
  sortRows(inUse_, column, state.sortAscending);
  filterEnabled_ = false;
  return true;
}

SearchOutcome PartidaList::search(std::string_view text, const SearchOptions& options) {
  SearchOutcome outcome;
  filterEnabled_ = false;
  if (text.empty()) {
    clearSelection();
    return outcome;
  }
  outcome.searchText = store::toUpperCp(text);
  const std::string& wanted = outcome.searchText;
  const std::size_t key = searchedField(options.kind);

  std::vector<Record> matches;
  std::vector<Record> others;
  for (std::size_t i = 0; i < inUse_; ++i) {
    if (store::toUpperCp(rows_[i].field(key)).find(wanted) != std::string::npos)
      matches.push_back(rows_[i]);
    else
      others.push_back(rows_[i]);
  }
  if (matches.empty()) {
    // Nothing moves and the selection stays as it was.
    lastResult_ = -1;
    outcome.status = SearchStatus::NoMatch;
    return outcome;
  }

  // The rest is ordered by the bytes found, in each row string, at the place
  // and over the length the searched field has in the second row of the list.
  std::size_t keyStart = 0;
  std::size_t keyLength = 0;
  const Record& second = matches.size() > 1 ? matches[1] : (others.empty() ? matches[0] : others[0]);
  if (key <= second.fieldCount()) {
    const std::string_view field = second.field(key);
    keyStart = static_cast<std::size_t>(field.data() - second.text().data());
    keyLength = field.size();
  } else {
    keyStart = second.text().size();
  }
  std::stable_sort(others.begin(), others.end(), [keyStart, keyLength](const Record& a, const Record& b) {
    return slice(a.text(), keyStart, keyLength) < slice(b.text(), keyStart, keyLength);
  });

  std::move(matches.begin(), matches.end(), rows_.begin());
  std::move(others.begin(), others.end(), rows_.begin() + static_cast<std::ptrdiff_t>(matches.size()));
  clearSelection();
  for (std::size_t i = 0; i < matches.size(); ++i) selected_[i] = 1;
  selectedCount_ = matches.size();
  lastResult_ = static_cast<int>(matches.size()) - 1;
  filterEnabled_ = true;

  outcome.status = SearchStatus::Found;
  outcome.result = lastResult_;
  if (options.oneStep && lastResult_ == 0) {
    if (!markedRow(rows_[0])) {
      toggleSelectedMarks();
      outcome.markedByOneStep = true;
    }
    outcome.newSearchPressed = true;
    outcome.clearSearchText = newSearch(options);
  }
  return outcome;
}

bool PartidaList::newSearch(const SearchOptions& options) {
  clearSelection();
  return !(options.oneStep && options.keepText);
}

bool PartidaList::filter() {
  filterEnabled_ = false;
  const std::size_t n = std::min(selectedCount_, inUse_);
  if (n == 0) return false;
  // The selected rows are the matches at the top of the list.
  inUse_ = n;
  mode_ = ListMode::Filtered;
  std::fill(selected_.begin() + static_cast<std::ptrdiff_t>(n), selected_.end(), 0);
  selectedCount_ = static_cast<std::size_t>(std::count(selected_.begin(), selected_.end(), 1));
  return true;
}

void PartidaList::reset(BrowsingState& state) {
  inUse_ = rows_.size();
  mode_ = ListMode::Reset;
  state.sortAscending = true;
  if (selectedCount_ > 1) clearSelection();
  sortRows(inUse_, static_cast<int>(f::kDescription), true);
  filterEnabled_ = false;
}

std::string_view PartidaList::recalculatedPrice(std::size_t index, const pricing::PricingContext& context,
                                                const pricing::GuideContext& guide) {
  if (index >= inUse_) return {};
  Record& row = rows_[index];
  if (store::trim(row.field(f::kRecalculatedPrice)) == "0,00") pricing::recalculatePartida(context, guide, row);
  return row.field(f::kRecalculatedPrice);
}

void PartidaList::invalidateRecalculatedPrices() {
  for (Record& row : rows_) row.setField(f::kRecalculatedPrice, "0,00");
}

std::string searchPrefix(SearchKind kind, store::Guide guide) {
  switch (kind) {
    case SearchKind::Code:
      return "B\xFAsqueda por    CODIGO DE PARTIDA:    ";
    case SearchKind::Covenin:
      if (guide == store::Guide::Guia6) return "B\xFAsqeda por     CODIGO:   ";
      return "B\xFAsqeda por    COVENIN:   ";
    case SearchKind::Description:
      break;
  }
  return "B\xFAsqueda por    DESCRIPCION:    ";
}

std::string noMatchText(SearchKind kind, store::Guide guide, std::string_view searchText) {
  return searchPrefix(kind, guide) + std::string(searchText) + "\r\n\r\n" +
         store::cp("No se encuentra la cadena de búsqueda en el listado");
}

store::Message noMatchMessage(SearchKind kind, store::Guide guide, std::string_view searchText) {
  store::Message message;
  message.text = noMatchText(kind, guide, searchText);
  message.icon = store::MessageIcon::Exclamation;
  return message;
}

store::Message filterFailedMessage() {
  store::Message message;
  message.text = store::cp("Imposible filtrar!.\r\nNo hay ningún resultado (0 elementos seleccionados)");
  return message;
}

std::string counterLabel(ListMode mode) {
  switch (mode) {
    case ListMode::Filtered:
      return "Partidas Filtradas";
    case ListMode::Reset:
      return "Partidas (Reiniciado)";
    case ListMode::Initial:
      break;
  }
  return "Partidas";
}

}  // namespace baltu::browser
