#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "browser/partida_list.h"
#include "pricing/price_passes.h"
#include "store/startup.h"
#include "store/text.h"
#include "support/scripted_ui.h"
#include "support/temp_folder.h"
#include "support/tiny_edition.h"

namespace baltu::browser {
namespace {

using store::Guide;
using store::Record;
namespace f = store::field;

Record partida(const std::string& code, const std::string& description, const std::string& covenin) {
  return Record::fromFields({code, store::cp(description), covenin, "m2", "1,00", "10,00", "0,00", "387,38",
                             "301,50", "unid./1/1", "0"});
}

// Descriptions in list order (UTF-8), for readable failures.
std::vector<std::string> descriptions(const PartidaList& list) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < list.rowCount(); ++i) out.push_back(store::toUtf8(list.row(i).field(f::kDescription)));
  return out;
}

std::vector<std::size_t> selectedRows(const PartidaList& list) {
  std::vector<std::size_t> out;
  for (std::size_t i = 0; i < list.rowCount(); ++i)
    if (list.isSelected(i)) out.push_back(i);
  return out;
}

// Ten rows: codes 1..10, descriptions out of order, COVENIN "C-1".."C-10".
store::Table tenRows() {
  const char* texts[] = {"MURO DE BLOQUES", "ACERO DE REFUERZO", "PINTURA DE CAUCHO", "CONCRETO f'c 250",
                         "ZANJA EN TIERRA",  "BRAGA DE MURO",     "TUBERÍA DE PVC",    "ENCOFRADO DE MURO",
                         "LOSA NERVADA",     "CERÁMICA EN PISO"};
  store::Table table;
  for (int i = 0; i < 10; ++i)
    table.push_back(partida(store::rightAlign(std::to_string(i + 1), 8), texts[i], "C-" + std::to_string(i + 1)));
  return table;
}

TEST(PartidaListMarks, MarkOrderFollowsMarkingAndUnmarkingRemovesFirstEqualEntry) {
  store::Table table = tenRows();
  table[3].setField(f::kCovenin, "C-6");  // rows 3 and 5 share their COVENIN text
  table[0].setField(f::kMark, "1");       // a stray mark in the loaded table is not carried over
  PartidaList list(Guide::Guia1, table, false);
  EXPECT_FALSE(list.isMarked(0));
  EXPECT_EQ(list.markedCount(), 0u);

  for (std::size_t row : {5, 2, 9}) list.toggleMark(row);
  list.toggleMark(2);
  EXPECT_EQ(list.markOrder(), (std::vector<std::string>{"C-6", "C-10"}));
  EXPECT_EQ(list.markedCount(), 2u);

  list.toggleMark(3);  // order C-6 (row 5), C-10, C-6 (row 3)
  list.toggleMark(3);  // the first "C-6" goes, whichever row had it
  EXPECT_EQ(list.markOrder(), (std::vector<std::string>{"C-10", "C-6"}));
  EXPECT_TRUE(list.isMarked(5));
  EXPECT_FALSE(list.isMarked(3));
  EXPECT_EQ(list.row(5).field(f::kMark), "1");

  // Marks live in the window's copy only: a new opening starts clean.
  EXPECT_EQ(table[5].field(f::kMark), "0");
  PartidaList reopened(Guide::Guia1, table, false);
  EXPECT_EQ(reopened.markedCount(), 0u);
  EXPECT_TRUE(reopened.markOrder().empty());
}

TEST(PartidaListSort, HeaderClicksShareOneDirectionAndResetStartsAscending) {
  BrowsingState state;
  PartidaList list(Guide::Guia1, tenRows(), false);
  const std::vector<std::string> original = descriptions(list);

  // Column 7 does nothing at all, not even to the direction.
  EXPECT_FALSE(list.sortByColumn(kRecalculatedColumn, state));
  EXPECT_TRUE(state.sortAscending);
  EXPECT_EQ(descriptions(list), original);

  ASSERT_TRUE(list.sortByColumn(2, state));
  EXPECT_EQ(list.row(0).field(f::kDescription), "ZANJA EN TIERRA");
  EXPECT_FALSE(state.sortAscending);
  ASSERT_TRUE(list.sortByColumn(2, state));
  EXPECT_EQ(descriptions(list), (std::vector<std::string>{"ACERO DE REFUERZO", "BRAGA DE MURO",
                                                         "CERÁMICA EN PISO", "CONCRETO f'c 250",
                                                         "ENCOFRADO DE MURO", "LOSA NERVADA", "MURO DE BLOQUES",
                                                         "PINTURA DE CAUCHO", "TUBERÍA DE PVC", "ZANJA EN TIERRA"}));

  ASSERT_TRUE(list.sortByColumn(3, state));  // a run goes on across columns: descending
  EXPECT_EQ(list.row(0).field(f::kCovenin), "C-9");

  list.reset(state);
  EXPECT_TRUE(state.sortAscending);
  EXPECT_EQ(list.row(0).field(f::kDescription), "ACERO DE REFUERZO");
  EXPECT_EQ(counterLabel(list.mode()), "Partidas (Reiniciado)");
  ASSERT_TRUE(list.sortByColumn(2, state));
  EXPECT_EQ(list.row(0).field(f::kDescription), "ZANJA EN TIERRA");
}

TEST(PartidaListSort, MarkColumnPutsMarkedRowsFirstThenTheRestByDescriptionOrCode) {
  for (bool sortByCode : {false, true}) {
    SCOPED_TRACE(sortByCode ? "by code" : "by description");
    BrowsingState state;
    PartidaList list(Guide::Guia1, tenRows(), sortByCode);
    list.toggleMark(8);  // LOSA NERVADA
    list.toggleMark(1);  // ACERO DE REFUERZO
    for (bool ascending : {true, false}) {
      state.sortAscending = ascending;
      ASSERT_TRUE(list.sortByColumn(kMarkColumn, state));
      EXPECT_TRUE(list.isMarked(0));
      EXPECT_TRUE(list.isMarked(1));
      EXPECT_FALSE(list.isMarked(2));
      const std::vector<std::string> rows = descriptions(list);
      EXPECT_EQ(rows[2], sortByCode ? "MURO DE BLOQUES" : "BRAGA DE MURO");
      EXPECT_EQ(rows[9], sortByCode ? "CERÁMICA EN PISO" : "ZANJA EN TIERRA");
    }
  }
}

TEST(PartidaListSearch, ThreeMatchesComeFirstThenFilterAndMarkAllTouchOnlyThem) {
  BrowsingState state;
  PartidaList list(Guide::Guia1, tenRows(), false);
  list.setSelected(4, true);

  const SearchOutcome found = list.search("muro", {.kind = SearchKind::Description});
  EXPECT_EQ(found.status, SearchStatus::Found);
  EXPECT_EQ(found.result, 2);
  EXPECT_EQ(list.lastSearchResult(), 2);
  const std::vector<std::string> rows = descriptions(list);
  // Matches keep their previous order, inside words too; the rest follow sorted.
  EXPECT_EQ(rows, (std::vector<std::string>{"MURO DE BLOQUES", "BRAGA DE MURO", "ENCOFRADO DE MURO",
                                            "ACERO DE REFUERZO", "CERÁMICA EN PISO", "CONCRETO f'c 250",
                                            "LOSA NERVADA", "PINTURA DE CAUCHO", "TUBERÍA DE PVC",
                                            "ZANJA EN TIERRA"}));
  EXPECT_EQ(selectedRows(list), (std::vector<std::size_t>{0, 1, 2}));
  EXPECT_TRUE(list.filterEnabled());

  ASSERT_TRUE(list.filter());
  EXPECT_FALSE(list.filterEnabled());
  EXPECT_EQ(list.rowCount(), 3u);
  EXPECT_EQ(list.mode(), ListMode::Filtered);
  EXPECT_EQ(counterLabel(list.mode()), "Partidas Filtradas");

  // Later searches see the filtered rows only.
  EXPECT_EQ(list.search("PISO", {.kind = SearchKind::Description}).status, SearchStatus::NoMatch);
  EXPECT_EQ(list.search("BRAGA", {.kind = SearchKind::Description}).result, 0);
  EXPECT_EQ(list.row(0).field(f::kDescription), "BRAGA DE MURO");

  list.markAll();
  EXPECT_EQ(list.markedCount(), 3u);
  EXPECT_EQ(list.markOrder(), (std::vector<std::string>{"C-6", "C-8", "C-1"}));

  list.reset(state);
  EXPECT_EQ(list.rowCount(), 10u);
  std::size_t marked = 0;
  for (std::size_t i = 0; i < list.rowCount(); ++i)
    if (list.isMarked(i)) {
      ++marked;
      EXPECT_NE(list.row(i).field(f::kDescription).find("MURO"), std::string_view::npos);
    }
  EXPECT_EQ(marked, 3u);

  list.unmarkAll();
  EXPECT_EQ(list.markedCount(), 0u);
  EXPECT_TRUE(list.markOrder().empty());
}

TEST(PartidaListSearch, UnmarkAllOnAFilteredListKeepsTheMarksOutsideIt) {
  PartidaList list(Guide::Guia1, tenRows(), false);
  list.toggleMark(2);  // PINTURA DE CAUCHO, outside the coming filter
  ASSERT_EQ(list.search("MURO", {.kind = SearchKind::Description}).result, 2);
  ASSERT_TRUE(list.filter());
  list.markAll();
  EXPECT_EQ(list.markedCount(), 4u);
  list.unmarkAll();
  EXPECT_EQ(list.markedCount(), 1u);
  EXPECT_EQ(list.markOrder(), (std::vector<std::string>{"C-3"}));
}

TEST(PartidaListSearch, NoMatchLeavesEverythingAsItWas) {
  for (SearchKind kind : {SearchKind::Code, SearchKind::Description, SearchKind::Covenin}) {
    BrowsingState state;
    PartidaList list(Guide::Guia1, tenRows(), false);
    list.sortByColumn(3, state);
    list.setSelected(1, true);
    list.setSelected(6, true);
    const std::vector<std::string> before = descriptions(list);

    const SearchOutcome outcome = list.search(store::cp("zzñ"), {.kind = kind, .oneStep = true});
    EXPECT_EQ(outcome.status, SearchStatus::NoMatch);
    EXPECT_EQ(outcome.result, -1);
    EXPECT_FALSE(outcome.newSearchPressed);
    EXPECT_EQ(outcome.searchText, store::cp("ZZÑ"));
    EXPECT_EQ(descriptions(list), before);
    EXPECT_EQ(selectedRows(list), (std::vector<std::size_t>{1, 6}));
    EXPECT_FALSE(list.filterEnabled());
    EXPECT_EQ(list.markedCount(), 0u);
  }
}

TEST(PartidaListSearch, EmptyTextOnlyClearsTheSelection) {
  PartidaList list(Guide::Guia1, tenRows(), false);
  list.setSelected(3, true);
  EXPECT_EQ(list.search("", {.oneStep = true}).status, SearchStatus::EmptyText);
  EXPECT_EQ(list.selectedCount(), 0u);
  EXPECT_EQ(descriptions(list), descriptions(PartidaList(Guide::Guia1, tenRows(), false)));
}

TEST(PartidaListSearch, FilterWithNothingSelectedChangesNothing) {
  PartidaList list(Guide::Guia1, tenRows(), false);
  EXPECT_FALSE(list.filter());
  EXPECT_EQ(list.rowCount(), 10u);
  EXPECT_EQ(list.mode(), ListMode::Initial);
  const store::Message message = filterFailedMessage();
  EXPECT_EQ(message.caption, "Baltu");
  EXPECT_EQ(message.icon, store::MessageIcon::None);
  EXPECT_EQ(store::toUtf8(message.text),
            "Imposible filtrar!.\r\nNo hay ningún resultado (0 elementos seleccionados)");
}

TEST(PartidaListSearch, UpperCasesAccentedLettersOfTheTextAndTheField) {
  struct Case {
    SearchKind kind;
    const char* text;  // UTF-8, as typed
    int result;
  };
  const Case cases[] = {
      {SearchKind::Description, "tubería", 0},  // í -> Í
      {SearchKind::Description, "cerámica", 0},
      {SearchKind::Description, "F'C", 0},     // the field is upper-cased too
      {SearchKind::Description, "de ", 5},     // inside and across words
      {SearchKind::Covenin, "c-1", 1},         // C-1 and C-10
      {SearchKind::Code, "1", 1},              // codes 1 and 10
      {SearchKind::Description, "tuberia", -1},  // an accent is a different letter
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    PartidaList list(Guide::Guia1, tenRows(), false);
    EXPECT_EQ(list.search(store::cp(c.text), {.kind = c.kind}).result, c.result);
  }
}

TEST(PartidaListSearch, RestIsOrderedByTheSecondRowsPlaceOfTheField) {
  // By COVENIN: the key is read where F3 starts in the second row ("B", a
  // short description), so for the row with a long description it is a piece
  // of its description, and "BB..." comes after "A-1" though its F3 is "0-0".
  store::Table table = {partida("1", "AAAA", "C-1"), partida("1", "B", "Z-9"), partida("1", "BBBBBB", "0-0"),
                        partida("1", "B", "A-1")};
  PartidaList byCovenin(Guide::Guia1, table, false);
  ASSERT_EQ(byCovenin.search("C-1", {.kind = SearchKind::Covenin}).result, 0);
  std::vector<std::string> covenin;
  for (std::size_t i = 0; i < byCovenin.rowCount(); ++i) covenin.emplace_back(byCovenin.row(i).field(f::kCovenin));
  EXPECT_EQ(covenin, (std::vector<std::string>{"C-1", "A-1", "0-0", "Z-9"}));

  // By description: the key is as long as the second row's description, and
  // equal keys keep their order ("AA 9" before "AA 1").
  PartidaList byDescription(Guide::Guia1,
                            {partida("1", "AB", "x"), partida("1", "ZZ 2", "x"), partida("1", "AA 9", "x"),
                             partida("1", "AA 1", "x"), partida("1", "MURO", "x")},
                            false);
  ASSERT_EQ(byDescription.search("MURO", {.kind = SearchKind::Description}).result, 0);
  EXPECT_EQ(descriptions(byDescription), (std::vector<std::string>{"MURO", "AA 9", "AA 1", "AB", "ZZ 2"}));
}

TEST(PartidaListSearch, OneStepMarksTheSingleMatchOnly) {
  struct Case {
    const char* text;
    bool keepText;
    bool alreadyMarked;
    std::size_t marked;  // marked rows after the search
    bool newSearch;
  };
  const Case cases[] = {
      {"C-7", false, false, 1, true},   // one match: marked, box cleared
      {"C-7", true, false, 1, true},    // one match, the text kept
      {"C-7", false, true, 1, true},    // already marked: stays marked
      {"C-1", false, false, 0, false},  // two matches (C-1, C-10): nothing marked
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + (c.keepText ? " keep" : "") + (c.alreadyMarked ? " marked" : ""));
    PartidaList list(Guide::Guia1, tenRows(), false);
    if (c.alreadyMarked) list.toggleMark(6);
    const SearchOptions options{.kind = SearchKind::Covenin, .oneStep = true, .keepText = c.keepText};
    const SearchOutcome outcome = list.search(c.text, options);
    EXPECT_EQ(list.markedCount(), c.marked);
    EXPECT_EQ(outcome.markedByOneStep, c.newSearch && !c.alreadyMarked);
    EXPECT_EQ(outcome.newSearchPressed, c.newSearch);
    EXPECT_EQ(outcome.clearSearchText, c.newSearch && !c.keepText);
    if (c.newSearch) {
      EXPECT_TRUE(list.isMarked(0));
      EXPECT_EQ(list.markOrder(), (std::vector<std::string>{"C-7"}));
      EXPECT_EQ(list.selectedCount(), 0u);
      EXPECT_FALSE(list.filterEnabled());
    } else {
      EXPECT_EQ(list.selectedCount(), 2u);
      EXPECT_TRUE(list.filterEnabled());
    }
  }
}

TEST(PartidaListTexts, NoMatchMessageUsesTheKindsPrefix) {
  struct Case {
    SearchKind kind;
    Guide guide;
    const char* prefix;  // UTF-8
  };
  const Case cases[] = {
      {SearchKind::Description, Guide::Guia1, "Búsqueda por    DESCRIPCION:    "},
      {SearchKind::Code, Guide::Guia6, "Búsqueda por    CODIGO DE PARTIDA:    "},
      {SearchKind::Covenin, Guide::Guia1, "Búsqeda por    COVENIN:   "},
      {SearchKind::Covenin, Guide::Guia6, "Búsqeda por     CODIGO:   "},
  };
  for (const Case& c : cases) {
    const store::Message message = noMatchMessage(c.kind, c.guide, store::cp("TUBERÍA"));
    EXPECT_EQ(store::toUtf8(message.text),
              std::string(c.prefix) + "TUBERÍA\r\n\r\nNo se encuentra la cadena de búsqueda en el listado");
    EXPECT_EQ(message.caption, "Baltu");
    EXPECT_EQ(message.icon, store::MessageIcon::Exclamation);
    EXPECT_EQ(message.buttons, store::MessageButtons::Ok);
  }
}

TEST(PartidaListPrices, DrawnRowsArePricedWhenTheirPriceReadsZero) {
  test::TempFolder folder;
  test::writeTinyEdition(folder.path());
  test::ScriptedUi ui;
  store::StartupOptions options;
  options.startFolder = folder.path();
  options.commonDocumentsFolder = folder.path() / "Documentos";
  auto program = store::runStartup(options, ui);
  ASSERT_NE(program, nullptr);
  const pricing::PricingContext context = program->pricing->context(ui);
  const pricing::GuideContext& guide = program->pricing->guide(Guide::Guia1);

  PartidaList list(Guide::Guia1, guide.tables.partidas, false);
  ASSERT_GE(list.rowCount(), 1u);
  list.invalidateRecalculatedPrices();
  ASSERT_EQ(list.row(0).field(f::kRecalculatedPrice), "0,00");

  Record expected = list.row(0);
  const std::string price = pricing::recalculatePartida(context, guide, expected);
  ASSERT_NE(store::trim(price), "0,00");
  EXPECT_EQ(list.recalculatedPrice(0, context, guide), price);
  EXPECT_EQ(list.row(0).field(f::kRecalculatedPrice), price);  // kept for the next drawing
  EXPECT_EQ(list.row(1).field(f::kRecalculatedPrice), "0,00");  // rows not drawn stay unpriced

  // A price already there is shown as it is.
  EXPECT_EQ(list.recalculatedPrice(0, context, guide), price);
  EXPECT_TRUE(list.recalculatedPrice(list.rowCount(), context, guide).empty());
}

}  // namespace
}  // namespace baltu::browser
