#include "browser/ui/partida_list_window.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>

#include "browser/list_settings.h"
#include "browser/ui/detail_panel.h"
#include "browser/ui/main_window.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/text_conversion.h"
#include "pricing/price_passes.h"
#include "reports/ui/banner_widget.h"
#include "store/tables.h"
#include "store/text.h"
#include "ui_test_support.h"

namespace baltu::browser::ui {
namespace {

namespace f = store::field;
using platform::QtUserInterface;

mkedition::SampleEditionOptions sample(std::vector<store::Guide> guides = {store::Guide::Guia1, store::Guide::Guia6}) {
  mkedition::SampleEditionOptions options;
  options.guides = std::move(guides);
  return options;
}

template <typename T>
T* child(QWidget& window, const char* name) {
  T* found = window.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

QString labelText(QWidget& window, const char* name) { return child<QLabel>(window, name)->text(); }

// The list window of a guide, shown (not modal) so a test can drive it.
struct OpenList {
  test::StartedEdition started;
  QtUserInterface ui;
  BrowsingState browsing;
  std::unique_ptr<PartidaListWindow> window;
  std::unique_ptr<QAbstractItemModelTester> tester;

  explicit OpenList(store::Guide guide, std::vector<std::string> arguments = {},
                    std::vector<store::Guide> guides = {store::Guide::Guia1, store::Guide::Guia6})
      : started(sample(std::move(guides)), std::move(arguments)) {
    if (!started.program) return;
    window = std::make_unique<PartidaListWindow>(*started.program, browsing, ui, guide);
    tester = std::make_unique<QAbstractItemModelTester>(window->view()->model(),
                                                        QAbstractItemModelTester::FailureReportingMode::Fatal);
    window->show();
    QApplication::setActiveWindow(window.get());
  }

  const store::Table& partidas(store::Guide guide = store::Guide::Guia1) const {
    return started.program->guides[static_cast<std::size_t>(guide)]->partidas;
  }
  QString cell(int row, int column) const {
    QAbstractItemModel* model = window->view()->model();
    return model->data(model->index(row, column)).toString();
  }
  void search(const QString& text) {
    auto* box = window->findChild<QLineEdit*>(QStringLiteral("searchBox"));
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
  }
  void click(const char* name) { QTest::mouseClick(child<QPushButton>(*window, name), Qt::LeftButton); }
};

// A word that several descriptions of the guide hold, and how many hold it.
std::pair<std::string, std::size_t> commonWord(const store::Table& rows) {
  std::map<std::string, std::size_t> counts;
  for (const store::Record& row : rows) {
    const std::string_view description = row.field(f::kDescription);
    const std::string first(description.substr(0, description.find(' ')));
    if (first.size() >= 4) ++counts[first];
  }
  std::pair<std::string, std::size_t> best;
  for (const auto& [word, count] : counts)
    if (count >= 3 && count < rows.size() / 2 && (best.second == 0 || count < best.second)) best = {word, count};
  return best;
}

std::size_t rowsHolding(const store::Table& rows, std::size_t field, const std::string& upper) {
  return static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), [&](const store::Record& row) {
    return store::toUpperCp(row.field(field)).find(upper) != std::string::npos;
  }));
}

TEST(PartidaListWindow, OpensWithTitleColumnsCountersAndTheFirstRowShown) {
  OpenList open(store::Guide::Guia1);
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  const store::Table& rows = open.partidas();

  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Guía\u00A01\u00A0-\u00A0Edificaciones"));
  EXPECT_EQ(labelText(window, "totalCount"), QString::number(rows.size()));
  EXPECT_EQ(labelText(window, "counterLabel"), QStringLiteral("Partidas"));
  EXPECT_EQ(labelText(window, "markedCount"), QStringLiteral("0"));
  EXPECT_EQ(labelText(window, "selectedCount"), QStringLiteral("1"));
  EXPECT_FALSE(child<QPushButton>(window, "filterButton")->isEnabled());
  EXPECT_TRUE(window.view()->selectionModel()->isRowSelected(0, {}));

  QAbstractItemModel* model = window.view()->model();
  const QStringList titles = {QString(),
                              QStringLiteral("Código "),
                              QStringLiteral("Descripción"),
                              QStringLiteral("COVENIN"),
                              QStringLiteral("Unidad"),
                              QStringLiteral("Rendimiento"),
                              QStringLiteral("P.U. Base (Bs.)"),
                              QStringLiteral("P.U. Recalculado (Bs.)"),
                              QStringLiteral("FCAS1 (+ Bono)"),
                              QString::fromUtf8("FCAS2 (\u00AD Bono)"),
                              QStringLiteral("Unid./Cant./Rend.")};
  for (int column = 0; column < titles.size(); ++column)
    EXPECT_EQ(model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(), titles[column]) << column;
  // Without /I the code column is hidden; the others keep their widths.
  QHeaderView* header = window.view()->horizontalHeader();
  EXPECT_TRUE(header->isSectionHidden(1));
  for (auto [column, width] : std::map<int, int>{{0, 24}, {3, 92}, {6, 107}, {7, 128}, {10, 105}})
    EXPECT_EQ(header->sectionSize(column), width) << column;

  // Each column shows its field between blanks; the recalculated price is the
  // engine's, computed when the row is drawn.
  EXPECT_EQ(open.cell(2, 3),
            QLatin1Char(' ') + platform::fromCp1252(store::trim(rows[2].field(f::kCovenin))) + QLatin1Char(' '));
  store::Record priced = rows[2];
  pricing::PricingSession& session = *open.started.program->pricing;
  pricing::recalculatePartida(session.context(open.ui), session.guide(store::Guide::Guia1), priced);
  EXPECT_EQ(open.cell(2, 7).trimmed(), platform::fromCp1252(store::trim(priced.field(f::kRecalculatedPrice))));
  EXPECT_EQ(model->data(model->index(2, 0), Qt::CheckStateRole).toInt(), Qt::Unchecked);
  EXPECT_EQ(model->data(model->index(2, 6), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
  EXPECT_EQ(model->data(model->index(2, 2), Qt::TextAlignmentRole).toInt(), int(Qt::AlignLeft | Qt::AlignVCenter));

  // The first row fills the panel and its analysis lines.
  EXPECT_EQ(labelText(window, "coveninValue"), platform::fromCp1252(store::trim(rows[0].field(f::kCovenin))));
  EXPECT_EQ(child<QPlainTextEdit>(window, "description")->toPlainText(),
            platform::fromCp1252(store::trim(rows[0].field(f::kDescription))));
  auto* detail = child<DetailPanel>(window, "detailPanel");
  const std::size_t materials = detail->lines().materials.size();
  EXPECT_GT(materials + detail->lines().labour.size(), 0u);
  EXPECT_EQ(labelText(window, "materialsTitle"), QStringLiteral("Materiales (%1)").arg(materials));
  EXPECT_EQ(child<QTableWidget>(window, "materialsList")->rowCount(), static_cast<int>(materials));

  // The features of later windows are there but disabled.
  for (const char* name : {"analysisButton", "asInsumosButton", "insumosButton", "budgetL", "budgetM", "printButton"})
    EXPECT_FALSE(child<QPushButton>(window, name)->isEnabled()) << name;
  EXPECT_TRUE(labelText(window, "adminValue3") == QStringLiteral("por partida"));
  EXPECT_FALSE(child<QLabel>(window, "adminMarker3")->isEnabled());
  test::screenshot(window, QStringLiteral("partida_list_guia1"));
}

TEST(PartidaListWindow, SearchFilterAndMarkAllWorkOnTheMatches) {
  OpenList open(store::Guide::Guia1);
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  const auto [word, expected] = commonWord(open.partidas());
  ASSERT_GE(expected, 3u);
  child<QRadioButton>(window, "byDescription")->click();

  // Typed in lower case, found anywhere in the upper-case descriptions.
  open.search(platform::fromCp1252(store::toLowerCp(word)));
  const std::size_t matches = rowsHolding(open.partidas(), f::kDescription, word);
  ASSERT_EQ(window.list().lastSearchResult(), static_cast<int>(matches) - 1);
  for (std::size_t row = 0; row < matches; ++row) {
    EXPECT_NE(store::toUpperCp(window.list().row(row).field(f::kDescription)).find(word), std::string::npos);
    EXPECT_TRUE(window.view()->selectionModel()->isRowSelected(static_cast<int>(row), {}));
  }
  EXPECT_EQ(labelText(window, "selectedCount"), QString::number(matches));
  EXPECT_TRUE(child<QPushButton>(window, "filterButton")->isEnabled());
  EXPECT_TRUE(window.view()->hasFocus());
  // Several matches blank the panel.
  EXPECT_EQ(labelText(window, "materialsTitle"), QStringLiteral("Materiales (0)"));
  EXPECT_EQ(labelText(window, "labourTitle"), QStringLiteral("Mano de Obra (0)"));
  test::screenshot(window, QStringLiteral("partida_list_search"));

  open.click("filterButton");
  EXPECT_EQ(labelText(window, "counterLabel"), QStringLiteral("Partidas Filtradas"));
  EXPECT_EQ(labelText(window, "totalCount"), QString::number(matches));
  EXPECT_EQ(window.view()->model()->rowCount(), static_cast<int>(matches));
  EXPECT_FALSE(child<QPushButton>(window, "filterButton")->isEnabled());
  EXPECT_TRUE(child<QLineEdit>(window, "searchBox")->hasFocus());

  open.click("markAll");
  EXPECT_EQ(labelText(window, "markedCount"), QString::number(matches));
  EXPECT_EQ(window.list().markOrder().size(), matches);

  open.click("resetButton");
  EXPECT_EQ(labelText(window, "counterLabel"), QStringLiteral("Partidas (Reiniciado)"));
  EXPECT_EQ(labelText(window, "totalCount"), QString::number(open.partidas().size()));
  EXPECT_EQ(labelText(window, "markedCount"), QString::number(matches));
  for (std::size_t row = 1; row < window.list().rowCount(); ++row)
    EXPECT_LE(window.list().row(row - 1).field(f::kDescription), window.list().row(row).field(f::kDescription));
}

TEST(PartidaListWindow, NoMatchShowsTheMessageAndLeavesTheList) {
  OpenList open(store::Guide::Guia6);
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  child<QRadioButton>(window, "byCovenin")->click();
  // Guide 6 holds its own codes where the others hold COVENIN codes.
  EXPECT_EQ(child<QRadioButton>(window, "byCovenin")->text(), QStringLiteral("Por Código"));
  EXPECT_EQ(window.view()->model()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("CODIGO"));
  EXPECT_EQ(window.findChild<QRadioButton*>(QStringLiteral("byCode")), nullptr);
  const std::string before = window.list().row(0).text();

  QtUserInterface::queueAnswers({store::Answer::Ok});
  open.search(QStringLiteral("zz-9"));
  ASSERT_EQ(QtUserInterface::answeredMessages().size(), 1u);
  const store::Message message = QtUserInterface::answeredMessages().back();
  QtUserInterface::answeredMessages().clear();
  EXPECT_EQ(message.text, store::cp("Búsqeda por     CODIGO:   ZZ-9\r\n\r\n"
                                    "No se encuentra la cadena de búsqueda en el listado"));
  EXPECT_EQ(message.icon, store::MessageIcon::Exclamation);
  EXPECT_EQ(window.list().row(0).text(), before);
  EXPECT_TRUE(window.view()->selectionModel()->isRowSelected(0, {}));
  EXPECT_TRUE(child<QLineEdit>(window, "searchBox")->hasFocus());
  EXPECT_FALSE(child<QPushButton>(window, "filterButton")->isEnabled());

  // Filtering with nothing selected says so and changes nothing.
  open.click("newSearch");
  QtUserInterface::queueAnswers({store::Answer::Ok});
  QTest::mouseClick(child<QPushButton>(window, "filterButton"), Qt::LeftButton);  // disabled: nothing happens
  EXPECT_EQ(QtUserInterface::pendingAnswers(), 1u);
  QtUserInterface::clearAnswers();
}

TEST(PartidaListWindow, SpaceAndTheMarkColumnToggleMarks) {
  OpenList open(store::Guide::Guia1);
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  QTableView* view = window.view();
  view->setFocus();

  QTest::keyClick(view, Qt::Key_Space);
  EXPECT_TRUE(window.list().isMarked(0));
  EXPECT_EQ(labelText(window, "markedCount"), QStringLiteral("1"));

  const QRect cell = view->visualRect(view->model()->index(3, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_TRUE(window.list().isMarked(3));
  EXPECT_EQ(labelText(window, "markedCount"), QStringLiteral("2"));
  EXPECT_EQ(view->model()->data(view->model()->index(3, 0), Qt::CheckStateRole).toInt(), Qt::Checked);
  const std::vector<std::string> order = {std::string(store::trim(window.list().row(0).field(f::kCovenin))),
                                          std::string(store::trim(window.list().row(3).field(f::kCovenin)))};
  EXPECT_EQ(window.list().markOrder(), order);

  // The mark column's header brings the marked rows to the top.
  QHeaderView* header = view->horizontalHeader();
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(0) + 5, 5));
  EXPECT_TRUE(window.list().isMarked(0));
  EXPECT_TRUE(window.list().isMarked(1));
  EXPECT_FALSE(window.list().isMarked(2));

  open.click("unmarkAll");
  EXPECT_EQ(labelText(window, "markedCount"), QStringLiteral("0"));
  EXPECT_TRUE(window.list().markOrder().empty());
}

TEST(PartidaListWindow, HeaderClicksReverseTheDirectionAndColumnSevenDoesNothing) {
  OpenList open(store::Guide::Guia1);
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  QHeaderView* header = window.view()->horizontalHeader();
  auto clickHeader = [&](int column) {
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
  };
  auto sorted = [&](bool ascending) {
    for (std::size_t row = 1; row < window.list().rowCount(); ++row) {
      const auto a = window.list().row(row - 1).field(f::kDescription);
      const auto b = window.list().row(row).field(f::kDescription);
      if (ascending ? b < a : a < b) return false;
    }
    return true;
  };
  clickHeader(2);
  EXPECT_TRUE(sorted(false));
  EXPECT_FALSE(open.browsing.sortAscending);
  const std::string first = window.list().row(0).text();
  clickHeader(7);
  EXPECT_EQ(window.list().row(0).text(), first);
  EXPECT_FALSE(open.browsing.sortAscending);
  clickHeader(2);
  EXPECT_TRUE(sorted(true));
}

TEST(PartidaListWindow, OneStepMarksASingleMatchAndStartsANewSearch) {
  OpenList open(store::Guide::Guia1);
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  child<QRadioButton>(window, "byCovenin")->click();
  child<QCheckBox>(window, "oneStep")->click();
  EXPECT_TRUE(child<QCheckBox>(window, "keepText")->isEnabled());
  // Stored in the settings file at once.
  EXPECT_TRUE(storedSearchOptions(open.started.program->pricing->settings()).oneStep);

  // A COVENIN code held by one partida only.
  const store::Table& rows = open.partidas();
  std::string code;
  for (const store::Record& row : rows) {
    const std::string candidate(store::trim(row.field(f::kCovenin)));
    if (rowsHolding(rows, f::kCovenin, candidate) == 1) {
      code = candidate;
      break;
    }
  }
  ASSERT_FALSE(code.empty());
  open.search(platform::fromCp1252(code));
  EXPECT_TRUE(window.list().isMarked(0));
  EXPECT_EQ(store::trim(window.list().row(0).field(f::kCovenin)), code);
  EXPECT_EQ(labelText(window, "markedCount"), QStringLiteral("1"));
  EXPECT_TRUE(child<QLineEdit>(window, "searchBox")->text().isEmpty());
  EXPECT_TRUE(child<QLineEdit>(window, "searchBox")->hasFocus());
  EXPECT_EQ(labelText(window, "selectedCount"), QStringLiteral("0"));

  // Found again while marked: the mark stays, the text too with "No borrar texto a buscar".
  child<QCheckBox>(window, "keepText")->click();
  open.search(platform::fromCp1252(code));
  EXPECT_TRUE(window.list().isMarked(0));
  EXPECT_EQ(child<QLineEdit>(window, "searchBox")->text(), platform::fromCp1252(code));
}

TEST(PartidaListWindow, HidingTheShadingIsSavedAndRepaints) {
  OpenList open(store::Guide::Guia1);
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  QAbstractItemModel* model = window.view()->model();
  auto background = [&](int row) { return model->data(model->index(row, 2), Qt::BackgroundRole).value<QBrush>().color(); };
  EXPECT_EQ(background(0), QColor(225, 225, 225));
  EXPECT_EQ(background(1), QColor(Qt::white));

  child<QCheckBox>(window, "hideShading")->click();
  EXPECT_EQ(background(0), QColor(Qt::white));
  std::ifstream file(open.started.program->pricing->settingsFolder() / pricing::kProgramFileName, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  EXPECT_TRUE(shadingHidden(pricing::parseProgramFile(bytes)));
  window.view()->clearFocus();
  test::screenshot(window, QStringLiteral("partida_list_unshaded"));
}

TEST(PartidaListWindow, ExcludingEquipmentRepricesTheRowsAndPaintsTheSquare) {
  OpenList open(store::Guide::Guia1);
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  EXPECT_FALSE(child<QLabel>(window, "equipmentSquare")->property("excluded").toBool());
  const int rows = window.view()->model()->rowCount();
  for (int row = 0; row < rows; ++row) open.cell(row, 7);  // every row drawn once

  test::whenModalOpens([](QWidget* dialog) {
    auto* check = dialog->findChild<QCheckBox*>(QStringLiteral("winchCheck"));
    ASSERT_NE(check, nullptr);
    check->setChecked(true);
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("acceptButton")), Qt::LeftButton);
  });
  open.click("excludeEquipment");
  EXPECT_TRUE(child<QLabel>(window, "equipmentSquare")->property("excluded").toBool());

  // Each row shows the price the engine now gives it, as the guide's table holds it.
  int changed = 0;
  const store::Table& table = open.partidas();
  for (int row = 0; row < rows; ++row) {
    const auto i = static_cast<std::size_t>(row);
    ASSERT_EQ(window.list().row(i).field(f::kCode), table[i].field(f::kCode));
    EXPECT_EQ(open.cell(row, 7).trimmed(), platform::fromCp1252(store::trim(table[i].field(f::kRecalculatedPrice))));
    if (store::trim(table[i].field(f::kRecalculatedPrice)) != store::trim(table[i].field(6))) ++changed;
  }
  EXPECT_GT(changed, 0);
}

TEST(PartidaListWindow, ChangedValuesShowInThePanelAndThePrices) {
  OpenList open(store::Guide::Guia1);
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  const QString before = open.cell(0, 7);

  test::whenModalOpens([](QWidget* dialog) {
    dialog->findChild<QLineEdit*>(QStringLiteral("userUtilidad"))->setText(QStringLiteral("25"));
    QTest::mouseClick(dialog->findChild<QRadioButton*>(QStringLiteral("modeUtilidadU")), Qt::LeftButton);
    QtUserInterface::queueAnswers({store::Answer::Ok});  // the confirmation of the values
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("saveButton")), Qt::LeftButton);
  });
  open.click("changeValues");
  QtUserInterface::answeredMessages().clear();

  EXPECT_EQ(labelText(window, "adminValue1"), QStringLiteral("25,00"));
  EXPECT_EQ(labelText(window, "adminMarker1"), QStringLiteral("(U)"));
  // The row is priced again with the new utilidad, as the engine prices it now.
  store::Record priced = open.partidas()[0];
  priced.setField(f::kRecalculatedPrice, "0,00");
  pricing::PricingSession& session = *open.started.program->pricing;
  pricing::recalculatePartida(session.context(open.ui), session.guide(store::Guide::Guia1), priced);
  EXPECT_EQ(open.cell(0, 7).trimmed(), platform::fromCp1252(store::trim(priced.field(f::kRecalculatedPrice))));
  EXPECT_NE(open.cell(0, 7), before);
}

TEST(PartidaListWindow, InsumoDetailWindowShowsTheLine) {
  OpenList open(store::Guide::Guia1, {"/I"});
  ASSERT_NE(open.window, nullptr);
  PartidaListWindow& window = *open.window;
  auto* detail = child<DetailPanel>(window, "detailPanel");
  // With /I the code column shows, and searching by code is offered.
  EXPECT_FALSE(window.view()->horizontalHeader()->isSectionHidden(1));
  EXPECT_EQ(window.view()->horizontalHeader()->sectionSize(1), 60);
  EXPECT_NE(window.findChild<QRadioButton*>(QStringLiteral("byCode")), nullptr);
  auto* materials = child<QTableWidget>(window, "materialsList");
  for (int row = 0; row < window.view()->model()->rowCount() && materials->rowCount() == 0; ++row)
    window.view()->selectRow(row);
  ASSERT_GT(materials->rowCount(), 0);
  EXPECT_EQ(materials->horizontalHeaderItem(0)->text(), QStringLiteral("Código "));
  const store::Record& line = detail->lines().materials.front();

  QString caption;
  QString values;
  test::whenModalOpens([&](QWidget* dialog) {
    caption = dialog->windowTitle();
    values = dialog->findChild<QLabel*>(QStringLiteral("values"))->text();
    EXPECT_FALSE(dialog->findChild<QPushButton*>(QStringLiteral("listUses"))->isEnabled());
    test::screenshot(*dialog, QStringLiteral("insumo_detail"));
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
  });
  const QRect cell = materials->visualItemRect(materials->item(0, 1));
  // A double click is a press, a release and the double click of the second press.
  QTest::mouseClick(materials->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(materials->viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(caption, QStringLiteral("Detalle del Material utilizado en la partida"));
  EXPECT_TRUE(values.startsWith(QLatin1Char(' ') + platform::fromCp1252(line.field(1)) + QLatin1Char('\n')));
}

TEST(PartidaListWindow, BannerAnimatesAndAClickPlaysTheSoundAndOpensThePage) {
  OpenList open(store::Guide::Guia1);
  ASSERT_NE(open.window, nullptr);
  auto* banner = child<reports::ui::BannerWidget>(*open.window, "banner");
  ASSERT_GT(banner->frameCount(), 1u);
  EXPECT_EQ(banner->delays().size(), banner->frameCount());
  QTRY_VERIFY_WITH_TIMEOUT(banner->currentFrame() != 0, 5000);

  QStringList played;
  QList<QUrl> opened;
  platform::setSoundPlayer([&](const QString& resource) { played << resource; });
  platform::setUrlOpener([&](const QUrl& url) {
    opened << url;
    return true;
  });
  QTest::mouseClick(banner, Qt::LeftButton);
  platform::setSoundPlayer({});
  platform::setUrlOpener({});
  EXPECT_EQ(played, QStringList{QStringLiteral("qrc:/sounds/click.wav")});
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened.front().scheme(), QStringLiteral("https"));
}

TEST(PartidaListWindow, MenuOpensEachGuideAndKeepsItAsTheCurrentGuide) {
  test::StartedEdition started(sample());
  ASSERT_NE(started.program, nullptr);
  QtUserInterface ui;
  MainWindow main(*started.program, ui);
  EXPECT_TRUE(main.action(1008)->isEnabled());
  EXPECT_FALSE(main.action(1009)->isEnabled());

  QString title;
  test::whenModalOpens([&](QWidget* list) {
    title = list->windowTitle();
    QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
  });
  main.action(1013)->trigger();
  EXPECT_EQ(title, QString::fromUtf8("Guía 6 - Eléctrica (Redes aéreas)").replace(QLatin1Char(' '), QChar(0xA0)));
  EXPECT_EQ(main.currentGuide(), store::Guide::Guia6);

  // The merged guide: chosen in the selection window, then listed.
  int rows = 0;
  test::whenModalOpens([&](QWidget* selection) {
    test::whenModalOpens([&](QWidget* list) {
      title = list->windowTitle();
      rows = list->findChild<QTableView*>(QStringLiteral("partidaList"))->model()->rowCount();
      QTest::mouseClick(list->findChild<QPushButton*>(QStringLiteral("closeButton")), Qt::LeftButton);
    });
    QTest::mouseClick(selection->findChild<QPushButton*>(QStringLiteral("openButton")), Qt::LeftButton);
  });
  main.action(1015)->trigger();
  EXPECT_EQ(title, QString::fromUtf8("Guías Disponibles - Guía 1 - Guía 6").replace(QLatin1Char(' '), QChar(0xA0)));
  const auto& guides = started.program->guides;
  EXPECT_EQ(static_cast<std::size_t>(rows), guides[static_cast<std::size_t>(store::Guide::Guia1)]->partidas.size() +
                                                guides[static_cast<std::size_t>(store::Guide::Guia6)]->partidas.size());
  EXPECT_EQ(main.currentGuide(), store::Guide::Guia0);
}

}  // namespace
}  // namespace baltu::browser::ui
