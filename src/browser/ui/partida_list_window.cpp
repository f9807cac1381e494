#include "browser/ui/partida_list_window.h"

#include <QCheckBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTableView>
#include <QTimer>

#include "browser/admin_panel.h"
#include "browser/list_settings.h"
#include "browser/list_title.h"
#include "browser/ui/detail_panel.h"
#include "browser/ui/partida_list_model.h"
#include "platform/progress_window.h"
#include "platform/screen.h"
#include "platform/text_conversion.h"
#include "pricing/ui/admin_values_dialog.h"
#include "pricing/ui/winch_dialog.h"
#include "reports/ui/banner_widget.h"
#include "store/text.h"

namespace baltu::browser::ui {

PartidaListWindow::PartidaListWindow(store::Program& program, BrowsingState& browsing, platform::QtUserInterface& ui,
                                     store::Guide guide, QWidget* parent)
    : QDialog(parent),
      program_(program),
      session_(*program.pricing),
      browsing_(browsing),
      ui_(ui),
      guide_(guide),
      list_(guide, program.guides[static_cast<std::size_t>(guide)]->partidas, program.switches.sortByCode) {
  setObjectName(QStringLiteral("partidaListWindow"));
  setWindowTitle(platform::fromCp1252(listWindowTitle(guide, session_.settings(), program.available)));
  setWindowIcon(platform::programIcon());
  setWindowFlag(Qt::WindowMaximizeButtonHint);
  setSizeGripEnabled(true);

  // The window's columns and frames are measured for the dialog font.
  setFont(platform::programFont("MS Sans Serif", 8));
  const bool large = platform::largeLayout(this);
  buildControls();
  setUpView();
  loadOptions();
  writeAdminPanel();
  paintEquipmentSquare();
  showCounters();

  // Row 0 selected and focused, at the top.
  if (list_.rowCount() > 0) {
    list_.setSelected(0, true);
    showListSelection();
    showRow(0);
  }
  disableFilter();
  // The dialog's size, grown to what the controls need but never past the screen.
  QSize size = platform::DialogUnits(font()).size(large ? 670 : 526, large ? 415 : 320).expandedTo(minimumSizeHint());
  if (const QScreen* screen = platform::screenOf(this)) size = size.boundedTo(screen->availableGeometry().size());
  resize(size);
  view_->setFocus();
}

PartidaListWindow::~PartidaListWindow() = default;

SearchOptions PartidaListWindow::searchOptions() const {
  SearchOptions options = storedSearchOptions(session_.settings());
  options.oneStep = oneStepBox_->isChecked();
  options.keepText = keepTextBox_->isChecked();
  return options;
}

// --- Search, filter and marks ---

void PartidaListWindow::search() {
  const SearchOptions options = searchOptions();
  searching_ = true;
  const SearchOutcome outcome = list_.search(platform::toCp1252(searchBox_->text()), options);
  switch (outcome.status) {
    case SearchStatus::EmptyText:
      showListSelection();
      break;
    case SearchStatus::NoMatch:
      blankSelectedRow();
      ui_.showMessage(noMatchMessage(options.kind, guide_, outcome.searchText));
      searchBox_->setFocus();
      break;
    case SearchStatus::Found:
      model_->rowsRearranged();
      showListSelection();
      if (outcome.result == 0)
        showRow(0);
      else
        blankSelectedRow();
      scrollToTop();
      view_->setFocus();
      if (outcome.markedByOneStep) showMarkedCount();
      if (outcome.newSearchPressed) applyNewSearch(outcome.clearSearchText);
      break;
  }
  searching_ = false;
  filterButton_->setEnabled(list_.filterEnabled());
}

void PartidaListWindow::newSearch() { applyNewSearch(list_.newSearch(searchOptions())); }

void PartidaListWindow::applyNewSearch(bool clearText) {
  if (clearText) searchBox_->clear();
  searchBox_->setFocus();
  showListSelection();
  disableFilter();
}

void PartidaListWindow::filterRows() {
  if (list_.filter()) {
    model_->rowsRearranged();
    showListSelection();
    showCounters();
    scrollToTop();
  } else {
    ui_.showMessage(filterFailedMessage());
  }
  disableFilter();
  searchBox_->setFocus();
}

void PartidaListWindow::resetRows() {
  list_.reset(browsing_);
  model_->rowsRearranged();
  showListSelection();
  showCounters();
  scrollToTop();
  showSelectedRow();
  disableFilter();
  view_->setFocus();
}

void PartidaListWindow::markAll() {
  list_.markAll();
  model_->rowsChanged();
  showMarkedCount();
  view_->setFocus();
  disableFilter();
}

void PartidaListWindow::unmarkAll() {
  list_.unmarkAll();
  model_->rowsChanged();
  showMarkedCount();
  view_->setFocus();
  disableFilter();
}

void PartidaListWindow::toggleSelectedMarks() {
  list_.toggleSelectedMarks();
  model_->rowsChanged();
  showMarkedCount();
  const std::size_t first = list_.firstSelected();
  if (first < list_.rowCount())
    view_->selectionModel()->setCurrentIndex(model_->index(static_cast<int>(first), 0), QItemSelectionModel::NoUpdate);
  view_->setFocus();
  disableFilter();
}

void PartidaListWindow::markClicked(const QModelIndex& index) {
  if (!index.isValid()) return;
  const auto row = static_cast<std::size_t>(index.row());
  if (index.column() == kMarkColumn) {
    list_.toggleMark(row);
    emit model_->dataChanged(model_->index(index.row(), 0), model_->index(index.row(), kLastColumn));
    showMarkedCount();
    disableFilter();
  } else if (list_.isSelected(row)) {
    // The row a search has just selected shows in the panel at its first click.
    showRow(row);
  }
}

void PartidaListWindow::sortByHeader(int column) {
  if (!list_.sortByColumn(column, browsing_)) return;
  model_->rowsRearranged();
  showListSelection();
  showSelectedRow();
  disableFilter();
}

void PartidaListWindow::chooseSearchKind() {
  SearchOptions options = searchOptions();
  if (byCode_ != nullptr && byCode_->isChecked()) options.kind = SearchKind::Code;
  if (byDescription_->isChecked()) options.kind = SearchKind::Description;
  if (byCovenin_->isChecked()) options.kind = SearchKind::Covenin;
  storeSearchOptions(session_.settings(), options);
  saveSettings();
  disableFilter();
  searchBox_->setFocus();
}

void PartidaListWindow::oneStepToggled(bool ticked) {
  keepTextBox_->setEnabled(ticked);
  storeSearchOptions(session_.settings(), searchOptions());
  saveSettings();
  disableFilter();
}

void PartidaListWindow::keepTextToggled(bool) {
  storeSearchOptions(session_.settings(), searchOptions());
  saveSettings();
  disableFilter();
}

void PartidaListWindow::hideShadingToggled(bool ticked) {
  setShadingHidden(session_.settings(), ticked);
  model_->setShadingHidden(ticked);
  saveSettings();
  disableFilter();
}

// --- Values ---

void PartidaListWindow::changeValues() {
  platform::RecalculationProgress progress(ui_, this);
  valuesDialogClosed(pricing::ui::runAdminValuesDialog(session_, ui_, guide_, this));
}

void PartidaListWindow::excludeEquipment() {
  platform::RecalculationProgress progress(ui_, this);
  valuesDialogClosed(pricing::ui::runWinchDialog(session_, ui_, guide_, this));
}

void PartidaListWindow::valuesDialogClosed(bool saved) {
  if (saved) pricesChanged();
  writeAdminPanel();
  paintEquipmentSquare();
  disableFilter();
}

void PartidaListWindow::pricesChanged() {
  // The rows drawn from now on are priced with the new values.
  list_.invalidateRecalculatedPrices();
  model_->rowsChanged();
  showSelectedRow();
}

void PartidaListWindow::writeAdminPanel() {
  const auto lines = adminPanelLines(session_.admin());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    adminValues_[i]->setText(platform::fromCp1252(lines[i].value));
    adminMarkers_[i]->setText(platform::fromCp1252(lines[i].marker));
    adminMarkers_[i]->setEnabled(lines[i].markerEnabled);
  }
}

void PartidaListWindow::paintEquipmentSquare() {
  const bool excluded = session_.settings().winchExcluded();
  equipmentSquare_->setStyleSheet(excluded ? QStringLiteral("background: rgb(255, 0, 0);")
                                           : QStringLiteral("background: rgb(0, 128, 0);"));
  equipmentSquare_->setProperty("excluded", excluded);
}

// --- Keeping everything in step ---

void PartidaListWindow::viewSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
  if (syncingSelection_) return;
  for (const QItemSelectionRange& range : deselected)
    for (int row = range.top(); row <= range.bottom(); ++row) list_.setSelected(static_cast<std::size_t>(row), false);
  for (const QItemSelectionRange& range : selected)
    for (int row = range.top(); row <= range.bottom(); ++row) list_.setSelected(static_cast<std::size_t>(row), true);
  selectedCount_->setText(QString::number(list_.selectedCount()));
  disableFilter();
  if (!searching_) showSelectedRow();
}

void PartidaListWindow::showListSelection() {
  syncingSelection_ = true;
  QItemSelection selection;
  const std::size_t rows = list_.rowCount();
  for (std::size_t row = 0; row < rows;) {
    if (!list_.isSelected(row)) {
      ++row;
      continue;
    }
    std::size_t end = row;
    while (end + 1 < rows && list_.isSelected(end + 1)) ++end;
    selection.select(model_->index(static_cast<int>(row), 0), model_->index(static_cast<int>(end), kLastColumn));
    row = end + 1;
  }
  QItemSelectionModel* selectionModel = view_->selectionModel();
  selectionModel->select(selection, QItemSelectionModel::ClearAndSelect);
  const std::size_t first = list_.firstSelected();
  if (first < rows)
    selectionModel->setCurrentIndex(model_->index(static_cast<int>(first), 0), QItemSelectionModel::NoUpdate);
  syncingSelection_ = false;
  selectedCount_->setText(QString::number(list_.selectedCount()));
}

void PartidaListWindow::showCounters() {
  counterLabel_->setText(platform::fromCp1252(counterLabel(list_.mode())));
  totalCount_->setText(QString::number(list_.rowCount()));
  selectedCount_->setText(QString::number(list_.selectedCount()));
  showMarkedCount();
}

void PartidaListWindow::showMarkedCount() { markedCount_->setText(QString::number(list_.markedCount())); }

void PartidaListWindow::showSelectedRow() {
  // The row the list's caret is on when it is selected, else the first selected.
  const QModelIndex current = view_->selectionModel()->currentIndex();
  std::size_t row = list_.firstSelected();
  if (current.isValid() && list_.isSelected(static_cast<std::size_t>(current.row())))
    row = static_cast<std::size_t>(current.row());
  if (row < list_.rowCount()) showRow(row);
}

void PartidaListWindow::showRow(std::size_t row) {
  if (row >= list_.rowCount()) return;
  namespace f = store::field;
  const store::Record& record = list_.row(row);
  auto show = [](QLabel* label, std::string_view value) { label->setText(platform::fromCp1252(store::trim(value))); };
  show(coveninValue_, record.field(f::kCovenin));
  show(unitValue_, record.field(4));
  show(rendimientoValue_, record.field(5));
  show(basePriceValue_, record.field(6));
  show(fcasValue_, record.field(8));
  description_->setPlainText(platform::fromCp1252(store::trim(record.field(f::kDescription))));
  selectedCount_->setText(QString::number(list_.selectedCount()));
  detail_->showPartida(record.field(f::kCode));
}

void PartidaListWindow::blankSelectedRow() {
  for (QLabel* label : {coveninValue_, unitValue_, rendimientoValue_, basePriceValue_, fcasValue_})
    label->setText(QStringLiteral(" "));
  description_->setPlainText(QStringLiteral(" "));
  detail_->blank();
}

void PartidaListWindow::scrollToTop() {
  if (list_.rowCount() > 0) view_->scrollTo(model_->index(0, 0), QAbstractItemView::PositionAtTop);
}

void PartidaListWindow::disableFilter() {
  list_.disableFilter();
  filterButton_->setEnabled(false);
}

void PartidaListWindow::saveSettings() {
  const pricing::SettingsSaveResult saved = session_.saveSettings();
  if (!saved.ok) ui_.showMessage(store::Message{"Baltu", saved.message, store::MessageIcon::Error});
}

// --- Events ---

void PartidaListWindow::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  // Values changed in other windows show when this one is active again.
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    writeAdminPanel();
    paintEquipmentSquare();
  }
}

void PartidaListWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  banner_->start();
}

void PartidaListWindow::hideEvent(QHideEvent* event) {
  banner_->stop();
  QDialog::hideEvent(event);
}

bool PartidaListWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == searchBox_ && event->type() == QEvent::FocusIn) {
    // Gaining the focus selects the whole text, however it came.
    QTimer::singleShot(0, searchBox_, &QLineEdit::selectAll);
  } else if (watched == view_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
      if (key->key() == Qt::Key_Space) {
        toggleSelectedMarks();
        return true;
      }
      if (key->key() == Qt::Key_A) {
        if (analysisButton_->isEnabled()) analysisButton_->click();
        return true;
      }
    }
  }
  return QDialog::eventFilter(watched, event);
}

void runPartidaListWindow(store::Program& program, BrowsingState& browsing, platform::QtUserInterface& ui,
                          store::Guide guide, QWidget* parent) {
  browsing.currentGuide = guide;
  PartidaListWindow window(program, browsing, ui, guide, parent);
  QWidget* previous = ui.parentWidget();
  ui.setParentWidget(&window);
  window.exec();
  ui.setParentWidget(previous);
}

}  // namespace baltu::browser::ui
